#include "datatool/compiler.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <numeric>

#include "data/loader.h"
#include "data/text_compare.h"
#include "datatool/source_reader.h"
#include "format/record_layouts.h"
#include "format/record_writer.h"
#include "platform/file_io.h"
#include "platform/gbk_codec.h"
#include "platform/program_dir.h"
#include "platform/utf8.h"

namespace tavra::datatool {
namespace {

static_assert(kFareKmCount == fare_distance_record::kKm.count);
static_assert(kBandAmountCount == fare_band_record::kAmounts.count);
static_assert(kStationFareAmountCount == station_fare_record::kAmounts.count);

std::string Pad(std::string text, size_t width) {
  text.resize(width, ' ');
  return text;
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
  void Add(Section s, const RecordWriter& record) { sections[s] += record.bytes(); }
};

// The letter index's sort key: the number part, then the prefix (a blank when none).
constexpr size_t kPartLength = letter_index_record::kNumberPart.len;
std::string LetterIndexKey(const std::string& number) {
  bool lettered = number[0] >= 'A' && number[0] <= 'Z';
  return lettered ? Pad(number.substr(1), kPartLength) + number[0] : Pad(number, kPartLength) + ' ';
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
  for (const auto& s : src.stations)
    keys.emplace_back(Pad(s.key, station_key_record::kKey.len), stationNo[s.name]);
  std::sort(keys.begin(), keys.end());
  for (const auto& [key, number] : keys)
    b.Add(StationKeyTable, RecordWriter(StationKeyTable)
                               .Text(station_key_record::kKey, key)
                               .Number(station_key_record::kStation, number));
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    auto first =
        std::find_if(keys.begin(), keys.end(), [&](auto& k) { return k.first[0] == letter; });
    auto last = std::find_if(first, keys.end(), [&](auto& k) { return k.first[0] != letter; });
    RecordWriter record(KeyLetterTable);
    if (first == last)
      record.None(key_letter_record::kFirstKey).None(key_letter_record::kLastKey);
    else
      record.Number(key_letter_record::kFirstKey, first - keys.begin())
          .Number(key_letter_record::kLastKey, last - keys.begin() - 1);
    b.Add(KeyLetterTable, record);
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
    using namespace stop_record;
    RecordWriter record(StopTable);
    record.Number(kStation, c.station)
        .Number(kTrain, c.train)
        .Number(kSeq, c.seq)
        .Number(kKm, s.km)
        .Text(kArrive, s.arrive)
        .Text(kDepart, s.depart)
        .Number(kDay, s.day)
        .Text(kRunNumber, run)
        .None(kFareRow);
    if (s.hasFareKm) {
      RecordWriter distances(FareDistanceTable);
      for (size_t k = 0; k < s.fareKm.size(); ++k)
        distances.Number(fare_distance_record::kKm.At(k), s.fareKm[k]);
      b.Add(FareDistanceTable, distances);
      record.Number(kFareRow, fareRows++);
    }
    b.Add(StopTable, record);
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
    RecordWriter record(StationTable);
    record.Range(station_record::kFirstCall, station_record::kLastCall, callRow, callsAt[n]);
    callRow += callsAt[n];
    const auto& fares = faresFrom[n];
    if (fares.empty())
      record.None(station_record::kFirstFare).None(station_record::kLastFare);
    else
      record.Range(station_record::kFirstFare, station_record::kLastFare, fareRow,
                   static_cast<int>(fares.size()));
    for (const SourceStationFare* f : fares) {
      using namespace station_fare_record;
      RecordWriter entry(StationFareTable);
      entry.Number(kToStation, stationNo.at(f->to)).Number(kTrain, trainRow.at(f->train));
      for (size_t k = 0; k < f->amounts.size(); ++k) entry.Number(kAmounts.At(k), f->amounts[k]);
      b.Add(StationFareTable, entry);
      ++fareRow;
    }
    b.Add(StationTable, record.Text(station_record::kName, Utf16ToGbk(s.name)));
  }

  // Trains, their runs and fare plans.
  int runRow = 0, planRow = 0;
  for (size_t t = 0; t < src.trains.size(); ++t) {
    const SourceTrain& train = src.trains[t];
    const auto& run = callsOfTrain[t];
    using namespace train_record;
    RecordWriter record(TrainTable);
    record.Text(kNumber, train.number)
        .Text(kClass, std::string(1, train.classCode))
        .Text(kAttributes, train.seats);
    if (run.empty()) {
      record.None(kOriginStation).None(kTerminalStation);
    } else {
      record.Number(kOriginStation, calls[run.front()].station)
          .Number(kTerminalStation, calls[run.back()].station);
    }
    if (train.fares.size() == 1) {
      const FareSegment& f = train.fares[0];
      record.Text(kFareKind, std::string(1, f.kind))
          .Number(kPercentA, f.percentA)
          .Number(kPercentB, f.percentB);
    } else {
      record.Text(kFareKind, std::string(1, static_cast<char>(kFarePlanMark[0])))
          .Number(kFarePlan, planRow++);
      RecordWriter plan(TrainFareTable);
      for (size_t s = 0; s < train.fares.size() && s < fare_plan_record::kSegments; ++s) {
        const FareSegment& f = train.fares[s];
        plan.Text(fare_plan_record::kKind.At(s), std::string(1, f.kind))
            .Number(fare_plan_record::kPercentA.At(s), f.percentA)
            .Number(fare_plan_record::kPercentB.At(s), f.percentB);
        if (s > 0) plan.Text(fare_plan_record::kTariff.At(s - 1), f.tariff);
      }
      b.Add(TrainFareTable, plan);
    }
    record.Range(kFirstRun, kLastRun, runRow, static_cast<int>(run.size()));
    for (size_t c : run)
      b.Add(TrainStopTable,
            RecordWriter(TrainStopTable).Number(train_stop_record::kCall, stopRow[c]));
    runRow += static_cast<int>(run.size());
    if (run.empty())
      record.None(kOriginCall).None(kTerminalCall);
    else
      record.Number(kOriginCall, stopRow[run.front()]).Number(kTerminalCall, stopRow[run.back()]);
    record.Text(kAirCon, std::string(1, train.airCon)).Text(kExtra, std::string(1, train.extra));
    b.Add(TrainTable, record);
  }

