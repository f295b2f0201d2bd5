#pragma once
// Station-to-station queries over every station of two cities.
#include <string>
#include <string_view>
#include <vector>

#include "data/timetable_data.h"
#include "results/sort_list_model.h"

namespace tavra::cli {

// The stations of the city of `station`: the city's name and the stations named it
// followed by 东, 南, 西 or 北, as the transfer search pools them. The city of 北京南 is
// 北京 when 北京 is a station. Only names of stations are returned.
std::vector<std::u16string> CityStations(const TimetableData& data, std::u16string_view station);

// Every train between any station of `fromCity` and any of `toCity`, as result lines in
// departure order, appended to `list` (which has the result columns).
void QueryCities(const TimetableData& data, const std::vector<std::u16string>& fromCity,
                 const std::vector<std::u16string>& toCity, SortListModel& list);

// The number of trains between two stations.
int TrainsBetween(const TimetableData& data, std::u16string_view from, std::u16string_view to);

}  // namespace tavra::cli
