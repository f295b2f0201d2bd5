#include "text_width.h"

#include <cstdint>

namespace tavra::cli {
namespace {

struct Range {
  char32_t first, last;
};

// East Asian wide and full-width blocks (Unicode's East Asian Width W and F), coarsely.
constexpr Range kWide[] = {
    {0x1100, 0x115F},   {0x2E80, 0x303E},   {0x3041, 0x33FF},   {0x3400, 0x4DBF},
    {0x4E00, 0x9FFF},   {0xA000, 0xA4CF},   {0xAC00, 0xD7A3},   {0xF900, 0xFAFF},
    {0xFE30, 0xFE4F},   {0xFF00, 0xFF60},   {0xFFE0, 0xFFE6},   {0x1F300, 0x1F64F},
    {0x1F900, 0x1F9FF}, {0x20000, 0x2FFFD}, {0x30000, 0x3FFFD},
};

int Width(char32_t c) {
  if (c < 0x20 || (c >= 0x7F && c < 0xA0)) return 0;  // control characters
  if (c < 0x0300) return 1;   // most of every table is here: no range below is searched
  if (c <= 0x036F) return 0;  // combining marks
  if (c >= 0x4E00 && c <= 0x9FFF) return 2;  // the common ideographs: nearly every name
  for (const Range& r : kWide)
    if (c >= r.first && c <= r.last) return 2;
  return 1;
}

}  // namespace

int DisplayWidth(std::u16string_view text) {
  int width = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF)
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    width += Width(c);
  }
  return width;
}

}  // namespace tavra::cli
