// Index free: only the trains calling at the two ends are read, each along its run once;
// the legs from the departure and the legs to the destination meet city by city, each
// arriving leg only the departing legs within its wait, in clock order.
#include "journeys/connection_search.h"

#include <algorithm>

#include "data/checked_record.h"
#include "data/lookup.h"
#include "data/parsed_records.h"
#include "journeys/call_times.h"
#include "journeys/journey_keep.h"
#include "journeys/station_cities.h"

namespace tavra {
namespace {

struct Call {
  int row;
  int station;
  int km;
  CallTimes times;
};

// The calls of the trains a search meets, read once each, every field checked.
class Runs {
 public:
  Runs(const TimetableData& data, RecordDamage& damage)
      : data_(data),
        damage_(damage),
        slot_(static_cast<size_t>(data.Table(TrainTable).size()), -1) {}

  const std::vector<Call>& Of(int train) {
    static const std::vector<Call> kNone;
    if (train < 0 || train >= static_cast<int>(slot_.size())) return kNone;
    int& slot = slot_[static_cast<size_t>(train)];
    if (slot >= 0) return runs_[static_cast<size_t>(slot)];
    slot = static_cast<int>(runs_.size());
    std::vector<Call>& calls = runs_.emplace_back();
    int first = 0, last = -1;
    CheckedRecord(data_, TrainTable, train, damage_)
        .Range(train_record::kFirstRun, train_record::kLastRun, TrainStopTable, first, last);
    for (int r = first; r <= last && !damage_.Found(); ++r) {
      const int row = ReadRunCall(data_, r, damage_);
      if (damage_.Found()) break;
      const CheckedRecord stop(data_, StopTable, row, damage_);
      calls.push_back({row, ParseLeadingInt(stop.Row(stop_record::kStation, StationTable)),
                       stop.Number(stop_record::kKm), ReadCallTimes(stop)});
    }
    return runs_[static_cast<size_t>(slot)];
  }

