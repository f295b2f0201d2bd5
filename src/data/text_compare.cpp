#include "data/text_compare.h"

#include <algorithm>
#include <string>

#include "data/record_fields.h"
#include "platform/gbk_codec.h"

namespace tavra {

int CompareGbk(std::u16string_view a, std::u16string_view b) {
  a = TrimRight(a);
  b = TrimRight(b);
  // Each encoding is limited to a buffer of 256 bytes, as the names are short anyway.
  constexpr size_t kBuffer = 256;
  std::string ga = Utf16ToGbk(a), gb = Utf16ToGbk(b);
  if (ga.size() > kBuffer) ga.resize(kBuffer);
  if (gb.size() > kBuffer) gb.resize(kBuffer);
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < 2 * n && i < kBuffer; ++i) {
    int x = i < ga.size() ? static_cast<signed char>(ga[i]) : 0;
    int y = i < gb.size() ? static_cast<signed char>(gb[i]) : 0;
    if (x != y) return x - y;
  }
  return static_cast<int>(a.size()) - static_cast<int>(b.size());
}

bool TextGreater(std::u16string_view a, std::u16string_view b) {
  const size_t n = std::max(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    unsigned x = i < a.size() ? a[i] : 0;
    unsigned y = i < b.size() ? b[i] : 0;
    if (x != y) return x > y;
  }
  return false;
}

char16_t UpperAscii(char16_t c) {
  return c >= u'a' && c <= u'z' ? c - (u'a' - u'A') : c;
}

int CompareNoCase(std::u16string_view a, std::u16string_view b) {
  // Compared as lower case, as the platform's case-insensitive comparison does.
  auto lower = [](char16_t c) -> int { return c >= u'A' && c <= u'Z' ? c + (u'a' - u'A') : c; };
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    int d = lower(a[i]) - lower(b[i]);
    if (d != 0) return d;
  }
  return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

}  // namespace tavra
