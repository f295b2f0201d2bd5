// The transfer search, the whole transfer offer and the stop list, on the sample timetable
// and on the generated one at the format's limits: the two busiest stations that have no
// direct train, and the train with the most calls.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <set>
#include <vector>

#include "app/query_core.h"
#include "app/transfer_choice.h"
#include "bench_data.h"
#include "data/loader.h"
#include "data/lookup.h"
#include "data/record_fields.h"
#include "platform/program_dir.h"
#include "platform/utf8.h"
#include "resources/fixed_texts.h"
#include "results/row_texts.h"

namespace tavra::bench {
namespace {

struct Dataset {
  TimetableData data;
  bool loaded = false;
  std::u16string from, to;  // busiest pair without a direct train
  int longestTrain = -1;    // TrainTable row of the train with the most calls
  int originCall = 0, terminalCall = 0, calls = 0;
};

void Choose(Dataset& d) {
  const TimetableData& data = d.data;
  const RecordTable& trains = data.Table(TrainTable);
  std::set<std::pair<int, int>> direct;
  for (int t = 0; t < trains.size(); ++t) {
    std::u16string_view record = trains.Record(t);
    const int first = ReadInt(record, train_record::kFirstRun),
              last = ReadInt(record, train_record::kLastRun);
    std::vector<int> stations;
    for (int r = first; r <= last; ++r)
      stations.push_back(ParseLeadingInt(
          Field(data.Table(StopTable).Record(ParseLeadingInt(data.Table(TrainStopTable).Record(r))),
                0, 4)));
    for (size_t i = 0; i < stations.size(); ++i)
      for (size_t j = i + 1; j < stations.size(); ++j) direct.insert({stations[i], stations[j]});
    if (last - first + 1 > d.calls) {
      d.calls = last - first + 1;
      d.longestTrain = t;
      d.originCall = ReadInt(record, train_record::kOriginCall);
      d.terminalCall = ReadInt(record, train_record::kTerminalCall);
    }
  }
  std::vector<int> byCalls(static_cast<size_t>(data.stationCount));
  for (int s = 0; s < data.stationCount; ++s) byCalls[static_cast<size_t>(s)] = s;
  std::sort(byCalls.begin(), byCalls.end(),
            [&](int a, int b) { return CallCount(data, a) > CallCount(data, b); });
  const size_t top = std::min<size_t>(byCalls.size(), 60);
  long long best = -1;
  for (size_t i = 0; i < top; ++i)
    for (size_t j = 0; j < top; ++j) {
      const int a = byCalls[i], b = byCalls[j];
      const long long cost = static_cast<long long>(CallCount(data, a)) + CallCount(data, b);
      if (a == b || direct.count({a, b}) || cost <= best) continue;
      best = cost;
      d.from = StationName(data, DecimalText(a));
      d.to = StationName(data, DecimalText(b));
    }
}

Dataset& Data(int which) {
  return LoadedSet<Dataset>(which, Choose);
}

// A user who consents to the change.
class Consenting : public SilentMessages {
 public:
  bool Question(std::u16string_view, std::u16string_view) override { return true; }
};

struct Session : CoreSession<Consenting> {
  // Set up for the dataset's station-to-station pair.
  explicit Session(Dataset& d) : CoreSession(d.data) {
    controls.from = d.from;
    controls.to = d.to;
  }
};

bool Ready(benchmark::State& state, Dataset& d) {
  if (!d.loaded || d.from.empty()) state.SkipWithError("timetable not loaded or no pair");
  return d.loaded && !d.from.empty();
}

void BM_FindTransferStations(benchmark::State& state, int which) {
  Dataset& d = Data(which);
  if (!Ready(state, d)) return;
  Session s(d);
  RowRange from, to;
  std::u16string a = d.from, b = d.to;
  FindStation(d.data, a, from);
  FindStation(d.data, b, to);
  if (!s.core.FindTransferStationsBetween(d.from, d.to)) state.SkipWithError("no such station");
  for (auto _ : state) s.core.FindTransferStations();
  state.SetLabel(Utf16ToUtf8(d.from + u"-" + d.to));
  state.counters["candidates"] = s.core.m_pApp->m_nTransfers;
  state.counters["calls"] = (from.last - from.first + 1) + (to.last - to.first + 1);
}

// The question answered Yes, the search, the dialog picking its first line, both legs.
void BM_OfferTransfer(benchmark::State& state, int which) {
  Dataset& d = Data(which);
  if (!Ready(state, d)) return;
  Session s(d);
  s.core.EnableTransferOffer([](QueryCore& core) {
    TransferChoice dialog(core);
    dialog.OnInitDialog();
    return dialog.OnListClick(0);
  });
  for (auto _ : state) {
    s.core.m_nQueryKind = kQueryStationToStation;
    s.core.SearchStationToStation();
  }
  state.SetLabel(Utf16ToUtf8(d.from + u"-" + s.core.m_pApp->m_strTransferName + u"-" + d.to));
  state.counters["rows"] = s.core.m_list.RowCount();
}

void BM_StopList(benchmark::State& state, int which) {
  Dataset& d = Data(which);
  if (!Ready(state, d)) return;
  Session s(d);
  s.core.m_fromStop = ParseStopRecord(d.data, GetRecord(d.data, StopTable, d.originCall));
  s.core.m_toStop = ParseStopRecord(d.data, GetRecord(d.data, StopTable, d.terminalCall));
  s.core.BuildResultRow();
  for (auto _ : state) s.core.OnResultClick(0);
  state.counters["stops"] = s.core.m_pApp->m_nLastStopLine + 1;
}

BENCHMARK_CAPTURE(BM_FindTransferStations, sample, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FindTransferStations, generated, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_OfferTransfer, sample, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_OfferTransfer, generated, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_StopList, sample, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_StopList, generated, 1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tavra::bench
