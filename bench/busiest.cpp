#include "busiest.h"

#include <map>
#include <utility>
#include <vector>

#include "bench_data.h"
#include "data/lookup.h"
#include "data/record_fields.h"
#include "results/row_texts.h"

namespace tavra::bench {

Busiest FindBusiest(const TimetableData& data) {
  Busiest b;
  for (int s = 0; s < data.stationCount; ++s)
    if (CallCount(data, s) > b.stationCalls) {
      b.stationCalls = CallCount(data, s);
      b.station = s;
    }
  std::map<std::pair<int, int>, int> direct;
  const RecordTable& trains = data.Table(TrainTable);
  for (int t = 0; t < trains.size(); ++t) {
    const std::u16string_view record = trains.Record(t);
    std::vector<int> stations;
    for (int r = ReadInt(record, train_record::kFirstRun);
         r <= ReadInt(record, train_record::kLastRun); ++r) {
      const int call = ReadInt(data.Table(TrainStopTable).Record(r), train_stop_record::kCall);
      stations.push_back(ReadInt(data.Table(StopTable).Record(call), stop_record::kStation));
    }
    for (size_t i = 0; i < stations.size(); ++i)
      for (size_t j = i + 1; j < stations.size(); ++j) ++direct[{stations[i], stations[j]}];
  }
  long long best = -1;
  int bestTrains = 0;
  for (const auto& [pair, count] : direct) {
    const long long cost =
        static_cast<long long>(CallCount(data, pair.first)) * CallCount(data, pair.second);
    if (pair.first != pair.second && (cost > best || (cost == best && count > bestTrains))) {
      best = cost;
      bestTrains = count;
      b.from = pair.first;
      b.to = pair.second;
    }
  }
  b.pairTrains = bestTrains;
  if (b.station >= 0) b.stationName = StationName(data, DecimalText(b.station));
  if (b.from >= 0) {
    b.fromName = StationName(data, DecimalText(b.from));
    b.toName = StationName(data, DecimalText(b.to));
    b.fromCalls = CallCount(data, b.from);
    b.toCalls = CallCount(data, b.to);
  }
  if (trains.size() > 0) {
    const std::u16string number = TrainNumberText(data, u"0");
    b.trainNumber = number.substr(0, number.find(u'/'));
  }
  return b;
}

}  // namespace tavra::bench
