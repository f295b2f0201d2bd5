#pragma once
// What only two calls of one train together show: each field may hold a valid value and
// the pair still be impossible (a distance that shrinks, an arrival before the departure).
#include "data/parsed_records.h"
#include "data/record_damage.h"

namespace tavra {

// Notes in `damage` the first field that makes the ride from `from` to `to` impossible: a
// time missing where the train is boarded or left, a distance or fare distance smaller
// than where it is boarded, an arrival before the departure. Returns the ride's running
// minutes (RunningMinutes), which the check works out anyway.
int CheckRide(const StopInfo& from, const StopInfo& to, RecordDamage& damage);

}  // namespace tavra
