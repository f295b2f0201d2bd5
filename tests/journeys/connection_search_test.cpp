// The connection search on small drawn timetables, rule by rule, and against the all-pairs
// reference on generated timetables and the sample. Every search here runs both ways.
#include "journeys/connection_search.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "data/loader.h"
#include "data/lookup.h"
#include "data/record_fields.h"
#include "datatool/generator.h"
#include "platform/utf8.h"
#include "results/row_texts.h"
#include "support/test_support.h"

namespace tavra {
namespace {

// One line per journey: "08:00 +240 650km wait 30: D2 天津-徐州, E1 徐州-郑州".
std::string Describe(const TimetableData& data, const std::vector<JourneyPlan>& plans) {
  std::ostringstream out;
  auto clock = [](int m) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d:%02d", m / 60, m % 60);
    return std::string(buf);
  };
  for (const JourneyPlan& p : plans) {
    out << clock(p.depart) << " +" << p.minutes << " " << p.km << "km";
    if (!p.Direct()) out << " wait " << p.wait;
    out << ":";
    for (int i = 0; i < p.legCount; ++i) {
      const Ride& r = p.rides[static_cast<size_t>(i)];
      const std::u16string_view call = data.Table(StopTable).Record(r.boardCall);
      out << (i ? ", " : " ") << test::U8(TrainNumberText(data, Field(call, 4, 4))) << " "
          << test::U8(StationName(data, DecimalText(r.boardStation))) << "-"
          << test::U8(StationName(data, DecimalText(r.alightStation)));
    }
    out << "\n";
  }
  return out.str();
}

// The search's journeys, checked against the reference.
std::string Journeys(const TimetableData& data, const char* from, const char* to,
                     const ConnectionOptions& options = {}) {
  const ConnectionResult fast =
      SearchConnections(data, Utf8ToUtf16(from), Utf8ToUtf16(to), options);
  const ConnectionResult slow =
      SearchConnectionsByAllPairs(data, Utf8ToUtf16(from), Utf8ToUtf16(to), options);
  const std::string text = Describe(data, fast.journeys);
  EXPECT_EQ(fast.error, slow.error) << from << "-" << to;
  EXPECT_EQ(text, Describe(data, slow.journeys)) << from << "-" << to;
  return text;
}

// A timetable of the given calls ("train station arrive depart day km", blank-separated,
// "-" for no time); every train is a 普快 with hard seats and hard sleepers.
std::unique_ptr<TimetableData> Timetable(const std::string& calls) {
  test::Source s;
  s.stations = "name\tkey\n";
  for (const char* name : {"天津", "天津西", "徐州", "徐州东", "郑州", "郑州东", "北京", "上海",
                           "上海南", "南京", "西安", "乌鲁木齐", "吐鲁番"})
    s.stations += std::string(name) + "\tX\n";
  s.trains = "train\tclass\tseats\taircon\tfares\n";
  s.stops = "train\tstation\tarrive\tdepart\tday\tkm\n";
  std::set<std::string> trains;
  std::istringstream in(calls);
  for (std::string train, station, arrive, depart, day, km;
       in >> train >> station >> arrive >> depart >> day >> km;) {
    if (trains.insert(train).second) s.trains += train + "\t3\t1010\t1\t1,50,0\n";
    s.stops += train + "\t" + station + "\t" + (arrive == "-" ? "" : arrive) + "\t" +
               (depart == "-" ? "" : depart) + "\t" + day + "\t" + km + "\n";
  }
  return test::Load(s);
}

TEST(ConnectionSearch, AcrossMidnightOnACallThatCarriesItsDepartureDay) {
  //   天津 12:50 ──1461──▶ 23:30 徐州
  //   北京 20:00 ──K1──▶ 23:58 徐州 00:04 (day digit 1) ──▶ 03:30 郑州
  //   34 minutes at 徐州; 640 + 34 + 206 = 880 minutes, 14 h 40 min.
  auto data = Timetable(
      "1461 天津 - 1250 0 0   1461 徐州 2330 - 0 700 "
      "K1 北京 - 2000 0 0   K1 徐州 2358 0004 1 600   K1 郑州 0330 - 1 950");
  EXPECT_EQ(Journeys(*data, "天津", "郑州"),
            "12:50 +880 1050km wait 34: 1461 天津-徐州, K1 徐州-郑州\n");
  // Riding K1 from 北京 to 徐州: its arrival is on the first day, four hours after leaving.
  EXPECT_EQ(Journeys(*data, "北京", "郑州", {.includeDirect = true}),
            "20:00 +450 950km: K1 北京-郑州\n");
}

TEST(ConnectionSearch, FirstLegArrivingOnTheThirdDayOfItsRun) {
  //   天津 08:00 ──Z1──▶ day 2 10:00 乌鲁木齐 11:00 ──Y1──▶ 13:00 吐鲁番
  //   2 × 1440 + 120 + 60 + 120 = 3180 minutes
  auto data = Timetable(
      "Z1 天津 - 0800 0 0   Z1 乌鲁木齐 1000 - 2 3000 "
      "Y1 乌鲁木齐 - 1100 0 0   Y1 吐鲁番 1300 - 0 200");
  EXPECT_EQ(Journeys(*data, "天津", "吐鲁番"),
            "08:00 +3180 3200km wait 60: Z1 天津-乌鲁木齐, Y1 乌鲁木齐-吐鲁番\n");
}

TEST(ConnectionSearch, MinimumChangeTimesAtOneStationAndWithinACity) {
  //   天津 08:00 ──A1──▶ 10:00 郑州
  //   郑州东 11:00 ──B1──▶ 13:00 西安     60 minutes across the city: just enough
  //   郑州东 10:59 ──B2──▶ 12:30 西安     one minute short
  //   郑州   10:19 ──B3──▶ 11:40 西安     one minute short of 20 at the same station
  //   郑州   10:20 ──B4──▶ 13:30 西安     exactly 20
  auto data = Timetable(
      "A1 天津 - 0800 0 0   A1 郑州 1000 - 0 700 "
      "B1 郑州东 - 1100 0 0   B1 西安 1300 - 0 500 "
      "B2 郑州东 - 1059 0 0   B2 西安 1230 - 0 500 "
      "B3 郑州 - 1019 0 0   B3 西安 1140 - 0 500 "
      "B4 郑州 - 1020 0 0   B4 西安 1330 - 0 500");
  EXPECT_EQ(Journeys(*data, "天津", "西安"),
            "08:00 +300 1200km wait 60: A1 天津-郑州, B1 郑州东-西安\n");
  EXPECT_EQ(Journeys(*data, "天津", "西安", {.minChangeCity = 61}),
            "08:00 +330 1200km wait 20: A1 天津-郑州, B4 郑州-西安\n");
  EXPECT_EQ(Journeys(*data, "天津", "西安", {.minChange = 19}),
            "08:00 +220 1200km wait 19: A1 天津-郑州, B3 郑州-西安\n");
}

TEST(ConnectionSearch, NobodyRidesThroughAnEndsCity) {
  //   天津 08:00 ──C1──▶ 09:00 上海南 ──▶ 10:00 南京   passes 上海's city: not a first leg
  //   天津 07:00 ──C5──▶ 08:30 南京
  //   南京 11:00 ──C2──▶ 13:00 上海
  //   南京 11:30 ──C3──▶ 12:00 天津西 ──▶ 12:50 上海   passes 天津's city: not a second leg
  // Were either allowed, its journey would outclass C5 + C2.
  auto data = Timetable(
      "C1 天津 - 0800 0 0   C1 上海南 0900 0905 0 100   C1 南京 1000 - 0 200 "
      "C5 天津 - 0700 0 0   C5 南京 0830 - 0 200 "
      "C2 南京 - 1100 0 0   C2 上海 1300 - 0 300 "
      "C3 南京 - 1130 0 0   C3 天津西 1200 1205 0 100   C3 上海 1250 - 0 300");
  EXPECT_EQ(Journeys(*data, "天津", "上海"),
            "07:00 +360 500km wait 150: C5 天津-南京, C2 南京-上海\n");
}

TEST(ConnectionSearch, WaitsUpToTheLimit) {
  //   天津 08:00 ──A1──▶ 10:00 徐州 22:00 ──B1──▶ 23:00 郑州   (720 minutes)
  auto data = Timetable(
      "A1 天津 - 0800 0 0   A1 徐州 1000 - 0 300   B1 徐州 - 2200 0 0   B1 郑州 2300 - 0 350");
  EXPECT_EQ(Journeys(*data, "天津", "郑州"),
            "08:00 +900 650km wait 720: A1 天津-徐州, B1 徐州-郑州\n");
  EXPECT_EQ(Journeys(*data, "天津", "郑州", {.maxWait = 719}), "");
}

TEST(ConnectionSearch, OutclassedJourneysAndTiesOnDistance) {
  //   天津 08:00 ──D1──▶ 10:00 徐州 (300 km)      徐州 10:30 ──E1──▶ 12:00 郑州
  //   天津 08:00 ──D2──▶ 10:00 徐州 (280 km)      same times, shorter: D1 is dropped
  const std::string same =
      "D1 天津 - 0800 0 0   D1 徐州 1000 - 0 300   D2 天津 - 0800 0 0   D2 徐州 1000 - 0 280 "
      "E1 徐州 - 1030 0 0   E1 郑州 1200 - 0 350 ";
  EXPECT_EQ(Journeys(*Timetable(same), "天津", "郑州"),
            "08:00 +240 630km wait 30: D2 天津-徐州, E1 徐州-郑州\n");
  //   天津 09:00 ──D3──▶ 10:05 徐州: leaves later, arrives as early: outclasses both
  //   天津 09:30 ──D4──▶ 10:40 徐州 11:00 ──E2──▶ 12:30 郑州: later and later, kept
  auto data = Timetable(same +
                        "D3 天津 - 0900 0 0   D3 徐州 1005 - 0 300 "
                        "D4 天津 - 0930 0 0   D4 徐州 1040 - 0 300 "
                        "E2 徐州 - 1100 0 0   E2 郑州 1230 - 0 350");
  EXPECT_EQ(Journeys(*data, "天津", "郑州"),
            "09:00 +180 650km wait 25: D3 天津-徐州, E1 徐州-郑州\n"
            "09:30 +180 650km wait 20: D4 天津-徐州, E2 徐州-郑州\n");
}

TEST(ConnectionSearch, DirectTrainsRankedWithChanges) {
  //   天津 07:00 ──F1──▶ 14:00 郑州 (direct, arrives after the change below)
  //   天津 08:00 ──A1──▶ 10:00 徐州 10:30 ──B1──▶ 12:00 郑州
  //   天津 13:00 ──F2──▶ 15:00 郑州 (direct, later)
  auto data = Timetable(
      "F1 天津 - 0700 0 0   F1 郑州 1400 - 0 900   F2 天津 - 1300 0 0   F2 郑州 1500 - 0 900 "
      "A1 天津 - 0800 0 0   A1 徐州 1000 - 0 300   B1 徐州 - 1030 0 0   B1 郑州 1200 - 0 350");
  EXPECT_EQ(Journeys(*data, "天津", "郑州"),
            "08:00 +240 650km wait 30: A1 天津-徐州, B1 徐州-郑州\n");
  EXPECT_EQ(Journeys(*data, "天津", "郑州", {.includeDirect = true}),
            "08:00 +240 650km wait 30: A1 天津-徐州, B1 徐州-郑州\n"
            "13:00 +120 900km: F2 天津-郑州\n");
}

TEST(ConnectionSearch, RequestsThatCannotBeSearched) {
  auto data = Timetable("A1 天津 - 0800 0 0   A1 徐州 1000 - 0 300");
  auto error = [&](const char* from, const char* to, ConnectionOptions o = {}) {
    Journeys(*data, from, to, o);
    return SearchConnections(*data, Utf8ToUtf16(from), Utf8ToUtf16(to), o).error;
  };
  EXPECT_EQ(error("天律", "徐州"), ConnectionError::UnknownFrom);
  EXPECT_EQ(error("天津", "徐洲"), ConnectionError::UnknownTo);
  EXPECT_EQ(error("天津", "天津"), ConnectionError::SameStation);
  EXPECT_EQ(error("天津西", "天津"), ConnectionError::SameCity);
  EXPECT_EQ(error("天津", "徐州", {.minChange = -1}), ConnectionError::BadOption);
  EXPECT_EQ(error("天津", "徐州", {.maxWait = 1440}), ConnectionError::BadOption);
  EXPECT_EQ(error("天津", "徐州"), ConnectionError::None);
}

// Generated timetables have cities (every three-character name is a two-character one
// and 北), hubs, calls across midnight and trains calling twice at a station.
TEST(ConnectionSearch, AgreesWithAllPairsOnGeneratedTimetables) {
  int journeys = 0;
  for (uint32_t seed : {1u, 2u}) {
    datatool::DataFiles files;
    std::vector<datatool::SourceError> errors;
    ASSERT_TRUE(datatool::CompileSource(
        datatool::GenerateTimetable({.stations = 60, .trains = 300, .calls = 6000, .seed = seed}),
        files, errors));
    TimetableData data;
    ASSERT_EQ(LoadTimetableFromBytes(data, files.index, files.records), kLoadComplete);
    for (int a = 0; a < data.stationCount; a += 6)
      for (int b = 1; b < data.stationCount; b += 8) {
        const std::string from = Utf16ToUtf8(StationName(data, DecimalText(a)));
        const std::string to = Utf16ToUtf8(StationName(data, DecimalText(b)));
        const ConnectionOptions options{.minChange = 10 + a % 20, .includeDirect = b % 2 == 1};
        const std::string text = Journeys(data, from.c_str(), to.c_str(), options);
        journeys += static_cast<int>(std::count(text.begin(), text.end(), '\n'));
      }
  }
  EXPECT_GT(journeys, 300);  // the comparison compared something
}

TEST(ConnectionSearch, AgreesWithAllPairsOnTheSample) {
  TimetableData data;
  ASSERT_EQ(LoadTimetable(data, TAVRA_BUILD_DIR), kLoadComplete);
  int journeys = 0;
  const char* const stations[] = {"天津", "郑州", "乌鲁木齐", "北京西", "上海虹桥", "广州南",
                                  "西安", "兰州", "成都",     "沈阳北", "南京南",   "武汉"};
  for (const char* from : stations)
    for (const char* to : stations)
      if (from != to) {
        const std::string text = Journeys(data, from, to, {.includeDirect = to[0] % 2 == 0});
        journeys += static_cast<int>(std::count(text.begin(), text.end(), '\n'));
      }
  EXPECT_GT(journeys, 300);
}

}  // namespace
}  // namespace tavra
