#pragma once
// The three text orders the tables are kept in and searched by.
#include <string_view>

namespace tavra {

// Station-name order: trailing blanks removed, GBK bytes compared as signed 8-bit values
// (so Chinese characters order below ASCII), then the shorter name first.
int CompareGbk(std::u16string_view a, std::u16string_view b);

// True when `a` orders strictly after `b` by unsigned UTF-16 units; the end of a text
// counts as the unit 0.
bool TextGreater(std::u16string_view a, std::u16string_view b);

// Negative, 0 or positive, ignoring the case of the letters A-Z.
int CompareNoCase(std::u16string_view a, std::u16string_view b);
inline bool EqualNoCase(std::u16string_view a, std::u16string_view b) {
  return a.size() == b.size() && CompareNoCase(a, b) == 0;
}

// Upper-cases the letters a-z; every other unit is kept.
char16_t UpperAscii(char16_t c);

}  // namespace tavra
