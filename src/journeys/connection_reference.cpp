// The connection search done the slow and plain way, from parsed calls: every leg from the
// departure against every leg to the destination, then every journey against every other.
#include <algorithm>
#include <map>
#include <string>

#include "data/lookup.h"
#include "data/parsed_records.h"
#include "data/record_fields.h"
#include "journeys/connection_search.h"
#include "journeys/journey_keep.h"
#include "results/row_texts.h"

namespace tavra {
namespace {

struct ParsedCall {
  int row;
  int station;
  StopInfo stop;
  int arrive = -1, depart = -1;  // minutes from the train's first midnight, -1 for none
};

int Hhmm(std::u16string_view t) {
  if (t.size() != 4 || t.find_first_not_of(u"0123456789") != std::u16string_view::npos) return -1;
  const int h = ParseLeadingInt(t.substr(0, 2)), m = ParseLeadingInt(t.substr(2, 2));
  return h < 24 && m < 60 ? h * 60 + m : -1;
}

ParsedCall Parse(const TimetableData& data, int row) {
  ParsedCall c{row, 0, ParseStopRecord(data, GetRecord(data, StopTable, row))};
  c.station = ParseLeadingInt(c.stop.station);
  const int day = ParseLeadingInt(c.stop.day);
  const int a = Hhmm(c.stop.arrive), d = Hhmm(c.stop.depart);
  if (d >= 0) c.depart = day * 1440 + d;
  // Arriving before midnight and leaving after it: the day digit is the departure's.
  if (a >= 0) c.arrive = (d >= 0 && a > d && day > 0 ? day - 1 : day) * 1440 + a;
  return c;
}

struct Stations {
  std::map<std::u16string, int> byName;
  std::vector<int> city;  // by station number
  int Number(std::u16string_view name) const {
    const auto found = byName.find(std::u16string(name));
    return found == byName.end() ? -1 : found->second;
  }
};

// Every station's number by name and its city.
Stations AllStations(const TimetableData& data) {
  std::map<std::u16string, int> byName;
  for (int s = 0; s < data.stationCount; ++s) byName[StationName(data, DecimalText(s))] = s;
  std::vector<int> city(static_cast<size_t>(data.stationCount));
  for (const auto& [name, s] : byName) {
    city[static_cast<size_t>(s)] = s;
    if (name.size() < 2 || std::u16string(u"东南西北").find(name.back()) == std::u16string::npos)
      continue;
    const auto shorter = byName.find(name.substr(0, name.size() - 1));
    if (shorter != byName.end()) city[static_cast<size_t>(s)] = shorter->second;
  }
  return {std::move(byName), std::move(city)};
}

struct Leg {
  const ParsedCall* board;
  const ParsedCall* alight;
  Ride ride;
};

Leg MakeLeg(const ParsedCall& b, const ParsedCall& a) {
  return {&b, &a, {b.row, a.row, b.station, a.station, b.depart, a.arrive, a.stop.km - b.stop.km}};
}

}  // namespace

ConnectionResult SearchConnectionsByAllPairs(const TimetableData& data,
                                             std::u16string_view fromName,
                                             std::u16string_view toName,
                                             const ConnectionOptions& options) {
  ConnectionResult result;
  const Stations stations = AllStations(data);
  const std::vector<int>& city = stations.city;
  auto cityOf = [&](int s) {
    return s >= 0 && s < static_cast<int>(city.size()) ? city[static_cast<size_t>(s)] : -1;
  };
  const int from = stations.Number(fromName), to = stations.Number(toName);
  if (!OptionsValid(options))
    result.error = ConnectionError::BadOption;
  else if (from < 0)
    result.error = ConnectionError::UnknownFrom;
  else if (to < 0)
    result.error = ConnectionError::UnknownTo;
  else if (from == to)
    result.error = ConnectionError::SameStation;
  else if (cityOf(from) == cityOf(to))
    result.error = ConnectionError::SameCity;
  if (result.error != ConnectionError::None) return result;
  const int fromCity = cityOf(from), toCity = cityOf(to);

  // Every call, grouped by the train field in sequence order.
  std::map<std::u16string, std::vector<ParsedCall>> trains;
  for (int r = 0; r < data.Table(StopTable).size(); ++r) {
    ParsedCall c = Parse(data, r);
    trains[std::u16string(c.stop.train)].push_back(std::move(c));
  }
  for (auto& [train, calls] : trains)
    std::stable_sort(calls.begin(), calls.end(), [](const ParsedCall& a, const ParsedCall& b) {
      return ParseLeadingInt(a.stop.seq) < ParseLeadingInt(b.stop.seq);
    });

  std::vector<JourneyPlan> all;
  std::vector<Leg> firstLegs, secondLegs;
  for (const auto& [train, calls] : trains)
    for (size_t i = 0; i < calls.size(); ++i)
      for (size_t k = i + 1; k < calls.size(); ++k) {
        const ParsedCall& b = calls[i];
        const ParsedCall& a = calls[k];
        if (b.depart < 0 || a.arrive < 0 || (b.station != from && a.station != to)) continue;
        // Cities the train calls at after boarding, up to and including the alighting.
        bool passesTo = false, passesFrom = false;
        for (size_t m = i + 1; m <= k; ++m) passesTo |= cityOf(calls[m].station) == toCity;
        for (size_t m = i; m < k; ++m) passesFrom |= cityOf(calls[m].station) == fromCity;
        if (b.station == from && a.station == to && options.includeDirect) {
          const Leg leg = MakeLeg(b, a);
          JourneyPlan p;
          p.rides[0] = leg.ride;
          p.depart = b.depart % 1440;
          p.minutes = a.arrive - b.depart;
          p.km = leg.ride.km;
          all.push_back(p);
        }
        if (b.station == from && !passesTo) firstLegs.push_back(MakeLeg(b, a));
        if (a.station == to && !passesFrom) secondLegs.push_back(MakeLeg(b, a));
      }

  for (const Leg& first : firstLegs)
    for (const Leg& second : secondLegs) {
      const int x = first.alight->station, y = second.board->station;
      if (cityOf(x) != cityOf(y) || cityOf(x) == fromCity || cityOf(x) == toCity) continue;
      if (first.board->stop.train == second.board->stop.train) continue;
      const int minimum = x == y ? options.minChange : options.minChangeCity;
      const int gap = second.board->depart % 1440 - first.alight->arrive % 1440 - minimum;
      const int wait = minimum + (gap % 1440 + 1440) % 1440;
      if (wait > options.maxWait) continue;
      JourneyPlan p;
      p.rides = {first.ride, second.ride};
      p.legCount = 2;
      p.depart = first.board->depart % 1440;
      p.minutes = (first.alight->arrive - first.board->depart) + wait +
                  (second.alight->arrive - second.board->depart);
      p.km = first.ride.km + second.ride.km;
      p.wait = wait;
      all.push_back(p);
    }
  result.journeys = KeepByComparison(std::move(all));
  return result;
}

}  // namespace tavra
