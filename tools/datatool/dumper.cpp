#include "datatool/dumper.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "data/lookup.h"
#include "data/parsed_records.h"
#include "data/record_fields.h"
#include "datatool/source_rules.h"
#include "platform/file_io.h"
#include "platform/program_dir.h"
#include "platform/utf8.h"

namespace tavra::datatool {
namespace {

std::string Ascii(std::u16string_view text) {
  return Utf16ToUtf8(text);
}
std::string Trimmed(std::u16string_view text) {
  return Ascii(Trim(text));
}
// The one character of `field`, or `fallback` in a record cut short before it.
char CharAt(std::u16string_view record, const RecordField& field, char fallback) {
  return static_cast<char>(record.size() > field.pos ? record[field.pos] : fallback);
}

class Dump {
 public:
  Dump(const TimetableData& data, std::vector<SourceError>& errors)
      : data_(data), errors_(errors) {}

  // Row `row` of `section` named by `what`; false (and an error) when outside the table.
  bool Valid(unsigned section, int row, unsigned fromSection, int fromRow) {
    if (row >= 0 && row < data_.Table(section).size()) return true;
    errors_.push_back({SectionName(fromSection), fromRow + 1, 0,
                       "refers to row " + std::to_string(row) + " of " + SectionName(section) +
                           ", which has " + std::to_string(data_.Table(section).size()) + " rows"});
    return false;
  }

