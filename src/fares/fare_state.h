#pragma once
// Everything the fare engine reads and writes while it prices one line: the journey, the
// train, the running amounts and the line. The query core is one; a benchmark or a test
// can hold one on its own.
#include <cstdint>

#include "data/parsed_records.h"
#include "data/timetable_data.h"
#include "fares/fare_line.h"
#include "fares/fare_set.h"
#include "fares/running_price.h"

namespace tavra {

struct FareState {
  explicit FareState(const TimetableData& data) : m_data(data) {}

  // The line being priced; set before the engine is called.
  FareLine& Line() { return *m_pLine; }

  const TimetableData& m_data;
  StopInfo m_fromStop;     // boarding call of the current train
  StopInfo m_toStop;       // alighting call
  TrainInfo m_train;       // the current train
  FareSet m_fare;          // amounts of the fare segment being priced
  RunningPrices m_prices;  // the line's sums while it is priced

  double m_deduction = 0;     // insurance deduction of the current line
  int32_t m_nAllBerths = 1;   // 1: upper and middle berths are priced too
  int32_t m_nMergedKm = 0;    // merged tariff distance of the current line
  int32_t m_nSeatOnlyKm = 0;  // summed distance of the kind-5 segments
  int32_t m_nExpressMultiple = 0;

  FareLine* m_pLine = nullptr;

  // The first damaged field the reads of the current query met. Reading notes it, so the
  // engine's read-only routines write it too.
  mutable RecordDamage m_damage;
};

}  // namespace tavra
