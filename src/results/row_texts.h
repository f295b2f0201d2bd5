#pragma once
// The texts a result line is made of, derived from the fields of two calls and a train.
#include <cstdint>
#include <string>
#include <string_view>

#include "data/parsed_records.h"

namespace tavra {

// "%d".
std::u16string DecimalText(int value);

// "HHMM" as "HH:MM".
std::u16string ClockText(std::u16string_view hhmm);

// Minutes from the boarding call's departure to the alighting call's arrival, across
// midnight and days. A call that arrives before midnight and leaves after it carries the
// day of its departure, so its day number is one too many for the arrival.
int RunningMinutes(const StopInfo& boarding, const StopInfo& alighting);

// "hh:mm" of a running time; hours of 100 and more keep their last two digits.
std::u16string DurationText(int minutes);

struct TrainClass {
  std::u16string_view text;  // a fixed text, or the class code itself
  int32_t expressMultiple = 0;
};

// The class text and express multiple of a class code and air-conditioning flag. An
// unknown code shows itself and has no express supplement (multiple 0): keeping the
// previous train's multiple would make a price depend on the line listed before it.
TrainClass ClassOf(std::u16string_view classCode, std::u16string_view airCon);

}  // namespace tavra
