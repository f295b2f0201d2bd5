#include <gtest/gtest.h>

#include <cstring>

#include "data/loader.h"
#include "datatool/checker.h"
#include "support/test_support.h"

namespace tavra::datatool {
namespace {

struct Files {
  std::string index, records;
  size_t SectionStart(unsigned k) const {
    size_t at = 0;
    for (unsigned s = 0; s < k; ++s) at += static_cast<size_t>(Length(s));
    return at;
  }
  int32_t Length(unsigned k) const {
    int32_t v;
    std::memcpy(&v, index.data() + 4 * k, 4);
    return v;
  }
  // Overwrites bytes of record `row` of `section` at `pos`.
  void Patch(unsigned section, int row, size_t pos, const std::string& bytes) {
    records.replace(SectionStart(section) + static_cast<size_t>(row * kRecordWidth[section]) + pos,
                    bytes.size(), bytes);
  }
};

Files Good() {
  auto f = test::Compile(test::SmallNetwork());
  return {f.index, f.records};
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
    size_t pos;
    std::string bytes;
    const char* says;
  };
  const Case cases[] = {
      {"station names out of order", StationTable, 0, 20, "\xC9\xCF\xBA\xA3",
       "StationTable row 1: names are not in ascending GBK order"},
      {"call range beyond the table", StationTable, 4, 5, "00100", "is not a range of StopTable"},
      {"key not capitals", StationKeyTable, 0, 0, "bj",
       "StationKeyTable row 0: key \"bj   \" is not capital letters"},
      {"train row out of range", StopTable, 3, 4, "0099",
       "StopTable row 3: train row 99 is beyond TrainTable"},
      {"bad time", StopTable, 2, 18, "2460", "is not a time HHMM"},
      {"bad day", StopTable, 2, 22, "7", "day \"7\" is not 0-3"},
      {"fare row out of range", StopTable, 2, 28, "00077",
       "fare-distance row 77 is beyond FareDistanceTable"},
      {"fare plan row", TrainTable, 1, 33, "0009",
       "TrainTable row 1: fare-plan row 9 is beyond TrainFareTable"},
      {"attributes", TrainTable, 0, 20, "1911", "attributes \"1911\""},
      {"number index order", LetterTrainIndex, 0, 1, "9",
       "LetterTrainIndex row 1: keys are not in ascending order"},
      {"digit bucket", TrainDigitTable, 1, 8, "0002", "TrainDigitTable row 1"},
      {"run points elsewhere", TrainStopTable, 0, 0, "00006", "is not a call of train"},
      {"non-GBK bytes", TrainTable, 0, 5, "\xFF",
       "TrainTable row 0: the record is not valid GBK text"},
      {"NUL byte", StopTable, 0, 30, std::string(1, '\0'),
       "StopTable row 0: the record holds a NUL byte"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Files f = Good();
    f.Patch(c.section, c.row, c.pos, c.bytes);
    auto problems = CheckDataFiles(f.index, f.records);
    EXPECT_TRUE(Says(problems, c.says)) << (problems.empty() ? "(no problem found)" : problems[0]);
    // The program itself must load such files without reading outside a table.
    TimetableData data;
    LoadTimetableFromBytes(data, f.index, f.records);
  }
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
