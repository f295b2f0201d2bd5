#include <gtest/gtest.h>

#include <filesystem>

#include "data/loader.h"
#include "datatool/checker.h"
#include "datatool/compiler.h"
#include "datatool/dumper.h"
#include "datatool/generator.h"
#include "datatool/source_reader.h"
#include "support/test_support.h"

namespace tavra::datatool {
namespace {

// build -> dump -> build gives the same bytes, and the dump reads back as the same source.
void ExpectRoundTrip(const TimetableSource& source) {
  DataFiles first;
  std::vector<SourceError> errors;
  ASSERT_TRUE(CompileSource(source, first, errors)) << (errors.empty() ? "" : errors[0].Text());
  EXPECT_TRUE(CheckDataFiles(first.index, first.records).empty());

  TimetableData data;
  ASSERT_EQ(LoadTimetableFromBytes(data, first.index, first.records), kLoadComplete);
  TimetableSource dumped;
  ASSERT_TRUE(DumpTimetable(data, dumped, errors));

  // Through the files, as a publisher would: write the dump, read it back, build again.
  std::vector<SourceFile> files;
  for (auto& [name, text] : FormatSource(dumped)) files.push_back({name, text});
  TimetableSource reread;
  ParseSource(files, reread, errors);
  ASSERT_TRUE(errors.empty()) << errors[0].Text();
  DataFiles second;
  ASSERT_TRUE(CompileSource(reread, second, errors));
  EXPECT_EQ(first.index, second.index);
  EXPECT_TRUE(first.records == second.records) << "record files differ";
}

TEST(RoundTrip, SmallNetworkWithEveryFareTable) {
  test::Source s = test::SmallNetwork();
  std::vector<SourceFile> files = {
      {"version.txt", s.version},
      {"stations.tsv", s.stations},
      {"trains.tsv", s.trains + "Z1\t1\t1011\t1\t1,0,0\t\tx\n"},
      {"stops.tsv", s.stops},
      {"rates.tsv",
       "train\tcommon\thard_seat\tsoft_"
       "seat\tberth\textra\n1461\t0\t10\t0\t5\t3\nT109\t20\t0\t0\t0\t0\n"},
      {"station_fares.tsv",
       "from\tto\ttrain\thard_seat\tsoft_seat\ths_upper\ths_middle\ths_lower\tss_upper\tss_"
       "lower\tsecond\tfirst\n"
       "北京\t天津\tT109\t125\t0\t0\t0\t0\t0\t0\t0\t0\n"
       "天津\t上海\tT109\t1500\t1\t2\t3\t4\t5\t6\t7\t8\n"
       "北京\t上海\tT109\t1775\t0\t3045\t3155\t3255\t4765\t4975\t0\t0\n"},
      {"spare.tsv", "1234567890123\n"}};
  TimetableSource source;
  std::vector<SourceError> errors;
  ParseSource(files, source, errors);
  ASSERT_TRUE(errors.empty()) << errors[0].Text();
  ExpectRoundTrip(source);
}

TEST(RoundTrip, DumpKeepsTheNumberTextsOwnOrder) {
  test::Source s = test::SmallNetwork();
  s.trains += "K7/K10\tA\t1011\t1\t1,0,0\n";
  s.stops += "K7/K10\t北京\t\t0100\t0\t0\t\t\nK7/K10\t天津\t0200\t\t0\t137\tK10\t\n";
  auto data = test::Load(s);
  TimetableSource dumped;
  std::vector<SourceError> errors;
  ASSERT_TRUE(DumpTimetable(*data, dumped, errors));
  ASSERT_EQ(dumped.trains.back().number, "K7/K10");
  EXPECT_TRUE(dumped.trains.back().numbers.empty());
  EXPECT_EQ(dumped.stops.back().run, "K10");
  EXPECT_EQ(dumped.stops[dumped.stops.size() - 2].run, "");
}

TEST(RoundTrip, GeneratedTimetableAtTheFormatsLimits) {
  TimetableSource source = GenerateTimetable({});
  EXPECT_EQ(source.stations.size(), 9998u);
  EXPECT_EQ(source.trains.size(), 9998u);
  EXPECT_EQ(source.stops.size(), 99998u);
  ExpectRoundTrip(source);
}

TEST(RoundTrip, GeneratorIsDeterministic) {
  auto a = FormatSource(GenerateTimetable({200, 100, 1000, 7}));
  auto b = FormatSource(GenerateTimetable({200, 100, 1000, 7}));
  auto c = FormatSource(GenerateTimetable({200, 100, 1000, 8}));
  EXPECT_EQ(a, b);
  EXPECT_NE(a, c);
}

TEST(RoundTrip, SampleTimetable) {
  TimetableSource source;
  std::vector<SourceError> errors;
  ReadSource(TAVRA_SAMPLE_SOURCE, source, errors);
  ASSERT_TRUE(errors.empty()) << errors[0].Text();
  EXPECT_GT(source.trains.size(), 0u);
  ExpectRoundTrip(source);
}

}  // namespace
}  // namespace tavra::datatool
