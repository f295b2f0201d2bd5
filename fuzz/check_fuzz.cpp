// The data tool's check on good files with a few bytes changed: the input is a list of
// patches (three bytes of offset into index + records, one of length, then the bytes). The
// checker must not crash, and files it passes must load and answer lookups.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "data/lookup.h"
#include "data/parsed_records.h"
#include "data/record_fields.h"
#include "datatool/checker.h"
#include "fuzz_timetable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  using namespace tavra;
  std::string all = fuzz::SmallFiles().index + fuzz::SmallFiles().records;
  const size_t indexSize = fuzz::SmallFiles().index.size();
  for (size_t at = 0; at + 4 <= size;) {
    size_t offset =
        (size_t{bytes[at]} << 16 | size_t{bytes[at + 1]} << 8 | bytes[at + 2]) % all.size();
    size_t length = bytes[at + 3];
    at += 4;
    for (size_t i = 0; i < length && at < size; ++i, ++at)
      if (offset + i < all.size()) all[offset + i] = static_cast<char>(bytes[at]);
  }
  std::string_view index = std::string_view(all).substr(0, indexSize);
  std::string_view records = std::string_view(all).substr(indexSize);
  if (!datatool::CheckDataFiles(index, records).empty()) return 0;

  TimetableData data;
  if (LoadTimetableFromBytes(data, index, records) != kLoadComplete) std::abort();
  for (int s = 0; s < data.Table(StationTable).size(); ++s) {
    std::u16string name(Field(data.Table(StationTable).Record(s), station_record::kName));
    RowRange calls;
    if (FindStation(data, name, calls))
      for (int r = calls.first; r <= calls.last; ++r)
        ParseStopRecord(data, GetRecord(data, StopTable, r));
  }
  TrainInfo train;
  for (int t = 0; t < data.Table(TrainTable).size(); ++t)
    ParseTrainRecord(data, GetRecord(data, TrainTable, t), train);
  return 0;
}
