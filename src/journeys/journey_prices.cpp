#include "journeys/journey_prices.h"

#include "fares/fare_text.h"

namespace tavra {
namespace {

constexpr char16_t kNotCarried[] = u"－";

bool Carried(std::u16string_view text) {
  return !text.empty() && text != kNotCarried;
}

std::u16string Sum(const std::u16string& a, const std::u16string& b) {
  return PriceText(ReadAmount(a) + ReadAmount(b));
}

}  // namespace

JourneyPrices SumPrices(const Journey& journey) {
  const ResultRow& a = journey.rows[0];
  if (journey.plan.Direct())
    return {a.hardSeat, a.softSeat, a.secondClass, a.firstClass, a.hardSleeper, a.softSleeper};
  const ResultRow& b = journey.rows[1];
  auto both = [](const std::u16string& x, const std::u16string& y) {
    return Carried(x) && Carried(y) ? Sum(x, y) : std::u16string(kNotCarried);
  };
  JourneyPrices p;
  p.hardSeat = both(a.hardSeat, b.hardSeat);
  p.softSeat = both(a.softSeat, b.softSeat);
  p.secondClass = both(a.secondClass, b.secondClass);
  p.firstClass = both(a.firstClass, b.firstClass);
  // Berths by place: the shown composite says whether a leg has them at all.
  p.hardSleeper = kNotCarried;
  if (Carried(a.hardSleeper) && Carried(b.hardSleeper))
    p.hardSleeper = Sum(a.hardSleeperUpper, b.hardSleeperUpper) + u"/" +
                    Sum(a.hardSleeperMiddle, b.hardSleeperMiddle) + u"/" +
                    Sum(a.hardSleeperLower, b.hardSleeperLower);
  p.softSleeper = kNotCarried;
  if (Carried(a.softSleeper) && Carried(b.softSleeper))
    p.softSleeper = Sum(a.softSleeperUpper, b.softSleeperUpper) + u"/" +
                    Sum(a.softSleeperLower, b.softSleeperLower);
  return p;
}

std::vector<Journey> PriceJourneys(const std::vector<JourneyPlan>& plans,
                                   const RideRowBuilder& build) {
  std::vector<Journey> journeys;
  journeys.reserve(plans.size());
  for (const JourneyPlan& plan : plans) {
    Journey& j = journeys.emplace_back();
    j.plan = plan;
    for (int leg = 0; leg < plan.legCount; ++leg)
      j.rows[static_cast<size_t>(leg)] = build(plan.rides[static_cast<size_t>(leg)]);
    j.prices = SumPrices(j);
  }
  return journeys;
}

}  // namespace tavra
