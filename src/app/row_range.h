#pragma once
// Walking a range of table rows that came from the data.
#include <algorithm>
#include <utility>

#include "data/timetable_data.h"

namespace tavra {

// The rows of first..last that exist in `table`: a range from a damaged file never walks
// outside the table (nor for long over rows that are not there).
inline std::pair<int, int> RowsWithin(const RecordTable& table, int first, int last) {
  return {std::max(first, 0), std::min(last, table.size() - 1)};
}

}  // namespace tavra
