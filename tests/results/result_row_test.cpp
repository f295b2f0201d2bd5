#include <gtest/gtest.h>

#include <climits>
#include <deque>

#include "data/lookup.h"
#include "data/record_fields.h"
#include "resources/fixed_texts.h"
#include "results/row_builder.h"
#include "results/row_texts.h"
#include "support/test_support.h"

namespace tavra {
namespace {

// Trains chosen for the running-time, class and number rules of a result line.
test::Source RowNetwork() {
  test::Source s;
  s.stations = "name\tkey\n北京\tBJ\n天津\tTJ\n济南\tJN\n南京\tNJ\n上海\tSH\n";
  s.trains =
      "train\tclass\tseats\taircon\tfares\tnumbers\n"
      "Z1\t1\t0011\t1\t1,0,0\t\n"
      "K3\tA\t1011\t0\t1,0,0\t\n"
      "D5\tD\t0600\t1\t1,0,0\t\n"
      "1461\t3\t1010\t0\t1,0,0\t\n"
      "4001\t4\t1000\t0\t1,0,0\t\n"
      "X7\tX\t1000\t0\t1,0,0\t\n"
      "K27\tA\t1011\t1\t1,0,0\t\n"
      "K7A\t2\t1011\t1\t1,0,0\tK7\n"
      "K1/K4\tA\t1011\t1\t1,0,0;7,0,0,101\t\n";
  s.stops =
      "train\tstation\tarrive\tdepart\tday\tkm\trun\tfare_km\n"
      // Boards at 23:50; the next call arrives 00:20 and leaves 00:25 on day 1.
      "Z1\t北京\t\t2350\t0\t0\t\t\n"
      "Z1\t济南\t0020\t0025\t1\t497\t\t\n"
      "Z1\t上海\t0900\t\t1\t1463\t\t\n"
      // Arrives at 济南 at 23:58 and leaves at 00:04 on the next day, with that day's number.
      "K3\t北京\t\t1900\t0\t0\t\t\n"
      "K3\t天津\t2155\t2200\t0\t137\t\t\n"
      "K3\t济南\t2358\t0004\t1\t497\t\t\n"
      "K3\t上海\t0800\t\t1\t1463\t\t\n"
      "D5\t南京\t\t0800\t0\t0\t\t\n"
      "D5\t上海\t1000\t\t0\t301\t\t\n"
      "1461\t北京\t\t1140\t0\t0\t\t\n"
      "1461\t天津\t1320\t1330\t0\t137\t\t\n"
      "4001\t天津\t\t0600\t0\t0\t\t\n"
      "4001\t济南\t1200\t\t0\t360\t\t\n"
      "X7\t南京\t\t0700\t0\t0\t\t\n"
      "X7\t上海\t0900\t\t0\t301\t\t\n"
      "K27\t北京\t\t0600\t0\t0\t\t\n"
      "K27\t上海\t0900\t\t1\t1463\t\t\n"
      "K7A\t北京\t\t0700\t0\t0\t\t\n"
      "K7A\t天津\t0900\t\t0\t137\t\t\n"
      "K1/K4\t北京\t\t2300\t0\t0\tK1\t0,0,0,0,0,0,0\n"
      "K1/K4\t济南\t0330\t0340\t1\t497\tK4\t400,97,0,0,0,0,12\n"
      "K1/K4\t上海\t1500\t\t1\t1500\tK4\t1000,450,50,0,0,0,30\n";
  return s;
}

class RowBuilder : public ::testing::Test {
 protected:
  RowBuilder() : data_(test::Load(RowNetwork())), state_(*data_) {
    list_.SetColumnSpec(texts::kResultColumns);
  }

  // Builds the line of `train` from its call at `from` to its call at `to` into a new row.
  const ResultRow& Build(std::u16string_view train, std::u16string_view from,
                         std::u16string_view to, RowStyle style = {}) {
    const int f = test::CallRow(*data_, train, from), t = test::CallRow(*data_, train, to);
    EXPECT_GE(f, 0);
    EXPECT_GE(t, 0);
    state_.m_fromStop = ParseStopRecord(*data_, GetRecord(*data_, StopTable, f));
    state_.m_toStop = ParseStopRecord(*data_, GetRecord(*data_, StopTable, t));
    return Rebuild(style);
  }
  // Builds a new row from the calls as they stand.
  const ResultRow& Rebuild(RowStyle style = {}) {
    rows_.emplace_back();
    lastItem_ = BuildResultRow(state_, rows_.back(), list_, style);
    return rows_.back();
  }

