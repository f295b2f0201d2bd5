#pragma once
// The distance tariff: every seat and berth amount of one stretch computed from its
// distance, with the falling rate per kilometre of the hard seat.
#include <cmath>

#include "fares/fare_set.h"
#include "fares/fare_state.h"

namespace tavra {

// A distance replaced by the midpoint of its zone, and the hard-seat base amount there.
struct TariffZone {
  int zoneKm = 0;   // 0 for a distance that falls in no band (a fraction between two)
  double base = 0;  // unrounded yuan
};
TariffZone ZoneOf(double km);

// The tariff's insurance of a base amount: 2 per cent, rounded up to the next tenth.
inline double TariffInsurance(double base) {
  return std::ceil(base * 0.2) * 0.1;
}

// Fills `fare` for `km` from the tariff; see the members' order in the definition.
void BaseFare(const FareState& q, FareSet& fare, double km);

// Multiple-unit seat fares by the train's class code, before insurance.
void SecondClassFare(const FareState& q, FareSet& fare, double km);
void FirstClassFare(const FareState& q, FareSet& fare, double km);

// The share of a berth amount charged for a distance: 1, 0.75, 0.5 or 0.25.
double ZoneShare(int km);

}  // namespace tavra
