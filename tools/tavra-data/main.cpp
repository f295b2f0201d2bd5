// tavra-data: the data publisher's tool. Compiles readable sources into the two data
// files, dumps data files back into sources, checks data files, and generates synthetic
// timetables.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "data/loader.h"
#include "datatool/checker.h"
#include "datatool/compiler.h"
#include "datatool/dumper.h"
#include "datatool/generator.h"
#include "datatool/source_reader.h"
#include "datatool/source_rules.h"

using namespace tavra;
using namespace tavra::datatool;

namespace {

constexpr const char* kUsage =
    "usage: tavra-data build SOURCE_DIR OUT_DIR     sources -> tavra.dll + tavra.sdf\n"
    "       tavra-data dump DATA_DIR OUT_DIR        data files -> sources\n"
    "       tavra-data check DATA_DIR               every invariant the program relies on\n"
    "       tavra-data generate OUT_DIR [--stations N] [--trains N] [--calls N] [--seed N]\n"
    "                                               a synthetic timetable source\n";

int Usage() {
  std::fputs(kUsage, stderr);
  return 1;
}

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
  std::vector<std::string> problems = CheckDataDirectory(dataDir);
  for (const auto& p : problems) std::printf("%s\n", p.c_str());
  if (problems.empty()) {
    std::printf("ok\n");
    return 0;
  }
  std::printf("%zu problem%s\n", problems.size(), problems.size() == 1 ? "" : "s");
  return 1;
}

int Generate(const std::string& out, int argc, char** argv) {
  GeneratorSize size;
  for (int i = 0; i < argc; i += 2) {
    if (i + 1 >= argc) return Usage();
    auto v = ParseInteger(argv[i + 1]);
    if (!v || *v < 0 || *v > 1000000) {
      std::fprintf(stderr, "%s: \"%s\" is not a whole number\n", argv[i], argv[i + 1]);
      return 1;
    }
    int n = static_cast<int>(*v);
    if (!std::strcmp(argv[i], "--stations"))
      size.stations = n;
    else if (!std::strcmp(argv[i], "--trains"))
      size.trains = n;
    else if (!std::strcmp(argv[i], "--calls"))
      size.calls = n;
    else if (!std::strcmp(argv[i], "--seed"))
      size.seed = static_cast<uint32_t>(n);
    else
      return Usage();
  }
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
  if (argc < 3) return Usage();
  std::string command = argv[1];
  if (command == "build" && argc == 4) return Build(argv[2], argv[3]);
  if (command == "dump" && argc == 4) return Dump(argv[2], argv[3]);
  if (command == "check" && argc == 3) return Check(argv[2]);
  if (command == "generate") return Generate(argv[2], argc - 3, argv + 3);
  return Usage();
}
