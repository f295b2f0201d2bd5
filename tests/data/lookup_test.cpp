#include "data/lookup.h"

#include <gtest/gtest.h>

#include <cstring>

#include "data/loader.h"
#include "data/record_fields.h"
#include "data/text_compare.h"
#include "support/test_support.h"

namespace tavra {
namespace {

TEST(TextCompare, GbkOrderTakesBytesAsSigned) {
  // Equal bytes over the shorter name, then the shorter name first.
  EXPECT_LT(CompareGbk(u"北京", u"北京西"), 0);
  EXPECT_GT(CompareGbk(u"北京西", u"北京"), 0);
  EXPECT_EQ(CompareGbk(u"北京  ", u"北京"), 0);
  // 北 is B1 B1, 上 is C9 CF: as signed bytes B1 (-79) orders below C9 (-55).
  EXPECT_LT(CompareGbk(u"北京", u"上海"), 0);
  // ASCII bytes are positive, Chinese bytes negative: a letter orders after them.
  EXPECT_GT(CompareGbk(u"北A", u"北京"), 0);
  EXPECT_GT(CompareGbk(u"A", u"北"), 0);
  EXPECT_LT(CompareGbk(u"AB", u"AC"), 0);
}

TEST(TextCompare, CodeUnitAndCaseInsensitiveOrders) {
  EXPECT_TRUE(TextGreater(u"K2", u"K1"));
  EXPECT_FALSE(TextGreater(u"K1", u"K1"));
  EXPECT_TRUE(TextGreater(u"K10", u"K1"));  // the end of a text is the unit 0
  EXPECT_FALSE(TextGreater(u"K1", u"K10"));
  EXPECT_TRUE(TextGreater(u"北", u"Z"));  // unsigned units
  EXPECT_EQ(CompareNoCase(u"bjx", u"BJX"), 0);
  EXPECT_LT(CompareNoCase(u"bj", u"BJX"), 0);
  EXPECT_TRUE(EqualNoCase(u"t109", u"T109"));
  EXPECT_FALSE(EqualNoCase(u"t10", u"T109"));
}

TEST(FindStation, BinarySearchByName) {
  auto data = test::Load(test::SmallNetwork());
  RowRange calls;
  for (std::u16string name : {u"北京", u"北京西", u"上海", u"天津", u"济南"}) {
    std::u16string typed = name;
    ASSERT_TRUE(FindStation(*data, typed, calls)) << std::string(name.begin(), name.end());
    EXPECT_EQ(typed, name);
    for (int r = calls.first; r <= calls.last; ++r)
      EXPECT_EQ(StationName(*data, Field(GetRecord(*data, StopTable, r), stop_record::kStation)),
                name);
  }
  std::u16string beijing = u"北京";
  FindStation(*data, beijing, calls);
  EXPECT_EQ(calls.last - calls.first + 1, 2);  // T109 and 1461

  std::u16string missing = u"南京";
  RowRange untouched{7, 3};
  EXPECT_FALSE(FindStation(*data, missing, untouched));
  EXPECT_EQ(missing, u"南京   ");  // keeps its padded form
  EXPECT_EQ(untouched.first, 7);
}

TEST(FindStation, LongAndHostileNamesAreCutToFiveCharacters) {
  auto source = test::SmallNetwork();
  source.stations += "乌鲁木齐南\tWLMQN\n";
  auto data = test::Load(source);
  RowRange calls;
  std::u16string six = u"乌鲁木齐南站";
  EXPECT_TRUE(FindStation(*data, six, calls));
  EXPECT_EQ(six, u"乌鲁木齐南");
  // A station without calls has an empty range.
  EXPECT_EQ(calls.last, calls.first - 1);
  for (std::u16string hostile :
       {std::u16string(1000, u'京'), std::u16string(),
        std::u16string{char16_t(0xD83D), char16_t(0xDE00), char16_t(0xD83D)},
        std::u16string(u"가나다")}) {
    EXPECT_FALSE(FindStation(*data, hostile, calls));
  }
}

TEST(FindStation, EmptyTablesFindNothing) {
  TimetableData empty;
  RowRange calls;
  std::u16string name = u"北京";
  EXPECT_FALSE(FindStation(empty, name, calls));
}

TEST(MatchStationsByKey, TypingNarrowsTheOfferedStations) {
  auto data = test::Load(test::SmallNetwork());
  test::RecordingChoiceBox box;
  MatchStationsByKey(*data, u"b", box);
  EXPECT_EQ(box.items, (std::vector<std::u16string>{u"北京", u"北京西"}));  // key order
  EXPECT_EQ(box.dropDowns, 1);
  MatchStationsByKey(*data, u" bJx ", box);
  EXPECT_EQ(box.items, (std::vector<std::u16string>{u"北京西"}));
  MatchStationsByKey(*data, u"BQ", box);  // a letter with keys, none matching
  EXPECT_TRUE(box.items.empty());
  EXPECT_EQ(box.dropDowns, 2);

  // A digit, a Chinese character or a letter without stations leaves the list as it was.
  MatchStationsByKey(*data, u"S", box);
  ASSERT_EQ(box.items, (std::vector<std::u16string>{u"上海"}));
  for (std::u16string_view typed : {u"1", u"北", u"Q", u"€", u"ｓ"}) {
    MatchStationsByKey(*data, typed, box);
    EXPECT_EQ(box.items, (std::vector<std::u16string>{u"上海"}));
  }
  // Blank typing empties the list and the edit field.
  box.edit = u"  ";
  MatchStationsByKey(*data, u"  ", box);
  EXPECT_TRUE(box.items.empty());
  MatchStationsByKey(*data, std::u16string(1000, u'S'), box);
  EXPECT_TRUE(box.items.empty());
}

TEST(MatchStationsByKey, LeftBracketSelectsTheTwentySeventhLetterRow) {
  auto files = test::Compile(test::SmallNetwork());
  test::RecordingChoiceBox box;
  TimetableData plain;
  ASSERT_EQ(LoadTimetableFromBytes(plain, files.index, files.records), kLoadComplete);
  box.items = {u"kept"};
  MatchStationsByKey(plain, u"[", box);  // 26 rows: there is no such row
  EXPECT_EQ(box.items, (std::vector<std::u16string>{u"kept"}));

  // With a 27th row naming the key rows 0-4, "[" offers the stations whose key starts with "[":
  // none.
  std::string index = files.index, records = files.records;
  int32_t stationKeys, letters;
  std::memcpy(&stationKeys, index.data(), 4);
  std::memcpy(&letters, index.data() + 4, 4);
  records.insert(static_cast<size_t>(stationKeys + letters), "00000004");
  letters += 8;
  std::memcpy(index.data() + 4, &letters, 4);
  TimetableData extended;
  ASSERT_EQ(LoadTimetableFromBytes(extended, index, records), kLoadComplete);
  MatchStationsByKey(extended, u"[", box);
  EXPECT_TRUE(box.items.empty());
}

}  // namespace
}  // namespace tavra
