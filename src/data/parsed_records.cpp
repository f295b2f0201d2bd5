#include "data/parsed_records.h"

#include "data/record_fields.h"

namespace tavra {

static_assert(std::tuple_size_v<decltype(StopInfo::fareKm)> == fare_distance_record::kKm.count);

StopInfo ParseStopRecord(const TimetableData& data, std::u16string record) {
  std::u16string_view r = record;
  StopInfo stop;
  stop.station = Field(r, stop_record::kStation);
  stop.train = Field(r, stop_record::kTrain);
  stop.seq = Field(r, stop_record::kSeq);
  stop.km = ReadInt(r, stop_record::kKm);
  stop.arrive = Field(r, stop_record::kArrive);
  stop.depart = Field(r, stop_record::kDepart);
  stop.day = Field(r, stop_record::kDay);
  stop.runNumber = Field(r, stop_record::kRunNumber);
  stop.fareRow = Field(r, stop_record::kFareRow);
  if (IsNone5(stop.fareRow)) {
    stop.fareKm[0] = stop.km;
  } else {
    std::u16string_view fares = data.Table(FareDistanceTable).Record(ParseLeadingInt(stop.fareRow));
    for (size_t s = 0; s < stop.fareKm.size(); ++s)
      stop.fareKm[s] = ReadInt(fares, fare_distance_record::kKm.At(s));
  }
  return stop;
}

void ParseTrainRecord(const TimetableData& data, std::u16string record, TrainInfo& train) {
  std::u16string_view r = record;
  for (size_t s = 0; s < fare_plan_record::kSegments; ++s)
    train[TrainInfo::FareKind0 + static_cast<int>(s)].clear();
  train[TrainInfo::Number] = Field(r, train_record::kNumber);
  train[TrainInfo::ClassCode] = Field(r, train_record::kClass);
  train[TrainInfo::Attributes] = Field(r, train_record::kAttributes);
  train[TrainInfo::AirCon] = Field(r, train_record::kAirCon);
  train[TrainInfo::OriginStation] = Field(r, train_record::kOriginStation);
  train[TrainInfo::TerminalStation] = Field(r, train_record::kTerminalStation);
  train[TrainInfo::FirstRunRow] = Field(r, train_record::kFirstRun);
  train[TrainInfo::LastRunRow] = Field(r, train_record::kLastRun);
  train[TrainInfo::OriginCall] = Field(r, train_record::kOriginCall);
  train[TrainInfo::TerminalCall] = Field(r, train_record::kTerminalCall);

  train[TrainInfo::FareKind0] = Field(r, train_record::kFareKind);
  train[TrainInfo::PercentA0] = Field(r, train_record::kPercentA);
  train[TrainInfo::PercentB0] = Field(r, train_record::kPercentB);
  if (train[TrainInfo::FareKind0] != train_record::kFarePlanMark) return;

  std::u16string_view plan = data.Table(TrainFareTable).Record(ReadInt(r, train_record::kFarePlan));
  using namespace fare_plan_record;
  for (size_t s = 0; s < kKind.count; ++s) {
    const int i = static_cast<int>(s);
    train[TrainInfo::FareKind0 + i] = Field(plan, kKind.At(s));
    train[TrainInfo::PercentA0 + i] = Field(plan, kPercentA.At(s));
    train[TrainInfo::PercentB0 + i] = Field(plan, kPercentB.At(s));
  }
  for (size_t s = 0; s < kTariff.count; ++s)
    train[TrainInfo::Tariff1 + static_cast<int>(s)] = Field(plan, kTariff.At(s));
}

}  // namespace tavra
