// Tavra's station, station-to-station and train queries (through the query core, fares
// included) beside the same questions put to SQLite: the same timetable exported into an
// in-memory database with covering indexes. Each SQL benchmark first checks that SQLite
// answers with as many trains as Tavra; the report divides the two times.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <memory>
#include <string>

#include "app/query_core.h"
#include "bench_data.h"
#include "busiest.h"
#include "platform/utf8.h"
#include "sqlite_export.h"

namespace tavra::bench {
namespace {

struct PeerSet {
  TimetableData data;
  bool loaded = false;
  Busiest busiest;
  sqlite3* db = nullptr;
  std::string error;
};

void Export(PeerSet& set) {
  set.busiest = FindBusiest(set.data);
  if (sqlite3_open(":memory:", &set.db) != SQLITE_OK ||
      !ExportToSqlite(set.data, set.db, set.error))
    set.loaded = false;
}

PeerSet& Data(int which) {
  return LoadedSet<PeerSet>(which, Export);
}

enum class Query { Station, Between, Train };

// The typed inputs of a query: the station, or the pair, or the train number.
struct Inputs {
  std::u16string first, second;
};

Inputs InputsOf(const PeerSet& set, Query query, bool samplePair) {
  const Busiest& b = set.busiest;
  switch (query) {
    case Query::Station:
      return {b.stationName, {}};
    case Query::Between:
      return samplePair ? Inputs{u"深圳北", u"广州南"} : Inputs{b.fromName, b.toName};
    case Query::Train:
      return {b.trainNumber, {}};
  }
  return {};
}

struct Session : CoreSession<SilentMessages> {
  explicit Session(const TimetableData& data) : CoreSession(data) {}
};

// Tavra's answer: the query core's query with its rows and fares; the rows it lists.
int RunTavra(Session& s, Query query, const Inputs& in) {
  switch (query) {
    case Query::Station:
      s.controls.station = in.first;
      s.core.QueryStation();
      break;
    case Query::Between:
      s.controls.from = in.first;
      s.controls.to = in.second;
      s.core.SearchStationToStation();
      break;
    case Query::Train:
      s.controls.trainNo = in.first;
      s.core.QueryTrainNumber();
      break;
  }
  return s.core.m_list.RowCount();
}

const char* SqlOf(Query query) {
  switch (query) {
    case Query::Station:
      return kSqlStationQuery;
    case Query::Between:
      return kSqlBetweenQuery;
    case Query::Train:
      return kSqlTrainQuery;
  }
  return "";
}

void BM_Peer(benchmark::State& state, int which, Query query, bool samplePair, bool sql) {
  PeerSet& set = Data(which);
  if (!set.loaded) {
    state.SkipWithError(("timetable not loaded or exported: " + set.error).c_str());
    return;
  }
  const Inputs in = InputsOf(set, query, samplePair);
  const std::string first = Utf16ToUtf8(in.first), second = Utf16ToUtf8(in.second);
  Session s(set.data);
  const int tavraRows = RunTavra(s, query, in);
  state.SetLabel(Utf16ToUtf8(in.second.empty() ? in.first : in.first + u"-" + in.second));
  state.counters["rows"] = tavraRows;
  if (!sql) {
    for (auto _ : state) RunTavra(s, query, in);
    return;
  }
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(set.db, SqlOf(query), -1, &statement, nullptr) != SQLITE_OK) {
    state.SkipWithError(sqlite3_errmsg(set.db));
    return;
  }
  const int sqlRows = RunSqlQuery(statement, first, second);
  if (sqlRows != tavraRows) {
    sqlite3_finalize(statement);
    state.SkipWithError(
        ("SQLite answers " + std::to_string(sqlRows) + " rows, Tavra " + std::to_string(tavraRows))
            .c_str());
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(RunSqlQuery(statement, first, second));
  sqlite3_finalize(statement);
}

#define PEER(name, which, query, samplePair)                                \
  BENCHMARK_CAPTURE(BM_Peer, name##_tavra, which, query, samplePair, false) \
      ->Unit(benchmark::kMicrosecond);                                      \
  BENCHMARK_CAPTURE(BM_Peer, name##_sqlite, which, query, samplePair, true) \
      ->Unit(benchmark::kMicrosecond)

PEER(sample_station, 0, Query::Station, false);
PEER(sample_between_shenzhen_guangzhou, 0, Query::Between, true);
PEER(sample_between_busiest, 0, Query::Between, false);
PEER(sample_train, 0, Query::Train, false);
PEER(generated_station, 1, Query::Station, false);
PEER(generated_between_busiest, 1, Query::Between, false);
PEER(generated_train, 1, Query::Train, false);

}  // namespace
}  // namespace tavra::bench
