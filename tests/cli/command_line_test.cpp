// The command lines of the three programs: help, version, formats, misspellings, usage errors.
#include "platform/command_line.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "cli_options.h"
#include "support/test_support.h"

namespace tavra {
namespace {

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(CommandLine, HelpOnEveryProgramAndCommandOnStdout) {
  std::vector<std::pair<std::string, std::vector<std::string>>> programs = {
      {"tavra-cli", {}}, {"tavra-data", {"build", "dump", "check", "generate"}}};
  for (const cli::CommandEntry& entry : cli::CommandTable())
    programs[0].second.push_back(entry.name);
  for (const auto& [program, commands] : programs) {
    for (const char* help : {"--help", "-h"}) {
      test::CliRun r = test::RunProgram(program, {help});
      EXPECT_EQ(r.status, 0) << program;
      EXPECT_TRUE(Has(r.out, "Usage: " + program)) << r.out;
      EXPECT_EQ(r.err, "");
    }
    for (const std::string& command : commands) {
      test::CliRun r = test::RunProgram(program, {command, "--help"});
      EXPECT_EQ(r.status, 0) << program << " " << command;
      EXPECT_TRUE(Has(r.out, "Usage: " + program + " " + command)) << r.out;
    }
    test::CliRun r = test::RunProgram(program, {"--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind(program + " " + kProgramVersion, 0), 0u) << r.out;
  }
}

TEST(CommandLine, GlobalOptionsAnywhereAndEitherSpelling) {
  const test::CliRun expected = test::RunCli({"--format", "json", "stations", "bj", "version"});
  ASSERT_EQ(expected.status, 0) << expected.err;
  ASSERT_TRUE(Has(expected.out, "[{\"command\":\"stations\",\"stations\":["));
  for (const auto& args :
       std::vector<std::vector<std::string>>{{"--format=json", "stations", "bj", "version"},
                                             {"stations", "bj", "--format", "json", "version"},
                                             {"stations", "bj", "version", "--format=json"}}) {
    test::CliRun r = test::RunCli(args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, expected.out);
  }
  // A command given twice runs twice, each with its own argument.
  test::CliRun r = test::RunCli({"--format", "tsv", "stations", "bjx", "stations", "shh"});
  EXPECT_EQ(r.out, "北京西\n上海虹桥\n") << r.out;
}

TEST(CommandLine, UsageErrorsSayWhatWasWrongAndExitOne) {
  struct Case {
    std::string program;
    std::vector<std::string> args;
    std::string said;
  };
  const std::vector<Case> cases = {
      {"tavra-data", {"bulid", "a", "b"}, "unknown command 'bulid'; did you mean 'build'?"},
      {"tavra-cli", {"versoin"}, "unknown command 'versoin'; did you mean 'version'?"},
      {"tavra-cli", {"--fromat", "json", "version"}, "unknown option '--fromat'; did you mean"},
      {"tavra-cli", {"frobnicate"}, "unknown command 'frobnicate'\n"},
      {"tavra-cli", {}, "no command given"},
      {"tavra-cli", {"between", "北京"}, "between needs 2 arguments: FROM TO"},
      {"tavra-cli", {"--format", "xml", "version"}, "xml not in {table,tsv,json,jsonl}"},
      {"tavra-data", {"generate", "x", "--stations", "-3"}, "--stations"},
      {"tavra-data", {"check"}, "check needs 1 argument: DATA_DIR"},
      {"tavra-data", {}, "no command given"},
  };
  for (const Case& c : cases) {
    test::CliRun r = test::RunProgram(c.program, c.args);
    EXPECT_EQ(r.status, 1) << c.said;
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(Has(r.err, c.said)) << r.err;
  }
  EXPECT_EQ(ClosestName("stasion", {"station", "stations", "stops"}), "station");
  EXPECT_EQ(ClosestName("ab", {"cd", "abc"}), "abc");
  EXPECT_EQ(ClosestName("x", {"y"}), "");  // one step is more than half of one letter
}

TEST(CommandLine, DesktopHelpAndNoDisplay) {
  if (!std::filesystem::exists(std::string(TAVRA_BUILD_DIR) + "/tavra"))
    GTEST_SKIP() << "built without the desktop program";
  const std::string noDisplay = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM";
  test::CliRun r = test::RunProgram("tavra", {"--help"}, noDisplay);
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(Has(r.out, "--data-dir")) << r.out;
  r = test::RunProgram("tavra", {}, noDisplay);
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(Has(r.err, "no display")) << r.err;
  EXPECT_TRUE(Has(r.err, "tavra-cli")) << r.err;
  r = test::RunProgram("tavra", {"--no-such-option"}, "QT_QPA_PLATFORM=offscreen");
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(Has(r.err, "unknown option '--no-such-option'")) << r.err;
}

}  // namespace
}  // namespace tavra

namespace tavra {
namespace {

TEST(DataToolErrors, MissingFoldersAreSaidAsSuch) {
  test::TempDir tmp;
  const std::string out = tmp.File("new/deeper");  // made with its parent
  test::CliRun r = test::RunProgram("tavra-data", {"build", TAVRA_SAMPLE_SOURCE, out});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(std::filesystem::exists(out + "/tavra.dll"));
  r = test::RunProgram("tavra-data", {"check", out});
  EXPECT_EQ(r.status, 0) << r.out;

  r = test::RunProgram("tavra-data", {"build", tmp.File("nonexistent"), tmp.File("out2")});
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(Has(r.err, tmp.File("nonexistent") + ": the source folder does not exist")) << r.err;
  EXPECT_TRUE(Has(r.err, "1 error;")) << r.err;  // not one per missing file
  EXPECT_FALSE(std::filesystem::exists(tmp.File("out2")));

  r = test::RunProgram("tavra-data", {"check", tmp.File("nonexistent")});
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(Has(r.err, tmp.File("nonexistent"))) << r.err;
}

}  // namespace
}  // namespace tavra
