#include "bench_data.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "data/record_fields.h"
#include "datatool/compiler.h"
#include "datatool/generator.h"

namespace tavra::bench {

const std::string& LimitsDataDir() {
  static const std::string dir = [] {
    std::string path = std::filesystem::temp_directory_path() / "tavra-bench-limits";
    std::filesystem::create_directories(path);
    datatool::DataFiles files;
    std::vector<datatool::SourceError> errors;
    std::string error;
    if (!datatool::CompileSource(datatool::GenerateTimetable({}), files, errors) ||
        !datatool::WriteDataFiles(files, path, error)) {
      std::fprintf(stderr, "cannot make the benchmark timetable\n");
      std::exit(1);
    }
    return path;
  }();
  return dir;
}

std::string DataDirOf(int which) {
  return which == 0 ? ProgramDirectory() : LimitsDataDir();
}

size_t DataFilesSize(const std::string& dir) {
  size_t bytes = 0;
  for (const char* name : {kIndexFileName, kRecordFileName}) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(JoinPath(dir, name), ec);
    if (ec) return 0;
    bytes += static_cast<size_t>(size);
  }
  return bytes;
}

int CallCount(const TimetableData& data, int station) {
  const std::u16string_view r = data.Table(StationTable).Record(station);
  return ReadInt(r, station_record::kLastCall) - ReadInt(r, station_record::kFirstCall) + 1;
}

}  // namespace tavra::bench
