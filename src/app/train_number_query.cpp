// The train-number query: every train whose number matches what was typed, from its
// origin to its terminus.
#include "app/query_core.h"
#include "app/row_range.h"
#include "data/lookup.h"
#include "data/record_fields.h"
#include "data/text_compare.h"
#include "resources/fixed_texts.h"

namespace tavra {
namespace {

constexpr int kNoRow = AllNines(train_digit_record::kFirstNumber);

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

// Widens the match at `mid` to every neighbouring index row whose `key` field equals the
// typed key by `same`; the order among equal keys is the file's.
template <typename Same>
void Widen(const RecordTable& index, int mid, const RecordField& key, Same same, int32_t& first,
           int32_t& last) {
  first = last = mid;
  while (first > 0 && same(Field(index.Record(first - 1), key))) --first;
  while (last + 1 < index.size() && same(Field(index.Record(last + 1), key))) ++last;
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
  using namespace train_digit_record;
  int first = ReadInt(digitRow, numberIndex ? kFirstNumber : kFirstLetter);
  int last = ReadInt(digitRow, numberIndex ? kLastNumber : kLastLetter);
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
    first = ReadInt(digitRow, kFirstLetter);
    last = ReadInt(digitRow, kLastLetter);
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
  m_strTrainNo = PaddedTo(m_strTrainNo, number_index_record::kNumber.len);
  const RecordTable& table = m_data.Table(index);
  // The letter index is ordered by number part, then prefix; the number index by whole key.
  const RecordField& keyField =
      index == LetterTrainIndex ? letter_index_record::kKey : number_index_record::kNumber;
  const size_t a = index == LetterTrainIndex ? letter_index_record::kNumberPart.pos : 0;
  const std::u16string_view typed = m_strTrainNo;
  int lo = m_nTrainFirst, hi = m_nTrainLast;
  while (lo <= hi) {
    const int mid = lo + (hi - lo) / 2;
    const std::u16string_view key = Field(table.Record(mid), keyField);
    if (EqualNoCase(key, typed)) {
      Widen(
          table, mid, keyField, [&](std::u16string_view k) { return EqualNoCase(k, typed); },
          m_nTrainFirst, m_nTrainLast);
      return true;
    }
    const std::u16string_view p = typed.substr(a), q = Field(key, a, keyField.len - a);
    if (TextGreater(p, q) || (p == q && TextGreater(typed.substr(0, a), Field(key, 0, a))))
      lo = mid + 1;
    else
      hi = mid - 1;
  }
  return false;
}

bool QueryCore::FindTrainNumberPart() {
  m_strTrainNo = PaddedTo(m_strTrainNo, letter_index_record::kNumberPart.len);
  const RecordTable& table = m_data.Table(LetterTrainIndex);
  const std::u16string_view typed = m_strTrainNo;
  int lo = m_nTrainFirst, hi = m_nTrainLast;
  while (lo <= hi) {
    const int mid = lo + (hi - lo) / 2;
    const std::u16string_view part = Field(table.Record(mid), letter_index_record::kNumberPart);
    if (part == typed) {
      Widen(
          table, mid, letter_index_record::kNumberPart,
          [&](std::u16string_view k) { return k == typed; }, m_nTrainFirst, m_nTrainLast);
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
    ParseTrain(Field(table.Record(i), index == LetterTrainIndex ? letter_index_record::kTrain
                                                                : number_index_record::kTrain));
    // A train without an origin or terminal call cannot be shown from end to end.
    if (IsNone5(m_train[TrainInfo::OriginCall])) continue;
    m_fromStop = ParseCall(ParseLeadingInt(m_train[TrainInfo::OriginCall]));
    if (IsNone5(m_train[TrainInfo::TerminalCall])) continue;
    m_toStop = ParseCall(ParseLeadingInt(m_train[TrainInfo::TerminalCall]));
    BuildResultRow();
  }
}

}  // namespace tavra
