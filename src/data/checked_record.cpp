#include "data/checked_record.h"

#include "data/field_rules.h"
#include "data/record_fields.h"

namespace tavra {
namespace {
constexpr RecordField kWholeRecord{"record", 0, 0, FieldKind::Unread};
}  // namespace

CheckedRecord::CheckedRecord(const TimetableData& data, unsigned section, int row,
                             RecordDamage& damage)
    : CheckedRecord(data, section, row, data.Table(section).Record(row), damage) {
  if (row < 0 || row >= data.Table(section).size())
    damage.Note(section, row, kWholeRecord, u"", "is not in the table");
}

CheckedRecord::CheckedRecord(const TimetableData& data, unsigned section, int row,
                             std::u16string_view record, RecordDamage& damage)
    : data_(data), section_(section), row_(row), record_(record), damage_(damage) {}

std::u16string_view CheckedRecord::Fail(const RecordField& field, std::u16string_view value,
                                        const char* problem) const {
  damage_.Note(section_, row_, field, value, problem);
  return value;
}

std::u16string_view CheckedRecord::Day(const RecordField& field) const {
  return Ruled(field, IsDayDigit, "is not a day 0-3");
}

void CheckedRecord::Range(const RecordField& firstField, const RecordField& lastField,
                          unsigned target, int& first, int& last) const {
  first = Number(firstField);
  last = Number(lastField);
  if (last != first - 1 && (last < first || last >= data_.Table(target).size()))
    Fail(lastField, Field(record_, lastField), "does not end a range of the table it refers to");
}

std::u16string_view CheckedRecord::Ruled(const RecordField& field,
                                         bool (*rule)(std::u16string_view),
                                         const char* problem) const {
  std::u16string_view text = Field(record_, field);
  return rule(text) ? text : Fail(field, text, problem);
}

std::u16string_view CheckedRecord::NotANumber(const RecordField& field) const {
  return Fail(field, Field(record_, field), "is not a number");
}

std::u16string_view CheckedRecord::NotATime(const RecordField& field) const {
  return Fail(field, Field(record_, field), "is not a time HHMM");
}

std::u16string_view CheckedRecord::NotARow(const RecordField& field, unsigned target) const {
  std::u16string_view text = Field(record_, field);
  return IsNumberText(text, field.Length()) && DigitsValue(text) >= data_.Table(target).size()
             ? Fail(field, text, "is beyond the table it refers to")
             : Fail(field, text, "is not a row number");
}

}  // namespace tavra
