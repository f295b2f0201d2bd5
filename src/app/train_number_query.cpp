// The train-number query: every train whose number matches what was typed, from its
// origin to its terminus.
#include "app/query_core.h"
#include "app/query_texts.h"
#include "app/row_range.h"
#include "data/lookup.h"
#include "data/record_fields.h"
#include "data/text_compare.h"

namespace tavra {
namespace {

constexpr int kNoRow = 9999;

bool IsLetter(char16_t c) {
  return c >= u'A' && c <= u'Z';
}
bool IsDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

std::u16string PaddedTo(std::u16string_view text, size_t width) {
  std::u16string out(text.substr(0, width));
  out.resize(width, u' ');
  return out;
}

// Widens the match at `mid` to every neighbouring index row whose key (`pos`, `len`)
// equals `key` by `same`; the order among equal keys is the file's.
template <typename Same>
void Widen(const RecordTable& index, int mid, size_t pos, size_t len, Same same, int32_t& first,
           int32_t& last) {
  first = last = mid;
  while (first > 0 && same(Field(index.Record(first - 1), pos, len))) --first;
  while (last + 1 < index.size() && same(Field(index.Record(last + 1), pos, len))) ++last;
}

}  // namespace

void QueryCore::QueryTrainNumber() {
  m_strTrainNo = m_controls.TrainNoText();
  for (char16_t& c : m_strTrainNo) c = UpperAscii(c);
  m_strTrainNo = Trim(m_strTrainNo);
  if (m_strTrainNo.empty()) return m_messages.Message(texts::kEmptyTrainNo, texts::kCaption);
  const std::u16string& typed = m_strTrainNo;
  const bool lettered = IsLetter(typed[0]);
  if (typed.size() > 5 || (lettered && (typed.size() < 2 || !IsDigit(typed[1]))) ||
      (!lettered && !IsDigit(typed[0])))
    return m_messages.Message(texts::kBadTrainNo, texts::kCaption);

  // Four or five characters from a digit: the number index. A letter first: the letter
  // index by whole key. One to three digits: the letter index by number part, whatever
  // the prefix. Four characters also look for the number part in the letter index.
  const bool numberIndex = !lettered && typed.size() >= 4;
  const bool byNumberPart = !lettered && typed.size() <= 3;
  const bool secondSearch = typed.size() == 4;
  const int digit = (lettered ? typed[1] : typed[0]) - u'0';
  std::u16string_view digitRow = m_data.Table(TrainDigitTable).Record(digit);
  const size_t column = numberIndex ? 0 : 8;
  int first = ParseLeadingInt(Field(digitRow, column, 4));
  int last = ParseLeadingInt(Field(digitRow, column + 4, 4));
  // A digit row missing from a damaged file has no range either.
  const bool firstRange = !digitRow.empty() && first != kNoRow && last != kNoRow;
  if (!firstRange && !secondSearch) return m_messages.Message(texts::kNoSuchTrain, texts::kCaption);

  m_nLastRow = -1;
  m_list.SetRedraw(false);
  m_list.DeleteAllRows();
  if (firstRange) {
    m_nTrainFirst = first;
    m_nTrainLast = last;
    const Section index = numberIndex ? NumberTrainIndex : LetterTrainIndex;
    if (byNumberPart ? FindTrainNumberPart() : FindTrainKeys(index)) {
      ListTrainRange(index);
    } else if (!secondSearch) {
      m_list.SetRedraw(true);
      return m_messages.Message(texts::kNoSuchTrain, texts::kCaption);
    }
  }
  if (secondSearch) {
    first = ParseLeadingInt(Field(digitRow, 8, 4));
    last = ParseLeadingInt(Field(digitRow, 12, 4));
    if (!digitRow.empty() && first != kNoRow && last != kNoRow) {
      m_nTrainFirst = first;
      m_nTrainLast = last;
      if (FindTrainNumberPart()) ListTrainRange(LetterTrainIndex);
    }
  }
  WriteCountLabel();
  m_list.SetRedraw(true);
}

bool QueryCore::FindTrainKeys(Section index) {
  m_strTrainNo = PaddedTo(m_strTrainNo, 5);
  const RecordTable& table = m_data.Table(index);
  // The letter index is ordered by number part, then prefix; the number index by whole key.
  const size_t a = index == LetterTrainIndex ? 1 : 0;
  const std::u16string_view typed = m_strTrainNo;
  int lo = m_nTrainFirst, hi = m_nTrainLast;
  while (lo <= hi) {
    const int mid = lo + (hi - lo) / 2;
    const std::u16string_view key = Field(table.Record(mid), 0, 5);
    if (EqualNoCase(key, typed)) {
      Widen(
          table, mid, 0, 5, [&](std::u16string_view k) { return EqualNoCase(k, typed); },
          m_nTrainFirst, m_nTrainLast);
      return true;
    }
    const std::u16string_view p = typed.substr(a), q = Field(key, a, 5 - a);
    if (TextGreater(p, q) || (p == q && TextGreater(typed.substr(0, a), Field(key, 0, a))))
      lo = mid + 1;
    else
      hi = mid - 1;
  }
  return false;
}

bool QueryCore::FindTrainNumberPart() {
  m_strTrainNo = PaddedTo(m_strTrainNo, 4);
  const RecordTable& table = m_data.Table(LetterTrainIndex);
  const std::u16string_view typed = m_strTrainNo;
  int lo = m_nTrainFirst, hi = m_nTrainLast;
  while (lo <= hi) {
    const int mid = lo + (hi - lo) / 2;
    const std::u16string_view part = Field(table.Record(mid), 1, 4);
    if (part == typed) {
      Widen(
          table, mid, 1, 4, [&](std::u16string_view k) { return k == typed; }, m_nTrainFirst,
          m_nTrainLast);
      return true;
    }
    if (TextGreater(typed, part))
      lo = mid + 1;
    else
      hi = mid - 1;
  }
  return false;
}

void QueryCore::ListTrainRange(Section index) {
  const RecordTable& table = m_data.Table(index);
  const auto [first, last] = RowsWithin(table, m_nTrainFirst, m_nTrainLast);
  for (int i = first; i <= last; ++i) {
    ParseTrain(Field(table.Record(i), 5, 4));
    // A train without an origin or terminal call cannot be shown from end to end.
    if (IsNone5(m_train[TrainInfo::OriginCall])) continue;
    m_fromStop = ParseCall(ParseLeadingInt(m_train[TrainInfo::OriginCall]));
    if (IsNone5(m_train[TrainInfo::TerminalCall])) continue;
    m_toStop = ParseCall(ParseLeadingInt(m_train[TrainInfo::TerminalCall]));
    BuildResultRow();
  }
}

}  // namespace tavra
