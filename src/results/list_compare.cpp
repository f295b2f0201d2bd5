#include "results/list_compare.h"

#include <string>

#include "data/record_fields.h"
#include "platform/gbk_codec.h"

namespace tavra {
namespace {

int Sign(long long d) {
  return d < 0 ? -1 : d > 0 ? 1 : 0;
}

bool IsDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

bool AllDigits(std::u16string_view text) {
  for (char16_t c : text)
    if (!IsDigit(c)) return false;
  return true;
}

bool IsDate(std::u16string_view text) {
  if (text.size() != 10 || text[2] != u'/' || text[5] != u'/') return false;
  for (size_t i : {0, 1, 3, 4, 6, 7, 8, 9})
    if (!IsDigit(text[i])) return false;
  return true;
}

// Primary weight of one code unit: punctuation < digits < letters (case folded) < Chinese
// by GBK code < everything GBK cannot encode.
uint32_t Weight(char16_t c) {
  if (IsDigit(c)) return 0x100u + c;
  if (c >= u'a' && c <= u'z') return 0x200u + c;
  if (c >= u'A' && c <= u'Z') return 0x200u + c + (u'a' - u'A');
  if (c < 0x80) return c;
  bool lossless = true;
  std::string gbk = Utf16ToGbk(std::u16string_view(&c, 1), &lossless);
  if (lossless && gbk.size() == 2)
    return 0x10000u +
           (static_cast<unsigned char>(gbk[0]) << 8 | static_cast<unsigned char>(gbk[1]));
  return 0x20000u + c;
}

bool IsLower(char16_t c) {
  return c >= u'a' && c <= u'z';
}

}  // namespace

int CompareListText(std::u16string_view a, std::u16string_view b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    if (a[i] == b[i]) continue;
    uint32_t x = Weight(a[i]), y = Weight(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  // Equal but for the case of letters: lower case first, as the desktop's locale sorts.
  for (size_t i = 0; i < n; ++i)
    if (a[i] != b[i]) return IsLower(a[i]) ? -1 : IsLower(b[i]) ? 1 : Sign(a[i] - b[i]);
  return 0;
}

int CompareCellTexts(std::u16string_view a, std::u16string_view b) {
  if (AllDigits(a)) return Sign(static_cast<long long>(ParseLeadingInt(a)) - ParseLeadingInt(b));
  if (IsDate(a)) {
    for (auto [pos, len] : {std::pair<size_t, size_t>{6, 4}, {3, 2}, {0, 2}}) {
      int d = Sign(static_cast<long long>(ParseLeadingInt(Field(a, pos, len))) -
                   ParseLeadingInt(Field(b, pos, len)));
      if (d != 0) return d;
    }
    return 0;
  }
  return CompareListText(a, b);
}

}  // namespace tavra
