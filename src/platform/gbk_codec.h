#pragma once
// GBK (Windows code page 936) <-> UTF-16. The data files and the station-name order are
// GBK; everything else in the program works on UTF-16 text.
#include <cstddef>
#include <string>
#include <string_view>

namespace tavra {

// The character that replaces a byte sequence without a character, and a UTF-16 unit
// that GBK cannot encode (code page 936's default character).
inline constexpr char16_t kGbkDefaultChar = u'?';

// Decodes `size` bytes into `out`, which must have room for `size` units (a GBK text never
// decodes to more units than bytes). Returns the number of units written. A two-byte code
// becomes one unit; an undefined code or a lead byte without its trail byte becomes '?'.
size_t DecodeGbk(const unsigned char* bytes, size_t size, char16_t* out);

std::u16string GbkToUtf16(std::string_view bytes);

// Encodes UTF-16 text; a unit GBK cannot encode becomes '?'. Sets *lossless (when given)
// to false if that happened.
std::string Utf16ToGbk(std::u16string_view text, bool* lossless = nullptr);

// True when every byte sequence of `bytes` is a defined GBK character.
bool IsValidGbk(std::string_view bytes);

}  // namespace tavra
