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

// The berth texts of one sleeper class, upper first: each running amount with the ticket
// supplement, the surcharge and `extra`, less the deduction. Composed as "a/b/c", or "－"
// when the lower berth comes to 10 yuan or less.
std::u16string FinishBerths(const FareState& q, const Supplements& sup,
                            std::initializer_list<std::u16string*> berths, double surcharge,
                            double extra) {
  double lower = 0;
  std::u16string composed;
  for (std::u16string* text : berths) {
    lower = ReadAmount(*text) + sup.ticket + surcharge + extra - q.m_deduction;
    AssignPriceText(*text, lower);
    if (!composed.empty()) composed += u"/";
    composed += *text;
  }
  return lower <= 10 ? std::u16string(kNotCarried) : composed;
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
  const double x = ReadAmount(row.hardSeat);
  AdjustTicket(sup, x);
  const double p = x + sup.longDistance + sup.ticket - q.m_deduction;
  row.hardSeat = p > 0 ? PriceText(p) : kNotCarried;
}

void PriceSeatClasses(FareState& q, Supplements& sup) {
  FareLine& row = q.Line();
  const double e = Surcharge(q, 0.09);
  const char16_t mask = SeatMask(q.m_train);
  auto price = [&](std::u16string& text, bool carried) {
    // A class the train does not carry shows "－" whatever a segment summed into it.
    if (!carried) {
      text = kNotCarried;
      return;
    }
    const double y = ReadAmount(text) + e;
    AdjustTicket(sup, y);
    const double p = y + sup.ticket - q.m_deduction;
    text = p > 0 ? PriceText(p) : kNotCarried;
  };
  price(row.secondClass, CarriesSecondClass(mask));
  price(row.firstClass, CarriesFirstClass(mask));
  price(row.softSeat, CarriesSoftSeat(mask));
}

void PriceHardSleepers(FareState& q, const Supplements& sup) {
  FareLine& row = q.Line();
  row.hardSleeper =
      CarriesHardSleepers(q.m_train)
          ? FinishBerths(q, sup,
                         {&row.hardSleeperUpper, &row.hardSleeperMiddle, &row.hardSleeperLower},
                         Surcharge(q, 0.1), sup.longDistance)
          : std::u16string(kNotCarried);
}

void PriceSoftSleepers(FareState& q, const Supplements& sup) {
  FareLine& row = q.Line();
  row.softSleeper = CarriesSoftSleepers(q.m_train)
                        ? FinishBerths(q, sup, {&row.softSleeperUpper, &row.softSleeperLower},
                                       Surcharge(q, 0.16), 0)
                        : std::u16string(kNotCarried);
}

}  // namespace tavra