  // Number indexes: 4-5 character numbers starting with a digit in one, the rest in the
  // other ordered by number part and prefix; both bucketed by the leading digit.
  std::vector<std::pair<std::string, int>> byNumber, byLetter;
  for (size_t t = 0; t < src.trains.size(); ++t)
    for (const std::string& n : TrainNumbers(src.trains[t])) {
      bool digitFirst = n[0] >= '0' && n[0] <= '9';
      if (digitFirst && n.size() >= 4)
        byNumber.emplace_back(Pad(n, number_index_record::kNumber.len), static_cast<int>(t));
      else
        byLetter.emplace_back(LetterIndexKey(n), static_cast<int>(t));
    }
  std::stable_sort(byNumber.begin(), byNumber.end());
  std::stable_sort(byLetter.begin(), byLetter.end());
  for (const auto& [key, row] : byNumber)
    b.Add(NumberTrainIndex, RecordWriter(NumberTrainIndex)
                                .Text(number_index_record::kNumber, key)
                                .Number(number_index_record::kTrain, row));
  for (const auto& [key, row] : byLetter)
    b.Add(LetterTrainIndex, RecordWriter(LetterTrainIndex)
                                .Text(letter_index_record::kPrefix, key.substr(kPartLength))
                                .Text(letter_index_record::kNumberPart, key.substr(0, kPartLength))
                                .Number(letter_index_record::kTrain, row));
  auto bucket = [](RecordWriter& record, const RecordField& firstField,
                   const RecordField& lastField,
                   const std::vector<std::pair<std::string, int>>& index, char digit) {
    auto first =
        std::find_if(index.begin(), index.end(), [&](auto& e) { return e.first[0] == digit; });
    auto last = std::find_if(first, index.end(), [&](auto& e) { return e.first[0] != digit; });
    if (first == last)
      record.None(firstField).None(lastField);
    else
      record.Number(firstField, first - index.begin()).Number(lastField, last - index.begin() - 1);
  };
  for (char d = '0'; d <= '9'; ++d) {
    using namespace train_digit_record;
    RecordWriter record(TrainDigitTable);
    bucket(record, kFirstNumber, kLastNumber, byNumber, d);
    bucket(record, kFirstLetter, kLastLetter, byLetter, d);
    b.Add(TrainDigitTable, record);
  }

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
    b.Add(FareBandIndexTable,
          RecordWriter(FareBandIndexTable)
              .Text(fare_band_index_record::kTariff, tariff)
              .Range(fare_band_index_record::kFirstBand, fare_band_index_record::kLastBand, bandRow,
                     static_cast<int>(bands.size())));
    for (const SourceFareBand* band : bands) {
      using namespace fare_band_record;
      RecordWriter record(FareBandTable);
      record.Text(kTariff, tariff).Number(kLowestKm, band->fromKm).Number(kHighestKm, band->toKm);
      for (size_t k = 0; k < band->amounts.size(); ++k) {
        record.Number(kAmounts.At(k), band->amounts[k]);
        record.Number(kAirConAmounts.At(k), band->acAmounts[k]);
      }
      b.Add(FareBandTable, record);
      ++bandRow;
    }
  }

  std::vector<std::pair<int, const SourceRate*>> rates;
  for (const auto& r : src.rates) rates.emplace_back(trainRow.at(r.train), &r);
  std::sort(rates.begin(), rates.end(), [](auto& x, auto& y) { return x.first < y.first; });
  for (const auto& [row, r] : rates) {
    using namespace rate_record;
    b.Add(RateTable, RecordWriter(RateTable)
                         .Number(kTrain, row)
                         .Number(kCommon, r->common)
                         .Number(kHardSeat, r->hardSeat)
                         .Number(kSoftSeat, r->softSeat)
                         .Number(kBerth, r->berth)
                         .Number(kExtra, r->extra));
  }

  for (const auto& line : src.spare)
    b.Add(SpareTable, RecordWriter(SpareTable).Text(spare_record::kText, Utf16ToGbk(line)));

  out.index.clear();
  out.records.clear();
  for (unsigned k = 0; k < kSectionCount; ++k) {
    WriteIndexInt(out.index, index_file::kSectionLength.At(k),
                  static_cast<int32_t>(b.sections[k].size()));
    out.records += b.sections[k];
  }
  WriteIndexInt(out.index, index_file::kDataVersion, src.version);
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
