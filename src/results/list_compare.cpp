#include "results/list_compare.h"

#include <algorithm>
#include <string>
#include <utility>

#include "data/record_fields.h"
#include "platform/gbk_codec.h"

namespace tavra {
namespace {

int Sign(long long d) {
  return d < 0 ? -1 : d > 0 ? 1 : 0;
}

bool IsDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

bool AllDigits(std::u16string_view text) {
  for (char16_t c : text)
    if (!IsDigit(c)) return false;
  return true;
}

// What a cell holds decides how it compares, and kinds never mix: numbers, then dates,
// then every other text ("－", empty), so that one order exists over any column.
enum class CellKind { Number, Date, Text };

// A decimal: digits, optionally "." and more digits ("25", "105.5").
bool IsDecimal(std::u16string_view text) {
  const size_t point = text.find(u'.');
  const std::u16string_view whole = text.substr(0, point);
  if (whole.empty() || !AllDigits(whole)) return false;
  if (point == std::u16string_view::npos) return true;
  const std::u16string_view fraction = text.substr(point + 1);
  return !fraction.empty() && AllDigits(fraction);
}

// One decimal or several joined by "/" (the berth prices "310.5/321.5/331.5").
bool IsNumberList(std::u16string_view text) {
  for (size_t pos = 0;;) {
    const size_t slash = text.find(u'/', pos);
    if (!IsDecimal(text.substr(pos, slash - pos))) return false;
    if (slash == std::u16string_view::npos) return true;
    pos = slash + 1;
  }
}

bool IsDate(std::u16string_view text) {
  if (text.size() != 10 || text[2] != u'/' || text[5] != u'/') return false;
  for (size_t i : {0, 1, 3, 4, 6, 7, 8, 9})
    if (!IsDigit(text[i])) return false;
  return true;
}

CellKind KindOf(std::u16string_view text) {
  if (IsDate(text)) return CellKind::Date;  // before numbers: 03/04/2007 is no berth price
  if (IsNumberList(text)) return CellKind::Number;
  return CellKind::Text;
}

// Compares two decimals by their digits, exactly and at any length: the whole parts
// without leading zeros by length, then digit by digit, then the fractions as if padded
// with zeros.
int CompareDecimals(std::u16string_view a, std::u16string_view b) {
  auto split = [](std::u16string_view t) {
    const size_t point = std::min(t.find(u'.'), t.size());
    std::u16string_view whole = t.substr(0, point);
    while (whole.size() > 1 && whole[0] == u'0') whole.remove_prefix(1);
    return std::pair{whole, t.substr(std::min(point + 1, t.size()))};
  };
  const auto [wa, fa] = split(a);
  const auto [wb, fb] = split(b);
  if (wa.size() != wb.size()) return wa.size() < wb.size() ? -1 : 1;
  if (int d = wa.compare(wb); d != 0) return Sign(d);
  for (size_t i = 0; i < std::max(fa.size(), fb.size()); ++i) {
    const char16_t x = i < fa.size() ? fa[i] : u'0', y = i < fb.size() ? fb[i] : u'0';
    if (x != y) return x < y ? -1 : 1;
  }
  return 0;
}

// Number lists compare element by element; a list that ends first comes first.
int CompareNumberLists(std::u16string_view a, std::u16string_view b) {
  for (size_t pa = 0, pb = 0;;) {
    const size_t ea = std::min(a.find(u'/', pa), a.size()),
                 eb = std::min(b.find(u'/', pb), b.size());
    if (int d = CompareDecimals(a.substr(pa, ea - pa), b.substr(pb, eb - pb)); d != 0) return d;
    const bool aEnds = ea == a.size(), bEnds = eb == b.size();
    if (aEnds || bEnds) return aEnds == bEnds ? 0 : aEnds ? -1 : 1;
    pa = ea + 1;
    pb = eb + 1;
  }
}

// Primary weight of one code unit: punctuation < digits < letters (case folded) < Chinese
// by GBK code < everything GBK cannot encode.
uint32_t Weight(char16_t c) {
  if (IsDigit(c)) return 0x100u + c;
  if (c >= u'a' && c <= u'z') return 0x200u + c;
  if (c >= u'A' && c <= u'Z') return 0x200u + c + (u'a' - u'A');
  if (c < 0x80) return c;
  bool lossless = true;
  std::string gbk = Utf16ToGbk(std::u16string_view(&c, 1), &lossless);
  if (lossless && gbk.size() == 2)
    return 0x10000u +
           (static_cast<unsigned char>(gbk[0]) << 8 | static_cast<unsigned char>(gbk[1]));
  return 0x20000u + c;
}

bool IsLower(char16_t c) {
  return c >= u'a' && c <= u'z';
}

}  // namespace

int CompareListText(std::u16string_view a, std::u16string_view b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    if (a[i] == b[i]) continue;
    uint32_t x = Weight(a[i]), y = Weight(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  // Equal but for the case of letters: lower case first, as the desktop's locale sorts.
  for (size_t i = 0; i < n; ++i)
    if (a[i] != b[i]) return IsLower(a[i]) ? -1 : IsLower(b[i]) ? 1 : Sign(a[i] - b[i]);
  return 0;
}

namespace {

constexpr int kKeyGroups = 6, kGroupBits = 10;
// Weights below this fit a group (as weight + 1; 0 marks the end of the text): every
// ASCII unit does; a Chinese character ends the exact part of a key.
constexpr uint32_t kSmallWeights = (1u << kGroupBits) - 1;

int CompareOfKind(std::u16string_view a, CellKind kind, std::u16string_view b) {
  if (kind == CellKind::Number) return CompareNumberLists(a, b);
  if (kind == CellKind::Date) {
    for (auto [pos, len] : {std::pair<size_t, size_t>{6, 4}, {3, 2}, {0, 2}}) {
      int d = Sign(static_cast<long long>(ParseLeadingInt(Field(a, pos, len))) -
                   ParseLeadingInt(Field(b, pos, len)));
      if (d != 0) return d;
    }
    return 0;
  }
  return CompareListText(a, b);
}

}  // namespace

CellSortKey MakeCellSortKey(std::u16string_view text) {
  CellSortKey key;
  const CellKind kind = KindOf(text);
  key.kind = static_cast<int>(kind);
  if (kind != CellKind::Text) return key;
  for (int i = 0; i < kKeyGroups; ++i) {
    uint32_t code = 0;  // the end of the text, which orders before every unit
    if (static_cast<size_t>(i) < text.size()) {
      const uint32_t w = Weight(text[static_cast<size_t>(i)]);
      if (w >= kSmallWeights) break;
      code = w + 1;
    }
    key.prefix |= static_cast<uint64_t>(code) << (64 - kGroupBits * (i + 1));
    key.exactGroups = i + 1;
  }
  return key;
}

int CompareCellTextsWithKeys(std::u16string_view a, const CellSortKey& keyA, std::u16string_view b,
                             const CellSortKey& keyB) {
  if (keyA.kind != keyB.kind) return keyA.kind < keyB.kind ? -1 : 1;
  const CellKind kind = static_cast<CellKind>(keyA.kind);
  if (kind == CellKind::Text && keyA.prefix != keyB.prefix) {
    // The first group that differs decides when both keys hold it exactly: the groups
    // before it are equal weights, which CompareListText passes over too.
    const int group = __builtin_clzll(keyA.prefix ^ keyB.prefix) / kGroupBits;
    if (group < keyA.exactGroups && group < keyB.exactGroups)
      return keyA.prefix < keyB.prefix ? -1 : 1;
  }
  return CompareOfKind(a, kind, b);
}

int CompareCellTexts(std::u16string_view a, std::u16string_view b) {
  const CellKind kind = KindOf(a), other = KindOf(b);
  if (kind != other) return kind < other ? -1 : 1;
  return CompareOfKind(a, kind, b);
}

}  // namespace tavra
