#pragma once
// How a list compares two cell texts when it is sorted by a column.
#include <string_view>

namespace tavra {

// -1, 0 or 1, a total order over any mix of texts, so a header click sorts a column the
// same way whatever order its rows start in. Numbers come first, compared by value:
// decimals ("25", "105.5") and decimals joined by "/" (berth prices, element by element).
// Dates dd/mm/yyyy come next (year, then month, then day), then every other text ("－",
// empty, times such as 08:15) by CompareListText.
int CompareCellTexts(std::u16string_view a, std::u16string_view b);

// What decides how a cell text compares (number, date or other text). A sort of many rows
// works it out once per row and compares with CompareCellTextsOfKind.
int CellTextKind(std::u16string_view text);
// CompareCellTexts for two texts whose CellTextKind is given.
int CompareCellTextsOfKind(std::u16string_view a, int kindA, std::u16string_view b, int kindB);

// The order people expect of list texts: punctuation, then digits, then letters regardless
// of case, then Chinese characters by their GBK code (pinyin order for the common ones);
// a tie is broken lower case first, then by code unit. -1, 0 or 1.
int CompareListText(std::u16string_view a, std::u16string_view b);

}  // namespace tavra
