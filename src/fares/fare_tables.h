#pragma once
// Fares the data file provides instead of the tariff: by tariff code and distance band,
// and fixed fares by station pair and train.
#include <string_view>

#include "fares/fare_set.h"
#include "fares/fare_state.h"

namespace tavra {

// The band of tariff `tariffCode` that holds `km`: fills hard seat, soft seat, express,
// the five berths and air-conditioning from the set of the train's air-conditioning flag
// and returns 1; returns 0 and changes nothing when the tariff or the band is missing.
int LookupBandFares(const FareState& q, FareSet& fare, int km, std::u16string_view tariffCode);

// As LookupBandFares, for the five berth members only.
int LookupBandBerths(const FareState& q, FareSet& fare, int km, std::u16string_view tariffCode);

// The fixed fares (tenths of a yuan) of train `trainRow` from `fromStation` to `toStation`
// (texts as StopInfo holds them). Returns 1 on a hit. With no entry for the pair it zeroes
// the seat and berth members and returns 0; a station without fixed fares returns 0 and
// changes nothing.
int LookupStationFares(const FareState& q, FareSet& fare, std::u16string_view fromStation,
                       std::u16string_view toStation, std::u16string_view trainRow);

}  // namespace tavra
