// Loading the data files, of the sample and at the format's limits: time to status 3 next
// to the floor of reading the same files and touching every byte; and the memory the
// tables take at the limits.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_data.h"
#include "data/loader.h"
#include "platform/file_io.h"
#include "platform/program_dir.h"

namespace tavra::bench {
namespace {

void BM_ReadFilesFloor(benchmark::State& state, int which) {
  const std::string dir = DataDirOf(which);
  for (auto _ : state) {
    std::string index, records, error;
    ReadWholeFile(JoinPath(dir, kIndexFileName), index, error);
    ReadWholeFile(JoinPath(dir, kRecordFileName), records, error);
    unsigned sum = 0;
    for (char c : records) sum += static_cast<unsigned char>(c);
    for (char c : index) sum += static_cast<unsigned char>(c);
    benchmark::DoNotOptimize(sum);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * DataFilesSize(dir)));
}
BENCHMARK_CAPTURE(BM_ReadFilesFloor, sample, 0)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_ReadFilesFloor, generated, 1)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LoadToStatus3(benchmark::State& state, int which) {
  const std::string dir = DataDirOf(which);
  for (auto _ : state) {
    TimetableData data;
    std::thread loader = StartLoader(data, dir);
    loader.join();
    if (data.Status() != kLoadComplete) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(data.Table(StopTable).size());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * DataFilesSize(dir)));
}
BENCHMARK_CAPTURE(BM_LoadToStatus3, sample, 0)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_LoadToStatus3, generated, 1)->Unit(benchmark::kMillisecond)->UseRealTime();

// Memory the loaded tables keep, and the peak while loading, next to the files' size.
void BM_MemoryAfterLoad(benchmark::State& state) {
  const std::string& dir = LimitsDataDir();
  size_t tables = 0;
  for (auto _ : state) {
    TimetableData data;
    LoadTimetable(data, dir);
    tables = 0;
    for (const RecordTable& t : data.tables) tables += t.MemoryBytes();
  }
  const double files = static_cast<double>(DataFilesSize(dir));
  // While it decodes, the loader also holds the index and one run of the record file.
  const double peak =
      static_cast<double>(tables + kLoadRunBytes) + static_cast<double>(DataFilesSize(dir)) -
      static_cast<double>(std::filesystem::file_size(JoinPath(dir, kRecordFileName)));
  state.counters["files_MiB"] = files / (1 << 20);
  state.counters["tables_MiB"] = static_cast<double>(tables) / (1 << 20);
  state.counters["tables_ratio"] = static_cast<double>(tables) / files;
  state.counters["peak_MiB"] = peak / (1 << 20);
  state.counters["peak_ratio"] = peak / files;
}
BENCHMARK(BM_MemoryAfterLoad)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavra::bench
