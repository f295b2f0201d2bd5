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

RowRange CallsOf(const TimetableData& data, int station) {
  std::u16string_view r = data.Table(StationTable).Record(station);
  return {ReadInt(r, station_record::kFirstCall), ReadInt(r, station_record::kLastCall)};
}

void Choose(Dataset& d) {
  const TimetableData& data = d.data;
  auto callCount = [&](int s) {
    RowRange r = CallsOf(data, s);
    return r.last - r.first + 1;
  };
  for (int s = 0; s < data.stationCount; ++s)
    if (callCount(s) > d.busiestCalls) {
      d.busiestCalls = callCount(s);
      d.busiest = StationName(data, DecimalText(s));
    }
  // Direct trains per ordered pair of stations, from every train's run.
  std::map<std::pair<int, int>, int> direct;
  const RecordTable& trains = data.Table(TrainTable);
  for (int t = 0; t < trains.size(); ++t) {
    std::u16string_view record = trains.Record(t);
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
  for (const auto& [pair, count] : direct) {
    const long long cost = static_cast<long long>(callCount(pair.first)) * callCount(pair.second);
    if (pair.first != pair.second && (cost > best || (cost == best && count > d.pairTrains))) {
      best = cost;
      d.pairTrains = count;
      d.from = StationName(data, DecimalText(pair.first));
      d.to = StationName(data, DecimalText(pair.second));
      d.fromCalls = callCount(pair.first);
      d.toCalls = callCount(pair.second);
    }
  }
  std::u16string number = TrainNumberText(data, u"0");
  d.trainNumber = number.substr(0, number.find(u'/'));
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
  explicit Session(Dataset& d) : CoreSession(d.data) {}
};

bool Ready(benchmark::State& state, Dataset& d) {
  if (!d.loaded) state.SkipWithError("timetable not loaded");
  return d.loaded;
}

void BM_QueryBetween(benchmark::State& state, int which) {
  Dataset& d = Data(which);
  if (!Ready(state, d)) return;
  Session s(d);
  s.controls.from = d.from;
  s.controls.to = d.to;
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
