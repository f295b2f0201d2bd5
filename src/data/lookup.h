#pragma once
// Record access and the station and train lookups every query goes through.
#include <string>
#include <string_view>

#include "data/timetable_data.h"
#include "platform/user_messages.h"  // StationChoiceBox

namespace tavra {

// Record `row` of `section`, a view into the loaded table; empty for a section above 15 or a
// row outside the table, so that a bad row number in a damaged file never reads outside a
// table.
std::u16string_view GetRecord(const TimetableData& data, unsigned section, int row);

// The name of a station given its number as text.
std::u16string StationName(const TimetableData& data, std::u16string_view number);
// The full number text of a train given its TrainTable row as text.
std::u16string TrainNumberText(const TimetableData& data, std::u16string_view row);
// The same texts as views into the loaded tables, for callers that copy them into a buffer
// of their own.
std::u16string_view StationNameView(const TimetableData& data, std::u16string_view number);
std::u16string_view TrainNumberView(const TimetableData& data, std::u16string_view row);

// An inclusive range of table rows.
struct RowRange {
  int first = 0;
  int last = -1;
};

// The StationTable row whose name field equals `name` padded or cut to five characters,
// or -1: a binary search in GBK byte order.
int FindStationRow(const TimetableData& data, std::u16string_view name);

// Binary search of StationTable by name. `name` is padded to five characters; when the
// station is found its trailing blanks are removed again and `calls` holds the station's
// StopTable rows. Not found: returns false, `name` keeps its padded form and `calls` is
// untouched; telling the user is the caller's part.
bool FindStation(const TimetableData& data, std::u16string& name, RowRange& calls);

// Offers in `box` the stations whose spelling key starts with `typed` (see the
// station combo box).
void MatchStationsByKey(const TimetableData& data, std::u16string_view typed,
                        StationChoiceBox& box);

}  // namespace tavra
