#include "fares/fare_text.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <system_error>

#include "data/record_fields.h"

namespace tavra {
namespace {

// Copies the leading [-]digits[.digits] of `text`, after blanks, into `out`; returns its
// length. Longer numbers than any amount are cut, which only ever affects garbage.
size_t LeadingNumber(std::u16string_view text, char (&out)[32], bool withFraction) {
  text = TrimLeft(text);
  size_t i = 0, n = 0;
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

// The amounts the engine reads back are short unsigned decimals it printed itself; they
// are read here without a copy. An integer of at most 15 digits and a power of ten up to
// 10^15 are both exact doubles, so one division rounds correctly, as from_chars does.
// Anything else (a sign, more digits, no whole part) takes the general reading.
bool ReadShortDecimal(std::u16string_view text, double& value) {
  text = TrimLeft(text);
  int64_t digits = 0;
  int count = 0, fraction = -1;
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c >= u'0' && c <= u'9') {
      if (++count > 15) return false;
      digits = digits * 10 + (c - u'0');
      if (fraction >= 0) ++fraction;
    } else if (c == u'.' && fraction < 0 && count > 0) {
      fraction = 0;
    } else {
      break;
    }
  }
  if (count == 0) return false;
  static constexpr double kTens[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                     1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  value = static_cast<double>(digits) / kTens[fraction > 0 ? fraction : 0];
  return true;
}

// Writes the decimal digits of `v` (v >= 0) to end at `end`; returns where they start.
char16_t* DigitsBefore(char16_t* end, uint64_t v) {
  do {
    *--end = static_cast<char16_t>(u'0' + v % 10);
    v /= 10;
  } while (v > 0);
  return end;
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
  double v = 0;
  if (ReadShortDecimal(text, v)) return v;
  char buf[32];
  size_t n = LeadingNumber(text, buf, true);
  v = 0;
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

void AssignWholeText(std::u16string& out, int v) {
  char16_t buf[12];
  char16_t* end = buf + 12;
  char16_t* p = DigitsBefore(end, v < 0 ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v));
  if (v < 0) *--p = u'-';
  out.assign(p, end);
}

void AssignOneDecimalText(std::u16string& out, double v) {
  // A value that is the nearest double to some r/10 lies far closer to r/10 than the 0.05
  // that would round it elsewhere, so r is its text: most prices are such tenths.
  const double tenths = v * 10;
  if (!std::signbit(v) && tenths < 1e15 && tenths == std::trunc(tenths) && tenths / 10 == v) {
    char16_t buf[24];
    char16_t* end = buf + 24;
    const uint64_t r = static_cast<uint64_t>(tenths);
    char16_t* p = DigitsBefore(end - 2, r / 10);
    end[-2] = u'.';
    end[-1] = static_cast<char16_t>(u'0' + r % 10);
    out.assign(p, end);
    return;
  }
  // to_chars with a precision rounds exactly as printf's "%0.1f" does.
  char buf[400];
  auto end = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 1).ptr;
  out.assign(buf, end);
}

void AssignPriceText(std::u16string& out, double p) {
  double whole = std::trunc(p);
  if (p == whole)
    AssignWholeText(out, TruncToInt(whole));
  else
    AssignOneDecimalText(out, p);
}

std::u16string WholeText(int v) {
  std::u16string text;
  AssignWholeText(text, v);
  return text;
}

std::u16string OneDecimalText(double v) {
  std::u16string text;
  AssignOneDecimalText(text, v);
  return text;
}

std::u16string PriceText(double p) {
  std::u16string text;
  AssignPriceText(text, p);
  return text;
}

}  // namespace tavra
