#include "fares/fare_text.h"

#include <charconv>
#include <climits>
#include <system_error>

namespace tavra {
namespace {

// Copies the leading [-]digits[.digits] of `text`, after blanks, into `out`; returns its
// length. Longer numbers than any amount are cut, which only ever affects garbage.
size_t LeadingNumber(std::u16string_view text, char (&out)[32], bool withFraction) {
  size_t i = 0, n = 0;
  while (i < text.size() && (text[i] == u' ' || (text[i] >= u'\t' && text[i] <= u'\r'))) ++i;
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
    if (text[i] == u'-') out[n++] = '-';
    ++i;
  }
  bool point = false;
  for (; i < text.size() && n + 1 < sizeof out; ++i) {
    char16_t c = text[i];
    if (c >= u'0' && c <= u'9') {
      out[n++] = static_cast<char>(c);
    } else if (c == u'.' && withFraction && !point) {
      point = true;
      out[n++] = '.';
    } else {
      break;
    }
  }
  return n;
}

}  // namespace

double PercentFactor(std::u16string_view percent) {
  return 1 + ReadAmount(percent) * 0.01;
}

int TruncToInt(double v) {
  if (!(v > INT_MIN)) return v < 0 ? INT_MIN : 0;  // NaN reads as 0
  if (!(v < INT_MAX)) return INT_MAX;
  return static_cast<int>(v);
}

double ReadAmount(std::u16string_view text) {
  char buf[32];
  size_t n = LeadingNumber(text, buf, true);
  double v = 0;
  if (std::from_chars(buf, buf + n, v, std::chars_format::fixed).ec != std::errc()) return 0;
  return v;
}

int ReadWhole(std::u16string_view text) {
  char buf[32];
  size_t n = LeadingNumber(text, buf, false);
  long long v = 0;
  auto result = std::from_chars(buf, buf + n, v);
  if (result.ec == std::errc::result_out_of_range) return buf[0] == '-' ? INT_MIN : INT_MAX;
  if (result.ec != std::errc()) return 0;
  return v > INT_MAX ? INT_MAX : v < INT_MIN ? INT_MIN : static_cast<int>(v);
}

std::u16string WholeText(int v) {
  char buf[16];
  auto end = std::to_chars(buf, buf + sizeof buf, v).ptr;
  return std::u16string(buf, end);
}

std::u16string OneDecimalText(double v) {
  // to_chars with a precision rounds exactly as printf's "%0.1f" does.
  char buf[400];
  auto end = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 1).ptr;
  return std::u16string(buf, end);
}

std::u16string PriceText(double p) {
  double whole = std::trunc(p);
  return p == whole ? WholeText(TruncToInt(whole)) : OneDecimalText(p);
}

}  // namespace tavra