  bool Run(TimetableSource& src) {
    const size_t before = errors_.size();
    src.version = ParseVersion();
    const RecordTable& stations = data_.Table(StationTable);
    std::vector<std::string> keyOf(static_cast<size_t>(stations.size()));
    const RecordTable& keys = data_.Table(StationKeyTable);
    for (int r = 0; r < keys.size(); ++r) {
      int number = ReadInt(keys.Record(r), station_key_record::kStation);
      if (Valid(StationTable, number, StationKeyTable, r) &&
          keyOf[static_cast<size_t>(number)].empty())
        keyOf[static_cast<size_t>(number)] =
            Trimmed(Field(keys.Record(r), station_key_record::kKey));
    }
    for (int s = 0; s < stations.size(); ++s) {
      if (keyOf[static_cast<size_t>(s)].empty())
        errors_.push_back({SectionName(StationTable), s + 1, 0, "the station has no spelling key"});
      src.stations.push_back(
          {std::u16string(TrimRight(Field(stations.Record(s), station_record::kName))),
           keyOf[static_cast<size_t>(s)],
           {}});
    }

    // The numbers each train is indexed under, in index order.
    const RecordTable& trainTable = data_.Table(TrainTable);
    std::vector<std::vector<std::string>> numbers(static_cast<size_t>(trainTable.size()));
    const RecordTable& byNumber = data_.Table(NumberTrainIndex);
    for (int r = 0; r < byNumber.size(); ++r) {
      int row = ReadInt(byNumber.Record(r), number_index_record::kTrain);
      if (Valid(TrainTable, row, NumberTrainIndex, r))
        numbers[static_cast<size_t>(row)].push_back(
            Trimmed(Field(byNumber.Record(r), number_index_record::kNumber)));
    }
    const RecordTable& byLetter = data_.Table(LetterTrainIndex);
    for (int r = 0; r < byLetter.size(); ++r) {
      std::u16string_view rec = byLetter.Record(r);
      int row = ReadInt(rec, letter_index_record::kTrain);
      if (Valid(TrainTable, row, LetterTrainIndex, r))
        numbers[static_cast<size_t>(row)].push_back(
            Trimmed(Field(rec, letter_index_record::kPrefix)) +
            Trimmed(Field(rec, letter_index_record::kNumberPart)));
    }

    TrainInfo info;
    for (int t = 0; t < trainTable.size(); ++t) {
      std::u16string_view rec = trainTable.Record(t);
      SourceTrain train;
      train.number = Trimmed(Field(rec, train_record::kNumber));
      train.classCode = CharAt(rec, train_record::kClass, ' ');
      train.seats = Ascii(Field(rec, train_record::kAttributes));
      train.airCon = CharAt(rec, train_record::kAirCon, '0');
      train.extra = CharAt(rec, train_record::kExtra, ' ');
      bool planValid = Field(rec, train_record::kFareKind) != train_record::kFarePlanMark ||
                       Valid(TrainFareTable, ReadInt(rec, train_record::kFarePlan), TrainTable, t);
      ParseTrainRecord(data_, rec, info);
      if (planValid) train.fares.clear();
      for (int s = 0; planValid && s < static_cast<int>(fare_plan_record::kSegments); ++s) {
        std::u16string_view kind = info[TrainInfo::FareKind0 + s];
        if (kind.empty() || kind == u" ") continue;
        FareSegment seg;
        seg.kind = static_cast<char>(kind[0]);
        seg.percentA = ParseLeadingInt(info[TrainInfo::PercentA0 + s]);
        seg.percentB = ParseLeadingInt(info[TrainInfo::PercentB0 + s]);
        if (s > 0) seg.tariff = Ascii(info[TrainInfo::Tariff1 + s - 1]);
        train.fares.push_back(seg);
      }
      // The index holds the numbers in key order; when they are the number text's own
      // numbers, the default (the text split at '/') keeps their order and the run default.
      std::vector<std::string> indexed = numbers[static_cast<size_t>(t)];
      std::vector<std::string> own = Split(train.number, '/');
      std::sort(indexed.begin(), indexed.end());
      std::sort(own.begin(), own.end());
      if (indexed != own) train.numbers = numbers[static_cast<size_t>(t)];
      src.trains.push_back(train);

      int first = ReadInt(rec, train_record::kFirstRun),
          last = ReadInt(rec, train_record::kLastRun);
      for (int r = first; r <= last; ++r) {
        if (!Valid(TrainStopTable, r, TrainTable, t)) break;
        int stopRow = ReadInt(data_.Table(TrainStopTable).Record(r), train_stop_record::kCall);
        if (!Valid(StopTable, stopRow, TrainStopTable, r)) continue;
        std::u16string_view stopRec = data_.Table(StopTable).Record(stopRow);
        std::u16string fareField(Field(stopRec, stop_record::kFareRow));
        if (!IsNone5(fareField) &&
            !Valid(FareDistanceTable, ParseLeadingInt(fareField), StopTable, stopRow))
          continue;
        StopInfo stop = ParseStopRecord(data_, stopRec);
        SourceStop s;
        s.train = train.number;
        s.station = StationName(data_, stop.station);
        s.arrive = Trimmed(stop.arrive);
        s.depart = Trimmed(stop.depart);
        s.day = ParseLeadingInt(stop.day);
        s.km = stop.km;
        std::string run = Trimmed(stop.runNumber);
        if (run != TrainNumbers(train).front()) s.run = run;
        s.hasFareKm = !IsNone5(stop.fareRow);
        if (s.hasFareKm) std::copy(stop.fareKm.begin(), stop.fareKm.end(), s.fareKm.begin());
        src.stops.push_back(std::move(s));
      }
    }

    const RecordTable& bandIndex = data_.Table(FareBandIndexTable);
    for (int r = 0; r < bandIndex.size(); ++r) {
      std::u16string_view rec = bandIndex.Record(r);
      for (int band = ReadInt(rec, fare_band_index_record::kFirstBand);
           band <= ReadInt(rec, fare_band_index_record::kLastBand); ++band) {
        if (!Valid(FareBandTable, band, FareBandIndexTable, r)) break;
        std::u16string_view b = data_.Table(FareBandTable).Record(band);
        SourceFareBand fb;
        fb.tariff = Ascii(Field(rec, fare_band_index_record::kTariff));
        fb.fromKm = ReadInt(b, fare_band_record::kLowestKm);
        fb.toKm = ReadInt(b, fare_band_record::kHighestKm);
        for (size_t k = 0; k < kBandAmountCount; ++k) {
          fb.amounts[k] = ReadInt(b, fare_band_record::kAmounts.At(k));
          fb.acAmounts[k] = ReadInt(b, fare_band_record::kAirConAmounts.At(k));
        }
        src.fareBands.push_back(fb);
      }
    }

    for (int s = 0; s < stations.size(); ++s) {
      std::u16string_view rec = stations.Record(s);
      if (IsNone5(Field(rec, station_record::kFirstFare)) ||
          IsNone5(Field(rec, station_record::kLastFare)))
        continue;
      for (int f = ReadInt(rec, station_record::kFirstFare);
           f <= ReadInt(rec, station_record::kLastFare); ++f) {
        if (!Valid(StationFareTable, f, StationTable, s)) break;
        std::u16string_view fr = data_.Table(StationFareTable).Record(f);
        SourceStationFare sf;
        sf.from = src.stations[static_cast<size_t>(s)].name;
        int to = ReadInt(fr, station_fare_record::kToStation),
            train = ReadInt(fr, station_fare_record::kTrain);
        if (!Valid(StationTable, to, StationFareTable, f) ||
            !Valid(TrainTable, train, StationFareTable, f))
          continue;
        sf.to = src.stations[static_cast<size_t>(to)].name;
        sf.train = src.trains.size() > static_cast<size_t>(train)
                       ? src.trains[static_cast<size_t>(train)].number
                       : Trimmed(Field(trainTable.Record(train), train_record::kNumber));
        for (size_t k = 0; k < kStationFareAmountCount; ++k)
          sf.amounts[k] = ReadInt(fr, station_fare_record::kAmounts.At(k));
        src.stationFares.push_back(sf);
      }
    }

    const RecordTable& rates = data_.Table(RateTable);
    for (int r = 0; r < rates.size(); ++r) {
      std::u16string_view rec = rates.Record(r);
      using namespace rate_record;
      int train = ReadInt(rec, kTrain);
      if (!Valid(TrainTable, train, RateTable, r)) continue;
      src.rates.push_back({Trimmed(Field(trainTable.Record(train), train_record::kNumber)),
                           ReadInt(rec, kCommon),
                           ReadInt(rec, kHardSeat),
                           ReadInt(rec, kSoftSeat),
                           ReadInt(rec, kBerth),
                           ReadInt(rec, kExtra),
                           {}});
    }
    const RecordTable& spare = data_.Table(SpareTable);
    for (int r = 0; r < spare.size(); ++r) src.spare.emplace_back(spare.Record(r));
    return errors_.size() == before;
  }

