#include "results/row_texts.h"

#include <string>

#include "data/record_fields.h"
#include "data/text_compare.h"
#include "fares/fare_text.h"

namespace tavra {
namespace {

// The last two characters of "0" + the number, written at `out`.
void TwoDigits(int value, char16_t* out) {
  if (value < 0 && value > -10) {
    out[0] = u'-';
    out[1] = static_cast<char16_t>(u'0' - value);
    return;
  }
  const long long last = (value < 0 ? -static_cast<long long>(value) : value) % 100;
  out[0] = static_cast<char16_t>(u'0' + last / 10);
  out[1] = static_cast<char16_t>(u'0' + last % 10);
}

int Hours(std::u16string_view hhmm) {
  return ReadInt(hhmm, time_field::kHour);
}
int Minutes(std::u16string_view hhmm) {
  return ReadInt(hhmm, time_field::kMinute);
}

}  // namespace

std::u16string DecimalText(int value) {
  return WholeText(value);
}

std::u16string ClockText(std::u16string_view hhmm) {
  std::u16string text(Field(hhmm, time_field::kHour));
  text += u':';
  text += Field(hhmm, time_field::kMinute);
  return text;
}

int RunningMinutes(const StopInfo& boarding, const StopInfo& alighting) {
  const int back =
      alighting.depart != u"    " && CompareNoCase(alighting.arrive, alighting.depart) > 0 ? 1 : 0;
  const int days = ParseLeadingInt(alighting.day) - ParseLeadingInt(boarding.day) - back;
  return (days * 24 + Hours(alighting.arrive) - Hours(boarding.depart)) * 60 +
         Minutes(alighting.arrive) - Minutes(boarding.depart);
}

std::u16string DurationText(int minutes) {
  const int hours = minutes / 60;
  char16_t text[5] = {0, 0, u':', 0, 0};
  TwoDigits(hours, text);
  TwoDigits(minutes - hours * 60, text + 3);
  return std::u16string(text, 5);
}

TrainClass ClassOf(std::u16string_view classCode, std::u16string_view airCon) {
  struct Entry {
    std::u16string_view code, name, airConName;
    int32_t multiple;
  };
  static constexpr Entry kClasses[] = {
      {u"1", u"直达", u"新空直达", 2},     {u"2", u"特快", u"新空特快", 2},
      {u"A", u"快速", u"新空快速", 2},     {u"3", u"普快", u"新空普快", 1},
      {u"4", u"普客", u"新空普客", 0},     {u"D", u"动车组", u"动车组", 2},
      {u"8", u"城际高速", u"城际高速", 2}, {u"G", u"高速动车", u"高速动车", 2},
      {u"H", u"高速动车", u"高速动车", 2},
  };
  for (const Entry& e : kClasses)
    if (classCode == e.code) return {airCon == u"1" ? e.airConName : e.name, e.multiple};
  return {classCode, 0};
}

}  // namespace tavra
