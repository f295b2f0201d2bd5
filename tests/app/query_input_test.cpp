#include <gtest/gtest.h>

#include <random>
#include <set>

#include "app/query_core.h"
#include "resources/fixed_texts.h"
#include "support/test_support.h"

namespace tavra {
namespace {

class QueryButtons : public ::testing::Test {
 protected:
  QueryButtons() : data_(test::Load(test::SmallNetwork())), core_(*data_, controls_, messages_) {}

  std::unique_ptr<TimetableData> data_;
  PlainQueryControls controls_;
  test::RecordingMessages messages_;
  QueryCore core_;
};

TEST_F(QueryButtons, EachModeChecksItsInputFirst) {
  controls_.mode = texts::kModeStationToStation;
  controls_.from = u"北京";  // in the box, but not typed through the edit handler
  core_.OnQuery();
  core_.OnReverse();
  controls_.mode = texts::kModeStation;
  core_.OnQuery();
  controls_.mode = texts::kModeTrainNumber;
  controls_.trainNo = u"  ";
  core_.OnQuery();
  ASSERT_EQ(messages_.said.size(), 4u);
  EXPECT_EQ(messages_.said[0].text, u"发站或到站信息为空，请输入发站或到站");
  EXPECT_EQ(messages_.said[0].caption, u"提示");
  EXPECT_EQ(messages_.said[1].text, u"发站或到站信息为空，请输入发站或到站");
  EXPECT_EQ(messages_.said[2].text, u"车站信息为空，请输入车站");
  EXPECT_EQ(messages_.said[3].text, u"请输入要查询的车次");
  EXPECT_EQ(controls_.countLabelWrites, 0);
}

TEST_F(QueryButtons, EntriesThatAreNotQueriesTakeTheTrainNumberPath) {
  for (std::u16string mode : {u"在线升级", u"关于", u""}) {
    controls_.mode = mode;
    controls_.trainNo = u"t109";
    core_.OnQuery();
    EXPECT_EQ(core_.m_nQueryKind, kQueryTrainNumber);
    EXPECT_EQ(core_.m_list.RowCount(), 1);
  }
  controls_.mode = texts::kModeStation;  // the reverse button too, but in station to station
  controls_.trainNo = u"1461";
  core_.OnReverse();
  EXPECT_EQ(controls_.countLabel, u"共:1");
}

// Texts of any length, alphabet or encoding in every input: a known message or silence,
// and never a read outside a table (the sanitizer build checks that).
TEST_F(QueryButtons, HostileTextsInEveryInput) {
  const std::set<std::u16string> known = {u"无此发站！",
                                          u"无此到站！",
                                          u"发站或到站信息为空，请输入发站或到站",
                                          u"车站信息为空，请输入车站",
                                          u"请输入要查询的车次",
                                          u"车次信息为空，请输入要查询的车次",
                                          u"车次信息输入有误，请核对后重新输入要查询的车次",
                                          u"无此车次，请核对后重新输入要查询的车次"};
  std::vector<std::u16string> texts = {u"",
                                       u" ",
                                       u"\t\r\n",
                                       std::u16string(1000, u'京'),
                                       std::u16string(1000, u'1'),
                                       std::u16string(1000, u'K'),
                                       u"\xD800",
                                       u"\xDFFF\xD800",
                                       u"😀😀",
                                       u"\uFFFF\uFFFE",
                                       std::u16string(u"北京\0上海", 5),
                                       u"[[",
                                       u"Ｋ１",
                                       u"k1/k4",
                                       u"0000",
                                       u"00000",
                                       u"A0",
                                       u"Z9999"};
  std::mt19937 rnd(3);
  for (int i = 0; i < 300; ++i) {
    std::u16string t;
    const int n = static_cast<int>(rnd() % 9);
    for (int k = 0; k < n; ++k) {
      switch (rnd() % 4) {
        case 0:
          t += static_cast<char16_t>(u'0' + rnd() % 10);
          break;
        case 1:
          t += static_cast<char16_t>(u'A' + rnd() % 27);
          break;  // '[' too
        case 2:
          t += static_cast<char16_t>(rnd() % 0x10000);
          break;
        default:
          t += u"北京西上海天津济南 "[rnd() % 10];
          break;
      }
    }
    texts.push_back(t);
  }
  test::RecordingChoiceBox box;
  for (const auto& text : texts) {
    for (std::u16string_view mode :
         {texts::kModeStationToStation, texts::kModeStation, texts::kModeTrainNumber}) {
      controls_.mode = mode;
      controls_.from = controls_.station = controls_.trainNo = text;
      controls_.to = texts[(&text - texts.data() + 1) % texts.size()];
      core_.OnFromEditChange(box);
      core_.OnToEditChange(box);
      core_.OnStationEditChange(box);
      core_.OnQuery();
      core_.OnReverse();
    }
  }
  for (const auto& m : messages_.said) EXPECT_TRUE(known.count(m.text)) << test::U8(m.text);
  EXPECT_FALSE(messages_.said.empty());
}

}  // namespace
}  // namespace tavra
