#pragma once
// What the fields of the records must hold: the rules the data tool's check applies to a
// whole file and a query applies to each field it reads.
#include <cstddef>
#include <string_view>

namespace tavra {

// Exactly `length` decimal digits.
bool IsNumberText(std::u16string_view text, size_t length);
// HHMM on the 24-hour clock: 0000 to 2359.
bool IsClockTime(std::u16string_view text);
// The blanks of a Time field without a time (the arrival at the origin, the departure at
// the terminus).
bool IsNoTime(std::u16string_view text);
// The day of a call counted from the train's departure day: one digit 0 to 3.
bool IsDayDigit(std::u16string_view text);
// A train's attributes: four characters 1/0, 0-7, 1/0, 1/0.
bool IsTrainAttributes(std::u16string_view text);
// The air-conditioning flag: "0" or "1".
bool IsFlag(std::u16string_view text);

}  // namespace tavra
