#include <gtest/gtest.h>

#include "app/query_core.h"
#include "data/record_fields.h"
#include "resources/fixed_texts.h"
#include "support/test_support.h"

namespace tavra {
namespace {

// Numbers of every kind: letter-prefixed, one to three digits with and without a prefix,
// four digits in both indexes, five digits, a number two trains share, and a train
// without calls.
test::Source NumberNetwork() {
  test::Source s;
  s.stations = "name\tkey\n北京\tBJ\n天津\tTJ\n上海\tSH\n";
  s.trains =
      "train\tclass\tseats\taircon\tfares\tnumbers\n"
      "T109\t2\t1011\t1\t1,0,0\t\n"
      "K1/K4\tA\t1011\t1\t1,0,0\t\n"
      "1461\t3\t1010\t0\t1,0,0\t\n"
      "K1461\tA\t1011\t1\t1,0,0\t\n"
      "T1461\t2\t1011\t1\t1,0,0\t\n"
      "Z12\t1\t0011\t1\t1,0,0\t\n"
      "12\t3\t1010\t0\t1,0,0\t\n"
      "K12\tA\t1011\t1\t1,0,0\t\n"
      "14611\t4\t1000\t0\t1,0,0\t\n"
      "K4/K5\tA\t1011\t1\t1,0,0\t\n"
      "Y1\t4\t1000\t0\t1,0,0\t\n";
  s.stops = "train\tstation\tarrive\tdepart\tday\tkm\n";
  for (const char* train :
       {"T109", "K1/K4", "1461", "K1461", "T1461", "Z12", "12", "K12", "14611", "K4/K5"})
    s.stops += std::string(train) + "\t北京\t\t0800\t0\t0\n" + train +
               "\t天津\t0900\t0905\t0\t137\n" + train + "\t上海\t1900\t\t0\t1463\n";
  return s;
}

class TrainQueries : public ::testing::Test {
 protected:
  TrainQueries() : data_(test::Load(NumberNetwork())), core_(*data_, controls_, messages_) {
    controls_.mode = texts::kModeTrainNumber;
  }

  // The trains listed for `typed`, by their full numbers.
  std::vector<std::u16string> Query(std::u16string_view typed) {
    controls_.trainNo = typed;
    core_.OnQuery();
    std::vector<std::u16string> trains;
    for (int r = 0; r < core_.m_list.RowCount(); ++r)
      trains.emplace_back(Trim(core_.m_list.Row(r).texts[0]));
    return trains;
  }
  using Texts = std::vector<std::u16string>;

  std::unique_ptr<TimetableData> data_;
  PlainQueryControls controls_;
  test::RecordingMessages messages_;
  QueryCore core_;
};

TEST_F(TrainQueries, LetterPrefixedNumbersInEitherCase) {
  EXPECT_EQ(Query(u"T109"), (Texts{u"T109"}));
  EXPECT_EQ(Query(u" t109 "), (Texts{u"T109"}));
  // Left as the last search made it: four characters also search the number part.
  EXPECT_EQ(core_.m_strTrainNo, u"T109");
  // Each line runs from origin to terminus, with the full number.
  const ListRow& row = core_.m_list.Row(0);
  EXPECT_EQ(row.texts[0], u" T109");
  EXPECT_EQ(row.texts[1], u"北京");
  EXPECT_EQ(row.texts[3], u"上海");
  EXPECT_EQ(controls_.countLabel, u"共:1");
  // A number two trains share finds both, in the file's order.
  EXPECT_EQ(Query(u"k4"), (Texts{u"K1/K4", u"K4/K5"}));
  EXPECT_EQ(Query(u"K5"), (Texts{u"K4/K5"}));
  EXPECT_TRUE(messages_.said.empty());
}

TEST_F(TrainQueries, ShortNumbersFindEveryPrefix) {
  EXPECT_EQ(Query(u"12"), (Texts{u"12", u"K12", u"Z12"}));
  EXPECT_EQ(core_.m_strTrainNo, u"12  ");
  EXPECT_EQ(Query(u"Z12"), (Texts{u"Z12"}));
  EXPECT_EQ(controls_.countLabel, u"共:1");
}

TEST_F(TrainQueries, FourDigitsSearchBothIndexes) {
  EXPECT_EQ(Query(u"1461"), (Texts{u"1461", u"K1461", u"T1461"}));
  EXPECT_EQ(controls_.countLabel, u"共:3");
  EXPECT_EQ(Query(u"14611"), (Texts{u"14611"}));  // five digits: the number index only
  // Found by neither search: an empty list and a count, no message.
  EXPECT_EQ(Query(u"1999"), Texts{});
  EXPECT_EQ(Query(u"9999"), Texts{});
  EXPECT_EQ(controls_.countLabel, u"共:0");
  EXPECT_TRUE(messages_.said.empty());
}

TEST_F(TrainQueries, TrainWithoutCallsIsNotListed) {
  EXPECT_EQ(Query(u"Y1"), Texts{});
  EXPECT_EQ(controls_.countLabel, u"共:0");
  EXPECT_TRUE(messages_.said.empty());
}

TEST_F(TrainQueries, MessagesForNumbersThatCannotBeOrAreNot) {
  const std::u16string bad = u"车次信息输入有误，请核对后重新输入要查询的车次";
  const std::u16string none = u"无此车次，请核对后重新输入要查询的车次";
  struct Case {
    std::u16string typed, message;
  };
  for (const Case& c :
       {Case{u"123456", bad}, Case{u"k", bad}, Case{u"KK1", bad}, Case{u"-1", bad},
        Case{u"北1", bad}, Case{u"K 1", bad}, Case{u"T1234567", bad}, Case{u"9", none},
        Case{u"T9", none}, Case{u"T10", none}, Case{u"T1099", none}}) {
    Query(u"T109");
    const int writes = controls_.countLabelWrites;
    messages_.said.clear();
    Query(c.typed);
    ASSERT_EQ(messages_.said.size(), 1u) << test::U8(c.typed);
    EXPECT_EQ(messages_.said[0].text, c.message) << test::U8(c.typed);
    EXPECT_EQ(messages_.said[0].caption, u"提示");
    EXPECT_EQ(controls_.countLabelWrites, writes) << test::U8(c.typed);
  }
  // The query itself, reading an empty box, has its own text.
  messages_.said.clear();
  controls_.trainNo = u"   ";
  core_.QueryTrainNumber();
  ASSERT_EQ(messages_.said.size(), 1u);
  EXPECT_EQ(messages_.said[0].text, u"车次信息为空，请输入要查询的车次");
}

TEST_F(TrainQueries, NoSuchKeyAfterAFoundRangeEmptiesTheList) {
  Query(u"T109");
  Query(u"T10");  // the letter index has numbers with digit 1, none is T10
  EXPECT_EQ(core_.m_list.RowCount(), 0);
  EXPECT_TRUE(core_.m_list.RedrawOn());
}

}  // namespace
}  // namespace tavra
