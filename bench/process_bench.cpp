// What a user of the terminal program waits for: tavra-cli started as a fresh child process
// for `version`, the busiest station and the busiest pair, on the sample timetable and on
// the generated one at the format's limits. The time reported is the child's CPU time
// (user + system, from wait4), with its minor page faults and its peak resident memory
// (KiB) as counters; the children are started by a launcher forked before any timetable is
// loaded (child_launcher.h), so the peak is the child's own. `version` also reports the peak
// above an empty start's, per byte of the two data files. Beside them the floors: an empty
// start (a usage error, which loads nothing), a child `cat` of both files, and `sqlite3`
// answering the station query from a database file.
#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench_data.h"
#include "busiest.h"
#include "child_launcher.h"
#include "data/loader.h"
#include "platform/file_io.h"
#include "platform/program_dir.h"
#include "platform/utf8.h"
#ifdef TAVRA_BENCH_SQLITE
#include "sqlite_export.h"
#endif

namespace tavra::bench {
namespace {

struct ProcessSet {
  TimetableData data;
  bool loaded = false;
  Busiest busiest;
  std::string dir;
  std::string database;  // an exported SQLite file, when SQLite is built in
};

void Choose(ProcessSet& set) {
  set.busiest = FindBusiest(set.data);
#ifdef TAVRA_BENCH_SQLITE
  const std::string path = (std::filesystem::temp_directory_path() /
                            ("tavra-bench-" + std::to_string(set.data.stationCount) + ".db"))
                               .string();
  std::filesystem::remove(path);
  sqlite3* db = nullptr;
  std::string error;
  if (sqlite3_open(path.c_str(), &db) == SQLITE_OK && ExportToSqlite(set.data, db, error))
    set.database = path;
  sqlite3_close(db);
#endif
}

ProcessSet& Data(int which) {
  static bool dirs[2] = {};
  ProcessSet& set = LoadedSet<ProcessSet>(which, Choose);
  if (!dirs[which]) set.dir = DataDirOf(which), dirs[which] = true;
  return set;
}

double Seconds(const timeval& t) {
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
}

// Each iteration one child; its CPU time is the iteration's time.
void RunChildren(benchmark::State& state, const std::vector<std::string>& argv, bool mustSucceed) {
  double faults = 0, peak = 0;
  for (auto _ : state) {
    const ChildRun run = RunChild(argv);
    if (!run.started || (mustSucceed && !(WIFEXITED(run.status) && WEXITSTATUS(run.status) == 0))) {
      state.SkipWithError(("child failed: " + argv[0] + " " + argv.back()).c_str());
      return;
    }
    state.SetIterationTime(Seconds(run.usage.ru_utime) + Seconds(run.usage.ru_stime));
    faults += static_cast<double>(run.usage.ru_minflt);
    peak += static_cast<double>(run.usage.ru_maxrss);
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["minor_faults"] = n > 0 ? faults / n : 0;
  state.counters["peak_rss_KiB"] = n > 0 ? peak / n : 0;
}

std::string Cli() {
  return JoinPath(ProgramDirectory(), "tavra-cli");
}

const std::vector<std::string>& EmptyStart() {
  static const std::vector<std::string> argv = {Cli(), "--help"};
  return argv;
}

// The median peak (KiB) of a few empty starts, measured once per run: what every start
// costs before it reads a byte of the timetable.
double EmptyStartPeakKiB() {
  static const double peak = [] {
    std::vector<long> peaks;
    for (int i = 0; i < 5; ++i) {
      const ChildRun run = RunChild(EmptyStart());
      if (run.started) peaks.push_back(run.usage.ru_maxrss);
    }
    if (peaks.empty()) return 0.0;
    std::sort(peaks.begin(), peaks.end());
    return static_cast<double>(peaks[peaks.size() / 2]);
  }();
  return peak;
}

enum class Run { EmptyStart, ReadFiles, Version, Station, Between, SqliteStation };

void BM_Process(benchmark::State& state, int which, Run what) {
  ProcessSet& set = Data(which);
  if (!set.loaded) {
    state.SkipWithError("timetable not loaded");
    return;
  }
  const Busiest& b = set.busiest;
  const std::vector<std::string> cli = {Cli(), "--data-dir", set.dir};
  auto with = [&](std::vector<std::string> tail) {
    std::vector<std::string> argv = cli;
    argv.insert(argv.end(), tail.begin(), tail.end());
    return argv;
  };
  switch (what) {
    case Run::EmptyStart:
      return RunChildren(state, EmptyStart(), false);
    case Run::ReadFiles:
      return RunChildren(
          state, {"cat", JoinPath(set.dir, kIndexFileName), JoinPath(set.dir, kRecordFileName)},
          true);
    case Run::Version: {
      RunChildren(state, with({"version"}), true);
      const auto peak = state.counters.find("peak_rss_KiB");
      const double files = static_cast<double>(DataFilesSize(set.dir));
      if (peak != state.counters.end() && files > 0)
        state.counters["rss_over_empty_per_file_byte"] =
            (peak->second.value - EmptyStartPeakKiB()) * 1024 / files;
      return;
    }
    case Run::Station:
      state.SetLabel(Utf16ToUtf8(b.stationName));
      return RunChildren(state, with({"station", Utf16ToUtf8(b.stationName)}), true);
    case Run::Between:
      state.SetLabel(Utf16ToUtf8(b.fromName + u"-" + b.toName));
      return RunChildren(state, with({"between", Utf16ToUtf8(b.fromName), Utf16ToUtf8(b.toName)}),
                         true);
    case Run::SqliteStation:
#ifdef TAVRA_BENCH_SQLITE
      if (!set.database.empty() && access("/usr/bin/sqlite3", X_OK) == 0) {
        // The station name is a literal in the statement, as a user would type it.
        std::string sql = kSqlStationQuery;
        const std::string literal = "'" + Utf16ToUtf8(b.stationName) + "'";
        for (size_t at; (at = sql.find("?1")) != std::string::npos;) sql.replace(at, 2, literal);
        state.SetLabel(Utf16ToUtf8(b.stationName));
        return RunChildren(state, {"/usr/bin/sqlite3", set.database, sql}, true);
      }
#endif
      state.SkipWithError("no sqlite3 program or database");
      return;
  }
}

// Each run on the sample (BM_Process/sample_…) and at the format's limits (…/generated_…).
const bool kRegistered = [] {
  const std::pair<const char*, Run> runs[] = {
      {"empty_start", Run::EmptyStart}, {"read_files", Run::ReadFiles},
      {"version", Run::Version},        {"station", Run::Station},
      {"between", Run::Between},        {"sqlite3_station", Run::SqliteStation}};
  for (int which : {0, 1})
    for (const auto& [name, what] : runs)
      benchmark::RegisterBenchmark(
          (std::string(which == 0 ? "BM_Process/sample_" : "BM_Process/generated_") + name).c_str(),
          BM_Process, which, what)
          ->UseManualTime()
          ->Unit(benchmark::kMillisecond);
  return true;
}();

}  // namespace
}  // namespace tavra::bench
