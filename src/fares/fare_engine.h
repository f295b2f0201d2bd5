#pragma once
// The fare engine: the price of every seat and berth class of the current result line.
#include "fares/fare_state.h"

namespace tavra {

// Writes all price texts of q.Line() for q.m_train between q.m_fromStop and q.m_toStop.
// Segments the tariff prices as one distance are merged; their segmentKm elements in the
// row are zeroed.
void ComputeFares(FareState& q);

// The alternative computation for trains with a kind-6 segment after the first: writes the
// soft-seat, multiple-unit and soft-sleeper texts (the row builder keeps those six). Kind-6
// segments are priced one by one here instead of merged; segmentKm is left unchanged.
void ComputeSoftClassFares(FareState& q);

// Prices fare segment k (0-5) by the routine of its fare kind into the running sums.
void AddSegmentFare(FareState& q, int k);

}  // namespace tavra
