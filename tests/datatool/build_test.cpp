#include <gtest/gtest.h>

#include <filesystem>

#include "data/loader.h"
#include "data/record_fields.h"
#include "datatool/compiler.h"
#include "datatool/generator.h"
#include "support/test_support.h"

namespace tavra::datatool {
namespace {

std::vector<std::string> ErrorsOf(const test::Source& s) {
  std::vector<SourceFile> files = {{"version.txt", s.version},
                                   {"stations.tsv", s.stations},
                                   {"trains.tsv", s.trains},
                                   {"stops.tsv", s.stops}};
  files.insert(files.end(), s.extra.begin(), s.extra.end());
  TimetableSource parsed;
  std::vector<SourceError> errors;
  ParseSource(files, parsed, errors);
  std::vector<std::string> texts;
  for (const auto& e : errors) texts.push_back(e.Text());
  return texts;
}

bool Has(const std::vector<std::string>& errors, const std::string& text) {
  for (const auto& e : errors)
    if (e.find(text) != std::string::npos) return true;
  return false;
}

TEST(BuildErrors, EveryErrorIsReportedWithFileLineAndColumn) {
  test::Source s = test::SmallNetwork();
  s.version = "12x\n";
  s.stations +=
      "北京\tBJ2\n"        // line 8: duplicate name, bad key
      "乌鲁木齐南站\tW\n"  // line 9: six characters
      "한국\tHG\n";        // line 10: not encodable in GBK
  s.trains +=
      "T109\t2\t1013\t2\t1,500,0\n"    // line 5: duplicate, bad seats, aircon, percentage
      "G1\tG\t0600\t1\t1,0,0;4,0,0\n"  // line 6: second segment without tariff
      "K99999\tA\t1011\t1\t1,0,0\n";   // line 7: a number too long
  s.stops +=
      "G1\t南京\t\t0800\t4\t-5\t\t\n"             // line 10: unknown station, day, km
      "1461\t北京西\t2500\t\t0\t200\t\t1,2,3\n";  // line 11: after 1461's run ended
  auto errors = ErrorsOf(s);
  EXPECT_TRUE(Has(errors, "version.txt:1:1: \"12x\" is not a signed 32-bit whole number"));
  EXPECT_TRUE(Has(errors, "stations.tsv:8:2: key \"BJ2\""));
  EXPECT_TRUE(Has(errors, "stations.tsv:8:1: station \"北京\" is listed twice (first at line 3)"));
  EXPECT_TRUE(Has(errors, "stations.tsv:9:1: station name \"乌鲁木齐南站\" has 6 characters"));
  EXPECT_TRUE(Has(
      errors, "stations.tsv:10:1: station name \"한국\" has a character that GBK cannot encode"));
  EXPECT_TRUE(Has(errors, "trains.tsv:5:1: train \"T109\" is listed twice (first at line 2)"));
  EXPECT_TRUE(Has(errors, "trains.tsv:5:3: seats \"1013\""));
  EXPECT_TRUE(Has(errors, "trains.tsv:5:4: \"2\" is not allowed"));
  EXPECT_TRUE(Has(errors, "trains.tsv:5:5: fare segment 1"));
  EXPECT_TRUE(Has(errors, "trains.tsv:6:5: fare segment 2"));
  EXPECT_TRUE(Has(errors, "trains.tsv:7:1: train number \"K99999\""));
  EXPECT_TRUE(Has(errors, "stops.tsv:11:3: \"2500\" is not a time"));
  EXPECT_TRUE(Has(errors, "stops.tsv:11:8: \"1,2,3\" has 3 distances"));
  EXPECT_TRUE(Has(
      errors, "stops.tsv:11:1: the calls of train \"1461\" must stand together (first at line 8)"));
  EXPECT_TRUE(Has(errors, "stops.tsv:10:2: station \"南京\" is not in stations.tsv"));
  EXPECT_TRUE(Has(errors, "stops.tsv:10:5: \"4\" is not a whole number from 0 to 3"));
  EXPECT_TRUE(Has(errors, "stops.tsv:10:6: \"-5\" is not a whole number from 0 to 9999"));
  EXPECT_TRUE(Has(errors, "stops.tsv:10:1: train \"G1\" has one call"));
}

TEST(BuildErrors, HeadersMissingFilesAndFareTables) {
  test::Source s = test::SmallNetwork();
  s.trains = "train\tclass\tseats\tfares\tcolour\n";
  s.extra = {{"fare_bands.tsv",
              "tariff\tfrom_km\tto_km\thard_seat\tsoft_seat\texpress\ths_upper\ths_middle\ths_"
              "lower\tss_upper\tss_"
              "lower\taircon\tac_hard_seat\tac_soft_seat\tac_express\tac_hs_upper\tac_hs_"
              "middle\tac_hs_lower\tac_ss_"
              "upper\tac_ss_lower\tac_aircon\n"
              "101\t1\t200\t1\t2\t3\t4\t5\t6\t7\t8\t9\t1\t2\t3\t4\t5\t6\t7\t8\t9\n"
              "101\t150\t300\t1\t2\t3\t4\t5\t6\t7\t8\t9\t1\t2\t3\t4\t5\t6\t7\t8\t1000\n"},
             {"rates.tsv",
              "train\tcommon\thard_seat\tsoft_seat\tberth\nZ9\t1\t2\t3\t4\nT109\t0\t0\t0\t0\t7\n"},
             {"spare.tsv", "exactly13char\ntoo short\n"}};
  auto errors = ErrorsOf(s);
  EXPECT_TRUE(Has(errors, "trains.tsv:1:5: unknown column \"colour\""));
  EXPECT_TRUE(Has(errors, "trains.tsv:1: the required column \"aircon\" is missing"));
  EXPECT_TRUE(Has(errors, "stops.tsv:2:1: train \"T109\" is not in trains.tsv"));
  EXPECT_TRUE(Has(
      errors, "fare_bands.tsv:3:2: the band 150-300 km of tariff \"101\" overlaps the band 1-200"));
  EXPECT_TRUE(Has(errors, "fare_bands.tsv:3:21: \"1000\" is not a whole number from 0 to 999"));
  EXPECT_TRUE(Has(errors, "rates.tsv:2:1: train \"Z9\" is not in trains.tsv"));
  EXPECT_TRUE(Has(errors, "rates.tsv:3:6: the line has 6 fields but the header names 5"));
  EXPECT_TRUE(Has(errors, "spare.tsv:2:1: the line takes 9 bytes"));

  test::Source missing;
  missing.version = "";
  auto none = ErrorsOf(missing);
  EXPECT_TRUE(Has(none, "version.txt: the file holds no version number"));
  EXPECT_TRUE(Has(none, "stations.tsv: the file has no header line"));
}

TEST(BuildErrors, NothingIsWrittenWhenTheSourceHasErrors) {
  test::TempDir source, out;
  test::Source s = test::SmallNetwork();
  source.Write("version.txt", s.version);
  source.Write("stations.tsv", s.stations);
  source.Write("trains.tsv", s.trains);
  source.Write("stops.tsv", s.stops + "T109\t北京\t\t\t0\t0\t\t\n");
  out.Write(kIndexFileName, "old index");
  std::vector<SourceError> errors;
  EXPECT_FALSE(BuildTimetable(source.path(), out.path(), errors));
  ASSERT_FALSE(errors.empty());
  EXPECT_EQ(std::filesystem::file_size(out.File(kIndexFileName)), 9u);
  EXPECT_FALSE(std::filesystem::exists(out.File(kRecordFileName)));

  source.Write("stops.tsv", s.stops);
  errors.clear();
  EXPECT_TRUE(BuildTimetable(source.path(), out.path(), errors));
  EXPECT_EQ(std::filesystem::file_size(out.File(kIndexFileName)), 68u);
}

TEST(BuildLayout, IndexesAndOrdersTheProgramSearchesBy) {
  test::Source s = test::SmallNetwork();
  s.trains +=
      "G7\tG\t0600\t1\t1,0,0\n"
      "D7\tD\t0600\t1\t1,0,0\n"
      "7\t4\t1000\t0\t1,0,0\n"
      "6001\t4\t1000\t0\t1,0,0\tW7/6001\n";
  auto data = test::Load(s);
  auto rec = [&](Section k, int r) { return std::u16string(data->Table(k).Record(r)); };
  // Letter index: by number part, then prefix (blank first); "1" orders before "109".
  const std::u16string letterOrder[] = {u"K1   ", u"T109 ", u"K4   ", u" 7   ",
                                        u"D7   ", u"G7   ", u"W7   "};
  ASSERT_EQ(data->Table(LetterTrainIndex).size(), 7);
  for (int r = 0; r < 7; ++r)
    EXPECT_EQ(Field(rec(LetterTrainIndex, r), letter_index_record::kKey), letterOrder[r]) << r;
  ASSERT_EQ(data->Table(NumberTrainIndex).size(), 2);
  EXPECT_EQ(Field(rec(NumberTrainIndex, 0), number_index_record::kNumber), u"1461 ");
  EXPECT_EQ(rec(NumberTrainIndex, 1),
            u"6001 0006");  // the train's own row 6, under its second number
  // Digit buckets: number-index rows, then letter-index rows, "9999" where none.
  EXPECT_EQ(rec(TrainDigitTable, 1), u"0000000000000001");
  EXPECT_EQ(rec(TrainDigitTable, 6), u"0001000199999999");
  EXPECT_EQ(rec(TrainDigitTable, 7), u"9999999900030006");
  EXPECT_EQ(rec(TrainDigitTable, 0), u"9999999999999999");
  // Key letters: B -> key rows 0-1.
  EXPECT_EQ(rec(KeyLetterTable, 1), u"00000001");
  EXPECT_EQ(rec(KeyLetterTable, 0), u"99999999");
  // Calls at a station by time: 1461 leaves 北京 at 1140, T109 at 2000.
  using stop_record::kDepart, stop_record::kStation;
  EXPECT_EQ(Field(rec(StopTable, 0), kStation), Field(rec(StopTable, 1), kStation));
  EXPECT_EQ(Field(rec(StopTable, 0), kDepart), u"1140");
  EXPECT_EQ(Field(rec(StopTable, 1), kDepart), u"2000");
}

}  // namespace
}  // namespace tavra::datatool

namespace tavra::datatool {
namespace {

TEST(BuildLimits, NumberIndexesHoldAtMost9998Numbers) {
  TimetableSource source = GenerateTimetable({100, 5000, 10000, 2});
  for (auto& t : source.trains)
    t.numbers = {"K" + std::to_string(&t - source.trains.data() + 1),
                 "T" + std::to_string(&t - source.trains.data() + 1)};
  std::vector<SourceError> errors;
  DataFiles files;
  EXPECT_FALSE(CompileSource(source, files, errors));
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].message.find("at most 9998"), std::string::npos);
  source.trains[0].numbers = {"K"};
  errors.clear();
  EXPECT_FALSE(CompileSource(source, files, errors));
  EXPECT_NE(errors[0].Text().find("train number \"K\""), std::string::npos);
}

}  // namespace
}  // namespace tavra::datatool
