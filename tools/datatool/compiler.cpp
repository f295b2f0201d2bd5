#include "datatool/compiler.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <numeric>

#include "data/loader.h"
#include "data/text_compare.h"
#include "datatool/source_reader.h"
#include "platform/file_io.h"
#include "platform/gbk_codec.h"
#include "platform/program_dir.h"
#include "platform/utf8.h"

namespace tavra::datatool {
namespace {

std::string Num(long long value, int width) {
  std::string s = std::to_string(value);
  return s.size() >= static_cast<size_t>(width) ? s : std::string(width - s.size(), '0') + s;
}

std::string Pad(std::string text, size_t width) {
  text.resize(width, ' ');
  return text;
}

// An inclusive row range; an empty one is written as first = last + 1 (never below 0).
std::string Range(int first, int count, int width) {
  if (count == 0)
    return first > 0 ? Num(first, width) + Num(first - 1, width) : Num(1, width) + Num(0, width);
  return Num(first, width) + Num(first + count - 1, width);
}

struct Call {
  int station = 0;
  int train = 0;
  int seq = 0;
  bool terminating = false;
  const SourceStop* stop = nullptr;
};

// Sections under construction, one byte string each.
struct Builder {
  std::array<std::string, kSectionCount> sections;
  void Add(Section s, const std::string& record) { sections[s] += record; }
};

std::string LetterIndexKey(const std::string& number) {
  bool lettered = number[0] >= 'A' && number[0] <= 'Z';
  return lettered ? Pad(number.substr(1), 4) + number[0] : Pad(number, 4) + ' ';
}

}  // namespace

bool CompileSource(const TimetableSource& src, DataFiles& out, std::vector<SourceError>& errors) {
  const size_t errorsBefore = errors.size();
  ValidateSource(src, errors);
  if (errors.size() != errorsBefore) return false;
  Builder b;

  // Stations in name order: the order of the binary search by name.
  std::vector<int> stationOrder(src.stations.size());
  std::iota(stationOrder.begin(), stationOrder.end(), 0);
  std::stable_sort(stationOrder.begin(), stationOrder.end(), [&](int x, int y) {
    return CompareGbk(src.stations[x].name, src.stations[y].name) < 0;
  });
  std::map<std::u16string, int> stationNo;
  for (size_t n = 0; n < stationOrder.size(); ++n)
    stationNo[src.stations[static_cast<size_t>(stationOrder[n])].name] = static_cast<int>(n);

  // Spelling keys, sorted by key, and the run of each initial letter.
  std::vector<std::pair<std::string, int>> keys;
  for (const auto& s : src.stations) keys.emplace_back(Pad(s.key, 5), stationNo[s.name]);
  std::sort(keys.begin(), keys.end());
  for (const auto& [key, number] : keys) b.Add(StationKeyTable, key + Num(number, 4));
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    auto first =
        std::find_if(keys.begin(), keys.end(), [&](auto& k) { return k.first[0] == letter; });
    auto last = std::find_if(first, keys.end(), [&](auto& k) { return k.first[0] != letter; });
    if (first == last)
      b.Add(KeyLetterTable, "99999999");
    else
      b.Add(KeyLetterTable, Num(first - keys.begin(), 4) + Num(last - keys.begin() - 1, 4));
  }

  std::map<std::string, int> trainRow;
  for (size_t t = 0; t < src.trains.size(); ++t)
    trainRow[src.trains[t].number] = static_cast<int>(t);

  // Calls: grouped by station, then by time (arrival for a terminating call), train number
  // and place in the run.
  std::vector<Call> calls;
  std::vector<std::vector<size_t>> callsOfTrain(src.trains.size());
  for (size_t i = 0; i < src.stops.size(); ++i) {
    const SourceStop& s = src.stops[i];
    Call c{stationNo.at(s.station), trainRow.at(s.train), 0, false, &s};
    auto& run = callsOfTrain[static_cast<size_t>(c.train)];
    c.seq = static_cast<int>(run.size()) + 1;
    c.terminating = i + 1 == src.stops.size() || src.stops[i + 1].train != s.train;
    run.push_back(calls.size());
    calls.push_back(c);
  }
  auto timeOf = [](const Call& c) { return c.terminating ? c.stop->arrive : c.stop->depart; };
  std::vector<size_t> callOrder(calls.size());
  std::iota(callOrder.begin(), callOrder.end(), 0);
  std::sort(callOrder.begin(), callOrder.end(), [&](size_t x, size_t y) {
    const Call &a = calls[x], &c = calls[y];
    if (a.station != c.station) return a.station < c.station;
    if (timeOf(a) != timeOf(c)) return timeOf(a) < timeOf(c);
    if (a.stop->train != c.stop->train) return a.stop->train < c.stop->train;
    return a.seq < c.seq;
  });
  std::vector<int> stopRow(calls.size());
  for (size_t r = 0; r < callOrder.size(); ++r) stopRow[callOrder[r]] = static_cast<int>(r);

