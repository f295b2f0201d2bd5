#pragma once
// The insurance deduction taken off every shown price.
#include "fares/fare_state.h"

namespace tavra {

// The tariff's insurance for `km` rounded up to the next half yuan, raised to 1 on the
// short journeys of the trains that carry a minimum.
double InsuranceDeduction(const FareState& q, double km);

}  // namespace tavra
