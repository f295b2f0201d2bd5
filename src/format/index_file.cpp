#include "format/index_file.h"

namespace tavra {

int32_t ReadIndexInt(std::string_view index, const RecordField& field) {
  uint32_t v = 0;
  for (size_t i = field.len; i-- > 0;)
    v = (v << 8) | static_cast<unsigned char>(index[field.pos + i]);
  return static_cast<int32_t>(v);
}

void WriteIndexInt(std::string& index, const RecordField& field, int32_t value) {
  if (index.size() < kIndexFileMinSize) index.resize(kIndexFileMinSize, '\0');
  const auto v = static_cast<uint32_t>(value);
  for (size_t i = 0; i < field.len; ++i)
    index[field.pos + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

}  // namespace tavra
