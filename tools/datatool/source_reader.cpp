#include "datatool/source_reader.h"

#include <unistd.h>

#include <charconv>
#include <climits>
#include <map>
#include <optional>
#include <set>

#include "data/loader.h"
#include "data/timetable_data.h"
#include "datatool/source_rules.h"
#include "datatool/tsv_reader.h"
#include "format/record_layouts.h"
#include "platform/file_io.h"
#include "platform/program_dir.h"
#include "platform/utf8.h"

namespace tavra::datatool {
namespace {

// Collects the problems of one line's fields with their file, line and column.
class FieldReader {
 public:
  FieldReader(const TsvTable& table, const TsvRow& row, std::vector<SourceError>& errors)
      : table_(table), row_(row), errors_(errors) {}

  const std::string& Text(const std::string& column) const { return table_.Get(row_, column); }
  void Error(const std::string& column, const std::string& message) const {
    errors_.push_back({table_.file(), row_.line, table_.ColumnNumber(column), message});
  }
  bool Required(const std::string& column) const {
    if (!Text(column).empty()) return true;
    Error(column, "\"" + column + "\" is empty; a value is required");
    return false;
  }
  // An integer from `lo` to `hi`; `fallback` when empty and not required.
  int Int(const std::string& column, int lo, int hi, bool required, int fallback = 0) const {
    const std::string& text = Text(column);
    if (text.empty()) {
      if (required) Required(column);
      return fallback;
    }
    std::optional<long long> v = ParseInteger(text);
    if (!v || *v < lo || *v > hi) {
      Error(column, "\"" + text + "\" is not a whole number from " + std::to_string(lo) + " to " +
                        std::to_string(hi));
      return fallback;
    }
    return static_cast<int>(*v);
  }
  SourceLine At() const { return {table_.file(), row_.line}; }

