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

  FareLine& row = q.Line();
  AssignWholeText(row.hardSeat, TruncToInt(a + h + x));
  // The multiple-unit amounts are taken as the tariff gives them: no percentage, express
  // or air-conditioning part.
  const char16_t mask = SeatMask(q.m_train);
  if (CarriesSecondClass(mask))
    AssignWholeText(row.secondClass,
                    TruncToInt(ReadWhole(row.secondClass) + RoundYuan(m.secondClass)));
  if (CarriesFirstClass(mask))
    AssignWholeText(row.firstClass,
                    TruncToInt(ReadWhole(row.firstClass) + RoundYuan(m.firstClass)));
  if (CarriesSoftSeat(mask))
    AssignWholeText(row.softSeat, TruncToInt(ReadWhole(row.softSeat) + a + s + x));

  // Stretches priced for their seats only still count for the berth distance.
  if (q.m_nSeatOnlyKm > 0) BaseFare(q, m, merged + q.m_nSeatOnlyKm);
  auto berth = [&](double amount) { return Scaled(amount - 10, f1, f2) + 10; };
  if (q.m_nAllBerths == 1) {
    AssignWholeText(row.hardSleeperUpper, TruncToInt(berth(m.hardSleeperUpper) + a + h + x));
    AssignWholeText(row.hardSleeperMiddle, TruncToInt(berth(m.hardSleeperMiddle) + a + h + x));
    AssignWholeText(row.softSleeperUpper, TruncToInt(berth(m.softSleeperUpper) + a + s + x));
  }
  AssignWholeText(row.hardSleeperLower, TruncToInt(berth(m.hardSleeperLower) + a + h + x));
  AssignWholeText(row.softSleeperLower, TruncToInt(berth(m.softSleeperLower) + a + s + x));
}

}  // namespace tavra
