#pragma once
// One result line from the boarding and alighting calls of one train.
#include "fares/fare_state.h"
#include "results/result_row.h"
#include "results/sort_list_model.h"

namespace tavra {

struct RowStyle {
  bool fullTrainNumber = false;  // the train-number query shows the whole number
  bool sortByArrival = false;    // the hidden sort column holds the arrival time
};

// Fills `row` for the train of state.m_fromStop from state.m_fromStop to state.m_toStop:
// parses the train into state.m_train, prices the line, and appends its 16 texts to
// `list`, in red when the train starts where the traveller boards. Returns the new line's
// list index.
int BuildResultRow(FareState& state, ResultRow& row, SortListModel& list, RowStyle style);

}  // namespace tavra