 private:
  const TsvTable& table_;
  const TsvRow& row_;
  std::vector<SourceError>& errors_;
};

const std::string* FindFile(const std::vector<SourceFile>& files, const std::string& name) {
  for (const auto& f : files)
    if (f.name == name) return &f.text;
  return nullptr;
}

void ReadVersion(const std::string* text, TimetableSource& source,
                 std::vector<SourceError>& errors) {
  if (!text) {
    errors.push_back(
        {"version.txt", 0, 0, "the file is missing; it holds the data version number"});
    return;
  }
  int lineNo = 0, found = 0;
  for (const std::string& raw : Split(*text, '\n')) {
    ++lineNo;
    std::string_view line = TrimAscii(raw);
    if (line.empty() || line.front() == '#') continue;
    if (++found > 1) {
      errors.push_back({"version.txt", lineNo, 1, "only one line, the version number, is allowed"});
      continue;
    }
    std::optional<long long> v = ParseInteger(line);
    if (!v || *v < INT32_MIN || *v > INT32_MAX)
      errors.push_back({"version.txt", lineNo, 1,
                        "\"" + std::string(line) + "\" is not a signed 32-bit whole number"});
    else if (*v == kErasedVersion)
      errors.push_back({"version.txt", lineNo, 1,
                        "-1 cannot be a data version: it is what an erased index file reads as"});
    else
      source.version = static_cast<int32_t>(*v);
  }
  if (found == 0) errors.push_back({"version.txt", 0, 0, "the file holds no version number"});
}

void ReadStations(const TsvTable& t, TimetableSource& source, std::vector<SourceError>& errors) {
  for (const TsvRow& row : t.rows()) {
    FieldReader f(t, row, errors);
    SourceStation s;
    s.at = f.At();
    if (f.Required("name")) {
      s.name = Utf8ToUtf16(f.Text("name"));
      if (auto problem = StationNameProblem(s.name)) f.Error("name", *problem);
    }
    if (f.Required("key")) {
      s.key = f.Text("key");
      if (auto problem = StationKeyProblem(s.key)) f.Error("key", *problem);
    }
    source.stations.push_back(std::move(s));
  }
}

void ReadTrains(const TsvTable& t, TimetableSource& source, std::vector<SourceError>& errors) {
  for (const TsvRow& row : t.rows()) {
    FieldReader f(t, row, errors);
    SourceTrain train;
    train.at = f.At();
    if (f.Required("train")) {
      train.number = f.Text("train");
      if (auto problem = TrainTextProblem(train.number)) f.Error("train", *problem);
    }
    if (f.Required("class")) {
      const std::string& c = f.Text("class");
      if (c.size() != 1 || !IsPrintableAscii(c[0]))
        f.Error("class",
                "\"" + c + "\" is not one character; the class code is one ASCII character");
      else
        train.classCode = c[0];
    }
    if (f.Required("seats")) {
      train.seats = f.Text("seats");
      if (auto problem = SeatsProblem(train.seats)) f.Error("seats", *problem);
    }
    if (f.Required("aircon")) {
      const std::string& a = f.Text("aircon");
      if (a != "0" && a != "1")
        f.Error("aircon", "\"" + a + "\" is not allowed; 1 means air-conditioned, 0 not");
      else
        train.airCon = a[0];
    }
    if (f.Required("fares")) {
      std::string problem;
      if (!ParseFarePlan(f.Text("fares"), train.fares, problem)) f.Error("fares", problem);
    }
    if (!f.Text("numbers").empty()) {
      train.numbers = Split(f.Text("numbers"), '/');
    }
    if (!f.Text("extra").empty()) {
      const std::string& e = f.Text("extra");
      if (e.size() != 1 || !IsPrintableAscii(e[0]))
        f.Error("extra", "\"" + e + "\" is not one ASCII character");
      else
        train.extra = e[0];
    }
    source.trains.push_back(std::move(train));
  }
}

void ReadStops(const TsvTable& t, TimetableSource& source, std::vector<SourceError>& errors) {
  for (const TsvRow& row : t.rows()) {
    FieldReader f(t, row, errors);
    SourceStop s;
    s.at = f.At();
    if (f.Required("train")) s.train = f.Text("train");
    if (f.Required("station")) s.station = Utf8ToUtf16(f.Text("station"));
    for (const char* column : {"arrive", "depart"}) {
      const std::string& time = f.Text(column);
      if (!time.empty() && !IsTime(time))
        f.Error(column,
                "\"" + time + "\" is not a time; write HHMM from 0000 to 2359, or leave it empty");
      (std::string(column) == "arrive" ? s.arrive : s.depart) = time;
    }
    s.day = f.Int("day", 0, 3, true);
    s.km = f.Int("km", 0, AllNines(stop_record::kKm), true);
    s.run = f.Text("run");
    if (!s.run.empty() && (s.run.size() > 5 || !IsPlainAscii(s.run)))
      f.Error("run",
              "\"" + s.run + "\" is not a train number of 1 to 5 ASCII characters without blanks");
    const std::string& fareKm = f.Text("fare_km");
    if (!fareKm.empty()) {
      std::vector<std::string> parts = Split(fareKm, ',');
      s.hasFareKm = true;
      if (parts.size() != kFareKmCount) {
        f.Error("fare_km", "\"" + fareKm + "\" has " + std::to_string(parts.size()) +
                               " distances; seven are needed, separated by commas");
      } else {
        for (size_t k = 0; k < parts.size(); ++k) {
          std::optional<long long> v = ParseInteger(TrimAscii(parts[k]));
          if (!v || *v < 0 || *v > AllNines(fare_distance_record::kKm)) {
            f.Error("fare_km", "distance " + std::to_string(k + 1) + " \"" + parts[k] +
                                   "\" is not a whole number from 0 to 9999");
            break;
          }
          s.fareKm[k] = static_cast<int>(*v);
        }
      }
    }
    source.stops.push_back(std::move(s));
  }
}

void ReadFareBands(const TsvTable& t, TimetableSource& source, std::vector<SourceError>& errors) {
  for (const TsvRow& row : t.rows()) {
    FieldReader f(t, row, errors);
    SourceFareBand b;
    b.at = f.At();
    if (f.Required("tariff")) {
      b.tariff = f.Text("tariff");
      if (b.tariff.size() != 3 || !IsPlainAscii(b.tariff))
        f.Error("tariff", "\"" + b.tariff + "\" is not a tariff code of three ASCII characters");
    }
    b.fromKm = f.Int("from_km", 0, AllNines(fare_band_record::kLowestKm), true);
    b.toKm = f.Int("to_km", 0, AllNines(fare_band_record::kHighestKm), true);
    if (b.fromKm > b.toKm) f.Error("to_km", "the band ends before it begins");
    for (int k = 0; k < kBandAmountCount; ++k) {
      b.amounts[k] = f.Int(kBandColumns[k], 0, AllNines(fare_band_record::kAmounts), true);
      b.acAmounts[k] = f.Int(std::string("ac_") + kBandColumns[k], 0,
                             AllNines(fare_band_record::kAirConAmounts), true);
    }
    source.fareBands.push_back(std::move(b));
  }
}

void ReadStationFares(const TsvTable& t, TimetableSource& source,
                      std::vector<SourceError>& errors) {
  for (const TsvRow& row : t.rows()) {
    FieldReader f(t, row, errors);
    SourceStationFare s;
    s.at = f.At();
    if (f.Required("from")) s.from = Utf8ToUtf16(f.Text("from"));
    if (f.Required("to")) s.to = Utf8ToUtf16(f.Text("to"));
    if (f.Required("train")) s.train = f.Text("train");
    for (int k = 0; k < kStationFareAmountCount; ++k)
      s.amounts[k] =
          f.Int(kStationFareColumns[k], 0, AllNines(station_fare_record::kAmounts), true);
    source.stationFares.push_back(std::move(s));
  }
}

void ReadRates(const TsvTable& t, TimetableSource& source, std::vector<SourceError>& errors) {
  for (const TsvRow& row : t.rows()) {
    FieldReader f(t, row, errors);
    SourceRate r;
    r.at = f.At();
    if (f.Required("train")) r.train = f.Text("train");
    r.common = f.Int("common", 0, AllNines(rate_record::kCommon), true);
    r.hardSeat = f.Int("hard_seat", 0, AllNines(rate_record::kHardSeat), true);
    r.softSeat = f.Int("soft_seat", 0, AllNines(rate_record::kSoftSeat), true);
    r.berth = f.Int("berth", 0, AllNines(rate_record::kBerth), true);
    r.extra = f.Int("extra", 0, AllNines(rate_record::kExtra), false);
    source.rates.push_back(std::move(r));
  }
}

void ReadSpare(const std::string& text, TimetableSource& source, std::vector<SourceError>& errors) {
  int lineNo = 0;
  for (std::string line : Split(text, '\n')) {
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (TrimAscii(line).empty() || line.front() == '#') continue;
    std::u16string record = Utf8ToUtf16(line);
    if (auto problem = SpareRecordProblem(line, record))
      errors.push_back({"spare.tsv", lineNo, 1, *problem});
    else
      source.spare.push_back(std::move(record));
  }
}

}  // namespace

void ParseSource(const std::vector<SourceFile>& files, TimetableSource& source,
                 std::vector<SourceError>& errors) {
  ReadVersion(FindFile(files, "version.txt"), source, errors);
  auto table = [&](const std::string& name, const std::vector<ColumnSpec>& columns, bool required,
                   auto read) {
    const std::string* text = FindFile(files, name);
    if (!text) {
      if (required) errors.push_back({name, 0, 0, "the file is missing"});
      return;
    }
    TsvTable t(name, *text, columns, errors);
    for (const auto& column : columns)
      if (int c = t.ColumnNumber(column.name)) source.columns[name][column.name] = c;
    read(t, source, errors);
  };
  table("stations.tsv", StationColumns(), true, ReadStations);
  table("trains.tsv", TrainColumns(), true, ReadTrains);
  table("stops.tsv", StopColumns(), true, ReadStops);
  table("fare_bands.tsv", FareBandColumns(), false, ReadFareBands);
  table("station_fares.tsv", StationFareColumns(), false, ReadStationFares);
  table("rates.tsv", RateColumns(), false, ReadRates);
  if (const std::string* spare = FindFile(files, "spare.tsv")) ReadSpare(*spare, source, errors);
  ValidateSource(source, errors);
}

void ReadSource(const std::string& dir, TimetableSource& source, std::vector<SourceError>& errors) {
  std::vector<SourceFile> files;
  for (const char* name : kSourceFileNames) {
    std::string text, error;
    std::string path = JoinPath(dir, name);
    if (ReadWholeFile(path, text, error)) {
      files.push_back({name, std::move(text)});
    } else if (access(path.c_str(), F_OK) == 0) {
      errors.push_back({name, 0, 0, error});
    }
  }
  ParseSource(files, source, errors);
}

}  // namespace tavra::datatool