  int fareRows = 0;
  for (size_t r = 0; r < callOrder.size(); ++r) {
    const Call& c = calls[callOrder[r]];
    const SourceStop& s = *c.stop;
    const SourceTrain& train = src.trains[static_cast<size_t>(c.train)];
    std::string run = s.run.empty() ? TrainNumbers(train).front() : s.run;
    std::string fareRow = "99999";
    if (s.hasFareKm) {
      std::string distances;
      for (int km : s.fareKm) distances += Num(km, 4);
      b.Add(FareDistanceTable, distances);
      fareRow = Num(fareRows++, 5);
    }
    b.Add(StopTable, Num(c.station, 4) + Num(c.train, 4) + Num(c.seq, 2) + Num(s.km, 4) +
                         Pad(s.arrive, 4) + Pad(s.depart, 4) + Num(s.day, 1) + Pad(run, 5) +
                         fareRow);
  }

  // Station records: calls and fixed fares of each station.
  std::vector<int> callsAt(src.stations.size(), 0);
  for (const Call& c : calls) ++callsAt[static_cast<size_t>(c.station)];
  std::vector<std::vector<const SourceStationFare*>> faresFrom(src.stations.size());
  for (const auto& f : src.stationFares)
    faresFrom[static_cast<size_t>(stationNo.at(f.from))].push_back(&f);
  int callRow = 0, fareRow = 0;
  for (size_t n = 0; n < stationOrder.size(); ++n) {
    const SourceStation& s = src.stations[static_cast<size_t>(stationOrder[n])];
    std::string record = Range(callRow, callsAt[n], 5);
    callRow += callsAt[n];
    const auto& fares = faresFrom[n];
    record += fares.empty() ? "9999999999" : Range(fareRow, static_cast<int>(fares.size()), 5);
    for (const SourceStationFare* f : fares) {
      std::string amounts;
      for (int a : f->amounts) amounts += Num(a, 5);
      b.Add(StationFareTable,
            Num(stationNo.at(f->to), 4) + Num(trainRow.at(f->train), 4) + amounts);
      ++fareRow;
    }
    std::string name = Utf16ToGbk(s.name);
    b.Add(StationTable, record + Pad(name, 10));
  }

  // Trains, their runs and fare plans.
  int runRow = 0, planRow = 0;
  for (size_t t = 0; t < src.trains.size(); ++t) {
    const SourceTrain& train = src.trains[t];
    const auto& run = callsOfTrain[t];
    std::string record = Pad(train.number, 19) + train.classCode + train.seats;
    if (run.empty()) {
      record += "99999999";
    } else {
      record += Num(calls[run.front()].station, 4) + Num(calls[run.back()].station, 4);
    }
    if (train.fares.size() == 1) {
      const FareSegment& f = train.fares[0];
      record += std::string(1, f.kind) + Num(f.percentA, 2) + Num(f.percentB, 2);
    } else {
      record += "-" + Num(planRow++, 4);
      std::string kinds, a, pb, tariffs;
      for (size_t s = 0; s < 6; ++s) {
        const FareSegment* f = s < train.fares.size() ? &train.fares[s] : nullptr;
        kinds += f ? f->kind : ' ';
        a += f ? Num(f->percentA, 2) : "  ";
        pb += f ? Num(f->percentB, 2) : "  ";
        if (s > 0) tariffs += f ? Pad(f->tariff, 3) : "   ";
      }
      b.Add(TrainFareTable, kinds + a + pb + tariffs);
    }
    record += Range(runRow, static_cast<int>(run.size()), 5);
    for (size_t c : run) b.Add(TrainStopTable, Num(stopRow[c], 5));
    runRow += static_cast<int>(run.size());
    record +=
        run.empty() ? "9999999999" : Num(stopRow[run.front()], 5) + Num(stopRow[run.back()], 5);
    record += std::string(1, train.airCon) + train.extra;
    b.Add(TrainTable, record);
  }

