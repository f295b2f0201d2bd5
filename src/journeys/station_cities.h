#pragma once
// Stations grouped into cities: 北京南, 北京西 and 北京 are one city.
#include <string_view>
#include <vector>

#include "data/timetable_data.h"

namespace tavra {

// The station number of a name, or -1.
int StationNumber(const TimetableData& data, std::u16string_view name);

// The city of a station is the station named like it without a last 东, 南, 西 or 北 when
// there is one, else the station itself; cities are told apart by that station's number.
// Worked out on first use for each station, so a search pays only for what it meets.
class StationCities {
 public:
  explicit StationCities(const TimetableData& data);
  int CityOf(int station);

 private:
  const TimetableData& data_;
  std::vector<int> city_;  // -2: not worked out yet
};

}  // namespace tavra
