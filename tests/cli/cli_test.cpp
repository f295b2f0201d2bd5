#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "data/loader.h"
#include "format/record_layouts.h"
#include "support/test_support.h"

namespace tavra {
namespace {

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

std::string Quote(const std::string& arg) {
  std::string q = "'";
  for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

CliRun Cli(const std::vector<std::string>& args) {
  test::TempDir tmp;
  std::string command = std::string(TAVRA_BUILD_DIR) + "/tavra-cli";
  for (const auto& a : args) command += " " + Quote(a);
  command += " >" + tmp.File("out") + " 2>" + tmp.File("err") + " </dev/null";
  int raw = std::system(command.c_str());
  auto slurp = [](const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  };
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, slurp(tmp.File("out")), slurp(tmp.File("err"))};
}

class CliOnSmallNetwork : public ::testing::Test {
 protected:
  void SetUp() override {
    auto files = test::Compile(test::SmallNetwork());
    dir_.WriteData(files);
  }
  test::TempDir dir_;
};

TEST_F(CliOnSmallNetwork, StationsAndVersionInEachFormat) {
  CliRun r = Cli({"--data-dir", dir_.path(), "stations", "bj"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "北京\n北京西\n");
  r = Cli({"--data-dir", dir_.path(), "--format", "json", "stations", "b"});
  EXPECT_EQ(r.out, "[{\"command\":\"stations\",\"stations\":[\"北京\",\"北京西\"],\"count\":2}]\n");
  r = Cli({"--format", "tsv", "--data-dir", dir_.path(), "version", "stations", "s"});
  EXPECT_EQ(r.out, "20240101\n上海\n");
  r = Cli({"--data-dir", dir_.path(), "--format", "json", "version"});
  EXPECT_EQ(r.out, "[{\"command\":\"version\",\"version\":\"20240101\"}]\n");
}

TEST_F(CliOnSmallNetwork, HostileTypingPrintsNothing) {
  for (std::string typed :
       std::vector<std::string>{"", "1", "北", std::string(1000, 'x'), "\xFF\xFE", "[["}) {
    CliRun r = Cli({"--data-dir", dir_.path(), "stations", typed});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
  }
}

TEST(Cli, UsageErrorsExitWithOne) {
  EXPECT_EQ(Cli({}).status, 1);
  EXPECT_EQ(Cli({"--format", "xml", "version"}).status, 1);
  CliRun r = Cli({"stations"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("stations needs 1 argument"), std::string::npos);
  EXPECT_EQ(Cli({"frobnicate"}).status, 1);
}

TEST(Cli, MissingOrDamagedDataExitWithTwoAndNameTheFile) {
  test::TempDir empty;
  CliRun r = Cli({"--data-dir", empty.path(), "version"});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("tavra.dll: cannot be opened"), std::string::npos) << r.err;
  EXPECT_EQ(r.out, "");

  auto files = test::Compile(test::SmallNetwork());
  empty.Write(kIndexFileName, files.index);
  empty.Write(kRecordFileName, files.records.substr(0, 100));
  r = Cli({"--data-dir", empty.path(), "stations", "b"});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("tavra.sdf: is 100 bytes long"), std::string::npos) << r.err;

  // A field a query reads, damaged: the query says where and prints no answer.
  test::PatchedFiles patched = test::Patchable(test::SmallNetwork());
  const int call = test::CallRow(*test::Load(test::SmallNetwork()), u"T109", u"北京");
  patched.Patch(StopTable, call, stop_record::kDepart, "20A0");
  empty.Write(kRecordFileName, patched.records);
  r = Cli({"--data-dir", empty.path(), "between", "北京", "上海"});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("tavra.sdf: StopTable record " + std::to_string(call) + ": departure"),
            std::string::npos)
      << r.err;
  EXPECT_EQ(r.out, "");
}

TEST(Cli, SampleTimetableBesideTheProgram) {
  CliRun r = Cli({"version"});
  EXPECT_EQ(r.status, 0) << r.err;
  std::ifstream version(std::string(TAVRA_SAMPLE_SOURCE) + "/version.txt");
  std::string expected;
  std::getline(version, expected);
  EXPECT_EQ(r.out, expected + "\n");
  r = Cli({"stations", "bj"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("北京\n"), std::string::npos);
}

}  // namespace
}  // namespace tavra
