#pragma once
// The list's lines of a journey's legs and the journey's prices.
#include <functional>
#include <vector>

#include "journeys/journey.h"

namespace tavra {

// The result line of one ride, priced, as the lists build it.
using RideRowBuilder = std::function<ResultRow(const Ride& ride)>;

// Each plan with its legs' lines and its summed prices.
std::vector<Journey> PriceJourneys(const std::vector<JourneyPlan>& plans,
                                   const RideRowBuilder& build);

// The sum of both legs' prices for each class both carry, "－" for the others; a direct
// journey's prices are its line's.
JourneyPrices SumPrices(const Journey& journey);

}  // namespace tavra
