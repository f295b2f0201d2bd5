// Every field of every record, read through the layouts from a timetable compiled from a
// small source, against what the source puts there. A field added to a layout fails the
// coverage check until it is checked here too.
#include "format/record_layouts.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "data/record_fields.h"
#include "format/index_file.h"
#include "support/test_support.h"

namespace tavra {
namespace {

// Two stations, a train with a fare plan (K1/K4) and one without (1461). Sorted by GBK
// name 北京 is station 0; the calls at each station by time: 1461 at 北京 is call 0,
// K1/K4 at 天津 (03:30) call 2.
test::Source LayoutSource() {
  test::Source s;
  s.version = "20241208\n";
  s.stations = "name\tkey\n天津\tTJ\n北京\tBJ\n";
  s.trains =
      "train\tclass\tseats\taircon\tfares\tnumbers\textra\n"
      "1461\t3\t1010\t0\t1,50,60\t\t\n"
      "K1/K4\tA\t1011\t1\t1,10,20;7,30,40,101\t\tX\n";
  s.stops =
      "train\tstation\tarrive\tdepart\tday\tkm\trun\tfare_km\n"
      "1461\t北京\t\t1140\t0\t0\t\t\n"
      "1461\t天津\t1320\t\t0\t137\t\t\n"
      "K1/K4\t北京\t\t2300\t0\t0\t\t0,0,0,0,0,0,0\n"
      "K1/K4\t天津\t0330\t\t1\t497\tK4\t497,11,22,33,44,55,66\n";
  s.extra = {
      {"fare_bands.tsv",
       "tariff\tfrom_km\tto_km\thard_seat\tsoft_seat\texpress\ths_upper\ths_middle\ths_lower\t"
       "ss_upper\tss_lower\taircon\tac_hard_seat\tac_soft_seat\tac_express\tac_hs_upper\t"
       "ac_hs_middle\tac_hs_lower\tac_ss_upper\tac_ss_lower\tac_aircon\n"
       "101\t1\t200\t1\t2\t3\t4\t5\t6\t7\t8\t9\t11\t12\t13\t14\t15\t16\t17\t18\t19\n"},
      {"station_fares.tsv",
       "from\tto\ttrain\thard_seat\tsoft_seat\ths_upper\ths_middle\ths_lower\tss_upper\t"
       "ss_lower\tsecond\tfirst\n"
       "北京\t天津\tK1/K4\t101\t102\t103\t104\t105\t106\t107\t108\t109\n"},
      {"rates.tsv", "train\tcommon\thard_seat\tsoft_seat\tberth\textra\n1461\t5\t10\t20\t30\t40\n"},
      {"spare.tsv", "ABCDEFGHIJKLM\n"}};
  return s;
}

class RecordLayouts : public ::testing::Test {
 protected:
  void SetUp() override { data_ = test::Load(LayoutSource()); }

  // Reads `field` of row `row` of `section` and notes that the field was checked.
  std::u16string Read(Section section, int row, const RecordField& field) {
    checked_[section].insert(field.name);
    return std::u16string(Field(data_->Table(section).Record(row), field));
  }

