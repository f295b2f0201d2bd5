// Direct trains between the departure and arrival ranges' stations.
#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "app/query_core.h"
#include "app/row_range.h"
#include "data/lookup.h"
#include "data/record_fields.h"
#include "data/text_compare.h"

namespace tavra {
namespace {

// A train field's units, lower-cased, packed high to low (Field cuts the field to its
// four units): comparing keys as numbers orders the fields as CompareNoCase does.
static_assert(stop_record::kTrain.Length() <= 4);
uint64_t TrainKey(std::u16string_view train) {
  uint64_t key = 0;
  for (size_t i = 0; i < 4; ++i) {
    char16_t c = i < train.size() ? train[i] : 0;
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + (u'a' - u'A'));
    key = key << 16 | c;
  }
  return key;
}

struct ArrivalCall {
  explicit ArrivalCall(std::u16string_view field, int stopRow)
      : train(field), key(TrainKey(field)), row(stopRow) {}
  std::u16string_view train;  // the call's TrainTable row field, as stored
  uint64_t key;
  int row;  // its StopTable row
};

// The order of CompareNoCase on the train fields.
bool TrainBefore(const ArrivalCall& a, const ArrivalCall& b) {
  if (a.key != b.key) return a.key < b.key;
  // Equal keys: the padding 0 orders a field cut short by its record first, as the
  // comparison does.
  return a.train.size() < b.train.size();
}

}  // namespace

// A join on the train: the arrival calls are grouped by train once, so each departure call
// meets only the arrival calls of its own train instead of all of them. Train fields are
// matched as the cross comparison matches them, as text regardless of case, and each
// group keeps StopTable order, so the rows come out in the same order.
void QueryCore::ListBetween() {
  const RecordTable& stops = m_data.Table(StopTable);
  const auto [toFirst, toLast] = RowsWithin(stops, m_nToFirst, m_nToLast);
  std::vector<ArrivalCall> arrivals;
  arrivals.reserve(static_cast<size_t>(std::max(0, toLast - toFirst + 1)));
  for (int j = toFirst; j <= toLast; ++j)
    arrivals.emplace_back(Field(stops.Record(j), stop_record::kTrain), j);
  // Rows ascend as pushed, so ties broken by row keep StopTable order, as a stable sort.
  std::sort(arrivals.begin(), arrivals.end(), [](const ArrivalCall& a, const ArrivalCall& b) {
    return TrainBefore(a, b) || (!TrainBefore(b, a) && a.row < b.row);
  });

  const auto [fromFirst, fromLast] = RowsWithin(stops, m_nFromFirst, m_nFromLast);
  for (int i = fromFirst; i <= fromLast; ++i) {
    const ArrivalCall probe(Field(stops.Record(i), stop_record::kTrain), i);
    const auto [begin, end] =
        std::equal_range(arrivals.begin(), arrivals.end(), probe, TrainBefore);
    // The boarding call is parsed only when its train reaches the arrival station at all,
    // and the last one always, so the state is left as the cross comparison leaves it.
    if (begin == end) {
      if (i == fromLast) m_fromStop = ParseCall(i);
      continue;
    }
    m_fromStop = ParseCall(i);
    for (auto a = begin; a != end; ++a) {
      if (CompareNoCase(m_fromStop.seq, Field(stops.Record(a->row), stop_record::kSeq)) >= 0)
        continue;
      m_toStop = ParseCall(a->row);
      BuildResultRow();
    }
  }
}

void QueryCore::ListBetweenByCrossComparison() {
  const RecordTable& stops = m_data.Table(StopTable);
  const auto [fromFirst, fromLast] = RowsWithin(stops, m_nFromFirst, m_nFromLast);
  const auto [toFirst, toLast] = RowsWithin(stops, m_nToFirst, m_nToLast);
  for (int i = fromFirst; i <= fromLast; ++i) {
    m_fromStop = ParseCall(i);
    for (int j = toFirst; j <= toLast; ++j) {
      const std::u16string_view record = stops.Record(j);
      if (CompareNoCase(Field(record, stop_record::kTrain), m_fromStop.train) == 0 &&
          CompareNoCase(m_fromStop.seq, Field(record, stop_record::kSeq)) < 0) {
        m_toStop = ParseCall(j);
        BuildResultRow();
      }
    }
  }
}

}  // namespace tavra
