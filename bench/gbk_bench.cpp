// GBK decoding throughput on the records of the generated timetable, and on Chinese text.
#include <benchmark/benchmark.h>

#include <string>

#include "bench_data.h"
#include "data/loader.h"
#include "platform/file_io.h"
#include "platform/gbk_codec.h"
#include "platform/program_dir.h"

namespace tavra::bench {
namespace {

void Decode(benchmark::State& state, const std::string& bytes) {
  std::u16string out(bytes.size(), u'\0');
  for (auto _ : state) {
    size_t n =
        DecodeGbk(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), out.data());
    benchmark::DoNotOptimize(n);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}

void BM_DecodeRecordFile(benchmark::State& state) {
  std::string records, error;
  ReadWholeFile(JoinPath(LimitsDataDir(), kRecordFileName), records, error);
  Decode(state, records);
}
BENCHMARK(BM_DecodeRecordFile);

void BM_DecodeChineseText(benchmark::State& state) {
  std::string text;
  while (text.size() < (1 << 20)) text += Utf16ToGbk(u"北京西上海虹桥乌鲁木齐南哈尔滨广州东");
  Decode(state, text);
}
BENCHMARK(BM_DecodeChineseText);

void BM_EncodeChineseText(benchmark::State& state) {
  std::u16string text;
  while (text.size() < (1 << 19)) text += u"北京西上海虹桥乌鲁木齐南哈尔滨广州东";
  for (auto _ : state) benchmark::DoNotOptimize(Utf16ToGbk(text));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size() * 2));
}
BENCHMARK(BM_EncodeChineseText);

}  // namespace
}  // namespace tavra::bench
