#pragma once
// The sixteen sections of the record file and the width of each one's records.
#include <array>

namespace tavra {

enum Section : unsigned {
  StationKeyTable = 0,
  KeyLetterTable = 1,
  StationTable = 2,
  TrainDigitTable = 3,
  NumberTrainIndex = 4,
  LetterTrainIndex = 5,
  TrainTable = 6,
  TrainFareTable = 7,
  TrainStopTable = 8,
  StopTable = 9,
  FareDistanceTable = 10,
  FareBandTable = 11,
  FareBandIndexTable = 12,
  StationFareTable = 13,
  RateTable = 14,
  SpareTable = 15,
};
inline constexpr unsigned kSectionCount = 16;

// Record width in bytes of each section; constants of the format, stored in neither file.
inline constexpr std::array<int, kSectionCount> kRecordWidth = {9, 8,  30, 16, 9,  9,  59, 45,
                                                                5, 33, 28, 65, 11, 53, 14, 13};

const char* SectionName(unsigned section);

}  // namespace tavra
