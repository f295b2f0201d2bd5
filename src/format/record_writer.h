#pragma once
// Building one record of the record file field by field, for the data tool's compiler.
#include <string>
#include <string_view>

#include "format/record_field.h"
#include "format/sections.h"

namespace tavra {

// A record of `section`, all blanks until its fields are set.
class RecordWriter {
 public:
  explicit RecordWriter(Section section);

  // Bytes (GBK for a Name field), blank-padded to the field and cut at its end.
  RecordWriter& Text(const RecordField& field, std::string_view bytes);
  // A non-negative number with leading zeros, filling the field.
  RecordWriter& Number(const RecordField& field, long long value);
  // All nines: "none".
  RecordWriter& None(const RecordField& field);
  // An inclusive row range in two fields; an empty one is written as first = last + 1
  // (never below 0).
  RecordWriter& Range(const RecordField& first, const RecordField& last, int firstRow, int count);

  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

}  // namespace tavra
