#include "fares/merged_fares.h"

#include "fares/fare_text.h"
#include "fares/segment_fares.h"
#include "fares/tariff.h"
#include "fares/train_fare_attributes.h"

namespace tavra {

void ComputeMergedFares(FareState& q) {
  const int merged = q.m_nMergedKm;
  FareSet& m = q.m_fare;
  BaseFare(q, m, merged);
  const double f1 = PercentFactor(q.m_train[TrainInfo::PercentA0]);
  const double f2 = PercentFactor(q.m_train[TrainInfo::PercentB0]);
  const SeatParts p = ScaledSeatParts(q, f1, f2);
  const double a = p.airCon, h = p.hardSeat, s = p.softSeat;
  const int x = p.express;

  RunningPrices& sums = q.m_prices;
  sums.hardSeat.SetWhole(TruncToInt(a + h + x));
  // The multiple-unit amounts are taken as the tariff gives them: no percentage, express
  // or air-conditioning part.
  const char16_t mask = SeatMask(q.m_train);
  if (CarriesSecondClass(mask))
    sums.secondClass.SetWhole(TruncToInt(sums.secondClass.Whole() + RoundYuan(m.secondClass)));
  if (CarriesFirstClass(mask))
    sums.firstClass.SetWhole(TruncToInt(sums.firstClass.Whole() + RoundYuan(m.firstClass)));
  if (CarriesSoftSeat(mask)) sums.softSeat.SetWhole(TruncToInt(sums.softSeat.Whole() + a + s + x));

  // Stretches priced for their seats only still count for the berth distance.
  if (q.m_nSeatOnlyKm > 0) BaseFare(q, m, merged + q.m_nSeatOnlyKm);
  auto berth = [&](double amount) { return Scaled(amount - 10, f1, f2) + 10; };
  if (q.m_nAllBerths == 1) {
    sums.hardSleeperUpper.SetWhole(TruncToInt(berth(m.hardSleeperUpper) + a + h + x));
    sums.hardSleeperMiddle.SetWhole(TruncToInt(berth(m.hardSleeperMiddle) + a + h + x));
    sums.softSleeperUpper.SetWhole(TruncToInt(berth(m.softSleeperUpper) + a + s + x));
  }
  sums.hardSleeperLower.SetWhole(TruncToInt(berth(m.hardSleeperLower) + a + h + x));
  sums.softSleeperLower.SetWhole(TruncToInt(berth(m.softSleeperLower) + a + s + x));
}

}  // namespace tavra
