#include "journeys/station_cities.h"

#include <algorithm>
#include <string>

#include "data/lookup.h"
#include "data/record_fields.h"

namespace tavra {

int StationNumber(const TimetableData& data, std::u16string_view name) {
  return FindStationRow(data, name);
}

StationCities::StationCities(const TimetableData& data)
    : data_(data), city_(static_cast<size_t>(std::max(0, data.Table(StationTable).size())), -2) {}

int StationCities::CityOf(int station) {
  if (station < 0 || station >= static_cast<int>(city_.size())) return -1;
  int& city = city_[static_cast<size_t>(station)];
  if (city != -2) return city;
  city = station;
  const std::u16string_view name =
      TrimRight(Field(data_.Table(StationTable).Record(station), station_record::kName));
  if (name.size() > 1) {
    const char16_t last = name.back();
    if (last == u'东' || last == u'南' || last == u'西' || last == u'北') {
      const int shorter = StationNumber(data_, name.substr(0, name.size() - 1));
      if (shorter >= 0) city = shorter;
    }
  }
  return city;
}

}  // namespace tavra
