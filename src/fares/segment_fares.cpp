#include "fares/segment_fares.h"

#include "fares/fare_tables.h"
#include "fares/fare_text.h"
#include "fares/tariff.h"
#include "fares/train_fare_attributes.h"

namespace tavra {
namespace {

double Factor(double percent) {
  return 1 + percent * 0.01;
}

// Adds `v` to a running price read by its whole part, keeping the truncated sum.
void AddWhole(RunningPrice& price, double v) {
  price.SetWhole(TruncToInt(price.Whole() + v));
}
// The same, reading the price with its fraction (a fixed fare of 23.5 counts as 23.5).
void AddExact(RunningPrice& price, double v) {
  price.SetWhole(TruncToInt(price.Amount() + v));
}

using AddFn = void (*)(RunningPrice&, double);

// Seat, berth amount and supplements into every seat and berth text except the two
// multiple-unit classes.
void StandardAccumulation(FareState& q, double f1, double f2, AddFn add) {
  const FareSet& m = q.m_fare;
  const SeatParts p = ScaledSeatParts(q, f1, f2);
  const double a = p.airCon, h = p.hardSeat, s = p.softSeat;
  const int x = p.express;
  RunningPrices& sums = q.m_prices;
  add(sums.hardSeat, a + h + x);
  add(sums.softSeat, a + s + x);
  if (q.m_nAllBerths == 1) {
    add(sums.hardSleeperUpper, a + h + Scaled(m.hardSleeperUpper, f1, f2) + x);
    add(sums.hardSleeperMiddle, a + h + Scaled(m.hardSleeperMiddle, f1, f2) + x);
    add(sums.softSleeperUpper, a + s + Scaled(m.softSleeperUpper, f1, f2) + x);
  }
  add(sums.hardSleeperLower, a + h + Scaled(m.hardSleeperLower, f1, f2) + x);
  add(sums.softSleeperLower, a + s + Scaled(m.softSleeperLower, f1, f2) + x);
}

}  // namespace

SeatParts ScaledSeatParts(const FareState& q, double f1, double f2) {
  const FareSet& m = q.m_fare;
  SeatParts p;
  p.express = TruncToInt(Scaled(m.expressUnit, f1, f2)) * q.m_nExpressMultiple;
  p.airCon = IsAirConditioned(q.m_train) ? Scaled(m.airConUnit, f1, f2) : 0;
  p.hardSeat = Scaled(m.hardSeat, f1, f2);
  p.softSeat = Scaled(m.softSeat, f1, f2);
  return p;
}

void AddContinuationSegment(FareState& q, int km, double p1, double p2) {
  FareSet longer;
  BaseFare(q, longer, km + 900);
  FareSet& m = q.m_fare;
  BaseFare(q, m, 900);
  m.expressUnit = longer.expressUnit - m.expressUnit;
  m.airConUnit = longer.airConUnit - m.airConUnit;
  m.hardSeat = longer.hardSeat - m.hardSeat;
  m.softSeat = longer.softSeat - m.softSeat;
  m.hardSleeperLower = longer.hardSleeperLower - m.hardSleeperLower;
  m.softSleeperLower = longer.softSleeperLower - m.softSleeperLower;
  if (q.m_nAllBerths == 1) {
    m.hardSleeperUpper = longer.hardSleeperUpper - m.hardSleeperUpper;
    m.hardSleeperMiddle = longer.hardSleeperMiddle - m.hardSleeperMiddle;
    m.softSleeperUpper = longer.softSleeperUpper - m.softSleeperUpper;
  }
  StandardAccumulation(q, Factor(p1), Factor(p2), AddExact);
}

void AddBandSeatSegment(FareState& q, int km, double p1, double p2,
                        std::u16string_view tariffCode) {
  if (!LookupBandFares(q, q.m_fare, km, tariffCode)) BaseFare(q, q.m_fare, km);
  const SeatParts p = ScaledSeatParts(q, Factor(p1), Factor(p2));
  const double hard = p.airCon + p.hardSeat + p.express;
  const double soft = p.airCon + p.softSeat + p.express;
  // No berth amount: the berth of this stretch is charged with the merged distance.
  q.m_prices.ForSeatsAndBerths(hard, soft, hard, soft, AddWhole);
}

void AddBandTableSegment(FareState& q, int km, double p1, double p2,
                         std::u16string_view tariffCode) {
  FareSet& m = q.m_fare;
  if (!LookupBandFares(q, m, km, tariffCode)) BaseFare(q, m, km);
  const bool ownBerths = tariffCode == u"145" || tariffCode == u"146" || tariffCode == u"147" ||
                         tariffCode == u"148" || tariffCode == u"149";
  if (!ownBerths) {
    // Berths of a short journey are charged at least at 400 km. Only the berths: the seats
    // and supplements stay those of the segment's own distance.
    const int berthKm = q.Line().totalFareKm < 400 ? 400 : km;
    if (!LookupBandBerths(q, m, berthKm, tariffCode)) {
      FareSet berths = m;
      BaseFare(q, berths, berthKm);
      m.hardSleeperUpper = berths.hardSleeperUpper;
      m.hardSleeperMiddle = berths.hardSleeperMiddle;
      m.hardSleeperLower = berths.hardSleeperLower;
      m.softSleeperUpper = berths.softSleeperUpper;
      m.softSleeperLower = berths.softSleeperLower;
    }
  }
  StandardAccumulation(q, Factor(p1), Factor(p2), AddWhole);
}

void AddDistanceShareSegment(FareState& q, int km, double p1, double p2) {
  FareSet& m = q.m_fare;
  BaseFare(q, m, km);
  const double f1 = Factor(p1), f2 = Factor(p2);
  const SeatParts p = ScaledSeatParts(q, f1, f2);
  const double a = p.airCon, h = p.hardSeat, s = p.softSeat;
  const int x = p.express;
  RunningPrices& sums = q.m_prices;
  AddWhole(sums.hardSeat, a + h + x);
  const char16_t mask = SeatMask(q.m_train);
  if (CarriesSecondClass(mask))
    AddWhole(sums.softSeat, RoundYuan(m.secondClass));
  else if (mask == u'4')
    AddWhole(sums.softSeat, RoundYuan(m.firstClass));
  else
    AddWhole(sums.softSeat, a + s + x);
  // The berth amount less its first 10 yuan, scaled and then charged by the distance share.
  const double share = ZoneShare(km);
  auto part = [&](double berth) { return RoundYuan(share * Scaled(berth - 10, f1, f2)); };
  if (q.m_nAllBerths == 1) {
    AddWhole(sums.hardSleeperUpper, a + h + part(m.hardSleeperUpper) + x);
    AddWhole(sums.hardSleeperMiddle, a + h + part(m.hardSleeperMiddle) + x);
  }
  AddWhole(sums.hardSleeperLower, a + h + part(m.hardSleeperLower) + x);
  if (q.m_nAllBerths == 1) AddWhole(sums.softSleeperUpper, a + s + part(m.softSleeperUpper) + x);
  AddWhole(sums.softSleeperLower, a + s + part(m.softSleeperLower) + x);
}

void AddStationFareSegment(FareState& q, std::u16string_view fromStation,
                           std::u16string_view toStation, std::u16string_view trainRow, int km,
                           double p1, double p2) {
  FareSet& m = q.m_fare;
  RunningPrices& sums = q.m_prices;
  const char16_t mask = SeatMask(q.m_train);
  if (LookupStationFares(q, m, fromStation, toStation, trainRow)) {
    // Fixed fares replace what earlier segments summed; no percentage or supplement applies.
    sums.hardSeat.SetOneDecimal(m.hardSeat * 0.1);
    if (CarriesSecondClass(mask)) sums.secondClass.SetOneDecimal(m.secondClass * 0.1);
    if (CarriesFirstClass(mask)) sums.firstClass.SetOneDecimal(m.firstClass * 0.1);
    if (CarriesSoftSeat(mask)) sums.softSeat.SetOneDecimal(m.softSeat * 0.1);
    if (q.m_nAllBerths == 1) {
      sums.hardSleeperUpper.SetOneDecimal(m.hardSleeperUpper * 0.1);
      sums.hardSleeperMiddle.SetOneDecimal(m.hardSleeperMiddle * 0.1);
      sums.softSleeperUpper.SetOneDecimal(m.softSleeperUpper * 0.1);
    }
    sums.hardSleeperLower.SetOneDecimal(m.hardSleeperLower * 0.1);
    sums.softSleeperLower.SetOneDecimal(m.softSleeperLower * 0.1);
    return;
  }
  BaseFare(q, m, km);
  const double f1 = Factor(p1), f2 = Factor(p2);
  const SeatParts p = ScaledSeatParts(q, f1, f2);
  const double a = p.airCon, h = p.hardSeat, s = p.softSeat;
  const int x = p.express;
  AddWhole(sums.hardSeat, h + x + a);
  if (CarriesSecondClass(mask)) AddWhole(sums.secondClass, RoundYuan(m.secondClass));
  if (CarriesFirstClass(mask)) AddWhole(sums.firstClass, RoundYuan(m.firstClass));
  if (CarriesSoftSeat(mask)) AddWhole(sums.softSeat, s + x + a);
  auto part = [&](double berth) { return Scaled(berth - 10, f1, f2); };
  if (q.m_nAllBerths == 1) {
    AddWhole(sums.hardSleeperUpper, h + part(m.hardSleeperUpper) + x + a);
    AddWhole(sums.hardSleeperMiddle, h + part(m.hardSleeperMiddle) + x + a);
  }
  AddWhole(sums.hardSleeperLower, h + part(m.hardSleeperLower) + x + a);
  if (q.m_nAllBerths == 1) AddWhole(sums.softSleeperUpper, s + part(m.softSleeperUpper) + x + a);
  AddWhole(sums.softSleeperLower, s + part(m.softSleeperLower) + x + a);
}

}  // namespace tavra
