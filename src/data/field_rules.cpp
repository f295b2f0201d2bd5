#include "data/field_rules.h"

#include "format/record_layouts.h"

namespace tavra {
namespace {
bool IsDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}
bool InRange(char16_t c, char16_t low, char16_t high) {
  return c >= low && c <= high;
}
}  // namespace

bool IsNumberText(std::u16string_view text, size_t length) {
  if (text.size() != length) return false;
  for (char16_t c : text)
    if (!IsDigit(c)) return false;
  return true;
}

bool IsClockTime(std::u16string_view text) {
  using namespace time_field;
  return IsNumberText(text, kHour.len + kMinute.len) &&
         (text[0] <= u'1' || (text[0] == u'2' && text[1] <= u'3')) && text[kMinute.pos] <= u'5';
}

bool IsNoTime(std::u16string_view text) {
  return text.size() == time_field::kHour.len + time_field::kMinute.len &&
         text.find_first_not_of(u' ') == std::u16string_view::npos;
}

bool IsDayDigit(std::u16string_view text) {
  return text.size() == 1 && InRange(text[0], u'0', u'3');
}

bool IsTrainAttributes(std::u16string_view t) {
  return t.size() == 4 && InRange(t[0], u'0', u'1') && InRange(t[1], u'0', u'7') &&
         InRange(t[2], u'0', u'1') && InRange(t[3], u'0', u'1');
}

bool IsFlag(std::u16string_view text) {
  return text == u"0" || text == u"1";
}

}  // namespace tavra
