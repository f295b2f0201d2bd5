#include <gtest/gtest.h>

#include <algorithm>

#include "app/query_core.h"
#include "data/loader.h"
#include "data/lookup.h"
#include "data/record_fields.h"
#include "datatool/generator.h"
#include "resources/fixed_texts.h"
#include "support/query_core_probe.h"
#include "support/test_support.h"

namespace tavra {
namespace {

// Trains around 北京: one calling there twice (L3), one in each direction (T1, T2), one
// ending there (K4), one passing through (K5), one starting and ending there (Y6), and a
// line of its own (D7).
test::Source LineNetwork() {
  test::Source s;
  s.stations = "name\tkey\n北京\tBJ\n天津\tTJ\n廊坊\tLF\n济南\tJN\n南京\tNJ\n上海\tSH\n";
  s.trains =
      "train\tclass\tseats\taircon\tfares\n"
      "T1\t2\t1011\t1\t1,0,0\n"
      "T2\t2\t1011\t1\t1,0,0\n"
      "L3\t4\t1000\t0\t1,0,0\n"
      "K4\tA\t1011\t1\t1,0,0\n"
      "K5\tA\t1011\t1\t1,0,0\n"
      "Y6\t4\t1000\t0\t1,0,0\n"
      "D7\tD\t0600\t1\t1,0,0\n";
  s.stops =
      "train\tstation\tarrive\tdepart\tday\tkm\n"
      "T1\t北京\t\t0800\t0\t0\n"
      "T1\t天津\t0930\t0935\t0\t137\n"
      "T1\t济南\t1200\t1210\t0\t497\n"
      "T1\t上海\t1800\t\t0\t1463\n"
      "T2\t上海\t\t0700\t0\t0\n"
      "T2\t济南\t1300\t1310\t0\t966\n"
      "T2\t天津\t1530\t1535\t0\t1326\n"
      "T2\t北京\t1700\t\t0\t1463\n"
      "L3\t北京\t\t0600\t0\t0\n"
      "L3\t廊坊\t0650\t0655\t0\t60\n"
      "L3\t北京\t0750\t0800\t0\t120\n"
      "L3\t济南\t1100\t\t0\t617\n"
      "K4\t济南\t\t0500\t0\t0\n"
      "K4\t天津\t0800\t0805\t0\t360\n"
      "K4\t北京\t0930\t\t0\t497\n"
      "K5\t天津\t\t1000\t0\t0\n"
      "K5\t北京\t1130\t1140\t0\t137\n"
      "K5\t廊坊\t1230\t\t0\t197\n"
      "Y6\t北京\t\t1300\t0\t0\n"
      "Y6\t廊坊\t1400\t1405\t0\t60\n"
      "Y6\t北京\t1500\t\t0\t120\n"
      "D7\t南京\t\t0800\t0\t0\n"
      "D7\t上海\t1000\t\t0\t301\n";
  return s;
}

std::u16string Trimmed(std::u16string_view text) {
  return std::u16string(Trim(text));
}

class StationQueries : public ::testing::Test {
 protected:
  StationQueries() : data_(test::Load(LineNetwork())), core_(*data_, controls_, messages_) {
    controls_.mode = texts::kModeStationToStation;
  }

  // Types both station boxes and presses the query button.
  // True when the query ran to its count, as the query button reports it.
  bool Between(std::u16string_view from, std::u16string_view to) {
    test::RecordingChoiceBox box;
    controls_.from = from;
    core_.OnFromEditChange(box);
    controls_.to = to;
    core_.OnToEditChange(box);
    return core_.OnQuery();
  }

  void Station(std::u16string_view name) {
    test::RecordingChoiceBox box;
    controls_.mode = texts::kModeStation;
    controls_.station = name;
    core_.OnStationEditChange(box);
    core_.OnQuery();
  }

  // Column `column` of every line, without the blanks around it.
  std::vector<std::u16string> Column(int column) const {
    std::vector<std::u16string> out;
    for (int r = 0; r < core_.m_list.RowCount(); ++r)
      out.push_back(Trimmed(core_.m_list.Row(r).texts[static_cast<size_t>(column)]));
    return out;
  }
  using Texts = std::vector<std::u16string>;

