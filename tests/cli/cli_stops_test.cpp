// tavra-cli's stops, transfers and between --transfer, end to end on the sample timetable.
#include <gtest/gtest.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sstream>

#include "support/test_support.h"

namespace tavra {
namespace {

using test::Lines;

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::stringstream in(line);
  for (std::string f; std::getline(in, f, '\t');) fields.push_back(f);
  if (!line.empty() && line.back() == '\t') fields.emplace_back();
  return fields;
}

test::CliRun Tsv(std::vector<std::string> args) {
  args.insert(args.begin(), {"--format", "tsv"});
  return test::RunCli(args);
}

// The sample's two busiest stations have no direct train between them.
constexpr const char* kFrom = "上海虹桥";
constexpr const char* kTo = "广州南";

TEST(CliStops, StopListOfAResultLine) {
  const test::CliRun list = Tsv({"between", "北京", "上海"});
  const test::CliRun r = Tsv({"between", "北京", "上海", "stops", "2"});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto lines = Lines(r.out), listLines = Lines(list.out);
  const size_t n = listLines.size();  // the list and its count come first
  ASSERT_GT(lines.size(), n + 3);
  const std::string train = Fields(listLines[1])[0];
  EXPECT_EQ(lines[n], "车次:" + train + " 全程:" + Fields(lines.back())[5] + "km");
  EXPECT_EQ(lines[n + 1].rfind("历时:", 0), 0u);
  EXPECT_NE(lines[n + 1].find("km/h"), std::string::npos);
  const auto first = Fields(lines[n + 2]), last = Fields(lines.back());
  ASSERT_EQ(first.size(), 7u) << lines[n + 2];
  EXPECT_EQ(first[0], " 1");
  EXPECT_EQ(first[2], "");  // no arrival and no speed at the origin
  EXPECT_EQ(first[6], "");
  EXPECT_EQ(last[3], "");  // no departure at the terminus
  EXPECT_EQ(last[0], " " + std::to_string(lines.size() - n - 2));

  const test::CliRun json =
      test::RunCli({"--format", "json", "between", "北京", "上海", "stops", "2"});
  ASSERT_EQ(json.status, 0);
  EXPECT_NE(json.out.find("\"trainLabel\":\"车次:" + train), std::string::npos);
  EXPECT_NE(json.out.find("\"blue\""), std::string::npos);  // the journey in blue
}

TEST(CliStops, BadLinesAndNoQuerySayWhyAndExitWithOne) {
  const test::CliRun list = Tsv({"between", "北京", "上海"});
  const size_t lines = Lines(list.out).size() - 1;
  for (const std::string& line :
       {std::string("0"), std::string("-1"), std::to_string(lines + 1), std::string("x"),
        std::string("1.5"), std::string(""), std::string(40, '9')}) {
    const test::CliRun r = Tsv({"between", "北京", "上海", "stops", line});
    EXPECT_EQ(r.status, 1) << line;
    EXPECT_EQ(r.out, list.out) << line;
    EXPECT_NE(r.err.find("a result line is a number from 1 to " + std::to_string(lines)),
              std::string::npos)
        << line << r.err;
  }
  const test::CliRun r = Tsv({"stops", "1"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("give a query before it"), std::string::npos);
}

TEST(CliTransfers, CandidatesAndBothLegs) {
  const char* const from = "石家庄";  // no direct train to 上海虹桥 either
  const char* const to = "上海虹桥";
  test::CliRun r = Tsv({"transfers", from, to});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto candidates = Lines(r.out);
  ASSERT_FALSE(candidates.empty());
  for (const auto& line : candidates) {
    const auto f = Fields(line);
    ASSERT_EQ(f.size(), 6u) << line;
    EXPECT_EQ(std::stoi(f[1]), std::stoi(f[2]) + std::stoi(f[3])) << line;
    EXPECT_GE(std::stoi(f[4]), 1);
    EXPECT_GE(std::stoi(f[5]), 1);
  }
  // A change lists the trains of both legs, the second in red; the count is theirs. (A
  // pooled city station lists only its own trains, so one with trains on both legs.)
  auto count = [](const test::CliRun& run) { return Lines(run.out).size() - 1; };
  std::string station;
  size_t firstLeg = 0, secondLeg = 0;
  for (const auto& line : candidates) {
    station = Fields(line)[0].substr(1);
    firstLeg = count(Tsv({"between", from, station}));
    secondLeg = count(Tsv({"between", station, to}));
    if (firstLeg > 0 && secondLeg > 0) break;
  }
  ASSERT_GT(firstLeg, 0u);
  ASSERT_GT(secondLeg, 0u);
  r = Tsv({"between", from, to, "--transfer", station});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(count(r), firstLeg + secondLeg);
  EXPECT_EQ(Lines(r.out).back(), "共:" + std::to_string(firstLeg + secondLeg));
  EXPECT_EQ(r.err, "两站之间无直达车，是否要进行中转站选择? [y/N] y\n");
  r = test::RunCli({"--format", "json", "between", from, to, "--transfer", station});
  const std::string lastRow = r.out.substr(r.out.rfind("{\"cells\""));
  EXPECT_NE(lastRow.find("\"textColors\":[\"red\""), std::string::npos) << lastRow;
  // And its lines open their stop lists.
  EXPECT_EQ(Tsv({"between", from, to, "--transfer", station, "stops",
                 std::to_string(firstLeg + secondLeg)})
                .status,
            0);

  // With a direct train the flag changes nothing.
  EXPECT_EQ(Tsv({"between", "北京", "上海", "--transfer", station}).out,
            Tsv({"between", "北京", "上海"}).out);
}

TEST(CliTransfers, RefusedOrUnknownStationsAndNoAnswer) {
  struct Case {
    std::vector<std::string> flags;
    int status;
    std::string err;
  };
  const std::string question = "两站之间无直达车，是否要进行中转站选择? [y/N] ";
  for (const Case& c :
       {Case{{"--transfer", kTo}, 1, question + "y\n请重新输入中转站\n"},
        Case{{"--transfer", kFrom}, 1, question + "y\n请重新输入中转站\n"},
        Case{{"--transfer", "火星"}, 1, question + "y\n无此到站！\n"},
        Case{{"--transfer", std::string(500, 'x')}, 1, question + "y\n无此到站！\n"},
        Case{{"--no-transfer"}, 0, question + "N\n"},
        Case{{}, 0, question + "N\n"}}) {  // no terminal: No
    std::vector<std::string> args = {"between", kFrom, kTo};
    args.insert(args.end(), c.flags.begin(), c.flags.end());
    const test::CliRun r = Tsv(args);
    EXPECT_EQ(r.status, c.status) << r.err;
    EXPECT_EQ(r.err, c.err);
    EXPECT_EQ(r.out, "共:0\n");
  }
  EXPECT_EQ(Tsv({"between", kFrom, kTo, "--transfer"}).status, 1);
  EXPECT_EQ(Tsv({"between", kFrom, kTo, "--transfer", "北京", "--no-transfer"}).status, 1);
  const test::CliRun r = Tsv({"transfers", "火星", kTo});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "无此发站！\n");
}

// tavra-cli on a terminal that the user types `input` into; what the terminal shows.
std::string OnTerminal(const std::vector<std::string>& args, const std::string& input) {
  std::vector<std::string> argv = {std::string(TAVRA_BUILD_DIR) + "/tavra-cli", "--format", "tsv"};
  argv.insert(argv.end(), args.begin(), args.end());
  int master = -1;
  const pid_t pid = forkpty(&master, nullptr, nullptr, nullptr);
  if (pid == 0) {
    std::vector<char*> raw;
    for (auto& a : argv) raw.push_back(a.data());
    raw.push_back(nullptr);
    execv(raw[0], raw.data());
    _exit(127);
  }
  EXPECT_EQ(write(master, input.data(), input.size()), static_cast<ssize_t>(input.size()));
  std::string out;
  char buf[4096];
  for (ssize_t n; (n = read(master, buf, sizeof buf)) > 0;) out.append(buf, static_cast<size_t>(n));
  waitpid(pid, nullptr, 0);
  close(master);
  return out;
}

TEST(CliTransfers, AskedOnATerminal) {
  // Yes, then the destination (refused), then a change station.
  const std::string shown = OnTerminal({"between", "石家庄", "上海虹桥"}, "y\n上海虹桥\n南京\n");
  EXPECT_NE(shown.find("中转到达"), std::string::npos) << shown;  // the candidates
  EXPECT_NE(shown.find("请重新输入中转站"), std::string::npos) << shown;
  const size_t firstLeg = Lines(Tsv({"between", "石家庄", "南京"}).out).size() - 1;
  const size_t secondLeg = Lines(Tsv({"between", "南京", "上海虹桥"}).out).size() - 1;
  EXPECT_NE(shown.find("共:" + std::to_string(firstLeg + secondLeg)), std::string::npos) << shown;
  // An empty line cancels.
  EXPECT_NE(OnTerminal({"between", "石家庄", "上海虹桥"}, "y\n\n").find("共:0"), std::string::npos);
}

TEST(CliHelp, UsageOfEveryCommandOnStandardOutput) {
  for (const char* flag : {"--help", "-h"}) {
    const test::CliRun r = test::RunCli({flag});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    for (const char* command :
         {"between FROM TO [--city] [--transfer STATION] [--no-transfer]", "train NUMBER",
          "station NAME", "stations TYPED", "stops LINE", "transfers FROM TO", "version"})
      EXPECT_NE(r.out.find(command), std::string::npos) << command;
  }
  const test::CliRun r = test::RunCli({"frobnicate"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("unknown command 'frobnicate'"), std::string::npos);
}

}  // namespace
}  // namespace tavra
