// The distance tariff, the insurance deduction and the price texts.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <random>
#include <string>

#include "fares/fare_state.h"
#include "fares/fare_text.h"
#include "fares/insurance.h"
#include "fares/running_price.h"
#include "fares/tariff.h"
#include "platform/utf8.h"

namespace tavra {
namespace {

// A core on empty tables with a train of the given class, attributes and flag.
struct TariffCase {
  TimetableData data;
  FareState q{data};
  std::u16string cls, attributes, air;  // the train's slots view these
  TariffCase(std::u16string c, std::u16string a, std::u16string f)
      : cls(std::move(c)), attributes(std::move(a)), air(std::move(f)) {
    q.m_train[TrainInfo::ClassCode] = cls;
    q.m_train[TrainInfo::Attributes] = attributes;
    q.m_train[TrainInfo::AirCon] = air;
  }
  FareSet Fare(double km, FareSet f = {}) {
    BaseFare(q, f, km);
    return f;
  }
};

TEST(Tariff, WorkedValuesAndZoneBoundaries) {
  TariffCase t(u"3", u"1210", u"0");
  struct Row {
    double km;
    int zone;
    double hard, soft, second, express, air, upper, lower;
  };
  const Row rows[] = {{0, 5, 1, 2, 0, 1, 1, 34, 39},
                      {1, 5, 1, 2, 0, 1, 1, 34, 39},
                      {20, 15, 1, 2, 5, 1, 1, 34, 39},
                      {21, 25, 2, 3, 5, 1, 1, 34, 39},
                      {99, 95, 6, 11, 23, 1, 1, 34, 39},
                      {100, 95, 6, 11, 24, 1, 1, 34, 39},
                      {101, 105, 6, 13, 24, 1, 2, 34, 39},
                      {129, 125, 8, 15, 30, 1, 2, 34, 39},
                      {131, 135, 8, 16, 31, 2, 2, 34, 39},
                      {400, 390, 22, 44, 94, 4, 5, 34, 39},
                      {401, 415, 24, 47, 94, 5, 6, 35, 40},
                      {500, 505, 28, 56, 117, 6, 7, 41, 46},
                      {1000, 1000, 52, 103, 234, 10, 13, 66, 76},
                      {2000, 1990, 91, 179, 468, 18, 22, 108, 125}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.km);
    EXPECT_EQ(ZoneOf(r.km).zoneKm, r.zone);
    const FareSet f = t.Fare(r.km);
    EXPECT_EQ(f.hardSeat, r.hard);
    EXPECT_EQ(f.softSeat, r.soft);
    EXPECT_EQ(f.secondClass, r.second);  // computed for short journeys too
    EXPECT_EQ(f.firstClass, 0);          // mask 2: left alone
    EXPECT_EQ(f.expressUnit, r.express);
    EXPECT_EQ(f.airConUnit, r.air);
    EXPECT_EQ(f.hardSleeperUpper, r.upper);
    EXPECT_EQ(f.hardSleeperLower, r.lower);
  }
  EXPECT_DOUBLE_EQ(ZoneOf(500).base, 27.78114);
  EXPECT_EQ(t.Fare(500).softSleeperLower, 64);  // round(27.78114 × 1.95) + 10
  EXPECT_EQ(t.Fare(400).softSleeperUpper, 49);
  EXPECT_EQ(ZoneOf(200.5).zoneKm, 0);  // a fraction between two bands
}

TEST(Tariff, ZoneDistanceIsTheMidpointOfEveryWholeKilometresZone) {
  struct Band {
    int lo, hi, width, firstMid;
  };
  const Band bands[] = {{1, 200, 10, 5},        {201, 400, 20, 210},    {401, 700, 30, 415},
                        {701, 1100, 40, 720},   {1101, 1600, 50, 1125}, {1601, 2200, 60, 1630},
                        {2201, 2900, 70, 2235}, {2901, 3700, 80, 2940}, {3701, 4600, 90, 3745},
                        {4601, 9999, 100, 4650}};
  for (const Band& b : bands)
    for (int km = b.lo; km <= b.hi; ++km)
      ASSERT_EQ(ZoneOf(km).zoneKm, b.firstMid + (km - b.lo) / b.width * b.width) << km;
}

TEST(Tariff, MultipleUnitSeatsByClassCode) {
  struct Row {
    std::u16string cls;
    double km, second, first;
  };
  // Insurance at 100 km is 0.2, at 300 km 0.4, at 15 km 0.1.
  for (const Row& r : {Row{u"G", 100, 45, 75}, Row{u"D", 100, 30, 35}, Row{u"8", 100, 46, 55},
                       Row{u"H", 100, 46, 74}, Row{u"K", 300, 70, 84}, Row{u"G", 15, 5, 10}}) {
    SCOPED_TRACE(r.km);
    TariffCase t(r.cls, u"0600", u"1");
    FareSet stale;
    stale.secondClass = stale.firstClass = 999;  // what a previous stretch left
    const FareSet f = t.Fare(r.km, stale);
    EXPECT_EQ(f.secondClass, r.second);
    EXPECT_EQ(f.firstClass, r.first);
  }
}

TEST(Tariff, ZoneShare) {
  EXPECT_EQ(ZoneShare(100), 0.25);
  EXPECT_EQ(ZoneShare(101), 0.5);
  EXPECT_EQ(ZoneShare(200), 0.5);
  EXPECT_EQ(ZoneShare(201), 0.75);
  EXPECT_EQ(ZoneShare(300), 0.75);
  EXPECT_EQ(ZoneShare(301), 1.0);
}

TEST(InsuranceDeduction, HalfYuanStepsAndShortDistanceMinimum) {
  struct Row {
    std::u16string cls, air;
    double km, deduction;
  };
  const Row rows[] = {{u"3", u"0", 100, 0.5},
                      {u"3", u"0", 500, 1},
                      {u"2", u"1", 1463, 1.5},
                      {u"3", u"0", 0, 0.5},
                      // Zone 85 without air-conditioning: 1, except on class "4".
                      {u"3", u"0", 85, 1},
                      {u"1", u"0", 85, 1},
                      {u"4", u"0", 85, 0.5},
                      // Zones 60-79: not for class "3" either, nor air-conditioned.
                      {u"1", u"0", 65, 1},
                      {u"3", u"0", 65, 0.5},
                      {u"1", u"1", 65, 0.5},
                      // Air-conditioned up to zone 54 (50 km is zone 45, 51 km zone 55); class "4"
                      // keeps the computed deduction even at 30 km or less.
                      {u"3", u"1", 50, 1},
                      {u"3", u"1", 51, 0.5},
                      {u"4", u"1", 25, 0.5},
                      // No zone: no deduction, raised to 1 by the air-conditioned minimum.
                      {u"4", u"0", 200.5, 0},
                      {u"2", u"1", 200.5, 1}};
  for (const Row& r : rows)
    EXPECT_EQ(InsuranceDeduction(TariffCase(r.cls, u"1010", r.air).q, r.km), r.deduction) << r.km;
}

TEST(FareText, RoundTrips) {
  EXPECT_EQ(PriceText(24.0), u"24");
  EXPECT_EQ(PriceText(24.5), u"24.5");
  EXPECT_EQ(PriceText(12.3 + 1 - 0.5), u"12.8");
  EXPECT_EQ(OneDecimalText(88), u"88.0");
  EXPECT_EQ(ReadAmount(u"23.5"), 23.5);
  EXPECT_EQ(ReadWhole(u"23.5"), 23);
  EXPECT_EQ(ReadAmount(u" 07"), 7);
  EXPECT_EQ(ReadAmount(u""), 0);
  EXPECT_EQ(ReadAmount(u"－"), 0);
  EXPECT_EQ(ReadWhole(u"-4x"), -4);
  EXPECT_EQ(ReadWhole(u"99999999999"), 2147483647);
  EXPECT_EQ(PercentFactor(u"50"), 1.5);
  EXPECT_EQ(PercentFactor(u"  "), 1.0);
}

// The short readings and printings must give exactly what from_chars and "%0.1f" give,
// amounts and sums of amounts alike, or a price would change by where it was computed.
TEST(FareText, ShortNumbersReadAndPrintAsTheGeneralRoutines) {
  auto general = [](double v) {
    char buf[400];
    return std::string(buf,
                       std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 1).ptr);
  };
  auto wide = [](const std::string& s) { return std::u16string(s.begin(), s.end()); };
  std::mt19937_64 random(7);
  std::uniform_int_distribution<int> tenths(0, 2'000'000);
  for (int i = 0; i < 20000; ++i) {
    const double a = tenths(random) / 10.0, b = tenths(random) / 10.0;
    for (double v : {a, a + b, a * 1.15, a + 0.05, a - b, a * 1e9})
      ASSERT_EQ(OneDecimalText(v), wide(general(v))) << general(v);
    const std::string text = std::to_string(tenths(random)) + "." + std::to_string(i % 1000);
    double expected = 0;
    std::from_chars(text.data(), text.data() + text.size(), expected);
    ASSERT_EQ(ReadAmount(wide(text)), expected) << text;
  }
  EXPECT_EQ(OneDecimalText(-0.0), u"-0.0");
  EXPECT_EQ(ReadAmount(u"12."), 12);
  EXPECT_EQ(ReadAmount(u"-2.5"), -2.5);
  EXPECT_EQ(ReadAmount(u"1234567890123456.5"), 1234567890123456.5);
  EXPECT_EQ(WholeText(-2147483647 - 1), u"-2147483648");
  EXPECT_EQ(WholeText(0), u"0");
}

