#include "results/row_texts.h"

#include <string>

#include "data/record_fields.h"
#include "data/text_compare.h"
#include "fares/fare_text.h"

namespace tavra {
namespace {

// The last two characters of "0" + the number.
std::u16string TwoDigits(int value) {
  const std::u16string text = u"0" + DecimalText(value);
  return text.substr(text.size() - 2);
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
  return TwoDigits(hours) + u":" + TwoDigits(minutes - hours * 60);
}

TrainClass ClassOf(std::u16string_view classCode, std::u16string_view airCon) {
  const std::u16string prefix = airCon == u"1" ? u"新空" : u"";
  struct Entry {
    std::u16string_view code, name;
    int32_t multiple;
    bool prefixed;
  };
  static constexpr Entry kClasses[] = {
      {u"1", u"直达", 2, true},      {u"2", u"特快", 2, true},      {u"A", u"快速", 2, true},
      {u"3", u"普快", 1, true},      {u"4", u"普客", 0, true},      {u"D", u"动车组", 2, false},
      {u"8", u"城际高速", 2, false}, {u"G", u"高速动车", 2, false}, {u"H", u"高速动车", 2, false},
  };
  for (const Entry& e : kClasses)
    if (classCode == e.code)
      return {(e.prefixed ? prefix : u"") + std::u16string(e.name), e.multiple};
  return {std::u16string(classCode), 0};
}

}  // namespace tavra