  std::unique_ptr<TimetableData> data_;
  std::map<unsigned, std::set<std::string>> checked_;
};

TEST_F(RecordLayouts, EveryFieldReadsWhatTheSourceWrote) {
  using namespace std::string_literals;
  {
    using namespace station_key_record;
    EXPECT_EQ(Read(StationKeyTable, 1, kKey), u"TJ   ");
    EXPECT_EQ(Read(StationKeyTable, 1, kStation), u"0001");
  }
  {
    using namespace key_letter_record;
    const int t = u'T' - kLetterOfFirstRow;
    EXPECT_EQ(Read(KeyLetterTable, t, kFirstKey), u"0001");
    EXPECT_EQ(Read(KeyLetterTable, t, kLastKey), u"0001");
    EXPECT_EQ(data_->Table(KeyLetterTable).size(), kLetters);
  }
  {
    using namespace station_record;
    EXPECT_EQ(Read(StationTable, 1, kFirstCall), u"00002");
    EXPECT_EQ(Read(StationTable, 1, kLastCall), u"00003");
    EXPECT_EQ(Read(StationTable, 0, kFirstFare), u"00000");
    EXPECT_EQ(Read(StationTable, 0, kLastFare), u"00000");
    EXPECT_EQ(Read(StationTable, 1, kName), u"天津   ");
  }
  {
    using namespace train_digit_record;
    EXPECT_EQ(Read(TrainDigitTable, 1, kFirstNumber), u"0000");
    EXPECT_EQ(Read(TrainDigitTable, 1, kLastNumber), u"0000");
    EXPECT_EQ(Read(TrainDigitTable, 4, kFirstLetter), u"0001");
    EXPECT_EQ(Read(TrainDigitTable, 4, kLastLetter), u"0001");
    EXPECT_EQ(data_->Table(TrainDigitTable).size(), kDigits);
  }
  EXPECT_EQ(Read(NumberTrainIndex, 0, number_index_record::kNumber), u"1461 ");
  EXPECT_EQ(Read(NumberTrainIndex, 0, number_index_record::kTrain), u"0000");
  {
    using namespace letter_index_record;
    EXPECT_EQ(Read(LetterTrainIndex, 1, kPrefix), u"K");
    EXPECT_EQ(Read(LetterTrainIndex, 1, kNumberPart), u"4   ");
    EXPECT_EQ(Read(LetterTrainIndex, 1, kTrain), u"0001");
    EXPECT_EQ(Field(data_->Table(LetterTrainIndex).Record(1), kKey), u"K4   ");
  }
  {
    using namespace train_record;
    EXPECT_EQ(Read(TrainTable, 1, kNumber), u"K1/K4" + std::u16string(14, u' '));
    EXPECT_EQ(Read(TrainTable, 1, kClass), u"A");
    EXPECT_EQ(Read(TrainTable, 1, kAttributes), u"1011");
    EXPECT_EQ(Read(TrainTable, 1, kOriginStation), u"0000");
    EXPECT_EQ(Read(TrainTable, 1, kTerminalStation), u"0001");
    EXPECT_EQ(Read(TrainTable, 1, kFareKind), kFarePlanMark);
    EXPECT_EQ(Read(TrainTable, 1, kFarePlan), u"0000");
    EXPECT_EQ(Read(TrainTable, 1, kFirstRun), u"00002");
    EXPECT_EQ(Read(TrainTable, 1, kLastRun), u"00003");
    EXPECT_EQ(Read(TrainTable, 1, kOriginCall), u"00001");
    EXPECT_EQ(Read(TrainTable, 1, kTerminalCall), u"00002");
    EXPECT_EQ(Read(TrainTable, 1, kAirCon), u"1");
    EXPECT_EQ(Read(TrainTable, 1, kExtra), u"X");
    // A single segment stands in the train record, where the fare-plan row would.
    EXPECT_EQ(Read(TrainTable, 0, kFareKind), u"1");
    EXPECT_EQ(Read(TrainTable, 0, kPercentA), u"50");
    EXPECT_EQ(Read(TrainTable, 0, kPercentB), u"60");
  }
  {
    using namespace fare_plan_record;
    EXPECT_EQ(Read(TrainFareTable, 0, kKind), u"17    ");
    EXPECT_EQ(Read(TrainFareTable, 0, kPercentA), u"1030" + std::u16string(8, u' '));
    EXPECT_EQ(Read(TrainFareTable, 0, kPercentB), u"2040" + std::u16string(8, u' '));
    EXPECT_EQ(Read(TrainFareTable, 0, kTariff), u"101" + std::u16string(12, u' '));
    EXPECT_EQ(Field(data_->Table(TrainFareTable).Record(0), kPercentA.At(1)), u"30");
  }
  EXPECT_EQ(Read(TrainStopTable, 2, train_stop_record::kCall), u"00001");
  {
    using namespace stop_record;
    EXPECT_EQ(Read(StopTable, 2, kStation), u"0001");
    EXPECT_EQ(Read(StopTable, 2, kTrain), u"0001");
    EXPECT_EQ(Read(StopTable, 2, kSeq), u"02");
    EXPECT_EQ(Read(StopTable, 2, kKm), u"0497");
    EXPECT_EQ(Read(StopTable, 2, kArrive), u"0330");
    EXPECT_EQ(Read(StopTable, 1, kDepart), u"2300");
    EXPECT_EQ(Read(StopTable, 2, kDay), u"1");
    EXPECT_EQ(Read(StopTable, 2, kRunNumber), u"K4   ");
    EXPECT_EQ(Read(StopTable, 2, kFareRow), u"00001");
    EXPECT_EQ(Field(data_->Table(StopTable).Record(0), kFareRow), kNone5);
    const std::u16string time = Read(StopTable, 1, kDepart);
    EXPECT_EQ(Field(time, time_field::kHour), u"23");
    EXPECT_EQ(Field(time, time_field::kMinute), u"00");
  }
  EXPECT_EQ(Read(FareDistanceTable, 1, fare_distance_record::kKm), u"0497001100220033004400550066");
  {
    using namespace fare_band_record;
    EXPECT_EQ(Read(FareBandTable, 0, kTariff), u"101");
    EXPECT_EQ(Read(FareBandTable, 0, kLowestKm), u"0001");
    EXPECT_EQ(Read(FareBandTable, 0, kHighestKm), u"0200");
    EXPECT_EQ(Read(FareBandTable, 0, kAmounts), u"001002003004005006007008009");
    EXPECT_EQ(Read(FareBandTable, 0, kAirConAmounts), u"011012013014015016017018019");
    const std::u16string_view band = data_->Table(FareBandTable).Record(0);
    EXPECT_EQ(Field(band, AmountAt(kAirConAmounts.pos, kSoftLower)), u"018");
  }
  {
    using namespace fare_band_index_record;
    EXPECT_EQ(Read(FareBandIndexTable, 0, kTariff), u"101");
    EXPECT_EQ(Read(FareBandIndexTable, 0, kFirstBand), u"0000");
    EXPECT_EQ(Read(FareBandIndexTable, 0, kLastBand), u"0000");
  }
  {
    using namespace station_fare_record;
    EXPECT_EQ(Read(StationFareTable, 0, kToStation), u"0001");
    EXPECT_EQ(Read(StationFareTable, 0, kTrain), u"0001");
    EXPECT_EQ(Read(StationFareTable, 0, kAmounts),
              u"001010010200103001040010500106001070010800109");
    EXPECT_EQ(Field(data_->Table(StationFareTable).Record(0), kAmounts.At(kSecondClass)), u"00108");
  }
  {
    using namespace rate_record;
    EXPECT_EQ(Read(RateTable, 0, kTrain), u"0000");
    EXPECT_EQ(Read(RateTable, 0, kCommon), u"05");
    EXPECT_EQ(Read(RateTable, 0, kHardSeat), u"10");
    EXPECT_EQ(Read(RateTable, 0, kSoftSeat), u"20");
    EXPECT_EQ(Read(RateTable, 0, kBerth), u"30");
    EXPECT_EQ(Read(RateTable, 0, kExtra), u"40");
  }
  EXPECT_EQ(Read(SpareTable, 0, spare_record::kText), u"ABCDEFGHIJKLM");

  for (unsigned k = 0; k < kSectionCount; ++k)
    for (const RecordField& f : FieldsOf(k))
      EXPECT_TRUE(checked_[k].count(f.name)) << SectionName(k) << " field " << f.name;
}

TEST_F(RecordLayouts, IndexIntegersAndAsciiPartsFollowTheLayout) {
  const datatool::DataFiles files = test::Compile(LayoutSource());
  EXPECT_EQ(ReadDataVersion(files.index), 20241208);
  for (unsigned k = 0; k < kSectionCount; ++k)
    EXPECT_EQ(ReadSectionLength(files.index, k), data_->Table(k).size() * kRecordWidth[k])
        << SectionName(k);
  std::string index;
  WriteIndexInt(index, index_file::kDataVersion, -2);
  EXPECT_EQ(index.size(), kIndexFileMinSize);
  EXPECT_EQ(ReadDataVersion(index), -2);
  EXPECT_EQ(ReadSectionLength(index, kSectionCount - 1), 0);

  EXPECT_EQ(AsciiBytes(StationTable), station_record::kName.pos);
  EXPECT_EQ(AsciiBytes(StopTable), static_cast<size_t>(kRecordWidth[StopTable]));
  EXPECT_TRUE(FieldsOf(kSectionCount).empty());
}

// The tiling check itself: a gap, an overlap, a short record and a Name field before the
// end are all refused.
constexpr RecordField A{"a", 0, 2, FieldKind::Text};
static_assert(Tiles(std::array{A, RecordField{"b", 2, 2, FieldKind::Text}}, 4));
static_assert(!Tiles(std::array{A, RecordField{"b", 3, 1, FieldKind::Text}}, 4));
static_assert(!Tiles(std::array{A, RecordField{"b", 1, 3, FieldKind::Text}}, 4));
static_assert(!Tiles(std::array{A, RecordField{"b", 2, 1, FieldKind::Text}}, 4));
static_assert(!Tiles(std::array{RecordField{"n", 0, 1, FieldKind::Name}, A}, 4));
static_assert(Tiles(std::array{A, RecordField{"n", 2, 1, FieldKind::Name}}, 4));

}  // namespace
}  // namespace tavra
