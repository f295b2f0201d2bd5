#pragma once
// The fare engine: the price of every seat and berth class of the current result line.
#include "app/query_core.h"

namespace tavra {

// Writes all price texts of q.CurrentRow() for q.m_train between q.m_fromStop and q.m_toStop.
void ComputeFares(QueryCore& q);

// The alternative computation for trains with a kind-6 segment after the first: writes the
// soft-seat, multiple-unit and soft-sleeper texts (the row builder keeps those six).
void ComputeSoftClassFares(QueryCore& q);

}  // namespace tavra
