// Whole lines priced as the row builder asks for them: the shown price columns.
#include <gtest/gtest.h>

#include "fare_test_support.h"
#include "fares/insurance.h"

namespace tavra {
namespace {

using test::FareBench;
using test::FareSource;
using test::Shown;

// Each journey runs 甲 → 乙; trains.tsv columns: train, class, seats, aircon, fare plan.
struct Case {
  test::Journey journey;
  const char* shown;  // 硬座|软座|二等|一等|硬卧上中下|软卧上/下
  double deduction;
};
const Case kCases[] = {
    // Worked example: merged 500 km, hard seat 34, berths 75/77/80, l 1, s 1, deduction 1.
    {{"P3\t3\t1010\t0\t1,0,0", 500, ""}, "35|－|－|－|76/78/81|－", 1},
    // Long-distance supplement above 200 km only.
    {{"L200\t3\t1010\t0\t1,0,0", 200, ""}, "14.5|－|－|－|48.5/51.5/53.5|－", 0.5},
    {{"L201\t3\t1010\t0\t1,0,0", 201, ""}, "16.5|－|－|－|50.5/53.5/55.5|－", 0.5},
    // Ticket supplement 0.5 for an amount of 5, 1 for 6.
    {{"P85\t4\t1000\t0\t1,0,0", 85, ""}, "5|－|－|－|－|－", 0.5},
    {{"P100\t4\t1000\t0\t1,0,0", 100, ""}, "6.5|－|－|－|－|－", 0.5},
    // A fixed fare alone: no supplement, no deduction; berth fee and surcharge (50 km:
    // 5 hard, 8 soft) on the berths, none on the hard seat.
    {{"S7\t3\t1011\t0\t7,0,0", 100, "100,0,0,0,0,0,50"}, "23.5|－|－|－|65/66/67|98/100", 0},
    // Fixed fares of 0: hard seat "－"; a lower berth of exactly 10 hides the column.
    {{"S0\t3\t1011\t0\t7,0,0", 100, ""}, "－|－|－|－|－|－", 0},
    // Kind 7 behind a tariff segment: no long-distance supplement, but ticket supplement
    // and deduction; merged 250 km (18, 52/55/57) plus the tariff's 50 km (4, 28/31/33).
    {{"M17\t3\t1010\t0\t1,0,0;7,0,0,101", 300, "250,50,0,0,0,0,0"},
     "22.5|－|－|－|80.5/86.5/90.5|－",
     0.5},
    // Kind "8" is priced like "7" but keeps the long-distance supplement.
    {{"M18\t3\t1010\t0\t1,0,0;8,0,0,101", 300, "250,50,0,0,0,0,0"},
     "23.5|－|－|－|81.5/87.5/91.5|－",
     0.5},
    // Behind any other first segment: neither supplement nor deduction.
    {{"M07\t3\t1010\t0\t0,0,0;7,0,0,101", 300, "250,50,0,0,0,0,0"}, "17|－|－|－|63/67/70|－", 0},
    // A kind-2 segment is one tariff distance with segment 0: 350 km either way.
    {{"M1\t3\t1010\t0\t1,0,0", 350, ""}, "25.5|－|－|－|59.5/62.5/64.5|－", 0.5},
    {{"M12\t3\t1010\t0\t1,0,0;2,0,0,101", 350, "300,50,0,0,0,0,0"},
     "25.5|－|－|－|59.5/62.5/64.5|－",
     0.5},
    // Kind 5: seats of 300 km (20) and of its own 120 km (8); berths of 420 km.
    {{"M15\t3\t1010\t0\t1,0,0;5,0,0,999", 420, "300,120,0,0,0,0,0"},
     "29.5|－|－|－|64.5/67.5/69.5|－",
     0.5},
    // Segment 0 of kind "0" alone: BaseFare(1400) - BaseFare(900), berth fee 10, and the
    // deduction of segments 1-5 only (0 km: 0.5, not the 1 of 500 km).
    {{"C0\t3\t1011\t0\t0,0,0", 500, ""}, "27.5|－|－|－|60.5/63.5/64.5|93.5/97.5", 0.5},
    // Segment 0 of kinds "4" and "5" has no tariff code: the tariff of 500 km (34, berths
    // 75/77/80 or none), the berth fee, and no deduction distance (0 km: 0.5).
    {{"B4\t3\t1010\t0\t4,0,0", 500, ""}, "35.5|－|－|－|86.5/88.5/91.5|－", 0.5},
    {{"B5\t3\t1010\t0\t5,0,0", 500, ""}, "35.5|－|－|－|45.5/45.5/45.5|－", 0.5},
    // Soft sleepers only; the ticket supplement stays 1 without priced seats.
    {{"H0\t3\t0001\t0\t1,0,0", 300, ""}, "－|－|－|－|－|85.5/89.5", 0.5},
    // Mask 6 with a later kind-1 segment that sums its second-class fare into the soft
    // seat: 软座 still "－", as the train carries no soft seats.
    {{"D6\tD\t0600\t1\t1,0,0;1,0,0,101", 400, "300,100,0,0,0,0,0"}, "－|－|89.5|106.5|－|－", 0.5},
    // 15 km of class G: its own multiple-unit fares 5 and 10, air-conditioned minimum 1.
    {{"G15\tG\t0600\t1\t1,0,0", 15, ""}, "－|－|4.5|10|－|－", 1},
    // Rates: hard seat +10 % (34 → 37); common 20 % on all but the multiple-unit classes,
    // and the empty soft-seat text stays empty.
    {{"R10\t3\t1010\t0\t1,0,0", 500, ""}, "38|－|－|－|76/78/81|－", 1},
    {{"R20\t3\t1210\t0\t1,0,0", 500, ""}, "42|－|117|－|91/93/97|－", 1},
};

TEST(FareEngine, ShownPrices) {
  std::vector<test::Journey> journeys;
  for (const Case& c : kCases) journeys.push_back(c.journey);
  FareBench bench(FareSource(
      journeys,
      {{"station_fares.tsv",
        "from\tto\ttrain\thard_seat\tsoft_seat\ths_upper\ths_middle\ths_lower\t"
        "ss_upper\tss_lower\tsecond\tfirst\n"
        "甲\t乙\tS7\t235\t0\t500\t510\t520\t800\t820\t0\t0\n"
        "甲\t乙\tS0\t0\t0\t0\t0\t0\t0\t0\t0\t0\n"},
       {"rates.tsv",
        "train\tcommon\thard_seat\tsoft_seat\tberth\nR10\t0\t10\t5\t0\nR20\t20\t10\t5\t15\n"}}));
  for (const Case& c : kCases) {
    const std::string train = c.journey.train.substr(0, c.journey.train.find('\t'));
    EXPECT_EQ(Shown(bench.Price(Utf8ToUtf16(train))), c.shown) << train;
    EXPECT_EQ(bench.q().m_deduction, c.deduction) << train;
  }
  bench.Price(u"S0");
  EXPECT_EQ(test::Berths(bench.row()), "10,10,10,10,10");
  bench.Price(u"M12");
  EXPECT_EQ(bench.q().m_nMergedKm, 350);
  EXPECT_EQ(bench.row().segmentKm[1], 0);  // counted through the merged distance
  bench.Price(u"M15");
  EXPECT_EQ(bench.q().m_nSeatOnlyKm, 120);
}

TEST(FareEngine, RealPricesOfAnAirConditionedExpress) {
  // T109: 特快, air-conditioned, 50 per cent on segment 0, 北京 to 上海 1463 km.
  FareBench bench(test::SmallNetwork());
  EXPECT_EQ(Shown(bench.Price(u"T109", 0, u"北京", u"上海")),
            "177.5|－|－|－|304.5/315.5/325.5|476.5/497.5");
}

TEST(FareEngine, ExtraDistanceSurchargePerClass) {
  FareBench bench(FareSource({{"X1\t2\t1711\t1\t1,0,0", 500, "500,0,0,0,0,0,100"},
                              {"N1\t2\t1711\t1\t1,0,0", 500, "500,0,0,0,0,0,0"}}));
  auto prices = [&](std::u16string_view train) {
    const ResultRow& r = bench.Price(train);
    std::vector<double> v;
    for (const std::u16string* t :
         {&r.hardSeat, &r.softSeat, &r.secondClass, &r.firstClass, &r.hardSleeperUpper,
          &r.hardSleeperLower, &r.softSleeperUpper, &r.softSleeperLower})
      v.push_back(ReadAmount(*t));
    return v;
  };
  std::vector<double> with = prices(u"X1"), without = prices(u"N1"), added;
  for (size_t i = 0; i < with.size(); ++i) added.push_back(with[i] - without[i]);
  EXPECT_EQ(added, (std::vector<double>{0, 9, 9, 9, 10, 10, 16, 16}));
}

TEST(FareEngine, SoftClassComputationForKindSixSegments) {
  FareBench bench(
      FareSource({{"K6\t2\t1711\t1\t1,0,0;6,0,0,101", 400, "300,100,0,0,0,0,0"},
                  {"K0\t2\t1711\t1\t1,0,0;0,0,0,101", 400, "300,100,0,0,0,0,0"},
                  {"K1\t2\t1711\t1\t1,0,0", 400, ""},
                  {"K26\t2\t1711\t1\t1,0,0;2,0,0,101;6,0,0,101", 430, "300,60,70,0,0,0,0"}}));
  // Hard classes as one 400 km distance, the others with kind 6 as a continuation.
  const ResultRow merged = bench.Price(u"K1");
  const ResultRow continued = bench.Price(u"K0");
  const ResultRow& r = bench.Price(u"K6");
  EXPECT_EQ(r.hardSeat + r.hardSleeper, merged.hardSeat + merged.hardSleeper);
  EXPECT_EQ(
      r.softSeat + r.secondClass + r.firstClass + r.softSleeper,
      continued.softSeat + continued.secondClass + continued.firstClass + continued.softSleeper);
  EXPECT_NE(r.softSeat, merged.softSeat);

  // The soft-class run leaves the distances alone and counts a merged kind-2 segment once
  // in the deduction distance: 300 + 60 + 70 = 430 km (0.5), not 490 km (1).
  bench.Prepare(u"K26");
  ComputeSoftClassFares(bench.q());
  EXPECT_EQ(bench.row().segmentKm[1], 60);
  EXPECT_EQ(bench.q().m_nMergedKm, 360);
  EXPECT_EQ(bench.q().m_deduction, 0.5);
  EXPECT_EQ(InsuranceDeduction(bench.q(), 490), 1);
}

TEST(FareEngine, NoLineDependsOnTheLineBefore) {
  const test::Source source =
      FareSource({{"G500\tG\t0600\t1\t1,0,0", 500, ""},
                  {"G15\tG\t0600\t1\t1,0,0", 15, ""},
                  {"K6\t2\t1711\t1\t1,0,0;6,0,0,101", 400, "300,100,0,0,0,0,0"}});
  FareBench fresh(source), reused(source);
  const std::string alone = Shown(fresh.Price(u"G15"));
  reused.Price(u"G500");
  reused.Price(u"K6");
  EXPECT_EQ(Shown(reused.Price(u"G15")), alone);
  // The soft-class run starts from empty texts too.
  fresh.Prepare(u"K6");
  ComputeSoftClassFares(fresh.q());
  const std::string once = Utf16ToUtf8(fresh.row().hardSeat);
  ComputeSoftClassFares(fresh.q());
  EXPECT_EQ(Utf16ToUtf8(fresh.row().hardSeat), once);
}

}  // namespace
}  // namespace tavra
