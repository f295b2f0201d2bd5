#pragma once
// The routines that price one fare segment and add it into the running sums (q.m_prices) of the
// current result line, one per kind of segment.
#include <string_view>

#include "fares/fare_state.h"

namespace tavra {

// Seat parts of the amounts in q.m_fare, scaled by a segment's two percentage factors.
struct SeatParts {
  double airCon = 0;    // A: only for air-conditioned trains
  double hardSeat = 0;  // H
  double softSeat = 0;  // S
  int express = 0;      // X: the scaled unit times the train's express multiple
};
SeatParts ScaledSeatParts(const FareState& q, double f1, double f2);

// Kinds "0" and "6": what the segment adds on top of a 900 km journey.
void AddContinuationSegment(FareState& q, int km, double p1, double p2);
// Kind "1": the tariff for the segment's own distance, berths by the distance share.
void AddDistanceShareSegment(FareState& q, int km, double p1, double p2);
// Kind "4": the tariff's band table, berths at a 400 km minimum for short journeys.
void AddBandTableSegment(FareState& q, int km, double p1, double p2,
                         std::u16string_view tariffCode);
// Kind "5": the band table for the seats only; berth sums grow by the seat amounts.
void AddBandSeatSegment(FareState& q, int km, double p1, double p2, std::u16string_view tariffCode);
// Kinds "7" and "8": the station pair's fixed fares, else the tariff.
void AddStationFareSegment(FareState& q, std::u16string_view fromStation,
                           std::u16string_view toStation, std::u16string_view trainRow, int km,
                           double p1, double p2);

}  // namespace tavra
