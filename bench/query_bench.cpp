// The queries on the sample timetable and on the generated one at the format's limits:
// the busiest station-to-station query with the join next to the cross comparison, the
// busiest station's query, a train-number query, and the spelling match.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/query_core.h"
#include "bench_data.h"
#include "busiest.h"
#include "data/loader.h"
#include "data/lookup.h"
#include "data/record_fields.h"
#include "platform/program_dir.h"
#include "platform/utf8.h"
#include "results/row_texts.h"

namespace tavra::bench {
namespace {

// A loaded timetable and the inputs that make its heaviest queries.
struct Dataset {
  TimetableData data;
  bool loaded = false;
  std::u16string from, to;  // the pair the cross comparison finds hardest, with a direct train
  int fromCalls = 0, toCalls = 0, pairTrains = 0;
  std::u16string busiest;  // the station with the most calls
  int busiestCalls = 0;
  std::u16string trainNumber;            // the first number of the first train
  std::u16string oneLetter, twoLetters;  // the most common initial, and pair of initials
};

void Choose(Dataset& d) {
  const TimetableData& data = d.data;
  const Busiest b = FindBusiest(data);
  d.busiest = b.stationName;
  d.busiestCalls = b.stationCalls;
  d.from = b.fromName;
  d.to = b.toName;
  d.fromCalls = b.fromCalls;
  d.toCalls = b.toCalls;
  d.pairTrains = b.pairTrains;
  d.trainNumber = b.trainNumber;
  // Spelling initials: the letter with the most keys, then its most common second letter.
  std::map<std::u16string, int> prefixes;
  const RecordTable& keys = data.Table(StationKeyTable);
  for (int r = 0; r < keys.size(); ++r) {
    const std::u16string_view key = Field(keys.Record(r), station_key_record::kKey);
    ++prefixes[std::u16string(key.substr(0, 1))];
    std::u16string_view two = TrimRight(key.substr(0, 2));
    if (two.size() == 2) ++prefixes[std::u16string(two)];
  }
  int most1 = 0, most2 = 0;
  for (const auto& [prefix, count] : prefixes) {
    int& most = prefix.size() == 1 ? most1 : most2;
    if (count > most) {
      most = count;
      (prefix.size() == 1 ? d.oneLetter : d.twoLetters) = prefix;
    }
  }
  // Typed in lower case, as people do.
  for (std::u16string* typed : {&d.oneLetter, &d.twoLetters})
    for (char16_t& c : *typed) c = static_cast<char16_t>(c - u'A' + u'a');
}

Dataset& Data(int which) {
  return LoadedSet<Dataset>(which, Choose);
}

struct Session : CoreSession<SilentMessages> {
  // Set up for the dataset's station-to-station pair.
  explicit Session(Dataset& d) : CoreSession(d.data) {
    controls.from = d.from;
    controls.to = d.to;
  }
};

bool Ready(benchmark::State& state, Dataset& d) {
  if (!d.loaded) state.SkipWithError("timetable not loaded");
  return d.loaded;
}

void BM_QueryBetween(benchmark::State& state, int which) {
  Dataset& d = Data(which);
  if (!Ready(state, d)) return;
  Session s(d);
  for (auto _ : state) s.core.SearchStationToStation();
  state.counters["rows"] = s.core.m_list.RowCount();
}

// The listing alone on the busiest pair: the join, or every call against every call.
void ListBusiestPair(benchmark::State& state, int which, bool join) {
  Dataset& d = Data(which);
  if (!Ready(state, d)) return;
  Session s(d);
  s.core.m_strFromStation = d.from;
  s.core.m_strToStation = d.to;
  RowRange from, to;
  FindStation(d.data, s.core.m_strFromStation, from);
  FindStation(d.data, s.core.m_strToStation, to);
  for (auto _ : state) {
    s.core.SetStationRanges(from.first, from.last, to.first, to.last);
    s.core.m_list.DeleteAllRows();
    if (join)
      s.core.ListBetween();
    else
      s.core.ListBetweenByCrossComparison();
  }
  state.SetLabel(Utf16ToUtf8(d.from + u"-" + d.to));
  state.counters["rows"] = s.core.m_list.RowCount();
  state.counters["from_calls"] = d.fromCalls;
  state.counters["to_calls"] = d.toCalls;
}
void BM_ListBetweenJoin(benchmark::State& state, int which) {
  ListBusiestPair(state, which, true);
}
void BM_ListBetweenCross(benchmark::State& state, int which) {
  ListBusiestPair(state, which, false);
}

// One query on the text typed into one box: the rows it lists, labelled with the text.
void RunTypedQuery(benchmark::State& state, int which, std::u16string PlainQueryControls::*box,
                   std::u16string Dataset::*typed, void (QueryCore::*query)()) {
  Dataset& d = Data(which);
  if (!Ready(state, d)) return;
  Session s(d);
  s.controls.*box = d.*typed;
  for (auto _ : state) (s.core.*query)();
  state.counters["rows"] = s.core.m_list.RowCount();
  state.SetLabel(Utf16ToUtf8(d.*typed));
}

void BM_QueryStation(benchmark::State& state, int which) {
  RunTypedQuery(state, which, &PlainQueryControls::station, &Dataset::busiest,
                &QueryCore::QueryStation);
  state.counters["calls"] = Data(which).busiestCalls;
}

void BM_QueryTrainNumber(benchmark::State& state, int which) {
  RunTypedQuery(state, which, &PlainQueryControls::trainNo, &Dataset::trainNumber,
                &QueryCore::QueryTrainNumber);
}

void BM_MatchStationsByKey(benchmark::State& state, int which, int letters) {
  Dataset& d = Data(which);
  if (!Ready(state, d)) return;
  const std::u16string& typed = letters == 1 ? d.oneLetter : d.twoLetters;
  ChoiceList box;
  for (auto _ : state) MatchStationsByKey(d.data, typed, box);
  state.counters["offered"] = box.ItemCount();
  state.SetLabel(Utf16ToUtf8(typed));
}

BENCHMARK_CAPTURE(BM_QueryBetween, sample, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_QueryBetween, generated, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ListBetweenJoin, sample, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ListBetweenCross, sample, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ListBetweenJoin, generated, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ListBetweenCross, generated, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_QueryStation, sample, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_QueryStation, generated, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_QueryTrainNumber, sample, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_QueryTrainNumber, generated, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_MatchStationsByKey, sample_1_letter, 0, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_MatchStationsByKey, sample_2_letters, 0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_MatchStationsByKey, generated_1_letter, 1, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_MatchStationsByKey, generated_2_letters, 1, 2)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tavra::bench
