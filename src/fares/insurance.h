#pragma once
// The insurance deduction taken off every shown price.
#include "app/query_core.h"

namespace tavra {

// The tariff's insurance for `km` rounded up to the next half yuan, raised to 1 on the
// short journeys of the trains that carry a minimum.
double InsuranceDeduction(const QueryCore& q, double km);

}  // namespace tavra
