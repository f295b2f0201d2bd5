#pragma once
// Fields of fixed-width records: character runs read as text or as leading integers.
#include <string>
#include <string_view>

#include "format/record_layouts.h"

namespace tavra {

// Characters pos..pos+len-1 of a record, cut short where the record ends.
inline std::u16string_view Field(std::u16string_view record, size_t pos, size_t len) {
  if (pos >= record.size()) return {};
  return record.substr(pos, len);
}

// The characters of `field` (all its elements), cut short where the record ends.
inline std::u16string_view Field(std::u16string_view record, const RecordField& field) {
  return Field(record, field.pos, field.Length());
}

// ParseLeadingInt for any text.
int ParseLeadingIntSlow(std::u16string_view text);

// Leading blanks skipped, decimal digits read up to the first other character; an empty
// or non-numeric text reads as 0. Saturates instead of overflowing.
// Queries read row references of four or five digits several times per line, so a text
// of at most nine digits, which cannot overflow, is read here without a call.
inline int ParseLeadingInt(std::u16string_view text) {
  if (text.empty() || text.size() > 9) return ParseLeadingIntSlow(text);
  int value = 0;
  for (char16_t c : text) {
    const unsigned digit = static_cast<unsigned>(c) - u'0';
    if (digit > 9) return ParseLeadingIntSlow(text);
    value = value * 10 + static_cast<int>(digit);
  }
  return value;
}

// `field` of `record` read as a leading integer.
inline int ReadInt(std::u16string_view record, const RecordField& field) {
  return ParseLeadingInt(Field(record, field));
}

// "9999" and "99999" mean "none" in reference fields.
inline bool IsNone4(std::u16string_view field) {
  return field == kNone4;
}
inline bool IsNone5(std::u16string_view field) {
  return field == kNone5;
}

// Blanks are spaces and the control characters tab to carriage return. Every name a line
// shows is trimmed, so these are inline.
inline bool IsBlank(char16_t c) {
  return c == u' ' || (c >= u'\t' && c <= u'\r');
}
inline std::u16string_view TrimRight(std::u16string_view text) {
  size_t n = text.size();
  while (n > 0 && IsBlank(text[n - 1])) --n;
  return text.substr(0, n);
}
inline std::u16string_view TrimLeft(std::u16string_view text) {
  size_t b = 0;
  while (b < text.size() && IsBlank(text[b])) ++b;
  return text.substr(b);
}
inline std::u16string_view Trim(std::u16string_view text) {
  return TrimRight(TrimLeft(text));
}

// A non-negative number printed with leading zeros in `width` digits ("%0*d").
std::u16string ZeroPadded(int value, int width);

}  // namespace tavra
