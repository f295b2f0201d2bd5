#pragma once
// A station given on the command line: a name, or the spelling initials of one.
#include <string>
#include <string_view>

#include "data/timetable_data.h"

namespace tavra::cli {

// Reads `typed` (UTF-8) into `station`, blanks trimmed at both ends. A station name is used
// as it is; otherwise spelling initials (matched as the station box matches them) that
// match exactly one station stand for its name. When they match several, the stations are
// listed on stderr (at most 20, then "…") and false is returned (exit status 1). Anything
// else is left as typed, for the query to answer.
bool ResolveStationArgument(const TimetableData& data, std::string_view typed,
                            std::u16string& station);

// When a query found no train, says why on stderr if the stations tell: the same station
// at both ends, or a station no train calls at. Empty names are skipped. True when it said.
bool ExplainEmptyAnswer(const TimetableData& data, std::u16string_view from,
                        std::u16string_view to);

// Says on stderr why a query ignored a one-character station text (it runs only on at
// least two) and returns true, or returns false when `station` is not that short.
bool ExplainTooShort(std::u16string_view station);

}  // namespace tavra::cli
