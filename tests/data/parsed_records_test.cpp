#include "data/parsed_records.h"

#include <gtest/gtest.h>

#include "data/lookup.h"
#include "data/record_fields.h"
#include "support/test_support.h"

namespace tavra {
namespace {

int TrainRow(const TimetableData& data, std::u16string_view number) {
  for (int r = 0; r < data.Table(TrainTable).size(); ++r)
    if (TrainNumberText(data, ZeroPadded(r, 4)) == number) return r;
  return -1;
}

// The call of `train` at `station`, parsed.
StopInfo CallOf(const TimetableData& data, std::u16string_view train, std::u16string_view station) {
  for (int r = 0; r < data.Table(StopTable).size(); ++r) {
    StopInfo s = ParseStopRecord(data, GetRecord(data, StopTable, r));
    if (TrainNumberText(data, s.train) == train && StationName(data, s.station) == station)
      return s;
  }
  ADD_FAILURE() << "no such call";
  return {};
}

TEST(ParsedRecords, CallsWithAndWithoutFareDistances) {
  auto data = test::Load(test::SmallNetwork());
  StopInfo plain = CallOf(*data, u"T109", u"天津");
  EXPECT_EQ(plain.km, 137);
  EXPECT_EQ(plain.arrive, u"2120");
  EXPECT_EQ(plain.depart, u"2125");
  EXPECT_EQ(plain.day, u"0");
  EXPECT_EQ(plain.seq, u"02");
  EXPECT_EQ(plain.runNumber, u"T109 ");
  EXPECT_EQ(plain.fareRow, u"99999");
  EXPECT_EQ(plain.fareKm, (std::array<int32_t, 7>{137, 0, 0, 0, 0, 0, 0}));

  StopInfo origin = CallOf(*data, u"T109", u"北京");
  EXPECT_EQ(origin.arrive, u"    ");
  StopInfo terminus = CallOf(*data, u"T109", u"上海");
  EXPECT_EQ(terminus.depart, u"    ");
  EXPECT_EQ(terminus.day, u"1");

  StopInfo fared = CallOf(*data, u"K1/K4", u"上海");
  EXPECT_EQ(fared.runNumber, u"K4   ");
  EXPECT_EQ(fared.fareKm, (std::array<int32_t, 7>{1000, 500, 0, 0, 0, 0, 0}));
  EXPECT_EQ(CallOf(*data, u"K1/K4", u"北京西").runNumber, u"K1   ");
}

TEST(ParsedRecords, TrainSlotsFromTheRecordOrTheFarePlanRow) {
  auto data = test::Load(test::SmallNetwork());
  TrainInfo info;
  ParseTrainRecord(*data, GetRecord(*data, TrainTable, TrainRow(*data, u"K1/K4")), info);
  EXPECT_EQ(info[TrainInfo::Number], u"K1/K4              ");
  EXPECT_EQ(info[TrainInfo::ClassCode], u"A");
  EXPECT_EQ(info[TrainInfo::Attributes], u"1011");
  EXPECT_EQ(info[TrainInfo::AirCon], u"1");
  EXPECT_EQ(info[TrainInfo::FareKind0], u"1");
  EXPECT_EQ(info[TrainInfo::FareKind0 + 1], u"7");
  EXPECT_EQ(info[TrainInfo::FareKind0 + 2], u" ");  // unused segments are blank
  EXPECT_EQ(info[TrainInfo::Tariff1], u"101");
  EXPECT_EQ(info[TrainInfo::Tariff1 + 1], u"   ");
  EXPECT_EQ(StationName(*data, info[TrainInfo::OriginStation]), u"北京西");
  EXPECT_EQ(StationName(*data, info[TrainInfo::TerminalStation]), u"上海");
  StopInfo origin = ParseStopRecord(
      *data, GetRecord(*data, StopTable, ParseLeadingInt(info[TrainInfo::OriginCall])));
  EXPECT_EQ(StationName(*data, origin.station), u"北京西");
  EXPECT_EQ(
      ParseLeadingInt(info[TrainInfo::LastRunRow]) - ParseLeadingInt(info[TrainInfo::FirstRunRow]),
      2);

  // A single-segment train fills slots 6, 12 and 18 from its own record, clears 7-11 and
  // leaves the other slots as the previous train left them.
  ParseTrainRecord(*data, GetRecord(*data, TrainTable, TrainRow(*data, u"T109")), info);
  EXPECT_EQ(info[TrainInfo::FareKind0], u"1");
  EXPECT_EQ(info[TrainInfo::PercentA0], u"50");
  EXPECT_EQ(info[TrainInfo::PercentB0], u"00");
  for (int s = 1; s < 6; ++s) EXPECT_TRUE(info[TrainInfo::FareKind0 + s].empty());
  EXPECT_EQ(info[TrainInfo::Tariff1], u"101");
  EXPECT_EQ(info[TrainInfo::PercentA0 + 1], u"00");
}

TEST(ParsedRecords, DamagedReferencesReadAsEmptyRecords) {
  auto data = test::Load(test::SmallNetwork());
  EXPECT_TRUE(GetRecord(*data, 16, 0).empty());
  EXPECT_TRUE(GetRecord(*data, StationTable, -1).empty());
  EXPECT_TRUE(GetRecord(*data, StationTable, 5).empty());
  EXPECT_EQ(StationName(*data, u"9999"), u"");
  EXPECT_EQ(TrainNumberText(*data, u"abc"), u"T109");  // no digits read as row 0
  // A call whose fare-distance row lies outside the table gets zero distances.
  std::u16string record(GetRecord(*data, StopTable, 0));
  record.replace(stop_record::kFareRow.pos, stop_record::kFareRow.len, u"54321");
  StopInfo s = ParseStopRecord(*data, record);
  EXPECT_EQ(s.fareKm, (std::array<int32_t, 7>{}));
  // A truncated record gives short or empty fields, never a read past its end.
  const std::u16string shortRecord = record.substr(0, stop_record::kKm.pos + 2);
  StopInfo cut = ParseStopRecord(*data, shortRecord);
  EXPECT_EQ(cut.seq.size(), 2u);
  EXPECT_EQ(cut.km, 0);
  EXPECT_TRUE(cut.fareRow.empty());
}

TEST(RecordFields, LeadingIntegerParse) {
  EXPECT_EQ(ParseLeadingInt(u"0137"), 137);
  EXPECT_EQ(ParseLeadingInt(u"  42x"), 42);
  EXPECT_EQ(ParseLeadingInt(u"K4"), 0);
  EXPECT_EQ(ParseLeadingInt(u""), 0);
  EXPECT_EQ(ParseLeadingInt(u"99999999999999"), 2147483647);
  // Nine digits and less are read inline; a stop within them falls to the general reading.
  EXPECT_EQ(ParseLeadingInt(u"999999999"), 999999999);
  EXPECT_EQ(ParseLeadingInt(u"12 3"), 12);
  EXPECT_EQ(ParseLeadingInt(u"2147483648"), 2147483647);
}

}  // namespace
}  // namespace tavra
