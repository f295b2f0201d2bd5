// Direct trains between the departure and arrival ranges' stations.
#include <algorithm>
#include <string_view>
#include <vector>

#include "app/query_core.h"
#include "app/row_range.h"
#include "data/lookup.h"
#include "data/record_fields.h"
#include "data/text_compare.h"

namespace tavra {
namespace {

struct ArrivalCall {
  std::u16string_view train;  // the call's TrainTable row field, as stored
  int row;                    // its StopTable row
};

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
    arrivals.push_back({Field(stops.Record(j), stop_record::kTrain), j});
  auto byTrain = [](const ArrivalCall& a, const ArrivalCall& b) {
    return CompareNoCase(a.train, b.train) < 0;
  };
  std::stable_sort(arrivals.begin(), arrivals.end(), byTrain);

  const auto [fromFirst, fromLast] = RowsWithin(stops, m_nFromFirst, m_nFromLast);
  for (int i = fromFirst; i <= fromLast; ++i) {
    const ArrivalCall probe{Field(stops.Record(i), stop_record::kTrain), i};
    const auto [begin, end] = std::equal_range(arrivals.begin(), arrivals.end(), probe, byTrain);
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