// The engine keeps its sums as numbers; each must read exactly as the text it stands for,
// ties of the rounding (odd quarters), negatives and amounts of any size included.
TEST(FareText, RunningSumsReadAsTheirTexts) {
  auto expectAsText = [](const RunningPrice& sum, const std::u16string& text) {
    std::u16string written = u"old";
    sum.WriteText(written);
    ASSERT_EQ(written, text);
    ASSERT_EQ(sum.Amount(), ReadAmount(text)) << Utf16ToUtf8(text);
    ASSERT_EQ(sum.Whole(), ReadWhole(text)) << Utf16ToUtf8(text);
  };
  std::mt19937_64 random(11);
  std::uniform_int_distribution<int> tenths(-2'000'000, 2'000'000);
  RunningPrice sum;
  for (int i = 0; i < 20000; ++i) {
    const double a = tenths(random) / 10.0, b = tenths(random) / 10.0;
    for (double v : {a, a + b + 10.0, a * 1.15, a * 0.1, (i - 10000) * 0.25, a * 1e-3, a * 1e9}) {
      sum.SetOneDecimal(v);
      ASSERT_NO_FATAL_FAILURE(expectAsText(sum, OneDecimalText(v))) << v;
    }
    sum.SetWhole(tenths(random) * 1000);
    ASSERT_NO_FATAL_FAILURE(expectAsText(sum, WholeText(static_cast<int>(sum.Amount()))));
  }
  for (double v : {1e14 - 0.05, 1e14, 1e40, -1e40, HUGE_VAL, std::nan(""), -0.0, 0.05}) {
    sum.SetOneDecimal(v);
    ASSERT_NO_FATAL_FAILURE(expectAsText(sum, OneDecimalText(v))) << v;
  }
  sum.Clear();
  EXPECT_TRUE(sum.Empty());
  expectAsText(sum, u"");
}

}  // namespace
}  // namespace tavra
