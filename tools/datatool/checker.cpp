#include "datatool/checker.h"

#include <algorithm>
#include <set>

#include "data/field_rules.h"
#include "data/loader.h"
#include "data/record_fields.h"
#include "data/text_compare.h"
#include "platform/file_io.h"
#include "platform/gbk_codec.h"
#include "platform/program_dir.h"
#include "platform/utf8.h"
#include "results/ride_check.h"

namespace tavra::datatool {
namespace {

class Checker {
 public:
  explicit Checker(const TimetableData& d) : d_(d) {}

  std::vector<std::string> problems;

  void Problem(unsigned section, int row, const std::string& what) {
    problems.push_back(std::string(SectionName(section)) + " row " + std::to_string(row) + ": " +
                       what);
  }
  std::u16string_view Rec(unsigned section, int row) const { return d_.Table(section).Record(row); }
  int Rows(unsigned section) const { return d_.Table(section).size(); }

  // A field of decimal digits.
  bool Digits(unsigned section, int row, const RecordField& field, const char* what) {
    std::u16string_view f = Field(Rec(section, row), field);
    const bool ok = IsNumberText(f, field.Length());
    if (!ok)
      Problem(section, row, std::string(what) + " \"" + Utf16ToUtf8(f) + "\" is not a number");
    return ok;
  }
  int Int(unsigned section, int row, const RecordField& field) const {
    return ReadInt(Rec(section, row), field);
  }
  // A reference to a row of `target` (or "none" when `noneOk`).
  bool Ref(unsigned section, int row, const RecordField& field, unsigned target, const char* what,
           bool noneOk = false) {
    std::u16string_view f = Field(Rec(section, row), field);
    if (noneOk && (field.len == kNone4.size() ? IsNone4(f) : IsNone5(f))) return false;
    if (!Digits(section, row, field, what)) return false;
    int r = ParseLeadingInt(f);
    if (r >= Rows(target)) {
      Problem(section, row,
              std::string(what) + " " + std::to_string(r) + " is beyond " + SectionName(target) +
                  " (" + std::to_string(Rows(target)) + " rows)");
      return false;
    }
    return true;
  }
  // An inclusive range of `target` rows; an empty range has last = first - 1.
  bool Range(unsigned section, int row, const RecordField& firstField, const RecordField& lastField,
             unsigned target, const char* what, int& first, int& last) {
    if (!Digits(section, row, firstField, what) || !Digits(section, row, lastField, what))
      return false;
    first = Int(section, row, firstField);
    last = Int(section, row, lastField);
    if (last != first - 1 && (last < first || last >= Rows(target))) {
      Problem(section, row,
              std::string(what) + " " + std::to_string(first) + "-" + std::to_string(last) +
                  " is not a range of " + SectionName(target) + " (" +
                  std::to_string(Rows(target)) + " rows)");
      return false;
    }
    return true;
  }
  void Time(unsigned section, int row, const RecordField& field, const char* what, bool blankOk) {
    std::u16string_view t = Field(Rec(section, row), field);
    if (!IsClockTime(t) && !(blankOk && IsNoTime(t)))
      Problem(section, row, std::string(what) + " \"" + Utf16ToUtf8(t) + "\" is not a time HHMM");
  }

  void Run();

