#include "city_query.h"

#include "app/query_controls.h"
#include "app/query_core.h"
#include "data/lookup.h"
#include "platform/user_messages.h"
#include "resources/fixed_texts.h"

namespace tavra::cli {
namespace {

constexpr std::u16string_view kDirections = u"东南西北";

bool IsStation(const TimetableData& data, std::u16string_view text) {
  if (text.empty() || text.size() > 5) return false;
  return FindStationRow(data, text) >= 0;
}

// Runs one station-to-station query on a core of its own that asks nobody anything, so
// the session's list stays as it was.
template <typename Use>
void QueryPair(const TimetableData& data, std::u16string_view from, std::u16string_view to,
               Use use) {
  PlainQueryControls controls;
  SilentMessages silent;
  QueryCore core(data, controls, silent);
  ChoiceList offered;
  controls.mode = texts::kModeStationToStation;
  controls.from = from;
  core.OnFromEditChange(offered);
  controls.to = to;
  core.OnToEditChange(offered);
  core.OnQuery();
  use(core.m_list);
}

}  // namespace

std::vector<std::u16string> CityStations(const TimetableData& data, std::u16string_view station) {
  std::u16string city(station);
  if (city.size() > 2 && kDirections.find(city.back()) != std::u16string_view::npos &&
      IsStation(data, std::u16string_view(city).substr(0, city.size() - 1)))
    city.pop_back();
  std::vector<std::u16string> stations;
  if (IsStation(data, city)) stations.push_back(city);
  for (char16_t direction : kDirections)
    if (IsStation(data, city + direction)) stations.push_back(city + direction);
  return stations;
}

void QueryCities(const TimetableData& data, const std::vector<std::u16string>& fromCity,
                 const std::vector<std::u16string>& toCity, SortListModel& list) {
  for (const std::u16string& from : fromCity)
    for (const std::u16string& to : toCity) {
      if (from == to) continue;
      QueryPair(data, from, to, [&](const SortListModel& found) {
        for (int r = 0; r < found.RowCount(); ++r) {
          const ListRow row = found.Row(r);
          const std::vector<std::u16string_view> texts(row.texts.begin(), row.texts.end());
          const int at = list.AppendRow(texts);
          for (size_t c = 0; c < row.texts.size(); ++c)
            list.SetCellColors(at, static_cast<int>(c), row.textColors[c], row.backColors[c]);
        }
      });
    }
  // The hidden column holds the departure time of station-to-station lines.
  list.SortByColumn(texts::kSortKeyColumn, true);
}

int TrainsBetween(const TimetableData& data, std::u16string_view from, std::u16string_view to) {
  int count = 0;
  QueryPair(data, from, to, [&](const SortListModel& found) { count = found.RowCount(); });
  return count;
}

}  // namespace tavra::cli
