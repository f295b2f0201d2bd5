#include "station_argument.h"

#include <algorithm>
#include <cstdio>

#include "data/lookup.h"
#include "data/record_fields.h"
#include "platform/user_messages.h"  // ChoiceList
#include "platform/utf8.h"

namespace tavra::cli {
namespace {

constexpr size_t kListedAtMost = 20;

// The number of calls at the station named `text`, or -1 when there is no such station.
int CallCount(const TimetableData& data, std::u16string_view text) {
  if (text.empty() || text.size() > 5) return -1;
  std::u16string name(text);
  RowRange calls;
  if (!FindStation(data, name, calls)) return -1;
  return std::max(0, calls.last - calls.first + 1);
}

bool IsStationName(const TimetableData& data, std::u16string_view text) {
  return CallCount(data, text) >= 0;
}

}  // namespace

bool ResolveStationArgument(const TimetableData& data, std::string_view typed,
                            std::u16string& station) {
  station = std::u16string(Trim(Utf8ToUtf16(typed)));
  if (station.empty() || IsStationName(data, station)) return true;
  ChoiceList matches;
  MatchStationsByKey(data, station, matches);
  if (matches.items.size() == 1) station = matches.items[0];
  if (matches.items.size() <= 1) return true;
  std::fprintf(stderr,
               "tavra-cli: \"%s\" is the spelling initials of %zu stations; give one "
               "of them:\n",
               Utf16ToUtf8(station).c_str(), matches.items.size());
  for (size_t i = 0; i < matches.items.size() && i < kListedAtMost; ++i)
    std::fprintf(stderr, "  %s\n", Utf16ToUtf8(matches.items[i]).c_str());
  if (matches.items.size() > kListedAtMost) std::fprintf(stderr, "  …\n");
  return false;
}

bool ExplainEmptyAnswer(const TimetableData& data, std::u16string_view from,
                        std::u16string_view to) {
  if (!from.empty() && from == to) {
    std::fprintf(stderr, "tavra-cli: %s is both the departure and the arrival station\n",
                 Utf16ToUtf8(from).c_str());
    return true;
  }
  bool said = false;
  for (std::u16string_view station : {from, to})
    if (!station.empty() && CallCount(data, station) == 0) {
      std::fprintf(stderr, "tavra-cli: no train calls at %s\n", Utf16ToUtf8(station).c_str());
      said = true;
    }
  return said;
}

bool ExplainTooShort(std::u16string_view station) {
  if (station.size() != 1) return false;
  std::fprintf(stderr,
               "tavra-cli: \"%s\" is neither a station name (names have two characters or "
               "more) nor the spelling initials of a station\n",
               Utf16ToUtf8(station).c_str());
  return true;
}

}  // namespace tavra::cli
