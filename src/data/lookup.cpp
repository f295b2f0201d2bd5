#include "data/lookup.h"

#include <algorithm>

#include "data/record_fields.h"
#include "data/text_compare.h"

namespace tavra {

std::u16string_view GetRecord(const TimetableData& data, unsigned section, int row) {
  if (section >= kSectionCount) return {};
  return data.Table(section).Record(row);
}

std::u16string_view StationNameView(const TimetableData& data, std::u16string_view number) {
  std::u16string_view record = data.Table(StationTable).Record(ParseLeadingInt(number));
  return TrimRight(Field(record, station_record::kName));
}

std::u16string_view TrainNumberView(const TimetableData& data, std::u16string_view row) {
  std::u16string_view record = data.Table(TrainTable).Record(ParseLeadingInt(row));
  return TrimRight(Field(record, train_record::kNumber));
}

std::u16string StationName(const TimetableData& data, std::u16string_view number) {
  return std::u16string(StationNameView(data, number));
}

std::u16string TrainNumberText(const TimetableData& data, std::u16string_view row) {
  return std::u16string(TrainNumberView(data, row));
}

int FindStationRow(const TimetableData& data, std::u16string_view name) {
  std::u16string key(name.substr(0, std::min(name.size(), station_record::kName.len)));
  key.resize(station_record::kName.len, u' ');
  const RecordTable& stations = data.Table(StationTable);
  int lo = 0, hi = std::min(data.stationCount, stations.size()) - 1;
  while (lo <= hi) {
    const int mid = lo + (hi - lo) / 2;
    const int c = CompareGbk(key, Field(stations.Record(mid), station_record::kName));
    if (c == 0) return mid;
    if (c > 0)
      lo = mid + 1;
    else
      hi = mid - 1;
  }
  return -1;
}

bool FindStation(const TimetableData& data, std::u16string& name, RowRange& calls) {
  name.resize(station_record::kName.len, u' ');
  const int row = FindStationRow(data, name);
  if (row < 0) return false;
  const std::u16string_view record = data.Table(StationTable).Record(row);
  calls.first = ReadInt(record, station_record::kFirstCall);
  calls.last = ReadInt(record, station_record::kLastCall);
  name = TrimRight(name);
  return true;
}

void MatchStationsByKey(const TimetableData& data, std::u16string_view typedText,
                        StationChoiceBox& box) {
  std::u16string_view typed = Trim(typedText);
  if (typed.empty()) {
    box.ResetContent();
    return;
  }
  char16_t initial = UpperAscii(typed[0]);
  using namespace key_letter_record;
  if (initial < kLetterOfFirstRow || initial > kLetterOfFirstRow + kLetters) return;
  std::u16string_view letter = data.Table(KeyLetterTable).Record(initial - kLetterOfFirstRow);
  // A letter beyond the table (the 27th row of a 26-row table) has no stations either.
  if (letter.empty() || IsNone4(Field(letter, kFirstKey))) return;
  int first = ReadInt(letter, kFirstKey);
  int last = ReadInt(letter, kLastKey);
  if (first >= 0) {
    for (int i = box.ItemCount() - 1; i >= 0; --i) box.DeleteItem(i);
    const RecordTable& keys = data.Table(StationKeyTable);
    for (int r = first; r <= last && r < keys.size(); ++r) {
      std::u16string_view record = keys.Record(r);
      if (record.size() >= typed.size() &&
          CompareNoCase(Field(record, station_key_record::kKey.pos, typed.size()), typed) == 0)
        box.AddItem(StationName(data, Field(record, station_key_record::kStation)));
    }
  }
  if (box.ItemCount() > 0) box.ShowDropDown();
}

}  // namespace tavra
