// Fares taken from the data file: tariff bands and fixed station-pair fares.
#include "fares/fare_tables.h"

#include <gtest/gtest.h>

#include "fare_test_support.h"

namespace tavra {
namespace {

test::Source TablesSource() {
  return test::FareSource({{"T1\t2\t1011\t0\t1,0,0", 100, ""}, {"T2\t2\t1011\t1\t1,0,0", 100, ""}},
                          test::FareTables());
}

TEST(LookupBandFares, FindsTheBandOfTheDistanceInTheFlagsSet) {
  test::FareBench bench(TablesSource());
  FareState& q = bench.q();
  bench.Prepare(u"T1");  // air-conditioning flag "0": the first set
  struct Row {
    int km;
    double hardSeat;
  };
  for (const Row& r :
       {Row{1, 1}, Row{100, 1}, Row{101, 2}, Row{300, 2}, Row{301, 3}, Row{600, 3}}) {
    FareSet f;
    f.firstClass = f.secondClass = -1;
    ASSERT_EQ(LookupBandFares(q, f, r.km, u"101"), 1) << r.km;
    EXPECT_EQ(f.hardSeat, r.hardSeat) << r.km;
    EXPECT_EQ(f.firstClass, -1);  // the multiple-unit classes are not in the bands
    EXPECT_EQ(f.secondClass, -1);
  }
  FareSet f;
  LookupBandFares(q, f, 150, u"101");
  EXPECT_EQ(f.softSeat, 12);
  EXPECT_EQ(f.expressUnit, 22);
  EXPECT_EQ(test::Berths(f), "32,42,52,62,72");
  EXPECT_EQ(f.airConUnit, 82);

  bench.Prepare(u"T2");  // air-conditioned: the second set
  EXPECT_EQ(LookupBandFares(q, f, 2000, u"147"), 1);
  EXPECT_EQ(f.hardSeat, 109);
  EXPECT_EQ(f.airConUnit, 189);
}

TEST(LookupBandFares, MissingTariffOrDistanceChangesNothing) {
  test::FareBench bench(TablesSource());
  bench.Prepare(u"T1");
  FareSet f{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
  EXPECT_EQ(LookupBandFares(bench.q(), f, 601, u"101"), 0);  // above the last band
  EXPECT_EQ(LookupBandFares(bench.q(), f, 0, u"101"), 0);    // below the first
  EXPECT_EQ(LookupBandFares(bench.q(), f, 50, u"999"), 0);
  EXPECT_EQ(LookupBandFares(bench.q(), f, 50, u""), 0);  // segment 0 has no tariff code
  EXPECT_EQ(LookupBandBerths(bench.q(), f, 50, u"999"), 0);
  EXPECT_EQ(f.hardSeat + f.softSeat + f.expressUnit + f.hardSleeperLower + f.airConUnit,
            1 + 2 + 5 + 8 + 11);

  // The berth lookup fills the five berths only, upper and middle included.
  bench.q().m_nAllBerths = 0;
  EXPECT_EQ(LookupBandBerths(bench.q(), f, 50, u"101"), 1);
  EXPECT_EQ(test::Berths(f), "31,41,51,61,71");
  EXPECT_EQ(f.hardSeat, 1);
  EXPECT_EQ(f.expressUnit, 5);
}

TEST(LookupStationFares, PairAndTrainHitsMissesAndStationsWithoutFares) {
  test::FareBench bench(TablesSource());
  FareState& q = bench.q();
  auto lookup = [&](FareSet& f, std::u16string_view from, std::u16string_view to) {
    return LookupStationFares(q, f, from, to, q.m_fromStop.train);
  };
  bench.Prepare(u"T1");
  const std::u16string_view a = q.m_fromStop.station, b = q.m_toStop.station;
  FareSet f;
  f.expressUnit = 5;
  ASSERT_EQ(lookup(f, a, b), 1);
  EXPECT_EQ((std::vector<double>{f.hardSeat, f.softSeat, f.secondClass, f.firstClass}),
            (std::vector<double>{235, 470, 300, 450}));
  EXPECT_EQ(test::Berths(f), "500,510,520,800,820");  // tenths of a yuan
  EXPECT_EQ(f.expressUnit, 5);

  // Without all berths the upper and middle ones keep their amounts.
  q.m_nAllBerths = 0;
  FareSet partial{0, 0, 0, 0, 0, 1, 2, 0, 3, 0, 0};
  lookup(partial, a, b);
  EXPECT_EQ(test::Berths(partial), "1,2,520,3,820");
  q.m_nAllBerths = 1;

  // Another train between the same stations: a miss zeroes seats and berths only.
  bench.Prepare(u"T2");
  FareSet miss{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
  EXPECT_EQ(lookup(miss, a, b), 0);
  EXPECT_EQ(test::Berths(miss), "0,0,0,0,0");
  EXPECT_EQ(miss.hardSeat + miss.softSeat + miss.firstClass + miss.secondClass, 0);
  EXPECT_EQ(miss.expressUnit + miss.airConUnit, 5 + 11);

  // 乙 has no fixed fares ("99999"), and a station number beyond the table has none either.
  FareSet untouched{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
  EXPECT_EQ(lookup(untouched, b, a), 0);
  EXPECT_EQ(lookup(untouched, u"0077", b), 0);
  EXPECT_EQ(untouched.hardSeat, 1);
  EXPECT_EQ(test::Berths(untouched), "6,7,8,9,10");
}

}  // namespace
}  // namespace tavra
