#include "data/field_rules.h"

namespace tavra {
namespace {
bool InRange(char16_t c, char16_t low, char16_t high) {
  return c >= low && c <= high;
}
}  // namespace

bool IsTrainAttributes(std::u16string_view t) {
  return t.size() == 4 && InRange(t[0], u'0', u'1') && InRange(t[1], u'0', u'7') &&
         InRange(t[2], u'0', u'1') && InRange(t[3], u'0', u'1');
}

bool IsFlag(std::u16string_view text) {
  return text == u"0" || text == u"1";
}

}  // namespace tavra
