#pragma once
// How a list compares two cell texts when it is sorted by a column.
#include <cstdint>
#include <string_view>

namespace tavra {

// -1, 0 or 1, a total order over any mix of texts, so a header click sorts a column the
// same way whatever order its rows start in. Numbers come first, compared by value:
// decimals ("25", "105.5") and decimals joined by "/" (berth prices, element by element).
// Dates dd/mm/yyyy come next (year, then month, then day), then every other text ("－",
// empty, times such as 08:15) by CompareListText.
int CompareCellTexts(std::u16string_view a, std::u16string_view b);

// What a sort of many rows works out once per cell: the kind of text (number, date or
// other) and, for other texts, the weights of the first units packed into one number, so
// that most comparisons of times and names are decided without reading the texts.
struct CellSortKey {
  int kind = 0;
  uint64_t prefix = 0;  // six 10-bit groups, the first unit highest; 0 past the text's end
  int exactGroups = 0;  // groups that stand for their units exactly
};
CellSortKey MakeCellSortKey(std::u16string_view text);
// CompareCellTexts for two texts with their keys.
int CompareCellTextsWithKeys(std::u16string_view a, const CellSortKey& keyA, std::u16string_view b,
                             const CellSortKey& keyB);

// The order people expect of list texts: punctuation, then digits, then letters regardless
// of case, then Chinese characters by their GBK code (pinyin order for the common ones);
// a tie is broken lower case first, then by code unit. -1, 0 or 1.
int CompareListText(std::u16string_view a, std::u16string_view b);

}  // namespace tavra
