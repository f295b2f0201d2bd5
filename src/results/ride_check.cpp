#include "results/ride_check.h"

#include "data/field_rules.h"
#include "data/record_fields.h"
#include "results/row_texts.h"

namespace tavra {

int CheckRide(const StopInfo& from, const StopInfo& to, RecordDamage& damage) {
  using namespace stop_record;
  if (!IsClockTime(from.depart))
    damage.Note(StopTable, from.row, kDepart, from.depart, "is no time where the train is boarded");
  if (!IsClockTime(to.arrive))
    damage.Note(StopTable, to.row, kArrive, to.arrive, "is no time where the train is left");
  if (to.km < from.km)
    damage.Note(StopTable, to.row, kKm, ZeroPadded(to.km, static_cast<int>(kKm.len)),
                "is less than the distance where the train is boarded");
  const int minutes = RunningMinutes(from, to);
  if (minutes < 0)
    damage.Note(StopTable, to.row, kDay, to.day, "puts the arrival before the departure");
  // Fare distances exist only where both calls have a fare-distance row.
  if (IsNone5(from.fareRow) || IsNone5(to.fareRow)) return minutes;
  const RecordField& fareKm = fare_distance_record::kKm;
  for (size_t i = 0; i < from.fareKm.size(); ++i)
    if (to.fareKm[i] < from.fareKm[i])
      damage.Note(FareDistanceTable, ParseLeadingInt(to.fareRow), fareKm.At(i),
                  ZeroPadded(to.fareKm[i], static_cast<int>(fareKm.len)),
                  "is less than the fare distance where the train is boarded");
  return minutes;
}

}  // namespace tavra
