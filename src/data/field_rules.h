#pragma once
// What the fields of the records must hold: the rules the data tool's check applies to a
// whole file and a query applies to each field it reads.
#include <cstddef>
#include <string_view>

#include "format/record_layouts.h"

namespace tavra {

// The rules a query applies to every field it reads stand here inline: they run for each
// field of each line.

inline bool IsDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

// Exactly `length` decimal digits.
inline bool IsNumberText(std::u16string_view text, size_t length) {
  if (text.size() != length) return false;
  for (char16_t c : text)
    if (!IsDigit(c)) return false;
  return true;
}

// The value of a text of decimal digits only (a field that passed IsNumberText).
inline int DigitsValue(std::u16string_view digits) {
  int value = 0;
  for (char16_t c : digits) value = value * 10 + (c - u'0');
  return value;
}

// HHMM on the 24-hour clock: 0000 to 2359.
inline bool IsClockTime(std::u16string_view text) {
  using namespace time_field;
  const size_t h = kHour.pos;
  return IsNumberText(text, kHour.len + kMinute.len) &&
         (text[h] <= u'1' || (text[h] == u'2' && text[h + 1] <= u'3')) && text[kMinute.pos] <= u'5';
}

// The blanks of a Time field without a time (the arrival at the origin, the departure at
// the terminus).
inline bool IsNoTime(std::u16string_view text) {
  return text.size() == time_field::kHour.len + time_field::kMinute.len &&
         text.find_first_not_of(u' ') == std::u16string_view::npos;
}

// The day of a call counted from the train's departure day: one digit 0 to 3.
inline bool IsDayDigit(std::u16string_view text) {
  return text.size() == 1 && text[0] >= u'0' && text[0] <= u'3';
}
// A train's attributes: four characters 1/0, 0-7, 1/0, 1/0.
bool IsTrainAttributes(std::u16string_view text);
// The air-conditioning flag: "0" or "1".
bool IsFlag(std::u16string_view text);

}  // namespace tavra
