#include "data/parsed_records.h"

#include "data/checked_record.h"
#include "data/field_rules.h"
#include "data/record_fields.h"

namespace tavra {

static_assert(std::tuple_size_v<decltype(StopInfo::fareKm)> == fare_distance_record::kKm.count);

namespace {

StopInfo ParseStop(const TimetableData& data, const CheckedRecord& r, int row,
                   RecordDamage& damage) {
  using namespace stop_record;
  StopInfo stop;
  stop.row = row;
  stop.station = r.Row(kStation, StationTable);
  stop.train = r.Row(kTrain, TrainTable);
  stop.seq = r.Digits(kSeq);
  stop.km = r.Number(kKm);
  stop.arrive = r.Time(kArrive);
  stop.depart = r.Time(kDepart);
  stop.day = r.Day(kDay);
  stop.runNumber = r.Text(kRunNumber);
  stop.fareRow = r.Row(kFareRow, FareDistanceTable, true);
  if (IsNone5(stop.fareRow)) {
    stop.fareKm[0] = stop.km;
  } else {
    const CheckedRecord fares(data, FareDistanceTable, ParseLeadingInt(stop.fareRow), damage);
    for (size_t s = 0; s < stop.fareKm.size(); ++s)
      stop.fareKm[s] = fares.Number(fare_distance_record::kKm.At(s));
  }
  return stop;
}

// The six fare segments of a train with a fare-plan row; a segment without a kind code has
// no percentages to read.
void ParseFarePlan(const CheckedRecord& plan, TrainInfo& train) {
  using namespace fare_plan_record;
  for (size_t s = 0; s < kKind.count; ++s) {
    const int i = static_cast<int>(s);
    train[TrainInfo::FareKind0 + i] = plan.Text(kKind.At(s));
    const bool used = train[TrainInfo::FareKind0 + i] != u" ";
    auto percent = [&](const RecordField& f) { return used ? plan.Digits(f) : plan.Text(f); };
    train[TrainInfo::PercentA0 + i] = percent(kPercentA.At(s));
    train[TrainInfo::PercentB0 + i] = percent(kPercentB.At(s));
  }
  for (size_t s = 0; s < kTariff.count; ++s)
    train[TrainInfo::Tariff1 + static_cast<int>(s)] = plan.Text(kTariff.At(s));
}

void ParseTrain(const TimetableData& data, const CheckedRecord& r, TrainInfo& train,
                RecordDamage& damage) {
  using namespace train_record;
  for (size_t s = 0; s < fare_plan_record::kSegments; ++s)
    train[TrainInfo::FareKind0 + static_cast<int>(s)] = {};
  train[TrainInfo::Number] = r.Text(kNumber);
  train[TrainInfo::ClassCode] = r.Text(kClass);
  train[TrainInfo::Attributes] =
      r.Ruled(kAttributes, IsTrainAttributes, "are not 4 characters 1/0, 0-7, 1/0, 1/0");
  train[TrainInfo::AirCon] = r.Ruled(kAirCon, IsFlag, "is not 0 or 1");
  // A train without calls has no origin or terminal station.
  train[TrainInfo::OriginStation] = r.Row(kOriginStation, StationTable, true);
  train[TrainInfo::TerminalStation] = r.Row(kTerminalStation, StationTable, true);
  int first = 0, last = -1;
  r.Range(kFirstRun, kLastRun, TrainStopTable, first, last);
  train[TrainInfo::FirstRunRow] = r.Text(kFirstRun);
  train[TrainInfo::LastRunRow] = r.Text(kLastRun);
  train[TrainInfo::OriginCall] = r.Row(kOriginCall, StopTable, true);
  train[TrainInfo::TerminalCall] = r.Row(kTerminalCall, StopTable, true);

  train[TrainInfo::FareKind0] = r.Text(kFareKind);
  if (train[TrainInfo::FareKind0] != kFarePlanMark) {
    train[TrainInfo::PercentA0] = r.Digits(kPercentA);
    train[TrainInfo::PercentB0] = r.Digits(kPercentB);
    return;
  }
  const int plan = ParseLeadingInt(r.Row(kFarePlan, TrainFareTable));
  ParseFarePlan(CheckedRecord(data, TrainFareTable, plan, damage), train);
}

}  // namespace

StopInfo ParseStopRecord(const TimetableData& data, std::u16string_view record) {
  RecordDamage unreported;
  return ParseStop(data, CheckedRecord(data, StopTable, -1, record, unreported), -1, unreported);
}

StopInfo ReadStop(const TimetableData& data, int row, RecordDamage& damage) {
  return ParseStop(data, CheckedRecord(data, StopTable, row, damage), row, damage);
}

void ParseTrainRecord(const TimetableData& data, std::u16string_view record, TrainInfo& train) {
  RecordDamage unreported;
  ParseTrain(data, CheckedRecord(data, TrainTable, -1, record, unreported), train, unreported);
  train.row = -1;
}

void ReadTrain(const TimetableData& data, int row, TrainInfo& train, RecordDamage& damage) {
  if (row >= 0 && row == train.row) return;
  RecordDamage found;
  ParseTrain(data, CheckedRecord(data, TrainTable, row, found), train, found);
  // A damaged train is read again each time, so that each query meets its damage.
  train.row = found.Found() ? -1 : row;
  if (found.Found() && !damage.Found()) damage = std::move(found);
}

int ReadRunCall(const TimetableData& data, int runRow, RecordDamage& damage) {
  const CheckedRecord run(data, TrainStopTable, runRow, damage);
  return ParseLeadingInt(run.Row(train_stop_record::kCall, StopTable));
}

}  // namespace tavra
