// Damaged data files: the first 68 bytes are the index file, the rest the record file.
// Loading, checking and every lookup must stay inside the tables whatever the bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "data/loader.h"
#include "data/lookup.h"
#include "data/parsed_records.h"
#include "data/record_fields.h"
#include "datatool/checker.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  using namespace tavra;
  std::string_view all(reinterpret_cast<const char*>(bytes), size);
  std::string_view index = all.substr(0, kIndexFileMinSize);
  std::string_view records =
      size > kIndexFileMinSize ? all.substr(kIndexFileMinSize) : std::string_view();
  datatool::CheckDataFiles(index, records);

  TimetableData data;
  if (LoadTimetableFromBytes(data, index, records) != kLoadComplete) return 0;
  ChoiceList box;
  for (char16_t c = u'A'; c <= u'['; ++c) MatchStationsByKey(data, std::u16string(1, c), box);
  for (int s = 0; s < data.Table(StationTable).size() && s < 50; ++s) {
    std::u16string name(Field(data.Table(StationTable).Record(s), station_record::kName));
    RowRange calls;
    if (FindStation(data, name, calls))
      for (int r = calls.first; r <= calls.last && r < calls.first + 50; ++r)
        ParseStopRecord(data, GetRecord(data, StopTable, r));
  }
  TrainInfo train;
  for (int t = 0; t < data.Table(TrainTable).size() && t < 200; ++t)
    ParseTrainRecord(data, GetRecord(data, TrainTable, t), train);
  return 0;
}
