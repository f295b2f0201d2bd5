#pragma once
// A train's own percentages on its summed prices.
#include <string>

#include "fares/fare_state.h"

namespace tavra {

// Raises the hard-seat, soft-seat and five berth sums of the current line by the
// RateTable row of `trainRow` (the boarding call's TrainTable row text). Without a row
// nothing changes; empty sums stay empty; the multiple-unit classes are never raised.
void ApplyTrainRates(FareState& q, std::u16string_view trainRow);

}  // namespace tavra
