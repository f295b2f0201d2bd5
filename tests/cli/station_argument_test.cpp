// Stations on tavra-cli's command line: typed initials, trimming, and no status 1 unexplained.
#include <gtest/gtest.h>

#include "support/test_support.h"

namespace tavra {
namespace {

size_t Count(const std::string& text, const std::string& part) {
  size_t n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

TEST(StationArguments, InitialsTrimmingAndListsOnTheSample) {
  const test::CliRun byName = test::RunCli({"--format", "tsv", "between", "北京南", "上海虹桥"});
  ASSERT_EQ(byName.status, 0) << byName.err;
  ASSERT_GT(byName.out.size(), 10u);
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"bjn", "shh"}, {"BJN", " 上海虹桥"}, {" 北京南 ", "\tshh "}}) {
    test::CliRun r = test::RunCli({"--format", "tsv", "between", args[0], args[1]});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, byName.out) << args[0] << " " << args[1];
  }
  test::CliRun station = test::RunCli({"--format", "tsv", "station", " shh"});
  EXPECT_EQ(station.status, 0);
  EXPECT_EQ(station.out, test::RunCli({"--format", "tsv", "station", "上海虹桥"}).out);

  // Several matches: listed on stderr, nothing queried.
  test::CliRun r = test::RunCli({"between", "bj", "上海"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("\n  北京\n"), std::string::npos) << r.err;
  EXPECT_EQ(r.err.find("…"), std::string::npos);
  r = test::RunCli({"station", "b"});  // more than 20: the first 20, then "…"
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(Count(r.err, "\n  "), 21u) << r.err;
  EXPECT_NE(r.err.find("\n  …\n"), std::string::npos);
}

TEST(StationArguments, EveryStatusOneIsExplained) {
  for (const auto& args : std::vector<std::vector<std::string>>{{"station", "北"},
                                                                {"station", "€"},
                                                                {"station", " "},
                                                                {"between", "北", "上海"},
                                                                {"between", "上海", "x"},
                                                                {"between", "南极", "上海"},
                                                                {"train", " "}}) {
    test::CliRun r = test::RunCli(args);
    EXPECT_EQ(r.status, 1) << args[1];
    EXPECT_EQ(r.out, "") << args[1];
    EXPECT_NE(r.err, "") << args[1];
  }
}

TEST(StationArguments, NamesBeforeInitials) {
  // "XA" is the name of one station and the initials of the other.
  test::Source s;
  s.stations = "name\tkey\nXA\tQQ\n西安\tXA\n";
  s.trains = "train\tclass\tseats\taircon\tfares\nT1\t2\t1011\t1\t1,0,0\n";
  s.stops =
      "train\tstation\tarrive\tdepart\tday\tkm\n"
      "T1\tXA\t\t0800\t0\t0\n"
      "T1\t西安\t0930\t\t0\t137\n";
  test::TempDir dir;
  dir.WriteData(test::Compile(s));
  test::CliRun r =
      test::RunCli({"--data-dir", dir.path(), "--format", "tsv", "between", "XA", "xa"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("\tXA\t08:00\t西安\t"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("共:1"), std::string::npos) << r.out;
}

TEST(EmptyAnswers, CountOfZeroAndOneLineWhy) {
  struct Case {
    std::vector<std::string> args;
    std::string why;
  };
  for (const Case& c :
       {Case{{"between", "北京", "北京"}, "北京 is both the departure and the arrival"},
        Case{{"station", "一二九公里"}, "no train calls at 一二九公里"},
        Case{{"between", "一二九公里", "北京"}, "no train calls at 一二九公里"}}) {
    std::vector<std::string> args = {"--format", "tsv"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    test::CliRun r = test::RunCli(args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "共:0\n");
    // Besides the transfer question a station-to-station query without trains asks.
    const bool asked = r.err.find("是否要进行中转站选择") != std::string::npos;
    EXPECT_EQ(Count(r.err, "\n"), asked ? 2u : 1u) << r.err;
    EXPECT_NE(r.err.find(c.why), std::string::npos) << r.err;
  }
  // Trains found: nothing on stderr. --header puts the column names first, in tsv only.
  test::CliRun r = test::RunCli({"--format", "tsv", "--header", "between", "北京南", "上海虹桥"});
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out.rfind("车次\t发站\t发时\t到站\t到时\t", 0), 0u) << r.out;
  EXPECT_EQ(r.out.substr(r.out.find('\n') + 1),
            test::RunCli({"--format", "tsv", "between", "北京南", "上海虹桥"}).out);
}

}  // namespace
}  // namespace tavra
