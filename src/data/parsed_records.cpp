#include "data/parsed_records.h"

#include "data/record_fields.h"

namespace tavra {

StopInfo ParseStopRecord(const TimetableData& data, std::u16string record) {
  std::u16string_view r = record;
  StopInfo stop;
  stop.station = Field(r, 0, 4);
  stop.train = Field(r, 4, 4);
  stop.seq = Field(r, 8, 2);
  stop.km = ParseLeadingInt(Field(r, 10, 4));
  stop.arrive = Field(r, 14, 4);
  stop.depart = Field(r, 18, 4);
  stop.day = Field(r, 22, 1);
  stop.runNumber = Field(r, 23, 5);
  stop.fareRow = Field(r, 28, 5);
  if (IsNone5(stop.fareRow)) {
    stop.fareKm[0] = stop.km;
  } else {
    std::u16string_view fares = data.Table(FareDistanceTable).Record(ParseLeadingInt(stop.fareRow));
    for (size_t s = 0; s < stop.fareKm.size(); ++s)
      stop.fareKm[s] = ParseLeadingInt(Field(fares, 4 * s, 4));
  }
  return stop;
}

void ParseTrainRecord(const TimetableData& data, std::u16string record, TrainInfo& train) {
  std::u16string_view r = record;
  for (int s = TrainInfo::FareKind0; s < TrainInfo::FareKind0 + 6; ++s) train[s].clear();
  train[TrainInfo::Number] = Field(r, 0, 19);
  train[TrainInfo::ClassCode] = Field(r, 19, 1);
  train[TrainInfo::Attributes] = Field(r, 20, 4);
  train[TrainInfo::AirCon] = Field(r, 57, 1);
  train[TrainInfo::OriginStation] = Field(r, 24, 4);
  train[TrainInfo::TerminalStation] = Field(r, 28, 4);
  train[TrainInfo::FirstRunRow] = Field(r, 37, 5);
  train[TrainInfo::LastRunRow] = Field(r, 42, 5);
  train[TrainInfo::OriginCall] = Field(r, 47, 5);
  train[TrainInfo::TerminalCall] = Field(r, 52, 5);

  train[TrainInfo::FareKind0] = Field(r, 32, 1);
  train[TrainInfo::PercentA0] = Field(r, 33, 2);
  train[TrainInfo::PercentB0] = Field(r, 35, 2);
  if (train[TrainInfo::FareKind0] != u"-") return;

  std::u16string_view plan = data.Table(TrainFareTable).Record(ParseLeadingInt(Field(r, 33, 4)));
  for (int s = 0; s < 6; ++s) {
    train[TrainInfo::FareKind0 + s] = Field(plan, static_cast<size_t>(s), 1);
    train[TrainInfo::PercentA0 + s] = Field(plan, static_cast<size_t>(6 + 2 * s), 2);
    train[TrainInfo::PercentB0 + s] = Field(plan, static_cast<size_t>(18 + 2 * s), 2);
  }
  for (int s = 0; s < 5; ++s)
    train[TrainInfo::Tariff1 + s] = Field(plan, static_cast<size_t>(30 + 3 * s), 3);
}

}  // namespace tavra
