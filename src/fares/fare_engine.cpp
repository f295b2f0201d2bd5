#include "fares/fare_engine.h"

#include "fares/fare_text.h"
#include "fares/merged_fares.h"
#include "fares/segment_fares.h"
#include "fares/ticket_prices.h"
#include "fares/train_fare_attributes.h"
#include "fares/train_rates.h"

namespace tavra {
namespace {

enum class FareRun { kMain, kSoftClass };

void ClearPrices(FareLine& row) {
  for (std::u16string* text :
       {&row.hardSeat, &row.softSeat, &row.firstClass, &row.secondClass, &row.hardSleeper,
        &row.hardSleeperUpper, &row.hardSleeperMiddle, &row.hardSleeperLower, &row.softSleeper,
        &row.softSleeperUpper, &row.softSleeperLower})
    text->clear();
}

void AddBerthFee(RunningPrice& price) {
  price.SetOneDecimal(price.Amount() + 10.0);
}

void ComputeLine(FareState& q, FareRun run) {
  const bool main = run == FareRun::kMain;
  FareLine& row = q.Line();
  RunningPrices& sums = q.m_prices;
  // Every text and sum starts empty, also the hard-class texts the soft-class run leaves
  // as intermediate sums, so no line depends on what the row held before.
  ClearPrices(row);
  sums.Clear();
  q.m_deduction = 0;
  q.m_nMergedKm = 0;
  q.m_nSeatOnlyKm = 0;

  // Merged distance: segment 0 of the tariff kind and the later segments priced with it.
  // The main run also merges kind "6" and zeroes what it merged; the soft-class run
  // prices kind "6" as a continuation and leaves the distances as stored.
  const TrainInfo& t = q.m_train;
  auto& seg = row.segmentKm;
  if (FareKind(t, 0) == u"1") q.m_nMergedKm = seg[0];
  int unmergedKm = 0;
  for (int k = 1; k <= 5; ++k) {
    const std::u16string_view kind = FareKind(t, k);
    if (kind == u"2" || (main && kind == u"6")) {
      q.m_nMergedKm += seg[k];
      if (main) seg[k] = 0;
    } else {
      unmergedKm += seg[k];
    }
  }
  for (int k = 1; k <= 5; ++k)
    if (FareKind(t, k) == u"5") q.m_nSeatOnlyKm += seg[k];

  const bool merged = q.m_nMergedKm > 0;
  if (merged)
    ComputeMergedFares(q);
  else if (seg[0] > 0)
    AddSegmentFare(q, 0);
  for (int k = 1; k <= 5; ++k)
    if (seg[k] > 0 && FareKind(t, k) != u"2") AddSegmentFare(q, k);

  ApplyTrainRates(q, q.m_fromStop.train);

  // The merged computation keeps the first 10 yuan of every berth itself.
  if (!merged) {
    if (main) {
      AddBerthFee(sums.hardSleeperUpper);
      AddBerthFee(sums.hardSleeperMiddle);
      AddBerthFee(sums.hardSleeperLower);
    }
    AddBerthFee(sums.softSleeperUpper);
    AddBerthFee(sums.softSleeperLower);
  }

  // Each segment counts once in the deduction distance: merged ones through m_nMergedKm.
  const double tariffKm = static_cast<double>(q.m_nMergedKm) + unmergedKm;
  Supplements sup = ChooseSupplements(q, tariffKm, main);
  if (main) PriceHardSeat(q, sup);
  PriceSeatClasses(q, sup);
  if (main) PriceHardSleepers(q, sup);
  PriceSoftSleepers(q, sup);
  if (!main) {
    // The hard classes are not finished by this run; their texts show the sums.
    sums.hardSeat.WriteText(row.hardSeat);
    sums.hardSleeperUpper.WriteText(row.hardSleeperUpper);
    sums.hardSleeperMiddle.WriteText(row.hardSleeperMiddle);
    sums.hardSleeperLower.WriteText(row.hardSleeperLower);
  }
}

}  // namespace

void ComputeFares(FareState& q) {
  ComputeLine(q, FareRun::kMain);
}

void ComputeSoftClassFares(FareState& q) {
  ComputeLine(q, FareRun::kSoftClass);
}

void AddSegmentFare(FareState& q, int k) {
  const TrainInfo& t = q.m_train;
  const std::u16string_view kind = FareKind(t, k);
  if (k > 0 && kind.empty()) return;
  const int km = q.Line().segmentKm[static_cast<size_t>(k)];
  const double p1 = ReadAmount(t[TrainInfo::PercentA0 + k]);
  const double p2 = ReadAmount(t[TrainInfo::PercentB0 + k]);
  // Segment 0 has no tariff code, so its band lookups miss and fall back to the tariff.
  const std::u16string_view tariff =
      k > 0 ? std::u16string_view(t[TrainInfo::Tariff1 + k - 1]) : std::u16string_view();
  if (kind == u"0" || kind == u"6")
    AddContinuationSegment(q, km, p1, p2);
  else if (kind == u"1")
    AddDistanceShareSegment(q, km, p1, p2);
  else if (kind == u"4")
    AddBandTableSegment(q, km, p1, p2, tariff);
  else if (kind == u"5")
    AddBandSeatSegment(q, km, p1, p2, tariff);
  else if (kind == u"7" || kind == u"8")
    AddStationFareSegment(q, q.m_fromStop.station, q.m_toStop.station, q.m_fromStop.train, km, p1,
                          p2);
  // Kinds "2", "3" and any other character add nothing.
}

}  // namespace tavra
