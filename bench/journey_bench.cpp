// The connection search between the busiest pair of stations without a direct train, on the
// sample and on the generated timetable at the format's limits, next to the all-pairs
// reference; and the same search with its journeys priced.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <set>
#include <vector>

#include "app/journey_rows.h"
#include "bench_data.h"
#include "data/loader.h"
#include "data/lookup.h"
#include "data/record_fields.h"
#include "journeys/connection_search.h"
#include "journeys/station_cities.h"
#include "platform/program_dir.h"
#include "platform/utf8.h"
#include "results/row_texts.h"

namespace tavra::bench {
namespace {

struct Pair {
  TimetableData data;
  bool loaded = false;
  std::u16string from, to;
  int fromCalls = 0, toCalls = 0;
};

// Among the busiest hundred stations, the two of different cities with the most calls
// between them (the product) that no train runs between directly.
void Choose(Pair& p) {
  const TimetableData& data = p.data;
  std::set<std::pair<int, int>> direct;
  const RecordTable& trains = data.Table(TrainTable);
  for (int t = 0; t < trains.size(); ++t) {
    const std::u16string_view record = trains.Record(t);
    std::vector<int> stations;
    for (int r = ReadInt(record, train_record::kFirstRun);
         r <= ReadInt(record, train_record::kLastRun); ++r)
      stations.push_back(ParseLeadingInt(
          Field(data.Table(StopTable).Record(ParseLeadingInt(data.Table(TrainStopTable).Record(r))),
                0, 4)));
    for (size_t i = 0; i < stations.size(); ++i)
      for (size_t j = i + 1; j < stations.size(); ++j) direct.insert({stations[i], stations[j]});
  }
  std::vector<int> busy(static_cast<size_t>(data.stationCount));
  for (int s = 0; s < data.stationCount; ++s) busy[static_cast<size_t>(s)] = s;
  std::sort(busy.begin(), busy.end(),
            [&](int a, int b) { return CallCount(data, a) > CallCount(data, b); });
  busy.resize(std::min<size_t>(busy.size(), 100));
  StationCities cities(data);
  long long best = -1;
  for (int a : busy)
    for (int b : busy) {
      const long long cost = static_cast<long long>(CallCount(data, a)) * CallCount(data, b);
      if (cost <= best || cities.CityOf(a) == cities.CityOf(b) || direct.count({a, b})) continue;
      best = cost;
      p.from = StationName(data, DecimalText(a));
      p.to = StationName(data, DecimalText(b));
      p.fromCalls = CallCount(data, a);
      p.toCalls = CallCount(data, b);
    }
}

Pair& Data(int which) {
  return LoadedSet<Pair>(which, Choose);
}

enum class Way { Search, AllPairs, Priced };

void BM_Connections(benchmark::State& state, int which, Way way) {
  Pair& p = Data(which);
  if (!p.loaded) {
    state.SkipWithError("timetable not loaded");
    return;
  }
  size_t journeys = 0;
  for (auto _ : state) {
    if (way == Way::Priced) {
      journeys = FindJourneys(p.data, p.from, p.to, {}).journeys.size();
    } else {
      const ConnectionResult r = way == Way::Search
                                     ? SearchConnections(p.data, p.from, p.to, {})
                                     : SearchConnectionsByAllPairs(p.data, p.from, p.to, {});
      journeys = r.journeys.size();
    }
    benchmark::DoNotOptimize(journeys);
  }
  state.SetLabel(Utf16ToUtf8(p.from + u"-" + p.to));
  state.counters["journeys"] = static_cast<double>(journeys);
  state.counters["from_calls"] = p.fromCalls;
  state.counters["to_calls"] = p.toCalls;
}

BENCHMARK_CAPTURE(BM_Connections, sample_search, 0, Way::Search)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Connections, sample_all_pairs, 0, Way::AllPairs)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Connections, sample_priced, 0, Way::Priced)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Connections, generated_search, 1, Way::Search)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Connections, generated_all_pairs, 1, Way::AllPairs)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Connections, generated_priced, 1, Way::Priced)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tavra::bench
