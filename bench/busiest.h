#pragma once
// The heaviest inputs of a timetable, for the benchmarks that start programs or compare
// with a database: the station with the most calls, and the pair of stations with a
// direct train whose calls multiplied are the most (the pair the cross comparison finds
// hardest).
#include <string>

#include "data/timetable_data.h"

namespace tavra::bench {

struct Busiest {
  int station = -1;  // StationTable row
  std::u16string stationName;
  int stationCalls = 0;
  int from = -1, to = -1;
  std::u16string fromName, toName;
  int fromCalls = 0, toCalls = 0;
  int pairTrains = 0;          // direct trains from `from` to `to`
  std::u16string trainNumber;  // the first number of the first train
};

Busiest FindBusiest(const TimetableData& data);

}  // namespace tavra::bench
