#include "data/record_fields.h"

#include <climits>

namespace tavra {

int ParseLeadingIntSlow(std::u16string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == u' ') ++i;
  long long value = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    value = value * 10 + (text[i] - u'0');
    if (value > INT_MAX) return INT_MAX;
  }
  return static_cast<int>(value);
}

namespace {
bool IsBlank(char16_t c) {
  return c == u' ' || (c >= u'\t' && c <= u'\r');
}
}  // namespace

std::u16string_view TrimRight(std::u16string_view text) {
  size_t n = text.size();
  while (n > 0 && IsBlank(text[n - 1])) --n;
  return text.substr(0, n);
}

std::u16string_view TrimLeft(std::u16string_view text) {
  size_t b = 0;
  while (b < text.size() && IsBlank(text[b])) ++b;
  return text.substr(b);
}

std::u16string_view Trim(std::u16string_view text) {
  return TrimRight(TrimLeft(text));
}

std::u16string ZeroPadded(int value, int width) {
  std::u16string out(static_cast<size_t>(width), u'0');
  for (int i = width - 1; i >= 0 && value > 0; --i, value /= 10)
    out[static_cast<size_t>(i)] = static_cast<char16_t>(u'0' + value % 10);
  return out;
}

}  // namespace tavra
