#include "format/record_writer.h"

namespace tavra {

RecordWriter::RecordWriter(Section section)
    : bytes_(static_cast<size_t>(kRecordWidth[section]), ' ') {}

RecordWriter& RecordWriter::Text(const RecordField& field, std::string_view bytes) {
  const size_t n = field.Bytes();
  std::string padded(bytes.substr(0, n));
  padded.resize(n, ' ');
  bytes_.replace(field.pos, n, padded);
  return *this;
}

RecordWriter& RecordWriter::Number(const RecordField& field, long long value) {
  std::string digits = std::to_string(value);
  const size_t n = field.Bytes();
  if (digits.size() < n) digits.insert(0, n - digits.size(), '0');
  return Text(field, digits);
}

RecordWriter& RecordWriter::None(const RecordField& field) {
  return Text(field, std::string(field.Bytes(), '9'));
}

RecordWriter& RecordWriter::Range(const RecordField& first, const RecordField& last, int firstRow,
                                  int count) {
  if (count == 0 && firstRow == 0) return Number(first, 1).Number(last, 0);
  return Number(first, firstRow).Number(last, firstRow + count - 1);
}

}  // namespace tavra
