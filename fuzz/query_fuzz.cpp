// Typed query texts: the first byte picks what is done, the rest is split at newlines into
// the texts typed into the boxes (UTF-8). Typing goes through the station matching, the
// query button through the station-to-station, train-number and station queries, the row
// builder and the fares; nothing may read outside a table or fail a sanitizer check.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "app/query_controls.h"
#include "app/query_core.h"
#include "fuzz_timetable.h"
#include "platform/utf8.h"
#include "resources/fixed_texts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  using namespace tavra;
  if (size == 0) return 0;
  const TimetableData& data = fuzz::SmallTimetable();
  std::string_view all(reinterpret_cast<const char*>(bytes) + 1, size - 1);
  std::vector<std::u16string> texts;
  for (size_t start = 0; start <= all.size() && texts.size() < 4;) {
    size_t end = all.find('\n', start);
    if (end == std::string_view::npos) end = all.size();
    texts.push_back(Utf8ToUtf16(all.substr(start, end - start)));
    start = end + 1;
  }
  texts.resize(4);

  PlainQueryControls controls;
  SilentMessages messages;
  ChoiceList offered;
  QueryCore core(data, controls, messages);
  switch (bytes[0] % 4) {
    case 0:  // station to station, then the reverse button
    case 1:
      controls.mode = texts::kModeStationToStation;
      controls.from = texts[0];
      core.OnFromEditChange(offered);
      controls.to = texts[1];
      core.OnToEditChange(offered);
      core.OnQuery();
      if (bytes[0] % 4 == 1) core.OnReverse();
      break;
    case 2:
      controls.mode = texts::kModeTrainNumber;
      controls.trainNo = texts[0];
      core.OnQuery();
      break;
    case 3:
      controls.mode = texts::kModeStation;
      controls.station = texts[0];
      core.OnStationEditChange(offered);
      core.OnQuery();
      break;
  }
  return 0;
}
