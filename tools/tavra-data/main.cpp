// tavra-data: the data publisher's tool. Compiles readable sources into the two data
// files, dumps data files back into sources, checks data files, and generates synthetic
// timetables.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "data/loader.h"
#include "datatool/checker.h"
#include "datatool/compiler.h"
#include "datatool/dumper.h"
#include "datatool/generator.h"
#include "datatool/source_reader.h"
#include "datatool/source_rules.h"
#include "platform/command_line.h"

using namespace tavra;
using namespace tavra::datatool;

namespace {

int PrintErrors(const std::vector<SourceError>& errors) {
  for (const auto& e : errors) std::fprintf(stderr, "%s\n", e.Text().c_str());
  std::fprintf(stderr, "%zu error%s; nothing was written\n", errors.size(),
               errors.size() == 1 ? "" : "s");
  return 1;
}

int Build(const std::string& source, const std::string& out) {
  std::vector<SourceError> errors;
  if (!BuildTimetable(source, out, errors)) return PrintErrors(errors);
  return 0;
}

int Dump(const std::string& dataDir, const std::string& out) {
  TimetableData data;
  if (LoadTimetable(data, dataDir) != kLoadComplete) {
    std::fprintf(stderr, "%s\n", data.loadError.Text().c_str());
    return 2;
  }
  TimetableSource source;
  std::vector<SourceError> errors;
  if (!DumpTimetable(data, source, errors)) return PrintErrors(errors);
  std::string error;
  if (!WriteSource(source, out, error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  return 0;
}

int Check(const std::string& dataDir) {
  std::error_code ec;
  if (!std::filesystem::is_directory(dataDir, ec)) {
    std::fprintf(stderr, "tavra-data: the data folder %s does not exist\n", dataDir.c_str());
    return 2;
  }
  std::vector<std::string> problems = CheckDataDirectory(dataDir);
  for (const auto& p : problems) std::printf("%s\n", p.c_str());
  if (problems.empty()) {
    std::printf("ok\n");
    return 0;
  }
  std::printf("%zu problem%s\n", problems.size(), problems.size() == 1 ? "" : "s");
  return 1;
}

int Generate(const std::string& out, const GeneratorSize& size) {
  TimetableSource source = GenerateTimetable(size);
  std::vector<SourceError> errors;
  ValidateSource(source, errors);
  if (!errors.empty()) return PrintErrors(errors);
  std::string error;
  if (!WriteSource(source, out, error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app(
      "The data publisher's tool: builds the two data files from readable sources, "
      "dumps them back and checks them.",
      "tavra-data");
  app.footer(
      "Run tavra-data COMMAND --help for a command's arguments.\n"
      "Exit status: 0 success, 1 an input problem, 2 a missing or damaged data file.");
  app.allow_extras();  // leftover words are reported as unknown commands or options
  app.require_subcommand(0, 1);
  AddVersionFlag(app);
  // Each command sets `run` when it is given; positional names double as the help's words.
  std::function<int()> run;
  std::string source, dataDir, out;

  CLI::App* build = app.add_subcommand("build", "sources -> tavra.dll + tavra.sdf");
  build->add_option("SOURCE_DIR", source, "the readable sources")->required();
  build->add_option("OUT_DIR", out, "where the data files go (made when missing)")->required();
  build->callback([&] { run = [&] { return Build(source, out); }; });

  CLI::App* dump = app.add_subcommand(
      "dump", "data files -> sources (a build of the dump gives the same bytes)");
  dump->add_option("DATA_DIR", dataDir, "the folder of tavra.dll and tavra.sdf")->required();
  dump->add_option("OUT_DIR", out, "where the sources go")->required();
  dump->callback([&] { run = [&] { return Dump(dataDir, out); }; });

  CLI::App* check = app.add_subcommand("check", "every invariant the program relies on");
  check->add_option("DATA_DIR", dataDir, "the folder of tavra.dll and tavra.sdf")->required();
  check->callback([&] { run = [&] { return Check(dataDir); }; });

  GeneratorSize size;
  CLI::App* generate = app.add_subcommand("generate", "a synthetic timetable source");
  generate->add_option("OUT_DIR", out, "where the sources go")->required();
  for (auto [name, field] : {std::pair{"--stations", &size.stations},
                             {"--trains", &size.trains},
                             {"--calls", &size.calls}})
    generate->add_option(name, *field)->type_name("N")->check(CLI::Range(0, 1000000));
  generate->add_option("--seed", size.seed)->type_name("N")->check(CLI::Range(0, 1000000));
  generate->callback([&] { run = [&] { return Generate(out, size); }; });

  if (int status = ParseCommandLine(app, std::vector<std::string>(argv + 1, argv + argc));
      status >= 0)
    return status;
  if (!run) return UsageError(app, "no command given");
  return run();
}
