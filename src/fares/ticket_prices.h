#pragma once
// The last step of a line's fares: supplements and deduction on the summed amounts, and
// the shown price texts, written from the running sums.
#include "fares/fare_state.h"

namespace tavra {

// The two supplements of the price step. The ticket supplement changes as the seat classes
// are priced and the berths take it as the last seat class left it.
struct Supplements {
  double ticket = 1;
  double longDistance = 0;
};

// Chooses the supplements and stores the insurance deduction for `tariffKm` in
// q.m_deduction. Trains with a fare segment of kind "7" among the first two get no
// long-distance supplement, and unless their first segment has kind "1" neither a ticket
// supplement nor a deduction. `longDistance`: whether the supplement is determined at all.
Supplements ChooseSupplements(FareState& q, double tariffKm, bool longDistance);

// Each writes the shown texts of its classes, "－" for one the train does not carry.
void PriceHardSeat(FareState& q, Supplements& sup);
void PriceSeatClasses(FareState& q, Supplements& sup);  // second, first and soft seat
void PriceHardSleepers(FareState& q, const Supplements& sup);
void PriceSoftSleepers(FareState& q, const Supplements& sup);

}  // namespace tavra
