#include <gtest/gtest.h>

#include "data/loader.h"
#include "datatool/checker.h"
#include "format/record_layouts.h"
#include "support/test_support.h"

namespace tavra::datatool {
namespace {

using Files = test::PatchedFiles;

Files Good() {
  return test::Patchable(test::SmallNetwork());
}

bool Says(const std::vector<std::string>& problems, const std::string& text) {
  for (const auto& p : problems)
    if (p.find(text) != std::string::npos) return true;
  return false;
}

TEST(Check, SoundFilesPass) {
  Files f = Good();
  EXPECT_EQ(CheckDataFiles(f.index, f.records), std::vector<std::string>{});
}

TEST(Check, NamesEachViolatedInvariant) {
  struct Case {
    const char* what;
    unsigned section;
    int row;
    RecordField field;
    std::string bytes;
    const char* says;
    size_t into = 0;  // characters into the field
  };
  const Case cases[] = {
      {"station names out of order", StationTable, 0, station_record::kName, "\xC9\xCF\xBA\xA3",
       "StationTable row 1: names are not in ascending GBK order"},
      {"call range beyond the table", StationTable, 4, station_record::kLastCall, "00100",
       "is not a range of StopTable"},
      {"key not capitals", StationKeyTable, 0, station_key_record::kKey, "bj",
       "StationKeyTable row 0: key \"bj   \" is not capital letters"},
      {"train row out of range", StopTable, 3, stop_record::kTrain, "0099",
       "StopTable row 3: train row 99 is beyond TrainTable"},
      {"bad time", StopTable, 2, stop_record::kDepart, "2460", "is not a time HHMM"},
      {"bad day", StopTable, 2, stop_record::kDay, "7", "day \"7\" is not 0-3"},
      {"fare row out of range", StopTable, 2, stop_record::kFareRow, "00077",
       "fare-distance row 77 is beyond FareDistanceTable"},
      {"fare plan row", TrainTable, 1, train_record::kFarePlan, "0009",
       "TrainTable row 1: fare-plan row 9 is beyond TrainFareTable"},
      {"attributes", TrainTable, 0, train_record::kAttributes, "1911", "attributes \"1911\""},
      {"number index order", LetterTrainIndex, 0, letter_index_record::kNumberPart, "9",
       "LetterTrainIndex row 1: keys are not in ascending order"},
      {"digit bucket", TrainDigitTable, 1, train_digit_record::kFirstLetter, "0002",
       "TrainDigitTable row 1"},
      {"run points elsewhere", TrainStopTable, 0, train_stop_record::kCall, "00006",
       "is not a call of train"},
      {"non-GBK bytes", TrainTable, 0, train_record::kNumber, "\xFF",
       "TrainTable row 0: the record is not valid GBK text", 5},
      {"NUL byte", StopTable, 0, stop_record::kFareRow, std::string(1, '\0'),
       "StopTable row 0: the record holds a NUL byte", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Files f = Good();
    f.PatchAt(c.section, c.row, c.field.pos + c.into, c.bytes);
    auto problems = CheckDataFiles(f.index, f.records);
    EXPECT_TRUE(Says(problems, c.says)) << (problems.empty() ? "(no problem found)" : problems[0]);
    // The program itself must load such files without reading outside a table.
    TimetableData data;
    LoadTimetableFromBytes(data, f.index, f.records);
  }
}

TEST(Check, RidesThatCannotBeRun) {
  // Each field valid alone; the run together impossible, as a query would find it.
  const auto data = test::Load(test::SmallNetwork());
  const int terminal = test::CallRow(*data, u"T109", u"上海");
  Files f = Good();
  f.Patch(StopTable, terminal, stop_record::kKm, "0100");
  EXPECT_TRUE(Says(CheckDataFiles(f.index, f.records),
                   "StopTable row " + std::to_string(terminal) + ": distance \"0100\" is less"));
  f = Good();
  f.Patch(StopTable, terminal, stop_record::kDay, "0");
  EXPECT_TRUE(Says(CheckDataFiles(f.index, f.records), "puts the arrival before the departure"));
}

TEST(Check, FileLayoutProblems) {
  Files f = Good();
  EXPECT_TRUE(Says(CheckDataFiles(f.index, f.records + "xx"), "2 bytes after the last section"));
  EXPECT_TRUE(
      Says(CheckDataFiles(f.index.substr(0, 60), f.records), "tavra.dll: is 60 bytes long"));
  f.records.pop_back();
  EXPECT_TRUE(Says(CheckDataFiles(f.index, f.records), "tavra.sdf: is"));
}

}  // namespace
}  // namespace tavra::datatool
