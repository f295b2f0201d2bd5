#include <gtest/gtest.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>

#include "data/loader.h"
#include "platform/utf8.h"
#include "support/test_support.h"
#include "text_width.h"

namespace tavra {
namespace {

using test::Lines;

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
    fields.push_back(line.substr(start, tab - start));
  fields.push_back(line.substr(start));
  return fields;
}

// Terminal columns of the part of `line` before `text`.
int ColumnOf(const std::string& line, const std::string& text) {
  const size_t at = line.find(text);
  EXPECT_NE(at, std::string::npos) << text << " in " << line;
  return cli::DisplayWidth(Utf8ToUtf16(line.substr(0, at)));
}

// tavra-cli's standard output when it is a terminal.
std::string RunOnTerminal(const std::vector<std::string>& args, bool noColour, int width = 80) {
  std::vector<std::string> argv = {std::string(TAVRA_BUILD_DIR) + "/tavra-cli"};
  argv.insert(argv.end(), args.begin(), args.end());
  int master = -1;
  winsize size{};
  size.ws_row = 50;
  size.ws_col = static_cast<unsigned short>(width);
  const pid_t pid = forkpty(&master, nullptr, nullptr, &size);
  if (pid == 0) {
    if (noColour)
      setenv("NO_COLOR", "1", 1);
    else
      unsetenv("NO_COLOR");
    std::vector<char*> raw;
    for (auto& a : argv) raw.push_back(a.data());
    raw.push_back(nullptr);
    execv(raw[0], raw.data());
    _exit(127);
  }
  std::string out;
  char buf[4096];
  for (ssize_t n; (n = read(master, buf, sizeof buf)) > 0;) out.append(buf, static_cast<size_t>(n));
  int status = 0;
  waitpid(pid, &status, 0);
  close(master);
  return out;
}

class CliQueries : public ::testing::Test {
 protected:
  void SetUp() override {
    auto files = test::Compile(test::SmallNetwork());
    dir_.Write(kIndexFileName, files.index);
    dir_.Write(kRecordFileName, files.records);
  }
  test::CliRun Run(std::vector<std::string> args, const std::string& format = "tsv") {
    args.insert(args.begin(), {"--data-dir", dir_.path(), "--format", format});
    return test::RunCli(args);
  }
  test::TempDir dir_;
};

TEST_F(CliQueries, TsvLinesAreTheListTextsThenTheCount) {
  test::CliRun r = Run({"between", "北京", "上海"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  auto lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 2u);
  auto f = Fields(lines[0]);
  ASSERT_EQ(f.size(), 15u);   // the hidden sort column is not shown
  EXPECT_EQ(f[0], " T109 ");  // blanks as the list holds them
  EXPECT_EQ(f[1], "北京");
  EXPECT_EQ(f[2], "20:00");
  EXPECT_EQ(f[3], "上海");
  EXPECT_EQ(f[4], "10:30");
  EXPECT_EQ(f[5], "北京-上海");
  EXPECT_EQ(f[7], "1463");
  EXPECT_EQ(f[8], "14:30");
  EXPECT_EQ(lines[1], "共:1");

  r = Run({"between", "", "上海"});  // every train arriving, from its origin
  lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(Fields(lines[0])[1] + Fields(lines[1])[1], "北京北京西");  // by arrival call order
  EXPECT_EQ(lines[2], "共:2");

  r = Run({"train", "k4", "station", "天津"});  // queries one after another
  lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(Fields(lines[0])[0], " K1/K4");
  EXPECT_EQ(lines[1], "共:1");
  EXPECT_EQ(lines[4], "共:2");  // 1461 ends at 天津 (listed from 北京), T109 leaves for 上海
}

TEST_F(CliQueries, JsonCarriesValuesColoursAndCount) {
  test::CliRun r = Run({"station", "天津", "version"}, "json");
  ASSERT_EQ(r.status, 0) << r.err;
  const auto doc = nlohmann::json::parse(r.out);  // one document for the whole run
  ASSERT_TRUE(doc.is_array());
  ASSERT_EQ(doc.size(), 2u);
  const auto& list = doc[0];
  EXPECT_EQ(list["command"], "station");
  EXPECT_EQ(list["columns"][0], "车次");
  EXPECT_EQ(list["count"], 2);
  EXPECT_EQ(list["label"], "共:2");
  ASSERT_EQ(list["rows"].size(), 2u);
  // 1461 ends at 天津 (blue); T109 leaves it (black); both on white. Texts trimmed, the
  // distance a number, prices numbers or null.
  std::set<std::string> trains;
  for (const auto& row : list["rows"]) {
    const auto& cells = row["cells"];
    trains.insert(cells[0].get<std::string>());
    EXPECT_EQ(row["textColors"][0], cells[0] == "1461" ? "blue" : "black");
    EXPECT_EQ(row["backColors"][0], "white");
    EXPECT_TRUE(cells[7].is_number_integer()) << cells[7];
    for (size_t c = 9; c < 13; ++c) EXPECT_TRUE(cells[c].is_number() || cells[c].is_null()) << c;
  }
  EXPECT_EQ(trains, (std::set<std::string>{"1461", "T109"}));
  EXPECT_EQ(doc[1], (nlohmann::json{{"command", "version"}, {"version", "20240101"}}));
  // jsonl: the same results, one document a line.
  r = Run({"station", "天津", "version"}, "jsonl");
  const auto lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(nlohmann::json::parse(lines[0]), doc[0]);
  EXPECT_EQ(nlohmann::json::parse(lines[1]), doc[1]);
}

TEST_F(CliQueries, TableAlignsWideCharactersAndColoursOnlyATerminal) {
  test::CliRun r = Run({"between", "北京", "上海"}, "table");
  auto lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(ColumnOf(lines[0], "发站"), ColumnOf(lines[1], "北京"));
  EXPECT_EQ(ColumnOf(lines[0], "到站"), ColumnOf(lines[1], "上海"));
  EXPECT_EQ(ColumnOf(lines[0], "历时"), ColumnOf(lines[1], "14:30"));
  EXPECT_EQ(lines[1].rfind("T109 ", 0), 0u);  // no blanks around cells for people
  EXPECT_EQ(lines[2], "共:1");
  EXPECT_EQ(r.out.find("\x1b["), std::string::npos);  // not a terminal

  const std::vector<std::string> args = {"--data-dir", dir_.path(), "between", "北京", "上海"};
  const std::string coloured = RunOnTerminal(args, false);
  EXPECT_NE(coloured.find("\x1b[31mT109"), std::string::npos) << coloured;  // boards at the origin
  EXPECT_EQ(RunOnTerminal(args, true).find("\x1b["), std::string::npos);
}

TEST_F(CliQueries, InputProblemsExitWithOneAndSayWhy) {
  struct Case {
    std::vector<std::string> args;
    std::string err;
  };
  for (const Case& c :
       {Case{{"between", "南极", "上海"}, "无此发站！\n"},
        Case{{"between", "", ""}, "发站或到站信息为空，请输入发站或到站\n"},
        Case{{"between", "北", "上海"},  // the query ignores it; the terminal says why
             "tavra-cli: \"北\" is neither a station name (names have two characters or more) "
             "nor the spelling initials of a station\n"},
        Case{{"station", "  "}, "车站信息为空，请输入车站\n"},
        Case{{"train", "Z99"}, "无此车次，请核对后重新输入要查询的车次\n"},
        Case{{"train", std::string(1000, 'x')}, "车次信息输入有误，请核对后重新输入要查询的车次\n"},
        Case{{"between", "\xFF\xFE", std::string(3000, '\x80')}, "无此发站！\n"}}) {
    test::CliRun r = Run(c.args);
    EXPECT_EQ(r.status, 1) << c.args[0] << " " << c.args[1];
    EXPECT_EQ(r.err, c.err) << c.args[0] << " " << c.args[1];
    EXPECT_EQ(r.out, "") << c.args[0] << " " << c.args[1];
  }
  // No direct train is an answer, not a problem; the change is declined without a terminal.
  test::CliRun r = Run({"between", "天津", "北京西"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "共:0\n");
  EXPECT_EQ(r.err, "两站之间无直达车，是否要进行中转站选择? [y/N] N\n");
  // A later command does not run after a failed one.
  r = Run({"train", "Z99", "version"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(Run({"between", "北京"}).status, 1);  // a missing argument is a usage error
}

// On the sample timetable beside the program.
TEST(CliOnSample, QueriesEndToEnd) {
  test::CliRun r = test::RunCli({"--format", "tsv", "between", "北京", "上海"});
  ASSERT_EQ(r.status, 0) << r.err;
  auto lines = Lines(r.out);
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines.back(), "共:" + std::to_string(lines.size() - 1));
  for (size_t i = 0; i + 1 < lines.size(); ++i) {
    auto f = Fields(lines[i]);
    ASSERT_EQ(f.size(), 15u) << lines[i];
    EXPECT_EQ(f[1], "北京");
    EXPECT_EQ(f[3], "上海");
  }

  // The first of those trains, typed in lower case, is found from origin to terminus.
  const auto first = Fields(lines[0]);
  std::string typed = first[0].substr(1, first[0].find(' ', 1) - 1);  // the run number
  for (char& c : typed) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  r = test::RunCli({"--format", "tsv", "train", typed});
  ASSERT_EQ(r.status, 0) << r.err;
  bool listed = false;
  for (const auto& line : Lines(r.out))
    listed |= Fields(line).size() == 15 && Fields(line)[5] == first[5];
  EXPECT_TRUE(listed) << typed << "\n" << r.out;

  r = test::RunCli({"--format", "json", "station", "北京"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("\"count\":"), std::string::npos);
  r = test::RunCli({"station", "北京"});  // the table for people
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.rfind("车次", 0), 0u);
}

// A table on a terminal keeps to its width: the columns a reader needs first always, the
// others while they fit; --wide and piped output show every column.
TEST(CliOnSample, TableFitsTheTerminalWidth) {
  const std::vector<std::string> args = {"between", "北京南", "上海虹桥"};
  auto widest = [](const std::string& out) {
    int w = 0;
    for (std::string line : Lines(out)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      w = std::max(w, cli::DisplayWidth(Utf8ToUtf16(line)));
    }
    return w;
  };
  const std::string piped = test::RunCli(args).out;
  const int full = widest(piped);
  ASSERT_GT(full, 120);
  std::vector<size_t> headerSizes;
  for (int width : {80, 120, 200}) {
    const std::string out = RunOnTerminal(args, true, width);
    const std::string header = Lines(out).at(0);
    EXPECT_LE(widest(out), std::min(width, full)) << width << "\n" << out;
    for (const char* needed : {"车次", "发站", "发时", "到站", "到时", "历时"})
      EXPECT_NE(header.find(needed), std::string::npos) << width << ": " << header;
    std::stringstream names(header);
    size_t count = 0;
    for (std::string name; names >> name;) ++count;
    headerSizes.push_back(count);
    EXPECT_EQ(Lines(out).size(), Lines(piped).size());
  }
  EXPECT_LT(headerSizes[0], headerSizes[1]);  // more room, more columns
  EXPECT_EQ(widest(RunOnTerminal(args, true, 200)), full);
  std::vector<std::string> wide = args;
  wide.insert(wide.begin(), "--wide");
  EXPECT_EQ(widest(RunOnTerminal(wide, true, 80)), full);
}

}  // namespace
}  // namespace tavra
