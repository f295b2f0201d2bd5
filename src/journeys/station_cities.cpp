#include "journeys/station_cities.h"

#include <algorithm>
#include <string>

#include "data/record_fields.h"
#include "data/text_compare.h"

namespace tavra {

int StationNumber(const TimetableData& data, std::u16string_view name) {
  const std::u16string padded = (std::u16string(name) + u"     ").substr(0, 5);
  const RecordTable& stations = data.Table(StationTable);
  int lo = 0, hi = std::min(data.stationCount, stations.size()) - 1;
  while (lo <= hi) {
    const int mid = lo + (hi - lo) / 2;
    const int c = CompareGbk(padded, Field(stations.Record(mid), 20, 5));
    if (c == 0) return mid;
    if (c > 0)
      lo = mid + 1;
    else
      hi = mid - 1;
  }
  return -1;
}

StationCities::StationCities(const TimetableData& data)
    : data_(data), city_(static_cast<size_t>(std::max(0, data.Table(StationTable).size())), -2) {}

int StationCities::CityOf(int station) {
  if (station < 0 || station >= static_cast<int>(city_.size())) return -1;
  int& city = city_[static_cast<size_t>(station)];
  if (city != -2) return city;
  city = station;
  const std::u16string_view name =
      TrimRight(Field(data_.Table(StationTable).Record(station), 20, 5));
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
