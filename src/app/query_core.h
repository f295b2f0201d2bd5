#pragma once
// The state of the running query, shared by the query routines, the row builder and the
// fare engine. The desktop dialog, the terminal program and the tests each drive one.
#include <string>
#include <vector>

#include "data/parsed_records.h"
#include "data/timetable_data.h"
#include "fares/fare_set.h"
#include "results/result_row.h"

namespace tavra {

// m_nQueryKind values.
enum QueryKind : int32_t {
  kQueryStationToStation = 0,
  kQueryTrainNumber = 1,
  kQueryTransfer = 4,
  kQueryStationDepartures = 6,
  kQueryStationArrivals = 7,
};

class QueryCore {
 public:
  static constexpr int32_t kInitialRows = 800;

  explicit QueryCore(const TimetableData& data) : m_data(data), m_rows(kInitialRows) {}

  // The result row being filled.
  ResultRow& CurrentRow() { return m_rows[static_cast<size_t>(m_nLastRow)]; }

  const TimetableData& m_data;

  // Inputs as last read.
  std::u16string m_strToStation;
  std::u16string m_strFromStation;
  std::u16string m_strMode;
  std::u16string m_strTrainNo;
  std::u16string m_strStation;

  double m_deduction = 0;    // insurance deduction of the current line
  int32_t m_nAllBerths = 1;  // 1: upper and middle berths are priced too

  // Station key ranges while typing; StopTable ranges after a lookup.
  int32_t m_nFromFirst = 0, m_nFromLast = -1;
  int32_t m_nToFirst = 0, m_nToLast = -1;
  int32_t m_nStationFirst = 0, m_nStationLast = -1;
  int32_t m_nTrainFirst = 0, m_nTrainLast = -1;  // train-number index rows

  int32_t m_nLastRow = -1;   // the row being filled; -1 before a query's first row
  int32_t m_nLastItem = -1;  // list index of the last appended line
  int32_t m_nQueryKind = kQueryStationToStation;

  StopInfo m_fromStop;  // boarding call of the current train
  StopInfo m_toStop;    // alighting call
  TrainInfo m_train;    // the current train
  FareSet m_fare;       // amounts of the fare segment being priced

  int32_t m_nMergedKm = 0;    // merged tariff distance of the current line
  int32_t m_nSeatOnlyKm = 0;  // summed distance of the kind-5 segments
  int32_t m_nExpressMultiple = 0;

  // Made in advance and reused; grows by one row when a query needs more, never shrinks.
  std::vector<ResultRow> m_rows;
  int32_t m_nRowCapacity = kInitialRows;
};

}  // namespace tavra
