// Fares per result line on the generated national-scale timetable: the lines of the
// busiest station-to-station query, of the busiest station query and every call pair of
// the busiest station's trains, each priced next to the same line prepared without fares.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

#include "bench_data.h"
#include "data/loader.h"
#include "data/lookup.h"
#include "data/parsed_records.h"
#include "data/record_fields.h"
#include "fares/fare_engine.h"
#include "fares/fare_state.h"
#include "fares/fare_text.h"
#include "results/result_row.h"
#include "results/row_texts.h"

namespace tavra::bench {
namespace {

// A result line: the StopTable rows of the boarding and the alighting call.
using Line = std::pair<int, int>;

struct FareLines {
  TimetableData data;
  std::vector<Line> stationToStation;  // busiest pair of stations
  std::vector<Line> station;           // busiest station: departures and terminating arrivals
  std::vector<Line> allPairs;          // busiest station to every later call of its trains
};

int Station(const TimetableData& data, int stopRow) {
  return ReadInt(data.Table(StopTable).Record(stopRow), stop_record::kStation);
}

// The StopTable rows of every train's calls in running order.
std::vector<std::vector<int>> Runs(const TimetableData& data) {
  std::vector<std::vector<int>> runs;
  for (int t = 0; t < data.Table(TrainTable).size(); ++t) {
    std::u16string_view train = data.Table(TrainTable).Record(t);
    std::vector<int> run;
    for (int r = ReadInt(train, train_record::kFirstRun);
         r <= ReadInt(train, train_record::kLastRun); ++r)
      run.push_back(ReadInt(data.Table(TrainStopTable).Record(r), train_stop_record::kCall));
    runs.push_back(std::move(run));
  }
  return runs;
}

const FareLines& Lines() {
  static const std::unique_ptr<FareLines> lines = [] {
    auto l = std::make_unique<FareLines>();
    if (LoadTimetable(l->data, LimitsDataDir()) != kLoadComplete) std::abort();
    const TimetableData& d = l->data;
    const auto runs = Runs(d);

    int busiest = 0, most = -1;
    for (int s = 0; s < d.Table(StationTable).size(); ++s) {
      const int calls = CallCount(d, s);
      if (calls > most) most = calls, busiest = s;
    }
    std::unordered_map<uint64_t, int> pairCount;
    uint64_t busiestPair = 0;
    int pairMost = 0;
    for (const auto& run : runs)
      for (size_t i = 0; i < run.size(); ++i) {
        const int from = Station(d, run[i]);
        for (size_t j = i + 1; j < run.size(); ++j) {
          const uint64_t key =
              static_cast<uint64_t>(from) << 32 | static_cast<uint32_t>(Station(d, run[j]));
          if (++pairCount[key] > pairMost) pairMost = pairCount[key], busiestPair = key;
          if (from == busiest) l->allPairs.emplace_back(run[i], run[j]);
        }
        if (from == busiest && run.size() > 1)
          l->station.push_back(i + 1 < run.size() ? Line{run[i], run.back()}
                                                  : Line{run.front(), run[i]});
      }
    for (const auto& run : runs)
      for (size_t i = 0; i < run.size(); ++i)
        for (size_t j = i + 1; j < run.size(); ++j)
          if (Station(d, run[i]) == static_cast<int>(busiestPair >> 32) &&
              Station(d, run[j]) == static_cast<int>(busiestPair & 0xffffffffu))
            l->stationToStation.emplace_back(run[i], run[j]);
    return l;
  }();
  return *lines;
}

// What the row builder does for a line before it asks for fares: both calls read and
// checked, the distances and fare distances, the train and its express multiple.
void PrepareLine(FareState& q, ResultRow& row, const Line& line) {
  const TimetableData& d = q.m_data;
  q.m_fromStop = ReadStop(d, line.first, q.m_damage);
  q.m_toStop = ReadStop(d, line.second, q.m_damage);
  q.m_pLine = &row;
  row.distanceText = WholeText(q.m_toStop.km - q.m_fromStop.km);
  row.SetFareDistances(q.m_fromStop, q.m_toStop);
  ReadTrain(d, ParseLeadingInt(q.m_fromStop.train), q.m_train, q.m_damage);
  q.m_nExpressMultiple =
      ClassOf(q.m_train[TrainInfo::ClassCode], q.m_train[TrainInfo::AirCon]).expressMultiple;
}

// The row builder's fare step: a kind-6 segment after the first keeps six texts of the
// soft-class computation.
void PriceLine(FareState& q, ResultRow& row) {
  bool kind6 = false;
  for (int k = 1; k <= 5; ++k) kind6 |= q.m_train[TrainInfo::FareKind0 + k] == u"6";
  if (!kind6) {
    ComputeFares(q);
    return;
  }
  ComputeSoftClassFares(q);
  std::u16string kept[6] = {row.softSeat,    row.secondClass,      row.firstClass,
                            row.softSleeper, row.softSleeperUpper, row.softSleeperLower};
  ComputeFares(q);
  row.softSeat = kept[0];
  row.secondClass = kept[1];
  row.firstClass = kept[2];
  row.softSleeper = kept[3];
  row.softSleeperUpper = kept[4];
  row.softSleeperLower = kept[5];
}

void RunLines(benchmark::State& state, const std::vector<Line>& lines, bool withFares) {
  // Rows are reused round the query core's initial row store, as queries reuse them.
  constexpr size_t kRows = 800;
  FareState q(Lines().data);
  std::vector<ResultRow> rows(kRows);
  if (lines.empty()) state.SkipWithError("no lines");
  for (auto _ : state) {
    size_t rowIndex = 0;
    for (const Line& line : lines) {
      ResultRow& row = rows[rowIndex];
      PrepareLine(q, row, line);
      if (withFares) PriceLine(q, row);
      benchmark::DoNotOptimize(row.hardSeat.data());
      rowIndex = (rowIndex + 1) % kRows;
    }
  }
  const double n = static_cast<double>(lines.size());
  state.counters["lines"] = n;
  state.counters["per_line"] = benchmark::Counter(
      n, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_StationToStation(benchmark::State& s, bool fares) {
  RunLines(s, Lines().stationToStation, fares);
}
void BM_StationQuery(benchmark::State& s, bool fares) {
  RunLines(s, Lines().station, fares);
}
void BM_AllCallPairs(benchmark::State& s, bool fares) {
  RunLines(s, Lines().allPairs, fares);
}

BENCHMARK_CAPTURE(BM_StationToStation, without_fares, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_StationToStation, with_fares, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_StationQuery, without_fares, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_StationQuery, with_fares, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AllCallPairs, without_fares, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AllCallPairs, with_fares, true)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tavra::bench
