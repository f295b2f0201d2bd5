// The routines that add one fare segment into the running sums.
#include <gtest/gtest.h>

#include "fare_test_support.h"
#include "fares/segment_fares.h"

namespace tavra {
namespace {

class SegmentFares : public testing::Test {
 protected:
  SegmentFares()
      : bench_(test::FareSource({{"T1\t2\t1011\t0\t1,0,0", 100, ""},
                                 {"C3\t3\t1011\t0\t1,0,0", 100, ""},
                                 {"A5\t2\t1511\t1\t1,0,0", 100, ""},
                                 {"A6\t2\t1611\t1\t1,0,0", 100, ""},
                                 {"A4\t2\t1411\t1\t1,0,0", 100, ""}},
                                test::FareTables())) {}

  // A fresh line of `train` with empty sums.
  FareState& Line(std::u16string_view train) {
    bench_.Prepare(train, ++row_);
    sums().Clear();
    return bench_.q();
  }
  RunningPrices& sums() { return bench_.q().m_prices; }
  // The text a sum would be shown as.
  static std::u16string Text(const RunningPrice& sum) {
    std::u16string text = u"stale";
    sum.WriteText(text);
    return text;
  }
  std::string Berths() {
    const RunningPrices& p = sums();
    return Utf16ToUtf8(Text(p.hardSleeperUpper) + u"," + Text(p.hardSleeperMiddle) + u"," +
                       Text(p.hardSleeperLower) + u"," + Text(p.softSleeperUpper) + u"," +
                       Text(p.softSleeperLower));
  }
  std::string Texts() {
    const RunningPrices& p = sums();
    return Utf16ToUtf8(Text(p.hardSeat) + u"|" + Text(p.softSeat) + u"|" + Text(p.secondClass) +
                       u"|" + Text(p.firstClass)) +
           " " + Berths();
  }

  test::FareBench bench_;
  int row_ = 0;
};

TEST_F(SegmentFares, ContinuationAddsWhatTheSegmentCostsBeyond900Km) {
  // BaseFare(1000) - BaseFare(900): seats 6 and 11, express 1, berths 6/7/7/10/11.
  AddContinuationSegment(Line(u"C3"), 100, 0, 0);
  EXPECT_EQ(Texts(), "7|12|| 13,14,14,22,23");
  // A fixed fare's fraction is read and the sum truncated.
  sums().hardSeat.SetOneDecimal(23.5);
  AddContinuationSegment(bench_.q(), 100, 0, 0);
  EXPECT_EQ(Text(sums().hardSeat), u"30");
}

TEST_F(SegmentFares, DistanceShareChargesBerthsByShareAndSeatsByMask) {
  // 250 km, air-conditioned, express multiple 2: A 4, H 15, S 29, X 6; berth parts
  // round(0.75 × (34, 37, 39, 49, 53 less 10)).
  AddDistanceShareSegment(Line(u"A5"), 250, 0, 0);
  EXPECT_EQ(Texts(), "25|39|| 43,45,47,68,71");
  // Mask 6 puts the rounded second-class fare into the soft-seat text, mask 4 the first.
  AddDistanceShareSegment(Line(u"A6"), 250, 0, 0);
  EXPECT_EQ(Text(sums().softSeat), u"59");
  AddDistanceShareSegment(Line(u"A4"), 250, 0, 0);
  EXPECT_EQ(Text(sums().softSeat), u"70");
  // 80 km: a quarter of each berth part. A 1, H 4, X 2.
  AddDistanceShareSegment(Line(u"A5"), 80, 0, 0);
  EXPECT_EQ(Texts(), "7|12|| 13,14,14,22,23");
}

TEST_F(SegmentFares, BandTableWithBerthsAtA400KmMinimum) {
  // Tariff 101, 150 km of a 300 km journey: seats from band 2, berths from band 3 (400 km).
  FareState& q = Line(u"T1");
  bench_.row().totalFareKm = 300;
  AddBandTableSegment(q, 150, 0, 0, u"101");
  // A 0, H 2, S 12, X 22 × 2; berths 33, 43, 53, 63, 73.
  EXPECT_EQ(Texts(), "46|56|| 79,89,99,119,129");
  // From 400 km on the segment's own band is used; tariff 147 always keeps its own.
  Line(u"T1");
  bench_.row().totalFareKm = 400;
  AddBandTableSegment(q, 150, 0, 0, u"101");
  EXPECT_EQ(Berths(), "78,88,98,118,128");
  Line(u"T1");
  bench_.row().totalFareKm = 300;
  AddBandTableSegment(q, 150, 0, 0, u"147");
  EXPECT_EQ(Texts(), "67|77|| 106,116,126,146,156");
}

TEST_F(SegmentFares, BandTableFallbackRepricesTheBerthsOnly) {
  // Worked example: no band for the code, 500 km: the tariff's 28, 56, express 6 × 1.
  FareState& q = Line(u"C3");
  bench_.row().totalFareKm = 500;
  AddBandTableSegment(q, 500, 0, 0, u"999");
  EXPECT_EQ(Texts(), "34|62|| 75,77,80,121,126");
  Line(u"C3");
  bench_.row().totalFareKm = 500;
  AddBandTableSegment(q, 500, 50, 0, u"999");
  EXPECT_EQ(Text(sums().hardSeat), u"51");  // round(28 × 1.5) + round(6 × 1.5)
  // 15 km alone: the berths are charged at 400 km, the seats stay those of 15 km.
  Line(u"C3");
  bench_.row().totalFareKm = 15;
  AddBandTableSegment(q, 15, 0, 0, u"999");
  EXPECT_EQ(Texts(), "2|3|| 36,39,41,52,56");
}

TEST_F(SegmentFares, BandSeatSegmentAddsNoBerthAmount) {
  AddBandSeatSegment(Line(u"T1"), 150, 0, 0, u"101");
  EXPECT_EQ(Texts(), "46|56|| 46,46,46,56,56");
  // A missing band falls back to the tariff: 120 km, seats 7 and 14, express 1.
  AddBandSeatSegment(Line(u"C3"), 120, 0, 0, u"999");
  EXPECT_EQ(Texts(), "8|15|| 8,8,8,15,15");
}

TEST_F(SegmentFares, StationFaresReplaceTheSumsOrFallBackToTheTariff) {
  FareState& q = Line(u"T1");
  sums().hardSeat.SetWhole(99);
  AddStationFareSegment(q, q.m_fromStop.station, q.m_toStop.station, q.m_fromStop.train, 100, 0, 0);
  // One decimal from tenths; mask "0" carries none of the seat classes.
  EXPECT_EQ(Texts(), "23.5||| 50.0,51.0,52.0,80.0,82.0");
  // A later segment reads the whole part only.
  AddBandSeatSegment(q, 150, 0, 0, u"101");
  EXPECT_EQ(Text(sums().hardSeat), u"69");

  // No fixed fare for 乙 → 甲: the tariff for 50 km, berth parts without their 10 yuan.
  // Air-conditioned, mask 5: A 1, H 3, S 5, X 2; first class round(14).
  Line(u"A5");
  AddStationFareSegment(q, q.m_toStop.station, q.m_fromStop.station, q.m_fromStop.train, 50, 0, 0);
  EXPECT_EQ(Texts(), "6|8||14 30,33,35,47,51");
}

}  // namespace
}  // namespace tavra
