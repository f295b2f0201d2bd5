// A query that reads a damaged field answers with the damaged-file message naming the file,
// the table, the record and the field, and shows no line of its answer.
#include <gtest/gtest.h>

#include "app/journey_rows.h"
#include "app/query_core.h"
#include "data/loader.h"
#include "format/record_layouts.h"
#include "resources/fixed_texts.h"
#include "support/test_support.h"

namespace tavra {
namespace {

class QueryDamage : public ::testing::Test {
 protected:
  QueryDamage() : good_(test::Load(test::SmallNetwork())) {}

  // Loads the small network with `field` of the call of `train` at `station` overwritten.
  void DamageCall(std::u16string_view train, std::u16string_view station, const RecordField& field,
                  const std::string& bytes) {
    test::PatchedFiles files = test::Patchable(test::SmallNetwork());
    row_ = test::CallRow(*good_, train, station);
    files.Patch(StopTable, row_, field, bytes);
    ASSERT_EQ(LoadTimetableFromBytes(data_, files.index, files.records), kLoadComplete);
    core_ = std::make_unique<QueryCore>(data_, controls_, messages_);
    core_->m_showTrainDetail = [this](QueryCore&) { ++shown_; };
  }
  bool Between(std::u16string_view from, std::u16string_view to) {
    controls_.mode = texts::kModeStationToStation;
    controls_.from = from;
    controls_.to = to;
    core_->m_strFromStation = from;
    core_->m_strToStation = to;
    return core_->OnQuery();
  }
  // The last message is the damaged-file message with `detail`.
  void ExpectTold(const std::string& detail) {
    ASSERT_FALSE(messages_.said.empty());
    const std::string text = test::U8(messages_.said.back().text);
    EXPECT_EQ(text.rfind(test::U8(res::kLoadFailed), 0), 0u) << text;
    EXPECT_NE(text.find(detail), std::string::npos) << text;
  }

  std::unique_ptr<TimetableData> good_;
  TimetableData data_;
  int row_ = -1;
  PlainQueryControls controls_;
  test::RecordingMessages messages_;
  std::unique_ptr<QueryCore> core_;
  int shown_ = 0;
};

TEST_F(QueryDamage, AFieldThatIsNotItsKindStopsTheQuery) {
  DamageCall(u"T109", u"北京", stop_record::kDepart, "20A0");
  EXPECT_FALSE(Between(u"北京", u"上海"));
  ExpectTold("tavra.sdf: StopTable record " + std::to_string(row_) +
             ": departure \"20A0\" is not a time HHMM");
  EXPECT_EQ(core_->m_list.RowCount(), 0);
  EXPECT_EQ(controls_.countLabel, u"共:0");
  // The next query on sound records answers again.
  EXPECT_TRUE(Between(u"天津", u"上海"));
  EXPECT_FALSE(core_->Damage().Found());
}

TEST_F(QueryDamage, ValidFieldsThatMakeAnImpossibleRideStopTheQuery) {
  DamageCall(u"T109", u"上海", stop_record::kKm, "0100");
  EXPECT_FALSE(Between(u"天津", u"上海"));  // 137 km at 天津
  ExpectTold("StopTable record " + std::to_string(row_) + ": distance \"0100\" is less than");
  EXPECT_EQ(core_->m_list.RowCount(), 0);
}

TEST_F(QueryDamage, AStopListOverADamagedCallIsNotShownAndTheListStays) {
  DamageCall(u"T109", u"上海", stop_record::kArrive, "1A30");
  ASSERT_TRUE(Between(u"北京", u"天津"));  // reads neither the 上海 call nor its times
  const int lines = core_->m_list.RowCount();
  int refused = 0;
  for (int i = 0; i < lines; ++i) {
    if (core_->OnResultClick(i)) continue;
    ++refused;
    EXPECT_TRUE(core_->Damage().Found());
    ExpectTold("arrival \"1A30\"");
  }
  EXPECT_EQ(refused, 1);
  EXPECT_EQ(shown_, lines - 1);  // the other train's stop list opens
  EXPECT_EQ(core_->m_list.RowCount(), lines);
}

TEST_F(QueryDamage, AConnectionSearchOverADamagedCallOffersNoJourney) {
  ConnectionOptions options;
  options.includeDirect = true;
  ASSERT_FALSE(FindJourneys(*good_, u"北京", u"上海", options).journeys.empty());
  DamageCall(u"T109", u"天津", stop_record::kDay, "7");  // a call between the two ends
  const JourneyAnswer answer = FindJourneys(data_, u"北京", u"上海", options);
  EXPECT_TRUE(answer.journeys.empty());
  EXPECT_NE(answer.damage.Text().find("StopTable record " + std::to_string(row_) + ": day \"7\""),
            std::string::npos)
      << answer.damage.Text();
}

}  // namespace
}  // namespace tavra
