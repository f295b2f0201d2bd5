// The checks of a whole source that no single line shows.
#include <climits>
#include <map>
#include <set>

#include "data/timetable_data.h"
#include "datatool/source_reader.h"
#include "datatool/source_rules.h"
#include "format/record_layouts.h"
#include "platform/utf8.h"

namespace tavra::datatool {
namespace {

class Reporter {
 public:
  Reporter(const TimetableSource& source, std::vector<SourceError>& errors)
      : source_(source), errors_(errors) {}
  void At(const SourceLine& at, const std::string& column, const std::string& message) {
    int number = 0;
    auto file = source_.columns.find(at.file);
    if (file != source_.columns.end()) {
      auto c = file->second.find(column);
      if (c != file->second.end()) number = c->second;
    }
    errors_.push_back(
        {at.file.empty() ? std::string("source") : at.file, at.line, number, message});
  }
  void Whole(const std::string& file, const std::string& message) {
    errors_.push_back({file, 0, 0, message});
  }

 private:
  const TimetableSource& source_;
  std::vector<SourceError>& errors_;
};

// Minutes from the train's first midnight of a call's departure (or arrival), kNoTime
// without the time (an arrival can fall before that midnight). The day is the departure's: an
// arrival after the departure's clock time was on the day before.
constexpr int kNoTime = INT_MIN;
int ClockMinute(const std::string& hhmm) {
  if (hhmm.size() != 4 || hhmm.find_first_not_of("0123456789") != std::string::npos) return -1;
  return std::stoi(hhmm.substr(0, 2)) * 60 + std::stoi(hhmm.substr(2));
}
int DepartMinute(const SourceStop& s) {
  const int clock = ClockMinute(s.depart);
  return clock < 0 ? kNoTime : s.day * 1440 + clock;
}
int ArriveMinute(const SourceStop& s) {
  const int clock = ClockMinute(s.arrive);
  const int back = !s.depart.empty() && s.arrive > s.depart ? 1 : 0;
  return clock < 0 ? kNoTime : (s.day - back) * 1440 + clock;
}

// A call against the one before it: a run goes forward in time and distance.
void CheckAfter(Reporter& report, const SourceStop& before, const SourceStop& s) {
  const int left = DepartMinute(before), reached = ArriveMinute(s);
  if (left != kNoTime && reached != kNoTime && reached < left)
    report.At(s.at, "day", "the train arrives before it left the call before; check the day");
  if (s.km < before.km) report.At(s.at, "km", "the distance is less than at the call before");
  if (!before.hasFareKm || !s.hasFareKm) return;
  for (size_t i = 0; i < s.fareKm.size(); ++i)
    if (s.fareKm[i] < before.fareKm[i]) {
      report.At(s.at, "fare_km", "a fare distance is less than at the call before");
      break;
    }
}

std::string Where(const SourceLine& at) {
  return at.line > 0 ? " (first at line " + std::to_string(at.line) + ")" : "";
}

}  // namespace

void ValidateSource(const TimetableSource& source, std::vector<SourceError>& errors) {
  Reporter report(source, errors);

  std::map<std::u16string, const SourceStation*> stations;
  for (const auto& s : source.stations) {
    auto [it, fresh] = stations.emplace(s.name, &s);
    if (!fresh)
      report.At(s.at, "name",
                "station \"" + Utf16ToUtf8(s.name) + "\" is listed twice" + Where(it->second->at));
  }
  if (source.stations.size() > static_cast<size_t>(kMaxStations))
    report.Whole("stations.tsv",
                 std::to_string(source.stations.size()) + " stations; at most 9998 are allowed");

  std::map<std::string, const SourceTrain*> trains;
  for (const auto& t : source.trains) {
    auto [it, fresh] = trains.emplace(t.number, &t);
    if (!fresh)
      report.At(t.at, "train",
                "train \"" + t.number + "\" is listed twice" + Where(it->second->at));
  }
  if (source.trains.size() > static_cast<size_t>(kMaxTrains))
    report.Whole("trains.tsv",
                 std::to_string(source.trains.size()) + " trains; at most 9998 are allowed");
  // Each number index addresses its rows with four digits.
  size_t digitLed = 0, others = 0;
  for (const auto& t : source.trains)
    for (const std::string& n : TrainNumbers(t)) {
      if (auto problem = TrainNumberProblem(n)) {
        report.At(t.at, t.numbers.empty() ? "train" : "numbers", *problem);
        continue;
      }
      ++(n[0] >= '0' && n[0] <= '9' && n.size() >= 4 ? digitLed : others);
    }
  if (digitLed > static_cast<size_t>(kMaxTrains) || others > static_cast<size_t>(kMaxTrains))
    report.Whole("trains.tsv",
                 "more than 9998 numbers of one kind (four or five digits, or the others); "
                 "the number indexes hold at most 9998 each");

  // Calls: known train and station, one train's calls together, times where the run needs them.
  std::map<std::string, const SourceStop*> firstCallOf;
  for (size_t i = 0; i < source.stops.size();) {
    const SourceStop& first = source.stops[i];
    size_t end = i;
    while (end < source.stops.size() && source.stops[end].train == first.train) ++end;
    const size_t count = end - i;
    bool knownTrain = trains.count(first.train) != 0;
    if (!knownTrain && !first.train.empty())
      report.At(first.at, "train", "train \"" + first.train + "\" is not in trains.tsv");
    auto [prior, fresh] = firstCallOf.emplace(first.train, &first);
    if (!fresh)
      report.At(first.at, "train",
                "the calls of train \"" + first.train + "\" must stand together" +
                    Where(prior->second->at));
    if (count > 99)
      report.At(source.stops[i + 99].at, "train",
                "train \"" + first.train + "\" has " + std::to_string(count) +
                    " calls; at most 99 are allowed");
    if (count == 1)
      report.At(first.at, "train",
                "train \"" + first.train + "\" has one call; a run needs at least two");
    for (size_t k = i; k < end; ++k) {
      const SourceStop& s = source.stops[k];
      if (!s.station.empty() && !stations.count(s.station))
        report.At(s.at, "station",
                  "station \"" + Utf16ToUtf8(s.station) + "\" is not in stations.tsv");
      if (k != i && s.arrive.empty())
        report.At(s.at, "arrive", "only the origin may have no arrival time");
      if (k + 1 != end && s.depart.empty())
        report.At(s.at, "depart", "only the terminus may have no departure time");
      if (k != i) CheckAfter(report, source.stops[k - 1], s);
    }
    i = end;
  }
  if (source.stops.size() > static_cast<size_t>(kMaxCalls))
    report.Whole("stops.tsv",
                 std::to_string(source.stops.size()) + " calls; at most 99998 are allowed");

  std::map<std::string, std::vector<const SourceFareBand*>> bands;
  for (const auto& b : source.fareBands) {
    for (const SourceFareBand* other : bands[b.tariff])
      if (b.fromKm <= other->toKm && other->fromKm <= b.toKm)
        report.At(b.at, "from_km",
                  "the band " + std::to_string(b.fromKm) + "-" + std::to_string(b.toKm) +
                      " km of tariff \"" + b.tariff + "\" overlaps the band " +
                      std::to_string(other->fromKm) + "-" + std::to_string(other->toKm) +
                      Where(other->at));
    bands[b.tariff].push_back(&b);
  }
  if (source.fareBands.size() > static_cast<size_t>(AllNines(fare_band_index_record::kFirstBand)))
    report.Whole("fare_bands.tsv", "more than 9999 bands");

  for (const auto& f : source.stationFares) {
    if (!f.from.empty() && !stations.count(f.from))
      report.At(f.at, "from", "station \"" + Utf16ToUtf8(f.from) + "\" is not in stations.tsv");
    if (!f.to.empty() && !stations.count(f.to))
      report.At(f.at, "to", "station \"" + Utf16ToUtf8(f.to) + "\" is not in stations.tsv");
    if (!f.train.empty() && !trains.count(f.train))
      report.At(f.at, "train", "train \"" + f.train + "\" is not in trains.tsv");
  }
  if (source.stationFares.size() > static_cast<size_t>(kMaxCalls))
    report.Whole("station_fares.tsv", "more than 99998 fixed fares");

  std::map<std::string, const SourceRate*> rated;
  for (const auto& r : source.rates) {
    if (!r.train.empty() && !trains.count(r.train))
      report.At(r.at, "train", "train \"" + r.train + "\" is not in trains.tsv");
    auto [it, fresh] = rated.emplace(r.train, &r);
    if (!fresh)
      report.At(r.at, "train",
                "train \"" + r.train + "\" has a second rate line" + Where(it->second->at));
  }
}

}  // namespace tavra::datatool