  std::unique_ptr<TimetableData> data_;
  PlainQueryControls controls_;
  test::RecordingMessages messages_;
  QueryCore core_;
};

constexpr int kTrain = 0, kFrom = 1, kDepart = 2, kTo = 3, kArrive = 4;

TEST_F(StationQueries, BetweenListsEachBoardingCallWithALaterArrival) {
  Between(u"北京", u"济南");
  // L3 calls at 北京 twice before 济南: one line per call, grouped by boarding call in
  // the station's call order (by time). T2 and K4 reach 北京 only after 济南.
  EXPECT_EQ(Column(kTrain), (Texts{u"L3", u"L3", u"T1"}));
  EXPECT_EQ(Column(kDepart), (Texts{u"06:00", u"08:00", u"08:00"}));
  EXPECT_EQ(Column(kTo), (Texts{u"济南", u"济南", u"济南"}));
  EXPECT_EQ(controls_.countLabel, u"共:3");
  EXPECT_TRUE(messages_.said.empty());

  Between(u"北京", u"天津");  // only T1 goes this way; T2, K4 and K5 call at 天津 first
  EXPECT_EQ(Column(kTrain), (Texts{u"T1"}));
  EXPECT_EQ(controls_.countLabel, u"共:1");
}

TEST_F(StationQueries, ReverseButtonListsTheOtherDirection) {
  Between(u"北京", u"济南");
  core_.OnReverse();
  EXPECT_EQ(controls_.from, u"济南");
  EXPECT_EQ(controls_.to, u"北京");
  EXPECT_EQ(Column(kTrain), (Texts{u"K4", u"T2"}));
  EXPECT_EQ(Column(kFrom), (Texts{u"济南", u"济南"}));
  EXPECT_EQ(Column(kTo), (Texts{u"北京", u"北京"}));
  EXPECT_EQ(controls_.countLabel, u"共:2");
}

TEST_F(StationQueries, OnlyOneStationGiven) {
  // Every train leaving 北京 but those ending there, each to its terminus.
  Between(u"北京", u"");
  EXPECT_EQ(Column(kTrain), (Texts{u"L3", u"L3", u"T1", u"K5"}));
  EXPECT_EQ(Column(kTo), (Texts{u"济南", u"济南", u"上海", u"廊坊"}));
  // Every train reaching 北京 but those starting there, each from its origin.
  Between(u"", u"北京");
  EXPECT_EQ(Column(kTrain), (Texts{u"K4", u"K5", u"T2"}));
  EXPECT_EQ(Column(kFrom), (Texts{u"济南", u"天津", u"上海"}));
  EXPECT_EQ(Column(kArrive), (Texts{u"09:30", u"11:30", u"17:00"}));
  EXPECT_EQ(controls_.countLabel, u"共:3");
}

TEST_F(StationQueries, InputsTheSearchIgnoresOrRejects) {
  EXPECT_TRUE(Between(u"北京", u"济南"));
  const int writes = controls_.countLabelWrites;
  // One character is still being typed: no word, the list and label stay.
  EXPECT_FALSE(Between(u"北", u"济南"));
  EXPECT_FALSE(Between(u"北京", u"济"));
  EXPECT_EQ(core_.m_list.RowCount(), 3);
  EXPECT_EQ(controls_.countLabelWrites, writes);
  EXPECT_TRUE(messages_.said.empty());

  // A missing departure is reported and the arrival not looked up; the list ends empty,
  // the label keeps its text.
  EXPECT_FALSE(Between(u"南极", u"北极"));
  ASSERT_EQ(messages_.said.size(), 1u);
  EXPECT_EQ(messages_.said[0].text, u"无此发站！");
  EXPECT_EQ(messages_.said[0].caption, u"(app)");
  EXPECT_EQ(core_.m_list.RowCount(), 0);
  EXPECT_EQ(controls_.countLabel, u"共:3");
  Between(u"北京", u"北极");
  EXPECT_EQ(messages_.said.back().text, u"无此到站！");
  EXPECT_EQ(messages_.said.size(), 2u);
}

TEST_F(StationQueries, NoDirectTrainOffersAChangeOnlyWhenOneCanBeOffered) {
  Between(u"北京", u"南京");
  EXPECT_TRUE(messages_.said.empty());  // no transfer search: nothing to ask
  EXPECT_EQ(controls_.countLabel, u"共:0");

  int offered = 0;
  QueryCoreProbe::SetTransferOffer(core_, [&](QueryCore& q) {
    ++offered;
    EXPECT_EQ(q.m_nQueryKind, kQueryStationToStation);
  });
  Between(u"北京", u"南京");
  ASSERT_EQ(messages_.said.size(), 1u);
  EXPECT_EQ(messages_.said[0].text, u"两站之间无直达车，是否要进行中转站选择?");
  EXPECT_EQ(messages_.said[0].caption, u"提示");
  EXPECT_EQ(offered, 0);  // answered No
  EXPECT_EQ(controls_.countLabel, u"共:0");
  messages_.answer = true;
  Between(u"北京", u"南京");
  EXPECT_EQ(offered, 1);
  Between(u"", u"南京");  // one station only: never asked
  EXPECT_EQ(messages_.said.size(), 2u);
}

TEST_F(StationQueries, StationQueryInTimeOrderWithArrivalsInBlue) {
  controls_.from = u"天津";  // the station-to-station boxes as typed earlier
  core_.m_strFromStation = u"天津";
  Station(u"北京");
  // Departures to their terminus, trains ending here from their origin, by time; Y6 starts
  // and ends here and is not listed.
  EXPECT_EQ(Column(kTrain), (Texts{u"L3", u"L3", u"T1", u"K4", u"K5", u"T2"}));
  EXPECT_EQ(controls_.countLabel, u"共:6");
  EXPECT_EQ(core_.m_nQueryKind, kQueryStationArrivals);
  const Color kExpected[] = {kRed, kRed, kRed, kBlue, kBlack, kBlue};
  for (int r = 0; r < 6; ++r) {
    const ListRow& row = core_.m_list.Row(r);
    for (size_t c = 0; c <= 14; ++c) {
      EXPECT_EQ(row.textColors[c], kExpected[r]) << r << "," << c;
      EXPECT_EQ(row.backColors[c], kWhite);
    }
    const bool arrival = kExpected[r] == kBlue;
    EXPECT_EQ(Trimmed(row.texts[arrival ? kTo : kFrom]), u"北京");
    EXPECT_EQ(row.texts[15], row.texts[arrival ? kArrive : kDepart]);
    if (r > 0) {
      EXPECT_LE(core_.m_list.Row(r - 1).texts[15], row.texts[15]);
    }
  }
  // The station-to-station texts are back as they were.
  EXPECT_EQ(core_.m_strFromStation, u"天津");
  EXPECT_EQ(core_.m_strToStation, u"");
}

TEST_F(StationQueries, StationQueryInputs) {
  core_.m_strFromStation = u"天津";
  Station(u"北");  // one character: nothing
  EXPECT_EQ(controls_.countLabelWrites, 0);
  EXPECT_TRUE(messages_.said.empty());
  Station(u"南极");
  ASSERT_EQ(messages_.said.size(), 1u);
  EXPECT_EQ(messages_.said[0].text, u"无此发站！");
  EXPECT_EQ(controls_.countLabelWrites, 0);
  // Put back on this way out too, so the station-to-station check sees what was typed there.
  EXPECT_EQ(core_.m_strFromStation, u"天津");
}

TEST_F(StationQueries, TypingOffersStationsOnceTheStationTablesAreThere) {
  test::RecordingChoiceBox box;
  data_->LoadStatus.store(kLoadIndexRead);  // still loading: the text is kept, nothing offered
  controls_.to = u" t ";
  core_.OnToEditChange(box);
  EXPECT_EQ(core_.m_strToStation, u"t");
  EXPECT_TRUE(box.items.empty());
  data_->LoadStatus.store(kLoadSeen);  // a 4 serves typing only when it replaced a 2
  core_.OnToEditChange(box);
  EXPECT_TRUE(box.items.empty());
  core_.OnStationsLoaded();
  core_.OnToEditChange(box);
  EXPECT_EQ(box.items, (Texts{u"天津"}));

  // The station box shows the trimmed text before its list opens.
  test::RecordingChoiceBox station;
  controls_.station = u"  l ";
  core_.OnStationEditChange(station);
  EXPECT_EQ(controls_.station, u"l");
  EXPECT_EQ(station.items, (Texts{u"廊坊"}));
  EXPECT_EQ(station.dropDowns, 1);
}

// A generated timetable whose trains call at stations more than once.
void LoadGenerated(TimetableData& data, uint32_t seed) {
  datatool::DataFiles files;
  std::vector<datatool::SourceError> errors;
  ASSERT_TRUE(datatool::CompileSource(
      datatool::GenerateTimetable({.stations = 24, .trains = 90, .calls = 2400, .seed = seed}),
      files, errors));
  ASSERT_EQ(LoadTimetableFromBytes(data, files.index, files.records), kLoadComplete);
}

// The join must give exactly the rows of the cross comparison, in the same order, for
// every pair of stations of a timetable where trains call at stations more than once.
TEST(ListBetween, SameRowsAsTheCrossComparison) {
  TimetableData data;
  ASSERT_NO_FATAL_FAILURE(LoadGenerated(data, 5));
  QueryCore join(data), cross(data);
  int pairs = 0, rows = 0;
  for (int a = 0; a < data.stationCount; ++a)
    for (int b = 0; b < data.stationCount; ++b) {
      for (QueryCore* q : {&join, &cross}) {
        q->m_list.DeleteAllRows();
        const std::u16string_view from = data.Table(StationTable).Record(a);
        const std::u16string_view to = data.Table(StationTable).Record(b);
        q->SetStationRanges(
            ReadInt(from, station_record::kFirstCall), ReadInt(from, station_record::kLastCall),
            ReadInt(to, station_record::kFirstCall), ReadInt(to, station_record::kLastCall));
      }
      join.ListBetween();
      cross.ListBetweenByCrossComparison();
      ASSERT_EQ(join.m_list.RowCount(), cross.m_list.RowCount()) << a << "-" << b;
      for (int r = 0; r < join.m_list.RowCount(); ++r)
        ASSERT_EQ(join.m_list.Row(r).texts, cross.m_list.Row(r).texts)
            << a << "-" << b << " row " << r;
      // The state left behind is the same too.
      ASSERT_EQ(join.m_fromStop.station, cross.m_fromStop.station);
      ASSERT_EQ(join.m_fromStop.seq, cross.m_fromStop.seq);
      ASSERT_EQ(join.m_toStop.seq, cross.m_toStop.seq);
      pairs += join.m_list.RowCount() > 0;
      rows += join.m_list.RowCount();
    }
  EXPECT_GT(pairs, 100);  // the timetable really has journeys to compare
  EXPECT_GT(rows, 1000);
}

// After the departures have read a station's calls, the trains ending there are found on
// raw fields: the same lines and the same state left behind as reading every call again.
TEST(ListTerminating, CallsReadBeforeGiveTheSameLines) {
  TimetableData data;
  ASSERT_NO_FATAL_FAILURE(LoadGenerated(data, 7));
  QueryCore full(data), shortcut(data);
  int rows = 0;
  for (int a = 0; a < data.stationCount; ++a) {
    const std::u16string_view station = data.Table(StationTable).Record(a);
    const int first = ReadInt(station, station_record::kFirstCall),
              last = ReadInt(station, station_record::kLastCall);
    for (QueryCore* q : {&full, &shortcut}) {
      q->m_list.DeleteAllRows();
      q->SetStationRanges(first, last, first, last);
      q->ListDepartures();
      q->ListTerminating(q == &shortcut);
    }
    ASSERT_EQ(full.m_list.RowCount(), shortcut.m_list.RowCount()) << a;
    for (int r = 0; r < full.m_list.RowCount(); ++r)
      ASSERT_EQ(full.m_list.Row(r).texts, shortcut.m_list.Row(r).texts) << a << " row " << r;
    ASSERT_EQ(full.m_toStop.row, shortcut.m_toStop.row) << a;
    ASSERT_EQ(full.m_train[TrainInfo::Number], shortcut.m_train[TrainInfo::Number]) << a;
    rows += full.m_list.RowCount();
  }
  EXPECT_GT(rows, 500);
}

TEST(ListBetween, RangesFromADamagedFileStayInsideTheTable) {
  auto data = test::Load(LineNetwork());
  QueryCore join(*data), cross(*data);
  for (QueryCore* q : {&join, &cross}) q->SetStationRanges(-50, 1 << 30, -50, 1 << 30);
  join.ListBetween();
  cross.ListBetweenByCrossComparison();
  EXPECT_EQ(join.m_list.RowCount(), cross.m_list.RowCount());
  join.ListDepartures();  // no call outside the table becomes a line
  join.ListTerminating();
  for (int r = 0; r < join.m_list.RowCount(); ++r)
    EXPECT_NE(Trimmed(join.m_list.Row(r).texts[kFrom]), u"");
}

// On the sample: the lines come out in the order a stable sort of the built rows by their
// hidden time text gives, as before the price comparison changed.
TEST(StationQueryOnSample, HiddenColumnKeepsTimeOrder) {
  TimetableData data;
  ASSERT_EQ(LoadTimetable(data, TAVRA_BUILD_DIR), kLoadComplete);
  for (std::u16string_view name : {u"上海", u"北京", u"南京"}) {
    PlainQueryControls controls;
    controls.mode = texts::kModeStation;
    controls.station = name;
    test::RecordingMessages messages;
    QueryCore core(data, controls, messages);
    test::RecordingChoiceBox box;
    core.OnStationEditChange(box);
    core.OnQuery();
    std::vector<ResultRow> expected;
    for (int r = 0; r < core.RowCount(); ++r) expected.push_back(core.Row(r));
    ASSERT_GT(expected.size(), 10u);
    std::stable_sort(expected.begin(), expected.end(),
                     [](const ResultRow& a, const ResultRow& b) { return a.sortKey < b.sortKey; });
    ASSERT_EQ(core.m_list.RowCount(), static_cast<int>(expected.size()));
    for (size_t r = 0; r < expected.size(); ++r) {
      const ListRow& row = core.m_list.Row(static_cast<int>(r));
      ASSERT_EQ(row.texts[texts::kSortKeyColumn], expected[r].sortKey) << r;
      ASSERT_EQ(row.texts[kTrain], expected[r].trainText) << r;
      ASSERT_EQ(row.texts[kFrom], expected[r].fromName) << r;
    }
  }
}

}  // namespace
}  // namespace tavra
