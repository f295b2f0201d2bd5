// Malformed timetable sources: the input is split at NUL bytes into version.txt,
// stations.tsv, trains.tsv, stops.tsv, fare_bands.tsv, station_fares.tsv, rates.tsv and
// spare.tsv. Reading must report errors, never crash; a source read without errors must
// compile into files the checker accepts.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "datatool/checker.h"
#include "datatool/compiler.h"
#include "datatool/source_reader.h"
#include "datatool/source_rules.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  using namespace tavra::datatool;
  std::string_view all(reinterpret_cast<const char*>(bytes), size);
  std::vector<SourceFile> files;
  size_t start = 0;
  for (const char* name : kSourceFileNames) {
    if (start > all.size()) break;
    size_t end = all.find('\0', start);
    if (end == std::string_view::npos) end = all.size();
    files.push_back({name, std::string(all.substr(start, end - start))});
    start = end + 1;
  }
  TimetableSource source;
  std::vector<SourceError> errors;
  ParseSource(files, source, errors);
  if (!errors.empty()) return 0;
  DataFiles out;
  if (!CompileSource(source, out, errors)) std::abort();  // a valid source must compile
  if (!CheckDataFiles(out.index, out.records).empty()) std::abort();
  return 0;
}
