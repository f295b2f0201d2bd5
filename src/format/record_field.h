#pragma once
// A field of a fixed-width record of the data files, and the compile-time checks that a
// record's fields cover it exactly.
#include <array>
#include <cstddef>

namespace tavra {

enum class FieldKind {
  Number,  // decimal digits, zero-padded
  Row,     // a row number of another table; all nines where "none" is allowed
  Text,    // ASCII, blank-padded on the right
  Code,    // one ASCII character
  Time,    // HHMM on the 24-hour clock, or blanks
  Name,    // GBK Chinese text, two bytes a character; only ever the last field
  Unread,  // carried for the publisher, read by no query
};

struct RecordField {
  const char* name;
  size_t pos;  // first character of the decoded record (the byte position as well, since
               // every field before a Name field is ASCII)
  size_t len;  // characters of one element
  FieldKind kind;
  size_t count = 1;  // elements standing back to back (the fare segments, the amounts)

  // Characters of all elements together.
  constexpr size_t Length() const { return len * count; }
  constexpr size_t End() const { return pos + Length(); }
  // Bytes the field takes in the record file.
  constexpr size_t Bytes() const { return Length() * (kind == FieldKind::Name ? 2 : 1); }
  // Element `i` as a field of its own.
  constexpr RecordField At(size_t i) const { return {name, pos + i * len, len, kind, 1}; }
};

// True when `fields`, in order, follow one another without gap or overlap from byte 0 to
// byte `width`, and only the last may be a Name field.
template <size_t N>
constexpr bool Tiles(const std::array<RecordField, N>& fields, size_t width) {
  size_t at = 0;
  for (size_t i = 0; i < N; ++i) {
    const RecordField& f = fields[i];
    if (f.pos != at || f.len == 0 || f.count == 0) return false;
    if (f.kind == FieldKind::Name && i + 1 != N) return false;
    at += f.Bytes();
  }
  return at == width;
}

// True when `parts`, in order, cover exactly the characters of `whole`: another reading
// of the same characters.
template <size_t N>
constexpr bool Covers(const std::array<RecordField, N>& parts, const RecordField& whole) {
  size_t at = whole.pos;
  for (const RecordField& f : parts) {
    if (f.pos != at || f.kind == FieldKind::Name) return false;
    at += f.Length();
  }
  return at == whole.End();
}

}  // namespace tavra
