#pragma once
// Every record of the record file as a table of fields. Nothing outside this folder knows
// where a field stands: code reads and writes records through these names.
#include <span>
#include <string_view>

#include "format/record_field.h"
#include "format/sections.h"

namespace tavra {

// Section 0: a station's spelling key; sorted by key, one row per station.
namespace station_key_record {
inline constexpr RecordField kKey{"key", 0, 5, FieldKind::Text};
inline constexpr RecordField kStation{"station", 5, 4, FieldKind::Row};
inline constexpr std::array kFields{kKey, kStation};
}  // namespace station_key_record

// Section 1: the run of key rows of each initial letter, row n for the letter 'A' + n.
namespace key_letter_record {
inline constexpr RecordField kFirstKey{"first key row", 0, 4, FieldKind::Row};
inline constexpr RecordField kLastKey{"last key row", 4, 4, FieldKind::Row};
inline constexpr std::array kFields{kFirstKey, kLastKey};
inline constexpr char16_t kLetterOfFirstRow = u'A';
inline constexpr int kLetters = 26;
}  // namespace key_letter_record

// Section 2: a station; rows sorted by name in GBK byte order.
namespace station_record {
inline constexpr RecordField kFirstCall{"first call row", 0, 5, FieldKind::Row};
inline constexpr RecordField kLastCall{"last call row", 5, 5, FieldKind::Row};
inline constexpr RecordField kFirstFare{"first fixed-fare row", 10, 5, FieldKind::Row};
inline constexpr RecordField kLastFare{"last fixed-fare row", 15, 5, FieldKind::Row};
inline constexpr RecordField kName{"name", 20, 5, FieldKind::Name};
inline constexpr std::array kFields{kFirstCall, kLastCall, kFirstFare, kLastFare, kName};
}  // namespace station_record

// Section 3: the index rows of the train numbers led by each digit, row n for '0' + n.
namespace train_digit_record {
inline constexpr RecordField kFirstNumber{"first number-index row", 0, 4, FieldKind::Row};
inline constexpr RecordField kLastNumber{"last number-index row", 4, 4, FieldKind::Row};
inline constexpr RecordField kFirstLetter{"first letter-index row", 8, 4, FieldKind::Row};
inline constexpr RecordField kLastLetter{"last letter-index row", 12, 4, FieldKind::Row};
inline constexpr std::array kFields{kFirstNumber, kLastNumber, kFirstLetter, kLastLetter};
inline constexpr char16_t kDigitOfFirstRow = u'0';
inline constexpr int kDigits = 10;
}  // namespace train_digit_record

// Section 4: numbers of four or five characters led by a digit; sorted by number.
namespace number_index_record {
inline constexpr RecordField kNumber{"number", 0, 5, FieldKind::Text};
inline constexpr RecordField kTrain{"train row", 5, 4, FieldKind::Row};
inline constexpr std::array kFields{kNumber, kTrain};
}  // namespace number_index_record

// Section 5: the other numbers; sorted by number part, then prefix.
namespace letter_index_record {
inline constexpr RecordField kPrefix{"prefix", 0, 1, FieldKind::Code};
inline constexpr RecordField kNumberPart{"number part", 1, 4, FieldKind::Text};
inline constexpr RecordField kTrain{"train row", 5, 4, FieldKind::Row};
inline constexpr std::array kFields{kPrefix, kNumberPart, kTrain};
// The prefix and the number part read together, as the number index's key.
inline constexpr RecordField kKey{"key", 0, 5, FieldKind::Text};
static_assert(Covers(std::array{kPrefix, kNumberPart}, kKey));
static_assert(kKey.pos == number_index_record::kNumber.pos &&
              kKey.len == number_index_record::kNumber.len);
}  // namespace letter_index_record

// Section 6: a train.
namespace train_record {
inline constexpr RecordField kNumber{"number text", 0, 19, FieldKind::Text};
inline constexpr RecordField kClass{"class code", 19, 1, FieldKind::Code};
inline constexpr RecordField kAttributes{"attributes", 20, 4, FieldKind::Text};
inline constexpr RecordField kOriginStation{"origin station", 24, 4, FieldKind::Row};
inline constexpr RecordField kTerminalStation{"terminal station", 28, 4, FieldKind::Row};
// kFareKind holds kFarePlanMark when the fare plan is a TrainFareTable row (kFarePlan);
// any other character is the fare kind of the train's single segment, whose two
// percentages (kPercentA, kPercentB) then stand where the row number would.
inline constexpr RecordField kFareKind{"fare kind", 32, 1, FieldKind::Code};
inline constexpr RecordField kFarePlan{"fare-plan row", 33, 4, FieldKind::Row};
inline constexpr RecordField kFirstRun{"first run row", 37, 5, FieldKind::Row};
inline constexpr RecordField kLastRun{"last run row", 42, 5, FieldKind::Row};
inline constexpr RecordField kOriginCall{"origin call", 47, 5, FieldKind::Row};
inline constexpr RecordField kTerminalCall{"terminal call", 52, 5, FieldKind::Row};
inline constexpr RecordField kAirCon{"air-conditioning flag", 57, 1, FieldKind::Code};
inline constexpr RecordField kExtra{"extra", 58, 1, FieldKind::Unread};
inline constexpr std::array kFields{
    kNumber,   kClass,   kAttributes, kOriginStation, kTerminalStation, kFareKind, kFarePlan,
    kFirstRun, kLastRun, kOriginCall, kTerminalCall,  kAirCon,          kExtra};
inline constexpr RecordField kPercentA{"percentage A", 33, 2, FieldKind::Number};
inline constexpr RecordField kPercentB{"percentage B", 35, 2, FieldKind::Number};
static_assert(Covers(std::array{kPercentA, kPercentB}, kFarePlan));
inline constexpr std::u16string_view kFarePlanMark = u"-";
}  // namespace train_record

// Section 7: a train's fare plan, segments 0 to 5 (segment 0 has no tariff code).
namespace fare_plan_record {
inline constexpr size_t kSegments = 6;
inline constexpr RecordField kKind{"fare kind", 0, 1, FieldKind::Code, kSegments};
inline constexpr RecordField kPercentA{"percentage A", 6, 2, FieldKind::Number, kSegments};
inline constexpr RecordField kPercentB{"percentage B", 18, 2, FieldKind::Number, kSegments};
inline constexpr RecordField kTariff{"tariff code", 30, 3, FieldKind::Text, kSegments - 1};
inline constexpr std::array kFields{kKind, kPercentA, kPercentB, kTariff};
}  // namespace fare_plan_record

// Section 8: one call of a train's run.
namespace train_stop_record {
inline constexpr RecordField kCall{"call row", 0, 5, FieldKind::Row};
inline constexpr std::array kFields{kCall};
}  // namespace train_stop_record

// Section 9: one call of one train at one station.
namespace stop_record {
inline constexpr RecordField kStation{"station", 0, 4, FieldKind::Row};
inline constexpr RecordField kTrain{"train row", 4, 4, FieldKind::Row};
inline constexpr RecordField kSeq{"sequence number", 8, 2, FieldKind::Number};
inline constexpr RecordField kKm{"distance", 10, 4, FieldKind::Number};
inline constexpr RecordField kArrive{"arrival", 14, 4, FieldKind::Time};
inline constexpr RecordField kDepart{"departure", 18, 4, FieldKind::Time};
inline constexpr RecordField kDay{"day", 22, 1, FieldKind::Number};
inline constexpr RecordField kRunNumber{"run number", 23, 5, FieldKind::Text};
inline constexpr RecordField kFareRow{"fare-distance row", 28, 5, FieldKind::Row};
inline constexpr std::array kFields{kStation, kTrain, kSeq,       kKm,     kArrive,
                                    kDepart,  kDay,   kRunNumber, kFareRow};
}  // namespace stop_record

// The hour and the minute of a Time field.
namespace time_field {
inline constexpr RecordField kHour{"hour", 0, 2, FieldKind::Number};
inline constexpr RecordField kMinute{"minute", 2, 2, FieldKind::Number};
static_assert(Covers(std::array{kHour, kMinute}, RecordField{"time", 0, 4, FieldKind::Time}));
}  // namespace time_field

// Section 10: the cumulative fare distances of a call, per fare segment and one more.
namespace fare_distance_record {
inline constexpr RecordField kKm{"fare distance", 0, 4, FieldKind::Number, 7};
inline constexpr std::array kFields{kKm};
}  // namespace fare_distance_record

// Section 11: the fares of one distance band of a tariff, a set without and a set with
// air-conditioning.
namespace fare_band_record {
enum Amount : size_t {
  kHardSeat,
  kSoftSeat,
  kExpress,
  kHardUpper,
  kHardMiddle,
  kHardLower,
  kSoftUpper,
  kSoftLower,
  kAirConUnit,
  kAmountCount
};
inline constexpr RecordField kTariff{"tariff code", 0, 3, FieldKind::Unread};
inline constexpr RecordField kLowestKm{"lowest distance", 3, 4, FieldKind::Number};
inline constexpr RecordField kHighestKm{"highest distance", 7, 4, FieldKind::Number};
inline constexpr RecordField kAmounts{"amount", 11, 3, FieldKind::Number, kAmountCount};
inline constexpr RecordField kAirConAmounts{"air-conditioned amount", 38, 3, FieldKind::Number,
                                            kAmountCount};
inline constexpr std::array kFields{kTariff, kLowestKm, kHighestKm, kAmounts, kAirConAmounts};
// Amount `a` of the set that starts at character `set` (kAmounts.pos or kAirConAmounts.pos).
constexpr RecordField AmountAt(size_t set, Amount a) {
  return RecordField{kAmounts.name, set, kAmounts.len, FieldKind::Number, kAmountCount}.At(a);
}
}  // namespace fare_band_record

// Section 12: the band rows of each tariff code; scanned in order.
namespace fare_band_index_record {
inline constexpr RecordField kTariff{"tariff code", 0, 3, FieldKind::Text};
inline constexpr RecordField kFirstBand{"first band row", 3, 4, FieldKind::Row};
inline constexpr RecordField kLastBand{"last band row", 7, 4, FieldKind::Row};
inline constexpr std::array kFields{kTariff, kFirstBand, kLastBand};
}  // namespace fare_band_index_record

// Section 13: fixed fares of one train to one station, in tenths of a yuan.
namespace station_fare_record {
enum Amount : size_t {
  kHardSeat,
  kSoftSeat,
  kHardUpper,
  kHardMiddle,
  kHardLower,
  kSoftUpper,
  kSoftLower,
  kSecondClass,
  kFirstClass,
  kAmountCount
};
inline constexpr RecordField kToStation{"alighting station", 0, 4, FieldKind::Row};
inline constexpr RecordField kTrain{"train row", 4, 4, FieldKind::Row};
inline constexpr RecordField kAmounts{"amount", 8, 5, FieldKind::Number, kAmountCount};
inline constexpr std::array kFields{kToStation, kTrain, kAmounts};
}  // namespace station_fare_record

// Section 14: the rate percentages of one train; sorted by train row.
namespace rate_record {
inline constexpr RecordField kTrain{"train row", 0, 4, FieldKind::Row};
inline constexpr RecordField kCommon{"common percentage", 4, 2, FieldKind::Number};
inline constexpr RecordField kHardSeat{"hard-seat percentage", 6, 2, FieldKind::Number};
inline constexpr RecordField kSoftSeat{"soft-seat percentage", 8, 2, FieldKind::Number};
inline constexpr RecordField kBerth{"berth percentage", 10, 2, FieldKind::Number};
inline constexpr RecordField kExtra{"extra percentage", 12, 2, FieldKind::Number};
inline constexpr std::array kFields{kTrain, kCommon, kHardSeat, kSoftSeat, kBerth, kExtra};
}  // namespace rate_record

// Section 15: carried, read by nothing.
namespace spare_record {
inline constexpr RecordField kText{"text", 0, 13, FieldKind::Unread};
inline constexpr std::array kFields{kText};
}  // namespace spare_record

static_assert(Tiles(station_key_record::kFields, kRecordWidth[StationKeyTable]));
static_assert(Tiles(key_letter_record::kFields, kRecordWidth[KeyLetterTable]));
static_assert(Tiles(station_record::kFields, kRecordWidth[StationTable]));
static_assert(Tiles(train_digit_record::kFields, kRecordWidth[TrainDigitTable]));
static_assert(Tiles(number_index_record::kFields, kRecordWidth[NumberTrainIndex]));
static_assert(Tiles(letter_index_record::kFields, kRecordWidth[LetterTrainIndex]));
static_assert(Tiles(train_record::kFields, kRecordWidth[TrainTable]));
static_assert(Tiles(fare_plan_record::kFields, kRecordWidth[TrainFareTable]));
static_assert(Tiles(train_stop_record::kFields, kRecordWidth[TrainStopTable]));
static_assert(Tiles(stop_record::kFields, kRecordWidth[StopTable]));
static_assert(Tiles(fare_distance_record::kFields, kRecordWidth[FareDistanceTable]));
static_assert(Tiles(fare_band_record::kFields, kRecordWidth[FareBandTable]));
static_assert(Tiles(fare_band_index_record::kFields, kRecordWidth[FareBandIndexTable]));
static_assert(Tiles(station_fare_record::kFields, kRecordWidth[StationFareTable]));
static_assert(Tiles(rate_record::kFields, kRecordWidth[RateTable]));
static_assert(Tiles(spare_record::kFields, kRecordWidth[SpareTable]));

// The fields of `section` in record order; empty for a number beyond the sections.
std::span<const RecordField> FieldsOf(unsigned section);

// Bytes at the start of a `section` record that must be ASCII: all but a Name field.
size_t AsciiBytes(unsigned section);

// A row field of all nines means "none": "9999" in four characters, "99999" in five.
inline constexpr std::u16string_view kNone4 = u"9999";
inline constexpr std::u16string_view kNone5 = u"99999";
// The largest number `f` holds: all nines ("none" in a row field).
constexpr int AllNines(const RecordField& f) {
  int v = 0;
  for (size_t i = 0; i < f.len; ++i) v = v * 10 + 9;
  return v;
}

// The most rows the reference fields can name, the "none" value left out.
inline constexpr int kMaxStations = AllNines(station_key_record::kStation) - 1;
inline constexpr int kMaxTrains = AllNines(stop_record::kTrain) - 1;
inline constexpr int kMaxCalls = AllNines(train_record::kOriginCall) - 1;

}  // namespace tavra
