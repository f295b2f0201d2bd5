#include "fares/ticket_prices.h"

#include <initializer_list>

#include "fares/fare_text.h"
#include "fares/insurance.h"
#include "fares/train_fare_attributes.h"

namespace tavra {
namespace {

constexpr char16_t kNotCarried[] = u"－";

// The ticket supplement is halved for amounts of 5 yuan or less, unless it is 0.
void AdjustTicket(Supplements& sup, double amount) {
  if (sup.ticket != 0) sup.ticket = amount > 5 ? 1 : 0.5;
}

// Extra-distance surcharge per class: the surcharge distance times the class's rate.
double Surcharge(FareState& q, double rate) {
  return RoundYuan(q.Line().segmentKm[6] * rate);
}

// One berth: its running sum and the text it is shown as.
struct Berth {
  const RunningPrice& sum;
  std::u16string& text;
};

// The berth texts of one sleeper class, upper first: each running amount with the ticket
// supplement, the surcharge and `extra`, less the deduction. Composed as "a/b/c", or "－"
// when the lower berth comes to 10 yuan or less, into `composed`.
void FinishBerths(const FareState& q, const Supplements& sup, std::initializer_list<Berth> berths,
                  double surcharge, double extra, std::u16string& composed) {
  double lower = 0;
  composed.clear();
  for (const Berth& berth : berths) {
    lower = berth.sum.Amount() + sup.ticket + surcharge + extra - q.m_deduction;
    AssignPriceText(berth.text, lower);
    if (!composed.empty()) composed += u"/";
    composed += berth.text;
  }
  if (lower <= 10) composed = kNotCarried;
}

// A class the train does not carry keeps its berths' sums as their texts.
void KeepSums(std::initializer_list<Berth> berths) {
  for (const Berth& berth : berths) berth.sum.WriteText(berth.text);
}

}  // namespace

Supplements ChooseSupplements(FareState& q, double tariffKm, bool longDistance) {
  Supplements sup;
  const TrainInfo& t = q.m_train;
  const bool kind7 = FareKind(t, 0) == u"7" || FareKind(t, 1) == u"7";
  const bool firstIsTariff = FareKind(t, 0) == u"1";
  if (kind7 && !firstIsTariff) {
    sup.ticket = 0;
    q.m_deduction = 0;
    return sup;
  }
  if (!kind7 && longDistance) sup.longDistance = ReadAmount(q.Line().distanceText) > 200 ? 1 : 0;
  q.m_deduction = InsuranceDeduction(q, tariffKm);
  return sup;
}

void PriceHardSeat(FareState& q, Supplements& sup) {
  FareLine& row = q.Line();
  if (!CarriesHardSeats(q.m_train)) {
    row.hardSeat = kNotCarried;
    return;
  }
  const double x = q.m_prices.hardSeat.Amount();
  AdjustTicket(sup, x);
  const double p = x + sup.longDistance + sup.ticket - q.m_deduction;
  if (p > 0)
    AssignPriceText(row.hardSeat, p);
  else
    row.hardSeat = kNotCarried;
}

void PriceSeatClasses(FareState& q, Supplements& sup) {
  FareLine& row = q.Line();
  const double e = Surcharge(q, 0.09);
  const char16_t mask = SeatMask(q.m_train);
  auto price = [&](std::u16string& text, const RunningPrice& sum, bool carried) {
    // A class the train does not carry shows "－" whatever a segment summed into it.
    if (!carried) {
      text = kNotCarried;
      return;
    }
    const double y = sum.Amount() + e;
    AdjustTicket(sup, y);
    const double p = y + sup.ticket - q.m_deduction;
    if (p > 0)
      AssignPriceText(text, p);
    else
      text = kNotCarried;
  };
  const RunningPrices& sums = q.m_prices;
  price(row.secondClass, sums.secondClass, CarriesSecondClass(mask));
  price(row.firstClass, sums.firstClass, CarriesFirstClass(mask));
  price(row.softSeat, sums.softSeat, CarriesSoftSeat(mask));
}

void PriceHardSleepers(FareState& q, const Supplements& sup) {
  FareLine& row = q.Line();
  const RunningPrices& sums = q.m_prices;
  const std::initializer_list<Berth> berths = {{sums.hardSleeperUpper, row.hardSleeperUpper},
                                               {sums.hardSleeperMiddle, row.hardSleeperMiddle},
                                               {sums.hardSleeperLower, row.hardSleeperLower}};
  if (CarriesHardSleepers(q.m_train)) {
    FinishBerths(q, sup, berths, Surcharge(q, 0.1), sup.longDistance, row.hardSleeper);
  } else {
    row.hardSleeper = kNotCarried;
    KeepSums(berths);
  }
}

void PriceSoftSleepers(FareState& q, const Supplements& sup) {
  FareLine& row = q.Line();
  const RunningPrices& sums = q.m_prices;
  const std::initializer_list<Berth> berths = {{sums.softSleeperUpper, row.softSleeperUpper},
                                               {sums.softSleeperLower, row.softSleeperLower}};
  if (CarriesSoftSleepers(q.m_train)) {
    FinishBerths(q, sup, berths, Surcharge(q, 0.16), 0, row.softSleeper);
  } else {
    row.softSleeper = kNotCarried;
    KeepSums(berths);
  }
}

}  // namespace tavra