  std::unique_ptr<TimetableData> data_;
  FareState state_;
  std::deque<ResultRow> rows_;  // rows keep their places as more are built
  SortListModel list_;
  int lastItem_ = -1;
};

constexpr RowStyle kFullNumber{true, false};
constexpr RowStyle kByArrival{false, true};

TEST_F(RowBuilder, RunningTimeAcrossMidnightAndDays) {
  EXPECT_EQ(Build(u"Z1", u"北京", u"济南").durationText, u"00:30");
  // The alighting call left after midnight: its day number is one too many for the arrival.
  EXPECT_EQ(Build(u"K3", u"天津", u"济南").durationText, u"01:58");
  // Boarding that same call uses its departure, with its own day.
  EXPECT_EQ(Build(u"K3", u"济南", u"上海").durationText, u"07:56");
  // A terminal call (departure blank) gets no correction.
  EXPECT_EQ(Build(u"Z1", u"济南", u"上海").durationText, u"08:35");
  EXPECT_EQ(Build(u"K27", u"北京", u"上海").durationText, u"27:00");

  // A call four days on (beyond what the compiler writes): 105 hours keep their last two digits.
  Build(u"K27", u"北京", u"上海");
  state_.m_toStop.day = u"4";
  state_.m_toStop.arrive = u"1507";
  EXPECT_EQ(Rebuild().durationText, u"05:07");
}

TEST(RowTexts, DecimalTextOfAnyNumber) {
  EXPECT_EQ(DecimalText(0), u"0");
  EXPECT_EQ(DecimalText(-1463), u"-1463");
  EXPECT_EQ(DecimalText(INT_MIN), u"-2147483648");
  EXPECT_EQ(DurationText(-5), u"00:-5");  // a damaged timetable's times, shown as computed
  EXPECT_EQ(DurationText(-725), u"12:-5");
  EXPECT_EQ(DurationText(INT_MIN), u"94:-8");
  EXPECT_EQ(DurationText(6005), u"00:05");
}

TEST_F(RowBuilder, NamesTimesDistancesAndFareDistances) {
  const ResultRow& row = Build(u"K1/K4", u"济南", u"上海");
  EXPECT_EQ(row.fromName, u"济南");
  EXPECT_EQ(row.toName, u"上海");
  EXPECT_EQ(row.departText, u"03:40");
  EXPECT_EQ(row.arriveText, u"15:00");
  EXPECT_EQ(row.distanceText, u"1003");
  EXPECT_EQ(row.originTerminal, u"北京-上海");
  EXPECT_EQ(row.segmentKm[0], 600);
  EXPECT_EQ(row.segmentKm[1], 353);
  EXPECT_EQ(row.segmentKm[2], 50);
  EXPECT_EQ(row.segmentKm[6], 18);
  EXPECT_EQ(row.totalFareKm, 600 + 353 + 50);  // the seventh distance is not part of it
  // The run number as stored, blanks and all; "K1/K4" ends in a digit, so nothing follows.
  EXPECT_EQ(row.trainText, u" K4   ");
  // The current train is the boarding call's.
  EXPECT_EQ(std::u16string(TrimRight(state_.m_train[TrainInfo::Number])), u"K1/K4");

  // The train-number query shows the full number instead.
  EXPECT_EQ(Build(u"K1/K4", u"北京", u"上海", kFullNumber).trainText, u" K1/K4");
  // A number that ends in a letter has the letter after its run number.
  EXPECT_EQ(Build(u"K7A", u"北京", u"天津").trainText, u" K7   A");
}

TEST_F(RowBuilder, ClassTextsAndExpressMultiple) {
  EXPECT_EQ(Build(u"Z1", u"北京", u"上海").classText, u"新空直达");
  EXPECT_EQ(Build(u"D5", u"南京", u"上海").classText,
            u"动车组");  // no prefix though air-conditioned
  EXPECT_EQ(Build(u"4001", u"天津", u"济南").classText, u"普客");
  EXPECT_EQ(state_.m_nExpressMultiple, 0);
  Build(u"1461", u"北京", u"天津");
  EXPECT_EQ(state_.m_nExpressMultiple, 1);
  // An unknown class code shows itself and has no express multiple, whatever came before.
  const ResultRow unknownFirst = Build(u"X7", u"南京", u"上海");
  EXPECT_EQ(unknownFirst.classText, u"X");
  EXPECT_EQ(state_.m_nExpressMultiple, 0);
  Build(u"Z1", u"北京", u"上海");
  const ResultRow unknownAfterExpress = Build(u"X7", u"南京", u"上海");
  EXPECT_EQ(state_.m_nExpressMultiple, 0);
  EXPECT_EQ(unknownAfterExpress.hardSeat, unknownFirst.hardSeat);
}

TEST_F(RowBuilder, ListLineColoursAndSortKey) {
  Build(u"Z1", u"北京", u"济南");  // boards where the train starts: red
  Build(u"Z1", u"济南", u"上海");
  ASSERT_EQ(list_.RowCount(), 2);
  EXPECT_EQ(lastItem_, 1);
  const ListRow& first = list_.Row(0);
  const ListRow& second = list_.Row(1);
  for (size_t c = 0; c <= 14; ++c) {
    EXPECT_EQ(first.textColors[c], kRed) << c;
    EXPECT_EQ(second.textColors[c], kBlack) << c;
    EXPECT_EQ(first.backColors[c], kWhite) << c;
  }
  EXPECT_EQ(first.textColors[15], kBlack);  // the hidden sort key is not coloured
  // The 16 texts in column order, second class before first class.
  const ResultRow& row = rows_[1];
  EXPECT_EQ(second.texts, (std::vector<std::u16string>{
                              row.trainText, row.fromName, row.departText, row.toName,
                              row.arriveText, row.originTerminal, row.classText, row.distanceText,
                              row.durationText, row.hardSeat, row.softSeat, row.secondClass,
                              row.firstClass, row.hardSleeper, row.softSleeper, row.sortKey}));

  EXPECT_EQ(Build(u"Z1", u"济南", u"上海").sortKey, u"00:25");
  EXPECT_EQ(Build(u"Z1", u"济南", u"上海", kByArrival).sortKey, u"09:00");
}

}  // namespace
}  // namespace tavra