 private:
  int32_t ParseVersion() const {
    std::string v = Ascii(data_.DataVersionText);
    return v.empty() ? 0 : static_cast<int32_t>(std::stol(v));
  }

  const TimetableData& data_;
  std::vector<SourceError>& errors_;
};

std::string Joined(const std::vector<std::string>& parts, char separator) {
  std::string out;
  for (size_t i = 0; i < parts.size(); ++i) out += (i ? std::string(1, separator) : "") + parts[i];
  return out;
}

}  // namespace

bool DumpTimetable(const TimetableData& data, TimetableSource& source,
                   std::vector<SourceError>& errors) {
  return Dump(data, errors).Run(source);
}

std::vector<std::pair<std::string, std::string>> FormatSource(const TimetableSource& src) {
  std::vector<std::pair<std::string, std::string>> files;
  files.emplace_back("version.txt", std::to_string(src.version) + "\n");

  std::string text = "name\tkey\n";
  for (const auto& s : src.stations) text += Utf16ToUtf8(s.name) + "\t" + s.key + "\n";
  files.emplace_back("stations.tsv", text);

  text = "train\tclass\tseats\taircon\tfares\tnumbers\textra\n";
  for (const auto& t : src.trains)
    text += t.number + "\t" + t.classCode + "\t" + t.seats + "\t" + t.airCon + "\t" +
            FormatFarePlan(t.fares) + "\t" + Joined(t.numbers, '/') + "\t" +
            (t.extra == ' ' ? std::string() : std::string(1, t.extra)) + "\n";
  files.emplace_back("trains.tsv", text);

  text = "train\tstation\tarrive\tdepart\tday\tkm\trun\tfare_km\n";
  for (const auto& s : src.stops) {
    std::vector<std::string> fareKm;
    if (s.hasFareKm)
      for (int km : s.fareKm) fareKm.push_back(std::to_string(km));
    text += s.train + "\t" + Utf16ToUtf8(s.station) + "\t" + s.arrive + "\t" + s.depart + "\t" +
            std::to_string(s.day) + "\t" + std::to_string(s.km) + "\t" + s.run + "\t" +
            Joined(fareKm, ',') + "\n";
  }
  files.emplace_back("stops.tsv", text);

  if (!src.fareBands.empty()) {
    text = "tariff\tfrom_km\tto_km";
    for (const char* c : kBandColumns) text += std::string("\t") + c;
    for (const char* c : kBandColumns) text += std::string("\tac_") + c;
    text += "\n";
    for (const auto& b : src.fareBands) {
      text += b.tariff + "\t" + std::to_string(b.fromKm) + "\t" + std::to_string(b.toKm);
      for (int a : b.amounts) text += "\t" + std::to_string(a);
      for (int a : b.acAmounts) text += "\t" + std::to_string(a);
      text += "\n";
    }
    files.emplace_back("fare_bands.tsv", text);
  }
  if (!src.stationFares.empty()) {
    text = "from\tto\ttrain";
    for (const char* c : kStationFareColumns) text += std::string("\t") + c;
    text += "\n";
    for (const auto& f : src.stationFares) {
      text += Utf16ToUtf8(f.from) + "\t" + Utf16ToUtf8(f.to) + "\t" + f.train;
      for (int a : f.amounts) text += "\t" + std::to_string(a);
      text += "\n";
    }
    files.emplace_back("station_fares.tsv", text);
  }
  if (!src.rates.empty()) {
    text = "train\tcommon\thard_seat\tsoft_seat\tberth\textra\n";
    for (const auto& r : src.rates)
      text += r.train + "\t" + std::to_string(r.common) + "\t" + std::to_string(r.hardSeat) + "\t" +
              std::to_string(r.softSeat) + "\t" + std::to_string(r.berth) + "\t" +
              std::to_string(r.extra) + "\n";
    files.emplace_back("rates.tsv", text);
  }
  if (!src.spare.empty()) {
    text.clear();
    for (const auto& line : src.spare) text += Utf16ToUtf8(line) + "\n";
    files.emplace_back("spare.tsv", text);
  }
  return files;
}

bool WriteSource(const TimetableSource& source, const std::string& dir, std::string& error) {
  if (mkdir(dir.c_str(), 0755) != 0 && errno != EEXIST) {
    error = dir + ": cannot be created: " + std::strerror(errno);
    return false;
  }
  for (const auto& [name, text] : FormatSource(source))
    if (!WriteFileAtomically(JoinPath(dir, name), text, error)) return false;
  return true;
}

}  // namespace tavra::datatool
