#include "data/lookup.h"

#include "data/record_fields.h"
#include "data/text_compare.h"

namespace tavra {

std::u16string GetRecord(const TimetableData& data, unsigned section, int row) {
  if (section >= kSectionCount) return {};
  return std::u16string(data.Table(section).Record(row));
}

std::u16string StationName(const TimetableData& data, std::u16string_view number) {
  std::u16string_view record = data.Table(StationTable).Record(ParseLeadingInt(number));
  return std::u16string(TrimRight(Field(record, 20, 5)));
}

std::u16string TrainNumberText(const TimetableData& data, std::u16string_view row) {
  std::u16string_view record = data.Table(TrainTable).Record(ParseLeadingInt(row));
  return std::u16string(TrimRight(Field(record, 0, 19)));
}

bool FindStation(const TimetableData& data, std::u16string& name, RowRange& calls) {
  name = (name + u"     ").substr(0, 5);
  int lo = 0, hi = data.stationCount - 1;
  while (lo <= hi) {
    int mid = lo + (hi - lo) / 2;
    std::u16string_view record = data.Table(StationTable).Record(mid);
    int c = CompareGbk(name, Field(record, 20, 5));
    if (c == 0) {
      calls.first = ParseLeadingInt(Field(record, 0, 5));
      calls.last = ParseLeadingInt(Field(record, 5, 5));
      name = TrimRight(name);
      return true;
    }
    if (c > 0)
      lo = mid + 1;
    else
      hi = mid - 1;
  }
  return false;
}

void MatchStationsByKey(const TimetableData& data, std::u16string_view typedText,
                        StationChoiceBox& box) {
  std::u16string_view typed = Trim(typedText);
  if (typed.empty()) {
    box.ResetContent();
    return;
  }
  char16_t initial = UpperAscii(typed[0]);
  if (initial < 0x41 || initial > 0x5B) return;
  std::u16string_view letter = data.Table(KeyLetterTable).Record(initial - 0x41);
  // A letter beyond the table (the 27th row of a 26-row table) has no stations either.
  if (letter.empty() || IsNone4(Field(letter, 0, 4))) return;
  int first = ParseLeadingInt(Field(letter, 0, 4));
  int last = ParseLeadingInt(Field(letter, 4, 4));
  if (first >= 0) {
    for (int i = box.ItemCount() - 1; i >= 0; --i) box.DeleteItem(i);
    const RecordTable& keys = data.Table(StationKeyTable);
    for (int r = first; r <= last && r < keys.size(); ++r) {
      std::u16string_view record = keys.Record(r);
      if (record.size() >= typed.size() &&
          CompareNoCase(record.substr(0, typed.size()), typed) == 0)
        box.AddItem(StationName(data, Field(record, 5, 4)));
    }
  }
  if (box.ItemCount() > 0) box.ShowDropDown();
}

}  // namespace tavra
