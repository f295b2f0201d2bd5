#include "app/journey_rows.h"

#include "app/query_core.h"
#include "journeys/connection_search.h"
#include "journeys/journey_prices.h"

namespace tavra {

JourneyAnswer FindJourneys(const TimetableData& data, std::u16string_view from,
                           std::u16string_view to, const ConnectionOptions& options) {
  ConnectionResult found = SearchConnections(data, from, to, options);
  JourneyAnswer answer;
  answer.error = found.error;
  answer.damage = std::move(found.damage);
  if (found.error != ConnectionError::None || answer.damage.Found()) return answer;
  // A core of its own, so the caller's list and current line stay as they are.
  QueryCore core(data);
  answer.journeys = PriceJourneys(found.journeys, [&](const Ride& ride) {
    return core.BuildRideRow(ride.boardCall, ride.alightCall);
  });
  answer.damage = core.Damage();
  if (answer.damage.Found()) answer.journeys.clear();
  return answer;
}

}  // namespace tavra
