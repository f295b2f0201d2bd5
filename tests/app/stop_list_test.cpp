#include "app/stop_list.h"

#include <gtest/gtest.h>

#include "app/query_core.h"
#include "data/loader.h"
#include "data/record_fields.h"
#include "resources/fixed_texts.h"
#include "support/test_support.h"

namespace tavra {
namespace {

//   S1 loops 北京 ─ 廊坊 ─ 北京 ─ 济南, crossing midnight before 济南 (23:58 on, 00:04 off).
//   F2 北京 ─ 济南 leaves and arrives in the same minute (no time passes).
//   Z3 北京 ─ 天津 ─ 济南, 天津 reached in the minute it left 北京.
test::Source Loops() {
  test::Source s;
  s.stations = "name\tkey\n北京\tBJ\n廊坊\tLF\n济南\tJN\n天津\tTJ\n";
  s.trains =
      "train\tclass\tseats\taircon\tfares\n"
      "S1\t2\t1011\t1\t1,0,0\nF2\t2\t1011\t1\t1,0,0\nZ3\t2\t1011\t1\t1,0,0\n";
  s.stops =
      "train\tstation\tarrive\tdepart\tday\tkm\n"
      "S1\t北京\t\t2200\t0\t0\n"
      "S1\t廊坊\t2230\t2240\t0\t60\n"
      "S1\t北京\t2320\t2340\t0\t120\n"
      "S1\t济南\t2358\t0004\t1\t150\n"
      "S1\t天津\t0204\t\t1\t270\n"
      "F2\t北京\t\t0900\t0\t0\n"
      "F2\t济南\t0900\t\t0\t400\n"
      "Z3\t北京\t\t1000\t0\t0\n"
      "Z3\t天津\t1000\t1010\t0\t100\n"
      "Z3\t济南\t1210\t\t0\t340\n";
  return s;
}

class StopList : public ::testing::Test {
 protected:
  explicit StopList(test::Source source = Loops())
      : data_(test::Load(source)), core_(*data_, controls_, messages_) {
    core_.m_showTrainDetail = [this](QueryCore&) { ++shown_; };
  }
  void Between(std::u16string_view from, std::u16string_view to) {
    controls_.mode = texts::kModeStationToStation;
    controls_.from = from;
    controls_.to = to;
    core_.m_strFromStation = from;
    core_.m_strToStation = to;
    core_.OnQuery();
  }
  const StopLine& Line(int i) const { return core_.m_pApp->m_stopLines[static_cast<size_t>(i)]; }
  std::u16string Cell(int row, int column) const {
    return std::u16string(Trim(core_.m_list.Row(row).texts[static_cast<size_t>(column)]));
  }