  // Number indexes: 4-5 character numbers starting with a digit in one, the rest in the
  // other ordered by number part and prefix; both bucketed by the leading digit.
  std::vector<std::pair<std::string, int>> byNumber, byLetter;
  for (size_t t = 0; t < src.trains.size(); ++t)
    for (const std::string& n : TrainNumbers(src.trains[t])) {
      bool digitFirst = n[0] >= '0' && n[0] <= '9';
      if (digitFirst && n.size() >= 4)
        byNumber.emplace_back(Pad(n, 5), static_cast<int>(t));
      else
        byLetter.emplace_back(LetterIndexKey(n), static_cast<int>(t));
    }
  std::stable_sort(byNumber.begin(), byNumber.end());
  std::stable_sort(byLetter.begin(), byLetter.end());
  for (const auto& [key, row] : byNumber) b.Add(NumberTrainIndex, key + Num(row, 4));
  for (const auto& [key, row] : byLetter)
    b.Add(LetterTrainIndex, key.substr(4, 1) + key.substr(0, 4) + Num(row, 4));
  auto bucket = [](const std::vector<std::pair<std::string, int>>& index, char digit) {
    auto first =
        std::find_if(index.begin(), index.end(), [&](auto& e) { return e.first[0] == digit; });
    auto last = std::find_if(first, index.end(), [&](auto& e) { return e.first[0] != digit; });
    if (first == last) return std::string("99999999");
    return Num(first - index.begin(), 4) + Num(last - index.begin() - 1, 4);
  };
  for (char d = '0'; d <= '9'; ++d)
    b.Add(TrainDigitTable, bucket(byNumber, d) + bucket(byLetter, d));

  // Fare bands: tariffs in the order they first appear, each tariff's bands by distance.
  std::vector<std::string> tariffs;
  std::map<std::string, std::vector<const SourceFareBand*>> bandsOf;
  for (const auto& band : src.fareBands) {
    if (!bandsOf.count(band.tariff)) tariffs.push_back(band.tariff);
    bandsOf[band.tariff].push_back(&band);
  }
  int bandRow = 0;
  for (const std::string& tariff : tariffs) {
    auto& bands = bandsOf[tariff];
    std::stable_sort(bands.begin(), bands.end(),
                     [](auto* x, auto* y) { return x->fromKm < y->fromKm; });
    b.Add(FareBandIndexTable, tariff + Range(bandRow, static_cast<int>(bands.size()), 4));
    for (const SourceFareBand* band : bands) {
      std::string record = tariff + Num(band->fromKm, 4) + Num(band->toKm, 4);
      for (int a : band->amounts) record += Num(a, 3);
      for (int a : band->acAmounts) record += Num(a, 3);
      b.Add(FareBandTable, record);
      ++bandRow;
    }
  }

  std::vector<std::pair<int, const SourceRate*>> rates;
  for (const auto& r : src.rates) rates.emplace_back(trainRow.at(r.train), &r);
  std::sort(rates.begin(), rates.end(), [](auto& x, auto& y) { return x.first < y.first; });
  for (const auto& [row, r] : rates)
    b.Add(RateTable, Num(row, 4) + Num(r->common, 2) + Num(r->hardSeat, 2) + Num(r->softSeat, 2) +
                         Num(r->berth, 2) + Num(r->extra, 2));

  for (const auto& line : src.spare) b.Add(SpareTable, Utf16ToGbk(line));

  out.index.clear();
  out.records.clear();
  auto putInt = [&](int32_t v) {
    for (int i = 0; i < 4; ++i)
      out.index.push_back(static_cast<char>((static_cast<uint32_t>(v) >> (8 * i)) & 0xFF));
  };
  for (unsigned k = 0; k < kSectionCount; ++k) {
    putInt(static_cast<int32_t>(b.sections[k].size()));
    out.records += b.sections[k];
  }
  putInt(src.version);
  return true;
}

bool WriteDataFiles(const DataFiles& files, const std::string& dir, std::string& error) {
  return WriteFileAtomically(JoinPath(dir, kRecordFileName), files.records, error) &&
         WriteFileAtomically(JoinPath(dir, kIndexFileName), files.index, error);
}

bool BuildTimetable(const std::string& sourceDir, const std::string& outDir,
                    std::vector<SourceError>& errors) {
  std::error_code ec;
  if (!std::filesystem::is_directory(sourceDir, ec)) {
    errors.push_back({sourceDir, 0, 0,
                      std::filesystem::exists(sourceDir, ec) ? "is not a folder"
                                                             : "the source folder does not exist"});
    return false;
  }
  TimetableSource source;
  const size_t before = errors.size();
  ReadSource(sourceDir, source, errors);
  if (errors.size() != before) return false;
  DataFiles files;
  if (!CompileSource(source, files, errors)) return false;
  // The output folder and its parents are made when missing.
  if (std::filesystem::create_directories(outDir, ec); ec) {
    errors.push_back({outDir, 0, 0, "cannot be made: " + ec.message()});
    return false;
  }
  std::string error;
  if (!WriteDataFiles(files, outDir, error)) {
    errors.push_back({outDir, 0, 0, error});
    return false;
  }
  return true;
}

}  // namespace tavra::datatool