 private:
  const TimetableData& data_;
  RecordDamage& damage_;
  std::vector<int> slot_;
  std::vector<std::vector<Call>> runs_;
};

// A leg from the departure ending at a change station, or one from a change station to
// the destination; `city` is the change station's city, `clock` its time on the clock.
struct LegEnd {
  int city;
  int clock;
  int train;
  Ride ride;
};

bool ByCityAndClock(const LegEnd& a, const LegEnd& b) {
  return a.city != b.city ? a.city < b.city : a.clock < b.clock;
}

Ride MakeRide(const Call& board, const Call& alight) {
  return {board.row,          alight.row,          board.station,       alight.station,
          board.times.depart, alight.times.arrive, alight.km - board.km};
}

RowRange CallRows(const TimetableData& data, int station, RecordDamage& damage) {
  RowRange rows{0, -1};
  CheckedRecord(data, StationTable, station, damage)
      .Range(station_record::kFirstCall, station_record::kLastCall, StopTable, rows.first,
             rows.last);
  return damage.Found() ? RowRange{0, -1} : rows;
}

int TrainOf(const TimetableData& data, int row, RecordDamage& damage) {
  return ParseLeadingInt(
      CheckedRecord(data, StopTable, row, damage).Row(stop_record::kTrain, TrainTable));
}

// The place of StopTable row `row` in a run, or -1.
int PlaceOf(const std::vector<Call>& run, int row) {
  for (size_t i = 0; i < run.size(); ++i)
    if (run[i].row == row) return static_cast<int>(i);
  return -1;
}

JourneyPlan DirectPlan(const Ride& ride) {
  JourneyPlan p;
  p.rides[0] = ride;
  p.legCount = 1;
  p.depart = ride.depart % kDayMinutes;
  p.minutes = ride.arrive - ride.depart;
  p.km = ride.km;
  return p;
}

}  // namespace

bool OptionsValid(const ConnectionOptions& o) {
  auto ok = [](int m) { return m >= 0 && m < kDayMinutes; };
  return ok(o.minChange) && ok(o.minChangeCity) && ok(o.maxWait);
}

ConnectionResult SearchConnections(const TimetableData& data, std::u16string_view fromName,
                                   std::u16string_view toName, const ConnectionOptions& options) {
  ConnectionResult result;
  if (!OptionsValid(options)) {
    result.error = ConnectionError::BadOption;
    return result;
  }
  const int from = StationNumber(data, fromName), to = StationNumber(data, toName);
  StationCities cities(data);
  if (from < 0)
    result.error = ConnectionError::UnknownFrom;
  else if (to < 0)
    result.error = ConnectionError::UnknownTo;
  else if (from == to)
    result.error = ConnectionError::SameStation;
  else if (cities.CityOf(from) == cities.CityOf(to))
    result.error = ConnectionError::SameCity;
  if (result.error != ConnectionError::None) return result;
  const int fromCity = cities.CityOf(from), toCity = cities.CityOf(to);

  Runs runs(data, result.damage);
  JourneyKeeper keeper;
  std::vector<LegEnd> arrivals, departures;

  // Legs from the departure: to every change station before the destination's city, and
  // on to the destination itself for the direct trains.
  const RowRange fromRows = CallRows(data, from, result.damage);
  for (int i = fromRows.first; i <= fromRows.last; ++i) {
    const int train = TrainOf(data, i, result.damage);
    const std::vector<Call>& run = runs.Of(train);
    const int board = PlaceOf(run, i);
    if (board < 0 || run[static_cast<size_t>(board)].times.depart < 0) continue;
    bool reachedTo = false;
    for (size_t q = static_cast<size_t>(board) + 1; q < run.size(); ++q) {
      const Call& call = run[q];
      const int city = cities.CityOf(call.station);
      if (city == toCity) reachedTo = true;
      if (call.times.arrive < 0) continue;
      if (call.station == to && options.includeDirect)
        keeper.Offer(DirectPlan(MakeRide(run[static_cast<size_t>(board)], call)));
      if (!reachedTo && city != fromCity)
        arrivals.push_back({city, call.times.arrive % kDayMinutes, train,
                            MakeRide(run[static_cast<size_t>(board)], call)});
    }
  }
  // Legs to the destination: from every change station after the departure's city.
  const RowRange toRows = CallRows(data, to, result.damage);
  for (int j = toRows.first; j <= toRows.last; ++j) {
    const int train = TrainOf(data, j, result.damage);
    const std::vector<Call>& run = runs.Of(train);
    const int alight = PlaceOf(run, j);
    if (alight < 0 || run[static_cast<size_t>(alight)].times.arrive < 0) continue;
    for (int q = alight - 1; q >= 0; --q) {
      const Call& call = run[static_cast<size_t>(q)];
      const int city = cities.CityOf(call.station);
      if (city == fromCity) break;
      if (call.times.depart < 0 || city == toCity) continue;
      departures.push_back({city, call.times.depart % kDayMinutes, train,
                            MakeRide(call, run[static_cast<size_t>(alight)])});
    }
  }

  // Journeys over a damaged field could be wrong in any way: none are offered.
  if (result.damage.Found()) return result;

  std::sort(arrivals.begin(), arrivals.end(), ByCityAndClock);
  std::sort(departures.begin(), departures.end(), ByCityAndClock);
  const int shortest = std::min(options.minChange, options.minChangeCity);
  auto d0 = departures.begin();
  for (auto a0 = arrivals.begin(); a0 != arrivals.end();) {
    const int city = a0->city;
    auto hasOtherCity = [city](const LegEnd& e) { return e.city != city; };
    const auto aEnd = std::find_if(a0, arrivals.end(), hasOtherCity);
    while (d0 != departures.end() && d0->city < city) ++d0;
    const auto dEnd = std::find_if(d0, departures.end(), hasOtherCity);
    for (auto a = a0; a != aEnd && d0 != dEnd; ++a) {
      // The departures from `shortest` to `maxWait` minutes after the arrival on the
      // clock, in two stretches when the window passes midnight.
      const int lo = a->clock + shortest, hi = a->clock + options.maxWait;
      auto visit = [&](int first, int last) {
        auto d = std::lower_bound(d0, dEnd, first,
                                  [](const LegEnd& e, int clock) { return e.clock < clock; });
        for (; d != dEnd && d->clock <= last; ++d) {
          if (d->train == a->train) continue;
          const int minimum = d->ride.boardStation == a->ride.alightStation ? options.minChange
                                                                            : options.minChangeCity;
          const int wait = WaitMinutes(a->clock, d->clock, minimum);
          if (wait > options.maxWait) continue;
          const int depart = a->ride.depart % kDayMinutes;
          const int minutes =
              a->ride.arrive - a->ride.depart + wait + d->ride.arrive - d->ride.depart;
          if (keeper.Hopeless(depart, depart + minutes)) continue;
          JourneyPlan p;
          p.rides = {a->ride, d->ride};
          p.legCount = 2;
          p.depart = depart;
          p.minutes = minutes;
          p.km = a->ride.km + d->ride.km;
          p.wait = wait;
          keeper.Offer(p);
        }
      };
      if (hi < kDayMinutes) {
        visit(lo, hi);
      } else if (lo >= kDayMinutes) {
        visit(lo - kDayMinutes, hi - kDayMinutes);
      } else {
        visit(lo, kDayMinutes - 1);
        visit(0, hi - kDayMinutes);
      }
    }
    a0 = aEnd;
    d0 = dEnd;
  }
  result.journeys = keeper.Take();
  return result;
}

}  // namespace tavra