  std::unique_ptr<TimetableData> data_;
  PlainQueryControls controls_;
  test::RecordingMessages messages_;
  QueryCore core_;
  int shown_ = 0;
};

TEST_F(StopList, LinesSpeedsAndRouteTexts) {
  Between(u"廊坊", u"天津");
  ASSERT_EQ(core_.m_list.RowCount(), 1);
  ASSERT_TRUE(core_.OnResultClick(0));
  EXPECT_EQ(shown_, 1);
  const HandOver& h = *core_.m_pApp;
  ASSERT_EQ(h.m_nLastStopLine, 4);
  // First line: no arrival and no speed; last line: no departure.
  EXPECT_EQ(Line(0).arrival, u"");
  EXPECT_EQ(Line(0).speed, u"");
  EXPECT_EQ(Line(0).departure, u"22:00");
  EXPECT_EQ(Line(4).departure, u"");
  EXPECT_EQ(Line(4).arrival, u"02:04");
  // 23:40 on day 0 to 23:58 (day digit 1, the day it leaves at 00:04): 18 minutes, 30 km.
  EXPECT_EQ(Line(3).speed, u"100");
  EXPECT_EQ(Line(3).day, u"第二天");
  EXPECT_EQ(Line(3).rawArrival, u"2358");
  EXPECT_EQ(Line(1).speed, u"120");  // 60 km in 30 minutes
  EXPECT_EQ(Line(4).speed, u"60");   // 00:04 to 02:04, 120 km
  EXPECT_EQ(h.m_strTotalKm, u"270");
  EXPECT_EQ(h.m_strTotalTime, u"04:04");
  EXPECT_EQ(h.m_strAvgSpeed, u"66");  // 270 km in 244 minutes
  EXPECT_EQ(StopListTrainLabel(h),
            u"车次:" + std::u16string(core_.m_list.Row(0).texts[0]) + u" 全程:270km");
  EXPECT_EQ(StopListTimeLabel(h), u"历时:04:04 时速:66km/h");

  SortListModel list;
  FillStopList(h, list);
  EXPECT_FALSE(list.SortEnabled());
  ASSERT_EQ(list.RowCount(), 5);
  EXPECT_EQ(list.Row(2).texts, (std::vector<std::u16string>{u" 3", u"北京", u"23:20", u"23:40",
                                                            u"当天", u"120", u"90"}));
  // 廊坊 to 天津 in blue, the lines before in black.
  const Color expected[] = {kBlack, kBlue, kBlue, kBlue, kBlue};
  for (int r = 0; r < 5; ++r)
    for (int c = 0; c < 7; ++c) {
      EXPECT_EQ(list.Row(r).textColors[static_cast<size_t>(c)], expected[r]) << r;
      EXPECT_EQ(list.Row(r).backColors[static_cast<size_t>(c)], kWhite);
    }
}

TEST_F(StopList, NoTimePassingGivesNoSpeed) {
  Between(u"北京", u"济南");  // S1 twice (both of its 北京 calls), F2, Z3
  ASSERT_EQ(core_.m_list.RowCount(), 4);
  for (int r = 0; r < 4; ++r) {
    ASSERT_TRUE(core_.OnResultClick(r));
    const HandOver& h = *core_.m_pApp;
    if (Cell(r, 0) == u"F2") {
      EXPECT_EQ(Line(1).speed, u"");  // 400 km in no time
      EXPECT_EQ(h.m_strAvgSpeed, u"");
      EXPECT_EQ(h.m_strTotalTime, u"00:00");
      EXPECT_EQ(StopListTimeLabel(h), u"历时:00:00 时速:km/h");
    } else if (Cell(r, 0) == u"Z3") {
      EXPECT_EQ(Line(1).speed, u"");
      EXPECT_EQ(Line(2).speed, u"120");
      EXPECT_EQ(h.m_strAvgSpeed, u"157");  // 340 km in 130 minutes
    }
  }
}

TEST_F(StopList, SortedListOpensTheClickedTrainAndHighlightsFromTheFirstBoardingCall) {
  Between(u"北京", u"济南");
  core_.m_list.SortByColumn(0, false);  // Z3, S1, S1, F2
  ASSERT_EQ(Cell(0, 0), u"Z3");
  ASSERT_TRUE(core_.OnResultClick(0));
  EXPECT_EQ(core_.m_pApp->m_strDetailTrainNo, core_.m_list.Row(0).texts[0]);
  EXPECT_EQ(Line(1).station, u"天津");
  EXPECT_EQ(core_.m_pApp->m_nLastStopLine, 2);

  // S1 passes 北京 twice: its journey is highlighted from the first 北京 line to 济南.
  ASSERT_TRUE(core_.OnResultClick(1));
  EXPECT_EQ(core_.m_pApp->m_nLastStopLine, 4);
  EXPECT_EQ(StopListHighlights(*core_.m_pApp), (std::vector<bool>{true, true, true, true, false}));

  // No line there: nothing happens.
  shown_ = 0;
  EXPECT_FALSE(core_.OnResultClick(-1));
  EXPECT_FALSE(core_.OnResultClick(4));
  EXPECT_EQ(shown_, 0);
  EXPECT_EQ(core_.m_pApp->m_nLastStopLine, 4);
}

TEST_F(StopList, AJourneyLegOpensTheSameStopListAsItsResultLine) {
  Between(u"北京", u"济南");
  ASSERT_TRUE(core_.OnResultClick(1));
  const HandOver fromLine = *core_.m_pApp;
  const int board = test::CallRow(*data_, Cell(1, 0), u"北京");
  const int alight = test::CallRow(*data_, Cell(1, 0), u"济南");
  shown_ = 0;
  ASSERT_TRUE(core_.OnJourneyLegClick(board, alight));
  EXPECT_EQ(shown_, 1);
  const HandOver& fromLeg = *core_.m_pApp;
  EXPECT_EQ(fromLeg.m_strDetailTrainNo, fromLine.m_strDetailTrainNo);
  EXPECT_EQ(fromLeg.m_strFromName, u"北京");
  EXPECT_EQ(fromLeg.m_strToName, u"济南");
  ASSERT_EQ(fromLeg.m_stopLines.size(), fromLine.m_stopLines.size());
  for (size_t i = 0; i < fromLine.m_stopLines.size(); ++i)
    EXPECT_EQ(fromLeg.m_stopLines[i].station, fromLine.m_stopLines[i].station) << i;
  EXPECT_EQ(core_.m_list.RowCount(), 4);  // the result list stays as it was
  // Rows outside the table open nothing.
  EXPECT_FALSE(core_.OnJourneyLegClick(-1, alight));
  EXPECT_FALSE(core_.OnJourneyLegClick(board, 1 << 30));
  EXPECT_EQ(shown_, 1);
}

TEST(StopListHighlights, AlightingStationNotFollowingLightsToTheEnd) {
  HandOver h;
  for (const char16_t* name : {u"甲", u"乙", u"丙", u"乙", u"丁"}) {
    StopLine line;
    line.station = name;
    h.m_stopLines.push_back(line);
  }
  h.m_nLastStopLine = 4;
  h.m_strFromName = u"丙";
  h.m_strToName = u"甲";  // only before the boarding station
  EXPECT_EQ(StopListHighlights(h), (std::vector<bool>{false, false, true, true, true}));
  h.m_strFromName = u"乙";  // twice: on from its first line only
  h.m_strToName = u"丙";
  EXPECT_EQ(StopListHighlights(h), (std::vector<bool>{false, true, true, false, false}));
}

// Two trains of 65 stops, at 站1 ... 站65 and 站66 ... 站130. A train has at most 99
// calls in a source, so a longer run is made by widening the first train's run to the end
// of the second's, as a damaged or foreign file could.
test::Source TwoLongTrains() {
  test::Source s;
  s.stations = "name\tkey\n";
  s.trains = "train\tclass\tseats\taircon\tfares\nL8\t4\t1000\t0\t1,0,0\nL9\t4\t1000\t0\t1,0,0\n";
  s.stops = "train\tstation\tarrive\tdepart\tday\tkm\n";
  for (int i = 1; i <= 130; ++i) {
    const std::string station = "站" + std::to_string(i);
    s.stations += station + "\tZ\n";
    const int minute = i * 4;  // 00:04 to 08:40, a minute's stop each
    char arrive[8], depart[8];
    std::snprintf(arrive, sizeof arrive, "%02d%02d", minute / 60, minute % 60);
    std::snprintf(depart, sizeof depart, "%02d%02d", (minute + 1) / 60, (minute + 1) % 60);
    const bool origin = i == 1 || i == 66, terminus = i == 65 || i == 130;
    s.stops += std::string(i <= 65 ? "L8" : "L9") + "\t" + station + "\t" + (origin ? "" : arrive) +
               "\t" + (terminus ? "" : depart) + "\t0\t" + std::to_string(i * 5) + "\n";
  }
  return s;
}

class LongStopList : public StopList {
 protected:
  LongStopList() : StopList(TwoLongTrains()) {
    test::PatchedFiles files = test::Patchable(TwoLongTrains());
    const int first = ParseLeadingInt(Field(
        data_->Table(StopTable).Record(test::CallRow(*data_, u"L8", u"站1")), stop_record::kTrain));
    files.Patch(TrainTable, first, train_record::kLastRun,
                test::U8(ZeroPadded(data_->Table(TrainStopTable).size() - 1, 5)));
    // The joined run leaves 站65 and reaches 站66 as one train would.
    files.Patch(StopTable, test::CallRow(*data_, u"L8", u"站65"), stop_record::kDepart, "0421");
    files.Patch(StopTable, test::CallRow(*data_, u"L9", u"站66"), stop_record::kArrive, "0424");
    EXPECT_EQ(LoadTimetableFromBytes(*data_, files.index, files.records), kLoadComplete);
  }
};

TEST_F(LongStopList, EveryStopOfALongRunIsListed) {
  Between(u"站2", u"站64");
  ASSERT_TRUE(core_.OnResultClick(0));
  const HandOver& h = *core_.m_pApp;
  ASSERT_EQ(h.m_nLastStopLine, 129);
  ASSERT_EQ(h.m_stopLines.size(), 130u);
  EXPECT_EQ(Line(100).station, u"站101");
  EXPECT_EQ(Line(129).station, u"站130");
  EXPECT_EQ(Line(129).speed, u"100");  // 5 km in 3 minutes
  EXPECT_EQ(h.m_strTotalKm, u"645");
  SortListModel list;
  FillStopList(h, list);
  ASSERT_EQ(list.RowCount(), 130);
  EXPECT_EQ(list.Row(129).texts[0], u" 130");
  EXPECT_EQ(list.Row(63).textColors[0], kBlue);  // 站64
  EXPECT_EQ(list.Row(64).textColors[0], kBlack);
}

}  // namespace
}  // namespace tavra
