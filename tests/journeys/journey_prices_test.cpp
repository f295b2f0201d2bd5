#include "journeys/journey_prices.h"

#include <gtest/gtest.h>

#include "fares/fare_text.h"

namespace tavra {
namespace {

ResultRow Row(const char16_t* hardSeat, const char16_t* second, bool sleepers, double base) {
  const std::u16string none = u"－";
  ResultRow r;
  r.hardSeat = hardSeat;
  r.softSeat = none;
  r.secondClass = second;
  r.firstClass = none;
  auto price = [&](double add) { return PriceText(base + add); };
  r.hardSleeperUpper = price(1);
  r.hardSleeperMiddle = price(2);
  r.hardSleeperLower = price(3);
  r.hardSleeper = sleepers
                      ? r.hardSleeperUpper + u"/" + r.hardSleeperMiddle + u"/" + r.hardSleeperLower
                      : u"－";
  r.softSleeperUpper = price(10);
  r.softSleeperLower = price(20);
  r.softSleeper = sleepers ? r.softSleeperUpper + u"/" + r.softSleeperLower : none;
  return r;
}

TEST(JourneyPrices, SumsOnlyTheClassesBothLegsCarry) {
  Journey j;
  j.plan.legCount = 2;
  j.rows = {Row(u"189.5", u"－", true, 300), Row(u"42", u"55.5", true, 100.5)};
  JourneyPrices p = SumPrices(j);
  EXPECT_EQ(p.hardSeat, u"231.5");
  EXPECT_EQ(p.secondClass, u"－");  // the first leg has none
  EXPECT_EQ(p.softSeat, u"－");
  EXPECT_EQ(p.hardSleeper, u"402.5/404.5/406.5");
  EXPECT_EQ(p.softSleeper, u"420.5/440.5");

  j.rows[1] = Row(u"－", u"55.5", false, 100);  // a multiple unit: no berths, no hard seats
  p = SumPrices(j);
  EXPECT_EQ(p.hardSeat, u"－");
  EXPECT_EQ(p.hardSleeper, u"－");
  EXPECT_EQ(p.softSleeper, u"－");

  j.plan.legCount = 1;  // a direct train costs what its line says
  EXPECT_EQ(SumPrices(j).hardSleeper, j.rows[0].hardSleeper);
}

}  // namespace
}  // namespace tavra
