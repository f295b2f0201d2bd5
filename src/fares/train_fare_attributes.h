#pragma once
// What the fare routines read from the current train: the attribute characters (hard
// seats, seat-class mask digit, hard sleepers, soft sleepers) and the air-conditioning flag.
#include <string_view>

#include "data/parsed_records.h"

namespace tavra {

// Attribute character `pos` (0-3) of the train, or 0 when the text is shorter.
inline char16_t TrainAttribute(const TrainInfo& train, size_t pos) {
  const std::u16string_view a = train[TrainInfo::Attributes];
  return pos < a.size() ? a[pos] : u'\0';
}

// The seat-class mask digit: bit value 1 soft seat, 2 second class, 4 first class. Tested
// as sets of digits, so anything but "0"-"7" carries none of the three.
inline char16_t SeatMask(const TrainInfo& train) {
  return TrainAttribute(train, 1);
}
inline bool MaskHasBit(char16_t mask, int bit) {
  return mask >= u'0' && mask <= u'7' && ((mask - u'0') & bit) != 0;
}
inline bool CarriesSoftSeat(char16_t mask) {
  return MaskHasBit(mask, 1);
}
inline bool CarriesSecondClass(char16_t mask) {
  return MaskHasBit(mask, 2);
}
inline bool CarriesFirstClass(char16_t mask) {
  return MaskHasBit(mask, 4);
}

inline bool CarriesHardSeats(const TrainInfo& t) {
  return TrainAttribute(t, 0) == u'1';
}
inline bool CarriesHardSleepers(const TrainInfo& t) {
  return TrainAttribute(t, 2) == u'1';
}
inline bool CarriesSoftSleepers(const TrainInfo& t) {
  return TrainAttribute(t, 3) == u'1';
}

inline bool IsAirConditioned(const TrainInfo& t) {
  return t[TrainInfo::AirCon] == u"1";
}

// The fare kind code of segment k (0-5), as its one-character text.
inline std::u16string_view FareKind(const TrainInfo& t, int k) {
  return t[TrainInfo::FareKind0 + k];
}

}  // namespace tavra
