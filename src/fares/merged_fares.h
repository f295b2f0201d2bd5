#pragma once
// The merged distance: the stretches the tariff prices as one distance, with segment 0's
// percentages.
#include "fares/fare_state.h"

namespace tavra {

// Sets the seat and berth sums of the current line for q.m_nMergedKm; the berths are
// charged on the merged distance plus q.m_nSeatOnlyKm and keep their first 10 yuan
// unscaled (so the engine adds no berth fee after this).
void ComputeMergedFares(FareState& q);

}  // namespace tavra
