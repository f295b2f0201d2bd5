#pragma once
// Journeys from one station to another with at most one change.
#include <string_view>

#include "data/timetable_data.h"
#include "journeys/journey.h"

namespace tavra {

// The option values a search accepts: each of the three from 0 to 1439 minutes.
bool OptionsValid(const ConnectionOptions& options);

// Every journey worth offering from station `from` to station `to` (names), sorted by
// departure. A leg boards at a call with a departure and alights at a later call of its
// train with an arrival. A change alights at X and boards another train at Y, X and Y of
// one city and of neither end's city, with the minimum change time of the same station or
// of the city; the first train must not have reached the destination's city between
// boarding and X, nor the second pass the departure's city between Y and the end. Every
// train runs every day, so the wait is taken on the clock, and waits over the limit are
// not offered.
ConnectionResult SearchConnections(const TimetableData& data, std::u16string_view from,
                                   std::u16string_view to, const ConnectionOptions& options);

// The same journeys found by comparing every first leg with every second leg and every
// journey with every other, from calls grouped by train number in sequence order: the
// reference the search is tested and measured against.
ConnectionResult SearchConnectionsByAllPairs(const TimetableData& data, std::u16string_view from,
                                             std::u16string_view to,
                                             const ConnectionOptions& options);

}  // namespace tavra
