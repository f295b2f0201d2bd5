#pragma once
// The times of a call in minutes counted from midnight of its train's first day.
#include <string_view>

namespace tavra {

class CheckedRecord;

inline constexpr int kDayMinutes = 1440;

// "HHMM" in minutes, or -1 for a blank or malformed time.
int ClockMinutes(std::u16string_view hhmm);

struct CallTimes {
  int arrive = -1;  // -1: the call has no arrival (an origin)
  int depart = -1;  // -1: no departure (a terminus)
};

// From a StopTable record: day digit × 1440 + HHMM. A call that arrives before midnight
// and leaves after it carries the day of its departure, so its arrival is a day earlier
// than the digit says (the list's running time counts it the same way).
// The times and the day are checked as they are read.
CallTimes ReadCallTimes(const CheckedRecord& stop);

// The wait from clock time `arrive` to clock time `depart`: the smallest number of minutes
// of at least `minimum` that lands on the departure's clock time.
int WaitMinutes(int arrive, int depart, int minimum);

}  // namespace tavra
