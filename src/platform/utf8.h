#pragma once
// UTF-8 <-> UTF-16 for the terminal, the command line and the readable sources.
#include <string>
#include <string_view>

namespace tavra {

// Malformed UTF-8 becomes U+FFFD, one per bad byte; characters beyond the BMP become
// surrogate pairs.
std::u16string Utf8ToUtf16(std::string_view text);
// A lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);
// The same, appended to `out`.
void AppendUtf8(std::string& out, std::u16string_view text);
// True when `text` is well-formed UTF-8.
bool IsValidUtf8(std::string_view text);

}  // namespace tavra
