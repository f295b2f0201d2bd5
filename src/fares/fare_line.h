#pragma once
// What the fare engine reads and writes of one result line: its distances and the price
// texts. A result row is a fare line with the timetable texts beside it.
#include <array>
#include <cstdint>
#include <string>

#include "data/parsed_records.h"

namespace tavra {

struct FareLine {
  std::u16string distanceText;  // column 里程
  // The shown prices, written when the fare engine is done with the line.
  std::u16string hardSeat;
  std::u16string softSeat;
  std::u16string firstClass;
  std::u16string secondClass;
  std::u16string hardSleeper;  // column 硬卧上中下, composed
  std::u16string hardSleeperUpper;
  std::u16string hardSleeperMiddle;
  std::u16string hardSleeperLower;
  std::u16string softSleeper;  // column 软卧上/下, composed
  std::u16string softSleeperUpper;
  std::u16string softSleeperLower;
  int32_t totalFareKm = 0;  // sum of segmentKm[0..5]
  // Per fare segment 0-5 the alighting call's fare distance less the boarding call's;
  // element 6 the distance the extra-distance surcharge is charged on.
  std::array<int32_t, 7> segmentKm{};

  // segmentKm and totalFareKm of a ride from call `from` to call `to`.
  void SetFareDistances(const StopInfo& from, const StopInfo& to) {
    totalFareKm = 0;
    for (size_t i = 0; i < segmentKm.size(); ++i) {
      segmentKm[i] = to.fareKm[i] - from.fareKm[i];
      if (i < 6) totalFareKm += segmentKm[i];
    }
  }
};

}  // namespace tavra
