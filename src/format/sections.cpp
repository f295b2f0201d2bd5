#include "format/sections.h"

namespace tavra {

const char* SectionName(unsigned section) {
  static const char* const names[kSectionCount] = {
      "StationKeyTable",    "KeyLetterTable",   "StationTable",      "TrainDigitTable",
      "NumberTrainIndex",   "LetterTrainIndex", "TrainTable",        "TrainFareTable",
      "TrainStopTable",     "StopTable",        "FareDistanceTable", "FareBandTable",
      "FareBandIndexTable", "StationFareTable", "RateTable",         "SpareTable"};
  return section < kSectionCount ? names[section] : "?";
}

}  // namespace tavra
