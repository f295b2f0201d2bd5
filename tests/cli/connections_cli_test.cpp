// tavra-cli connections on the sample timetable.
#include <gtest/gtest.h>

#include <sstream>

#include "app/journey_rows.h"
#include "data/loader.h"
#include "support/test_support.h"

namespace tavra {
namespace {

std::vector<std::vector<std::string>> TsvLines(const std::string& text) {
  std::vector<std::vector<std::string>> lines;
  std::stringstream in(text);
  for (std::string line; std::getline(in, line);) {
    std::vector<std::string> cells;
    std::stringstream fields(line);
    for (std::string cell; std::getline(fields, cell, '\t');) cells.push_back(cell);
    if (!line.empty() && line.back() == '\t') cells.emplace_back();
    lines.push_back(cells);
  }
  return lines;
}

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(' '), last = text.find_last_not_of(' ');
  return first == std::string::npos ? "" : text.substr(first, last - first + 1);
}

// The journeys' legs as tsv, numbered, with the same times and prices as the core's answer
// and the leg's prices as the station-to-station list shows them.
TEST(CliConnections, TsvLegsMatchTheSearchAndTheLists) {
  const test::CliRun run = test::RunCli({"--format", "tsv", "connections", "天津", "乌鲁木齐"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto lines = TsvLines(run.out);
  ASSERT_GE(lines.size(), 3u);
  TimetableData data;
  ASSERT_EQ(LoadTimetable(data, TAVRA_BUILD_DIR), kLoadComplete);
  const JourneyAnswer answer = FindJourneys(data, u"天津", u"乌鲁木齐", {});
  ASSERT_FALSE(answer.journeys.empty());
  EXPECT_EQ(lines.back(), std::vector<std::string>{"共:" + std::to_string(answer.journeys.size())});
  size_t line = 0;
  for (size_t n = 0; n < answer.journeys.size(); ++n)
    for (int leg = 0; leg < answer.journeys[n].plan.legCount; ++leg, ++line) {
      const auto& cells = lines[line];
      ASSERT_EQ(cells.size(), 26u) << line;
      EXPECT_EQ(cells[0], std::to_string(n + 1));
      EXPECT_EQ(cells[8], leg ? std::to_string(answer.journeys[n].plan.wait) : "");
      EXPECT_EQ(cells[17], std::to_string(answer.journeys[n].plan.minutes));
    }
  EXPECT_EQ(line + 1, lines.size());

  // The first leg of the first journey in the list of its two stations.
  const auto& first = lines[0];
  const test::CliRun list = test::RunCli({"--format", "tsv", "between", first[2], first[4]});
  bool found = false;
  for (const auto& row : TsvLines(list.out))
    if (row.size() > 9 && Trimmed(row[0]) == first[1] && row[2] == first[3]) {
      found = true;
      EXPECT_EQ(row[9], first[9]);    // hard seat
      EXPECT_EQ(row[13], first[13]);  // hard sleepers
      EXPECT_EQ(row[8], first[7]);    // running time
    }
  EXPECT_TRUE(found) << list.out;
}

TEST(CliConnections, JsonWithDirectTrainsAndTheLimit) {
  const test::CliRun run = test::RunCli(
      {"--format", "json", "connections", "北京", "哈尔滨", "--include-direct", "--limit", "40"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.rfind("[{\"command\":\"connections\",\"journeys\":[{\"depart\":\"", 0), 0u)
      << run.out;
  // Direct trains and changes ranked together.
  EXPECT_NE(run.out.find("\"wait\":null"), std::string::npos);
  EXPECT_NE(run.out.find("\"change\":[\""), std::string::npos);
  EXPECT_NE(run.out.find("\"legs\":[{\"train\":"), std::string::npos);
  const size_t count = run.out.find("\"count\":");
  ASSERT_NE(count, std::string::npos);
  const int n = std::stoi(run.out.substr(count + 8));
  EXPECT_GT(n, 0);
  EXPECT_LE(n, 40);
}

TEST(CliConnections, BadRequestsAndNoJourney) {
  auto run = [](std::vector<std::string> args) {
    args.insert(args.begin(), "connections");
    return test::RunCli(args);
  };
  EXPECT_EQ(run({"天律", "郑州"}).err.substr(0, 15), "无此发站！");
  EXPECT_EQ(run({"天津", "郑洲"}).status, 1);
  EXPECT_EQ(run({"天津", "天津"}).status, 1);
  EXPECT_EQ(run({"天津西", "天津"}).status, 1);
  EXPECT_EQ(run({"天津", "郑州", "--max-wait", "-5"}).status, 1);
  EXPECT_EQ(run({"天津", "郑州", "--min-change", "1440"}).status, 1);
  EXPECT_EQ(run({"天津", "郑州", "--limit", "x"}).status, 1);
  // No wait can be as short as 0 minutes with a change time of 20.
  const test::CliRun none = run({"天津", "郑州", "--max-wait", "0"});
  EXPECT_EQ(none.status, 0);
  EXPECT_EQ(none.out.substr(none.out.find("共:")), "共:0\n");
}

}  // namespace
}  // namespace tavra
