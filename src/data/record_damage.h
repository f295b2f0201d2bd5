#pragma once
// A field of the record file that a query found damaged. A query that meets one stops
// with the damaged-file message instead of answering from wrong data.
#include <string>
#include <string_view>

#include "format/record_field.h"

namespace tavra {

struct RecordDamage {
  unsigned section = 0;
  int row = -1;
  const char* field = nullptr;  // the field's name; null while nothing is damaged
  const char* problem = "";     // what the field should hold, e.g. "is not a time HHMM"
  std::u16string value;         // what it holds

  bool Found() const { return field != nullptr; }
  // Keeps the first damage a query meets: the later ones follow from reading on.
  void Note(unsigned section, int row, const RecordField& field, std::u16string_view value,
            const char* problem);
  void Clear() { *this = RecordDamage{}; }
  // "tavra.sdf: StopTable record 17: departure "23:0D" is not a time HHMM"
  std::string Text() const;
  // The field part alone: "departure "23:0D" is not a time HHMM"
  std::string FieldText() const;
};

}  // namespace tavra
