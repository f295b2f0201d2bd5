#pragma once
// How a list compares two cell texts when it is sorted by a column.
#include <string_view>

namespace tavra {

// -1, 0 or 1. The kind of comparison is chosen from `a` alone, as a header click on a
// column of times, numbers or dates expects: numeric when every character of `a` is a
// digit (an empty text too), both read as decimal integers; by date when `a` is
// dd/mm/yyyy (year, then month, then day); otherwise CompareListText.
int CompareCellTexts(std::u16string_view a, std::u16string_view b);

// The order people expect of list texts: punctuation, then digits, then letters regardless
// of case, then Chinese characters by their GBK code (pinyin order for the common ones);
// a tie is broken lower case first, then by code unit. -1, 0 or 1.
int CompareListText(std::u16string_view a, std::u16string_view b);

}  // namespace tavra
