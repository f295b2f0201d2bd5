#pragma once
// Journeys priced by the query core's row builder, so their lines and prices are the lists'.
#include <string_view>
#include <vector>

#include "data/record_damage.h"
#include "data/timetable_data.h"
#include "journeys/journey.h"

namespace tavra {

// Priced journeys from `from` to `to`; `error` tells why there are none when a request
// cannot be searched.
struct JourneyAnswer {
  std::vector<Journey> journeys;
  ConnectionError error = ConnectionError::None;
  // A damaged field met while pricing: then there are no journeys, since none can be
  // trusted.
  RecordDamage damage;
};

JourneyAnswer FindJourneys(const TimetableData& data, std::u16string_view from,
                           std::u16string_view to, const ConnectionOptions& options);

}  // namespace tavra
