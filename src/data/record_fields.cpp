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

std::u16string ZeroPadded(int value, int width) {
  std::u16string out(static_cast<size_t>(width), u'0');
  for (int i = width - 1; i >= 0 && value > 0; --i, value /= 10)
    out[static_cast<size_t>(i)] = static_cast<char16_t>(u'0' + value % 10);
  return out;
}

}  // namespace tavra
