#include "journeys/call_times.h"

#include "data/checked_record.h"

namespace tavra {
namespace {

int Digit(char16_t c) {
  return c >= u'0' && c <= u'9' ? c - u'0' : -1;
}

}  // namespace

int ClockMinutes(std::u16string_view hhmm) {
  if (hhmm.size() != 4) return -1;
  int d[4];
  for (int i = 0; i < 4; ++i)
    if ((d[i] = Digit(hhmm[static_cast<size_t>(i)])) < 0) return -1;
  const int hours = d[0] * 10 + d[1], minutes = d[2] * 10 + d[3];
  if (hours > 23 || minutes > 59) return -1;
  return hours * 60 + minutes;
}

CallTimes ReadCallTimes(const CheckedRecord& stop) {
  const int day = ParseLeadingInt(stop.Day(stop_record::kDay)) * kDayMinutes;
  const int arrive = ClockMinutes(stop.Time(stop_record::kArrive));
  const int depart = ClockMinutes(stop.Time(stop_record::kDepart));
  CallTimes t;
  if (depart >= 0) t.depart = day + depart;
  if (arrive >= 0) {
    const bool overnight = depart >= 0 && arrive > depart && day > 0;
    t.arrive = day - (overnight ? kDayMinutes : 0) + arrive;
  }
  return t;
}

int WaitMinutes(int arrive, int depart, int minimum) {
  const int gap = ((depart - arrive - minimum) % kDayMinutes + kDayMinutes) % kDayMinutes;
  return minimum + gap;
}

}  // namespace tavra