 private:
  void Stations();
  void TrainIndexes();
  void Trains();
  void Fares();
  const TimetableData& d_;
};

void Checker::Stations() {
  if (d_.stationCount != Rows(StationTable))
    problems.push_back("StationKeyTable has " + std::to_string(d_.stationCount) +
                       " rows but StationTable has " + std::to_string(Rows(StationTable)) +
                       "; there is one key row per station");
  if (Rows(StationTable) > kMaxStations) problems.push_back("more than 9998 stations");
  std::vector<int> keysOf(static_cast<size_t>(Rows(StationTable)), 0);
  for (int r = 0; r < Rows(StationKeyTable); ++r) {
    std::u16string_view key = Field(Rec(StationKeyTable, r), station_key_record::kKey);
    std::u16string_view k = TrimRight(key);
    bool ok = !k.empty() &&
              std::all_of(k.begin(), k.end(), [](char16_t c) { return c >= u'A' && c <= u'Z'; });
    if (!ok) Problem(StationKeyTable, r, "key \"" + Utf16ToUtf8(key) + "\" is not capital letters");
    if (r > 0 && TextGreater(Field(Rec(StationKeyTable, r - 1), station_key_record::kKey), key))
      Problem(StationKeyTable, r, "keys are not in ascending order");
    if (Ref(StationKeyTable, r, station_key_record::kStation, StationTable, "station"))
      ++keysOf[static_cast<size_t>(Int(StationKeyTable, r, station_key_record::kStation))];
  }
  for (size_t s = 0; s < keysOf.size(); ++s)
    if (keysOf[s] != 1)
      Problem(StationTable, static_cast<int>(s),
              "the station has " + std::to_string(keysOf[s]) + " key rows; one is needed");

  if (Rows(KeyLetterTable) < key_letter_record::kLetters)
    problems.push_back("KeyLetterTable has " + std::to_string(Rows(KeyLetterTable)) +
                       " rows; the letters A-Z need 26");
  for (int r = 0; r < Rows(KeyLetterTable); ++r) {
    using namespace key_letter_record;
    char16_t letter = static_cast<char16_t>(kLetterOfFirstRow + r);
    int first = -1, last = -2;
    bool none = IsNone4(Field(Rec(KeyLetterTable, r), kFirstKey));
    if (!none &&
        !Range(KeyLetterTable, r, kFirstKey, kLastKey, StationKeyTable, "key rows", first, last))
      continue;
    for (int k = 0; k < Rows(StationKeyTable); ++k) {
      bool starts = Field(Rec(StationKeyTable, k), station_key_record::kKey.pos, 1) ==
                    std::u16string_view(&letter, 1);
      if (starts != (k >= first && k <= last)) {
        Problem(KeyLetterTable, r,
                "the key rows of the letter do not match the keys starting with it");
        break;
      }
    }
  }

  // Every call belongs to exactly the station whose range holds it.
  std::vector<int> owner(static_cast<size_t>(Rows(StopTable)), -1);
  for (int s = 0; s < Rows(StationTable); ++s) {
    std::u16string_view rec = Rec(StationTable, s);
    using namespace station_record;
    std::u16string_view name = TrimRight(Field(rec, kName));
    if (name.empty()) Problem(StationTable, s, "the station has no name");
    if (s > 0 && CompareGbk(Field(Rec(StationTable, s - 1), kName), Field(rec, kName)) >= 0)
      Problem(StationTable, s, "names are not in ascending GBK order (the name search needs it)");
    int first, last;
    if (Range(StationTable, s, kFirstCall, kLastCall, StopTable, "call rows", first, last))
      for (int c = first; c <= last; ++c) {
        if (owner[static_cast<size_t>(c)] != -1)
          Problem(StationTable, s,
                  "call row " + std::to_string(c) + " is also in the range of station " +
                      std::to_string(owner[static_cast<size_t>(c)]));
        owner[static_cast<size_t>(c)] = s;
      }
    bool noFares = IsNone5(Field(rec, kFirstFare)) || IsNone5(Field(rec, kLastFare));
    if (!noFares)
      Range(StationTable, s, kFirstFare, kLastFare, StationFareTable, "fixed-fare rows", first,
            last);
  }
  for (size_t c = 0; c < owner.size(); ++c) {
    int station = Int(StopTable, static_cast<int>(c), stop_record::kStation);
    if (owner[c] != station)
      Problem(StopTable, static_cast<int>(c),
              "the call is at station " + std::to_string(station) +
                  " but lies in the call range of station " + std::to_string(owner[c]));
  }
}

void Checker::TrainIndexes() {
  auto letterKey = [&](int r) {
    std::u16string_view rec = Rec(LetterTrainIndex, r);
    return std::u16string(Field(rec, letter_index_record::kNumberPart)) +
           std::u16string(Field(rec, letter_index_record::kPrefix));
  };
  for (int r = 0; r < Rows(NumberTrainIndex); ++r) {
    Ref(NumberTrainIndex, r, number_index_record::kTrain, TrainTable, "train row");
    std::u16string_view key = Field(Rec(NumberTrainIndex, r), number_index_record::kNumber);
    if (r > 0 &&
        TextGreater(Field(Rec(NumberTrainIndex, r - 1), number_index_record::kNumber), key))
      Problem(NumberTrainIndex, r, "keys are not in ascending order (the number search needs it)");
  }
  for (int r = 0; r < Rows(LetterTrainIndex); ++r) {
    Ref(LetterTrainIndex, r, letter_index_record::kTrain, TrainTable, "train row");
    if (r > 0 && TextGreater(letterKey(r - 1), letterKey(r)))
      Problem(LetterTrainIndex, r, "keys are not in ascending order of number part and prefix");
  }
  if (Rows(TrainDigitTable) != train_digit_record::kDigits)
    problems.push_back("TrainDigitTable has " + std::to_string(Rows(TrainDigitTable)) +
                       " rows; the digits 0-9 need 10");
  using namespace train_digit_record;
  for (int d = 0; d < Rows(TrainDigitTable) && d < kDigits; ++d) {
    char16_t digit = static_cast<char16_t>(kDigitOfFirstRow + d);
    for (int which = 0; which < 2; ++which) {
      unsigned index = which == 0 ? NumberTrainIndex : LetterTrainIndex;
      size_t keyPos =
          which == 0 ? number_index_record::kNumber.pos : letter_index_record::kNumberPart.pos;
      const RecordField& firstField = which == 0 ? kFirstNumber : kFirstLetter;
      const RecordField& lastField = which == 0 ? kLastNumber : kLastLetter;
      int first = -1, last = -2;
      bool none = IsNone4(Field(Rec(TrainDigitTable, d), firstField));
      if (!none &&
          !Range(TrainDigitTable, d, firstField, lastField, index, "index rows", first, last))
        continue;
      for (int k = 0; k < Rows(index); ++k) {
        bool starts = Field(Rec(index, k), keyPos, 1) == std::u16string_view(&digit, 1);
        if (starts != (k >= first && k <= last)) {
          Problem(TrainDigitTable, d,
                  std::string("the ") + SectionName(index) +
                      " rows of the digit do not match the numbers starting with it");
          break;
        }
      }
    }
  }
}

void Checker::Trains() {
  if (Rows(TrainTable) > kMaxTrains) problems.push_back("more than 9998 trains");
  if (Rows(StopTable) > kMaxCalls) problems.push_back("more than 99998 calls");
  std::vector<int> runOf(static_cast<size_t>(Rows(TrainStopTable)), -1);
  for (int t = 0; t < Rows(TrainTable); ++t) {
    using namespace train_record;
    std::u16string_view rec = Rec(TrainTable, t);
    std::u16string_view attrs = Field(rec, kAttributes);
    if (!IsTrainAttributes(attrs))
      Problem(TrainTable, t,
              "attributes \"" + Utf16ToUtf8(attrs) + "\" are not 4 characters 1/0, 0-7, 1/0, 1/0");
    std::u16string_view ac = Field(rec, kAirCon);
    if (!IsFlag(ac))
      Problem(TrainTable, t, "air-conditioning flag \"" + Utf16ToUtf8(ac) + "\" is not 0 or 1");
    if (Field(rec, kFareKind) == kFarePlanMark) {
      Ref(TrainTable, t, kFarePlan, TrainFareTable, "fare-plan row");
    } else {
      Digits(TrainTable, t, kPercentA, "percentage A");
      Digits(TrainTable, t, kPercentB, "percentage B");
    }
    int first, last;
    bool origin = Ref(TrainTable, t, kOriginCall, StopTable, "origin call", true);
    bool terminal = Ref(TrainTable, t, kTerminalCall, StopTable, "terminal call", true);
    if (!Range(TrainTable, t, kFirstRun, kLastRun, TrainStopTable, "run rows", first, last))
      continue;
    int previousSeq = -1;
    StopInfo previous;
    bool previousRead = false;
    for (int r = first; r <= last; ++r) {
      if (runOf[static_cast<size_t>(r)] != -1)
        Problem(TrainTable, t,
                "run row " + std::to_string(r) + " also belongs to train " +
                    std::to_string(runOf[static_cast<size_t>(r)]));
      runOf[static_cast<size_t>(r)] = t;
      if (!Ref(TrainStopTable, r, train_stop_record::kCall, StopTable, "call")) continue;
      int call = Int(TrainStopTable, r, train_stop_record::kCall);
      if (Int(StopTable, call, stop_record::kTrain) != t)
        Problem(TrainStopTable, r,
                "call " + std::to_string(call) + " is not a call of train " + std::to_string(t));
      int seq = Int(StopTable, call, stop_record::kSeq);
      if (seq <= previousSeq)
        Problem(TrainStopTable, r,
                "the calls of train " + std::to_string(t) + " are not in running order");
      previousSeq = seq;
      // What a query checks of each ride: distances that grow, arrivals after departures.
      RecordDamage fieldDamage, rideDamage;
      StopInfo stop = ReadStop(d_, call, fieldDamage);
      if (previousRead && !fieldDamage.Found()) CheckRide(previous, stop, rideDamage);
      previousRead = !fieldDamage.Found();
      if (rideDamage.Found()) Problem(rideDamage.section, rideDamage.row, rideDamage.FieldText());
      previous = std::move(stop);
      if (r == first && origin && Int(TrainTable, t, kOriginCall) != call)
        Problem(TrainTable, t, "the origin call is not the first call of the run");
      if (r == last && terminal && Int(TrainTable, t, kTerminalCall) != call)
        Problem(TrainTable, t, "the terminal call is not the last call of the run");
      if (r == first &&
          Field(rec, kOriginStation) != Field(Rec(StopTable, call), stop_record::kStation))
        Problem(TrainTable, t, "the origin station is not the station of the first call");
      if (r == last &&
          Field(rec, kTerminalStation) != Field(Rec(StopTable, call), stop_record::kStation))
        Problem(TrainTable, t, "the terminal station is not the station of the last call");
    }
    if (first <= last) {
      Ref(TrainTable, t, kOriginStation, StationTable, "origin station");
      Ref(TrainTable, t, kTerminalStation, StationTable, "terminal station");
    }
  }
  for (int r = 0; r < Rows(TrainFareTable); ++r) {
    std::u16string_view rec = Rec(TrainFareTable, r);
    using namespace fare_plan_record;
    for (size_t s = 0; s < kSegments; ++s) {
      if (Field(rec, kKind.At(s)) == u" ") continue;
      Digits(TrainFareTable, r, kPercentA.At(s), "percentage A");
      Digits(TrainFareTable, r, kPercentB.At(s), "percentage B");
    }
  }
  for (int c = 0; c < Rows(StopTable); ++c) {
    using namespace stop_record;
    Ref(StopTable, c, kTrain, TrainTable, "train row");
    Digits(StopTable, c, kSeq, "sequence number");
    Digits(StopTable, c, kKm, "distance");
    Time(StopTable, c, kArrive, "arrival", true);
    Time(StopTable, c, kDepart, "departure", true);
    std::u16string_view day = Field(Rec(StopTable, c), kDay);
    if (!IsDayDigit(day)) Problem(StopTable, c, "day \"" + Utf16ToUtf8(day) + "\" is not 0-3");
    Ref(StopTable, c, kFareRow, FareDistanceTable, "fare-distance row", true);
  }
  for (int r = 0; r < Rows(FareDistanceTable); ++r)
    for (size_t k = 0; k < fare_distance_record::kKm.count; ++k)
      Digits(FareDistanceTable, r, fare_distance_record::kKm.At(k), "fare distance");
}

void Checker::Fares() {
  if (d_.fareBandIndexCount != Rows(FareBandIndexTable) || d_.rateCount != Rows(RateTable))
    problems.push_back("the kept record counts differ from the tables");
  for (int r = 0; r < Rows(FareBandIndexTable); ++r) {
    int first, last;
    using namespace fare_band_record;
    if (!Range(FareBandIndexTable, r, fare_band_index_record::kFirstBand,
               fare_band_index_record::kLastBand, FareBandTable, "band rows", first, last))
      continue;
    for (int b = first; b <= last; ++b) {
      if (!Digits(FareBandTable, b, kLowestKm, "lowest distance") ||
          !Digits(FareBandTable, b, kHighestKm, "highest distance"))
        continue;
      for (size_t k = 0; k < kAmounts.count; ++k)
        Digits(FareBandTable, b, kAmounts.At(k), "amount");
      for (size_t k = 0; k < kAirConAmounts.count; ++k)
        Digits(FareBandTable, b, kAirConAmounts.At(k), "amount");
      if (Int(FareBandTable, b, kLowestKm) > Int(FareBandTable, b, kHighestKm))
        Problem(FareBandTable, b, "the band ends before it begins");
      if (b > first && Int(FareBandTable, b, kLowestKm) <= Int(FareBandTable, b - 1, kHighestKm))
        Problem(FareBandTable, b,
                "bands of a tariff must ascend without overlap (the band search needs it)");
    }
  }
  for (int r = 0; r < Rows(StationFareTable); ++r) {
    using namespace station_fare_record;
    Ref(StationFareTable, r, kToStation, StationTable, "alighting station");
    Ref(StationFareTable, r, kTrain, TrainTable, "train row");
    for (size_t k = 0; k < kAmounts.count; ++k)
      Digits(StationFareTable, r, kAmounts.At(k), "amount");
  }
  for (int r = 0; r < Rows(RateTable); ++r) {
    using namespace rate_record;
    Ref(RateTable, r, kTrain, TrainTable, "train row");
    for (const RecordField& f : {kCommon, kHardSeat, kSoftSeat, kBerth, kExtra})
      Digits(RateTable, r, f, "percentage");
    if (r > 0 &&
        !TextGreater(Field(Rec(RateTable, r), kTrain), Field(Rec(RateTable, r - 1), kTrain)))
      Problem(RateTable, r, "keys are not in strictly ascending order (the rate search needs it)");
  }
}

void Checker::Run() {
  Stations();
  TrainIndexes();
  Trains();
  Fares();
}

}  // namespace

std::vector<std::string> CheckDataFiles(std::string_view index, std::string_view records) {
  std::vector<std::string> problems;
  LoadError layout;
  if (!CheckFileLayout(index, records.size(), layout)) return {layout.Text()};

  // Bytes: GBK text without NUL, the name field of a station the only non-ASCII field.
  size_t at = 0, total = 0;
  for (unsigned k = 0; k < kSectionCount; ++k) {
    const int32_t length = ReadSectionLength(index, k);
    const size_t width = static_cast<size_t>(kRecordWidth[k]);
    for (size_t r = 0; r * width < static_cast<size_t>(length); ++r) {
      std::string_view rec = records.substr(at + r * width, width);
      const size_t asciiPart = AsciiBytes(k);
      std::string where = std::string(SectionName(k)) + " row " + std::to_string(r) + ": ";
      if (rec.find('\0') != std::string_view::npos)
        problems.push_back(where + "the record holds a NUL byte");
      else if (!IsValidGbk(rec))
        problems.push_back(where + "the record is not valid GBK text");
      else if (std::any_of(rec.begin(), rec.begin() + static_cast<long>(asciiPart),
                           [](char c) { return static_cast<unsigned char>(c) >= 0x80; }))
        problems.push_back(where + "a field that must be ASCII holds other characters");
    }
    at += static_cast<size_t>(length);
    total += static_cast<size_t>(length);
  }
  if (total != records.size())
    problems.push_back(std::string(kRecordFileName) + ": " +
                       std::to_string(records.size() - total) + " bytes after the last section");
  if (!problems.empty()) return problems;

  TimetableData data;
  LoadTimetableFromBytes(data, index, records);
  Checker checker(data);
  checker.Run();
  return checker.problems;
}

std::vector<std::string> CheckDataDirectory(const std::string& dir) {
  std::string index, records, error;
  if (!ReadWholeFile(JoinPath(dir, kIndexFileName), index, error))
    return {std::string(kIndexFileName) + ": " + error};
  if (!ReadWholeFile(JoinPath(dir, kRecordFileName), records, error))
    return {std::string(kRecordFileName) + ": " + error};
  return CheckDataFiles(index, records);
}

}  // namespace tavra::datatool
