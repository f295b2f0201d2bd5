#pragma once
// One record read field by field for a query: each field is checked against its rule as it
// is read, and the first that fails is noted in the query's RecordDamage. A failed field
// still reads as its text (or 0), so the query runs on to its end without reading outside
// a table and then reports the damage instead of its answer.
#include <string_view>

#include "data/field_rules.h"
#include "data/record_damage.h"
#include "data/record_fields.h"
#include "data/timetable_data.h"
#include "format/record_layouts.h"

namespace tavra {

class CheckedRecord {
 public:
  // Record `row` of `section`; a row outside the table is damage itself (a reference that
  // led there was not checked) and reads as an empty record.
  CheckedRecord(const TimetableData& data, unsigned section, int row, RecordDamage& damage);
  // A record already at hand, known by its place.
  CheckedRecord(const TimetableData& data, unsigned section, int row, std::u16string_view record,
                RecordDamage& damage);

  // The reads below run for every field of every line a query makes, so they are inline
  // and the failures, which are rare, are not.
  std::u16string_view Text(const RecordField& field) const { return Field(record_, field); }
  // Digits only.
  std::u16string_view Digits(const RecordField& field) const {
    std::u16string_view text = Field(record_, field);
    return IsNumberText(text, field.Length()) ? text : NotANumber(field);
  }
  int Number(const RecordField& field) const {
    std::u16string_view text = Field(record_, field);
    if (IsNumberText(text, field.Length())) return DigitsValue(text);
    return ParseLeadingInt(NotANumber(field));
  }
  // HHMM or, where the call has no such time, blanks.
  std::u16string_view Time(const RecordField& field) const {
    std::u16string_view text = Field(record_, field);
    return IsClockTime(text) || IsNoTime(text) ? text : NotATime(field);
  }
  std::u16string_view Day(const RecordField& field) const;
  // A row of `target`; all nines too when `noneAllowed`.
  std::u16string_view Row(const RecordField& field, unsigned target,
                          bool noneAllowed = false) const {
    std::u16string_view text = Field(record_, field);
    if (IsNumberText(text, field.Length())) {
      const int row = DigitsValue(text);
      if (row < data_.Table(target).size() || (noneAllowed && row == AllNines(field))) return text;
    }
    return NotARow(field, target);
  }
  // An inclusive range of `target` rows: first..last inside the table, or first-1 for none.
  void Range(const RecordField& firstField, const RecordField& lastField, unsigned target,
             int& first, int& last) const;
  // A field that must pass `rule`; `problem` says what it should be.
  std::u16string_view Ruled(const RecordField& field, bool (*rule)(std::u16string_view),
                            const char* problem) const;

  std::u16string_view record() const { return record_; }

 private:
  std::u16string_view Fail(const RecordField& field, std::u16string_view value,
                           const char* problem) const;
  std::u16string_view NotANumber(const RecordField& field) const;
  std::u16string_view NotATime(const RecordField& field) const;
  std::u16string_view NotARow(const RecordField& field, unsigned target) const;
  const TimetableData& data_;
  unsigned section_;
  int row_;
  std::u16string_view record_;
  RecordDamage& damage_;
};

}  // namespace tavra
