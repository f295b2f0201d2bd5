#include "online/http_answer.h"

#include <limits>

namespace tavra {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
  if (s.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    char c = s[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != prefix[i]) return false;
  }
  return true;
}

}  // namespace

std::string KeptResponseText(std::string_view body) {
  std::string text;
  size_t total = 0;
  size_t pos = 0;
  while (pos < body.size()) {
    size_t len = std::min(kMaxReadChars, body.size() - pos);
    if (size_t nl = body.substr(pos, len).find('\n'); nl != std::string_view::npos) len = nl + 1;
    total += len;
    if (total > kMaxResponseChars) break;
    text.append(body.substr(pos, len));
    pos += len;
  }
  return text;
}

std::optional<int> LeadingInteger(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  const bool negative = i < text.size() && text[i] == '-';
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  if (i >= text.size() || text[i] < '0' || text[i] > '9') return std::nullopt;
  long long n = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    n = n * 10 + (text[i] - '0');
    if (n > std::numeric_limits<int>::max()) return std::nullopt;
  }
  return static_cast<int>(negative ? -n : n);
}

std::optional<std::string> LocationHeader(std::string_view headers) {
  size_t pos = 0;
  while (pos < headers.size()) {
    size_t end = headers.find('\n', pos);
    if (end == std::string_view::npos) end = headers.size();
    std::string_view line = headers.substr(pos, end - pos);
    pos = end + 1;
    if (StartsWithNoCase(line, "location:")) {
      std::string_view value = Trim(line.substr(9));
      if (value.empty()) return std::nullopt;
      return std::string(value);
    }
  }
  return std::nullopt;
}

}  // namespace tavra
