#pragma once
// Reading the update server's answer: its headers for a redirection's target, its body for
// the leading number.
#include <optional>
#include <string>
#include <string_view>

namespace tavra {

// The body is read in lines of at most kMaxReadChars characters (a line ends after its
// '\n'); lines are kept while their running total stays within kMaxResponseChars.
inline constexpr size_t kMaxReadChars = 1024;
inline constexpr size_t kMaxResponseChars = 31999;

// The kept lines of `body`. Only the first kMaxResponseChars + 1 bytes matter, so a
// client may stop reading after them.
std::string KeptResponseText(std::string_view body);

// The leading decimal integer of `text` after blanks and line breaks, with an optional
// sign; nullopt when no digit follows or the number does not fit an int.
std::optional<int> LeadingInteger(std::string_view text);

// The value of the first "Location" header line (name in any case), without its
// carriage return and surrounding blanks; nullopt when there is none or it is empty.
std::optional<std::string> LocationHeader(std::string_view headers);

}  // namespace tavra
