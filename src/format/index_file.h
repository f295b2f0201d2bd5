#pragma once
// The index file tavra.dll: the byte length of each section of the record file and the
// data version, 32-bit signed little-endian integers. Bytes after them are ignored.
#include <cstdint>
#include <string>
#include <string_view>

#include "format/record_field.h"
#include "format/sections.h"

namespace tavra {

namespace index_file {
inline constexpr RecordField kSectionLength{"section length", 0, 4, FieldKind::Number,
                                            kSectionCount};
inline constexpr RecordField kDataVersion{"data version", 64, 4, FieldKind::Number};
inline constexpr std::array kFields{kSectionLength, kDataVersion};
}  // namespace index_file

inline constexpr size_t kIndexFileMinSize = 68;
static_assert(Tiles(index_file::kFields, kIndexFileMinSize));

// The integer of `field` (4 bytes); the index must hold at least kIndexFileMinSize bytes.
int32_t ReadIndexInt(std::string_view index, const RecordField& field);
// Writes `value` into `field`, growing `index` to kIndexFileMinSize bytes first.
void WriteIndexInt(std::string& index, const RecordField& field, int32_t value);

inline int32_t ReadSectionLength(std::string_view index, unsigned section) {
  return ReadIndexInt(index, index_file::kSectionLength.At(section));
}
inline int32_t ReadDataVersion(std::string_view index) {
  return ReadIndexInt(index, index_file::kDataVersion);
}

}  // namespace tavra
