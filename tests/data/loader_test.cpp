#include "data/loader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <atomic>
#include <cstring>
#include <functional>
#include <thread>

#include "data/lookup.h"
#include "datatool/generator.h"
#include "platform/gbk_codec.h"
#include "support/test_support.h"

namespace tavra {
namespace {

// However the loader cuts a table into runs, each record must decode as it does alone: a
// lead byte that ends one record must not pair with the byte that starts the next.
TEST(RecordTable, RunsDecodeAsEachRecordAlone) {
  const std::string records[] = {"AB1", "CD\xB1", "AEF", "\xB0\xA1X", "K\x80\xB1", "@HI", "JKL"};
  std::string bytes;
  for (const std::string& r : records) bytes += r;
  const auto* raw = reinterpret_cast<const unsigned char*>(bytes.data());
  const int count = static_cast<int>(std::size(records));
  for (int run = 1; run <= count; ++run) {
    std::u16string chars(bytes.size(), u'\0');
    RecordTable table;
    table.Start(chars.data(), count, 3);
    for (int r = 0; r < count; r += run) table.AppendGbk(raw + 3 * r, std::min(run, count - r));
    for (int r = 0; r < count; ++r)
      ASSERT_EQ(table.Record(r), GbkToUtf16(records[r])) << "run " << run << " record " << r;
  }
}

using test::TempDir;

void PutInt(std::string& bytes, size_t offset, int32_t v) {
  for (int i = 0; i < 4; ++i)
    bytes[offset + i] = static_cast<char>((static_cast<uint32_t>(v) >> (8 * i)) & 0xFF);
}

int32_t SectionLength(const std::string& index, unsigned k) {
  int32_t v;
  std::memcpy(&v, index.data() + 4 * k, 4);
  return v;
}

TEST(Loader, LoadsEverySectionFromTheFilesAndKeepsTheCounts) {
  auto files = test::Compile(test::SmallNetwork());
  TempDir dir;
  dir.WriteData(files);
  TimetableData data;
  ASSERT_EQ(LoadTimetable(data, dir.path()), kLoadComplete);
  EXPECT_EQ(data.Status(), kLoadComplete);
  EXPECT_EQ(data.DataVersionText, u"20240101");
  EXPECT_EQ(data.stationCount, 5);
  EXPECT_EQ(data.Table(StationTable).size(), 5);
  EXPECT_EQ(data.Table(StopTable).size(), 8);
  // Sections the source leaves empty load as empty tables with a count of 0.
  EXPECT_EQ(data.Table(FareBandTable).size(), 0);
  EXPECT_EQ(data.fareBandIndexCount, 0);
  EXPECT_EQ(data.rateCount, 0);
  // Every section's record count is its length divided by its width.
  for (unsigned k = 0; k < kSectionCount; ++k)
    EXPECT_EQ(data.Table(k).size(), SectionLength(files.index, k) / kRecordWidth[k])
        << SectionName(k);
  // A record with a Chinese name is shorter than its width in bytes; ASCII ones are exact.
  EXPECT_EQ(GetRecord(data, StationTable, 0).size(), 20u + 2u + 6u);
  EXPECT_EQ(GetRecord(data, StationKeyTable, 0).size(), 9u);
}

// The record file is read and decoded in runs; every record, those that straddle a run's
// end and the Chinese names among them, must come out as its own bytes decoded alone.
TEST(Loader, RecordsDecodedInRunsAreEachTheirOwnBytesDecoded) {
  datatool::DataFiles files;
  std::vector<datatool::SourceError> errors;
  ASSERT_TRUE(
      datatool::CompileSource(datatool::GenerateTimetable({500, 400, 30000, 5}), files, errors));
  ASSERT_GT(files.records.size(), 3 * kLoadRunBytes);
  TempDir dir;
  dir.WriteData(files);
  TimetableData fromFile, fromBytes;
  ASSERT_EQ(LoadTimetable(fromFile, dir.path()), kLoadComplete);
  ASSERT_EQ(LoadTimetableFromBytes(fromBytes, files.index, files.records), kLoadComplete);
  for (const TimetableData* data : {&fromFile, &fromBytes}) {
    size_t at = 0;
    for (unsigned k = 0; k < kSectionCount; ++k) {
      const size_t w = static_cast<size_t>(kRecordWidth[k]);
      ASSERT_EQ(static_cast<size_t>(data->Table(k).size()) * w,
                static_cast<size_t>(SectionLength(files.index, k)));
      for (int r = 0; r < data->Table(k).size(); ++r, at += w)
        ASSERT_EQ(data->Table(k).Record(r),
                  GbkToUtf16(std::string_view(files.records).substr(at, w)))
            << SectionName(k) << " " << r;
    }
  }
}

TEST(Loader, VersionIsPlainSignedDecimal) {
  auto source = test::SmallNetwork();
  for (auto [text, shown] :
       {std::pair{"-42\n", u"-42"}, {"0\n", u"0"}, {"-2147483648\n", u"-2147483648"}}) {
    source.version = text;
    EXPECT_EQ(test::Load(source)->DataVersionText, shown);
  }
}

TEST(Loader, RecordFileLongerThanItsSectionsStillLoads) {
  auto files = test::Compile(test::SmallNetwork());
  TimetableData data;
  EXPECT_EQ(
      LoadTimetableFromBytes(data, files.index + "extra bytes are ignored", files.records + "tail"),
      kLoadComplete);
}

struct Damage {
  const char* what;
  std::function<void(std::string& index, std::string& records)> apply;
  const char* file;
  const char* says;
};

TEST(Loader, DamagedFilesStopTheLoadBeforeAnyTableIsFilled) {
  const Damage damages[] = {
      {"short index", [](std::string& i, std::string&) { i.resize(67); }, kIndexFileName,
       "at least 68 bytes"},
      {"empty index", [](std::string& i, std::string&) { i.clear(); }, kIndexFileName, "0 bytes"},
      {"negative length", [](std::string& i, std::string&) { PutInt(i, 4 * 9, -33); },
       kIndexFileName, "negative"},
      {"not a multiple",
       [](std::string& i, std::string&) { PutInt(i, 4 * 2, SectionLength(i, 2) + 1); },
       kIndexFileName, "not a multiple of its record width 30"},
      {"beyond the end", [](std::string&, std::string& r) { r.resize(r.size() - 1); },
       kRecordFileName, "bytes long"},
      {"huge length", [](std::string& i, std::string&) { PutInt(i, 4 * 15, 2147483647 / 13 * 13); },
       kRecordFileName, "section 15"},
  };
  const auto good = test::Compile(test::SmallNetwork());
  for (const Damage& d : damages) {
    SCOPED_TRACE(d.what);
    std::string index = good.index, records = good.records;
    d.apply(index, records);
    TimetableData data;
    EXPECT_EQ(LoadTimetableFromBytes(data, index, records), kLoadFailed);
    EXPECT_EQ(data.Status(), kLoadFailed);
    EXPECT_EQ(data.loadError.file, d.file);
    EXPECT_NE(data.loadError.message.find(d.says), std::string::npos) << data.loadError.message;
    EXPECT_TRUE(data.DataVersionText.empty());
    for (unsigned k = 0; k < kSectionCount; ++k) EXPECT_EQ(data.Table(k).size(), 0);
  }
}

TEST(Loader, MissingOrUnreadableFilesAreNamed) {
  const auto good = test::Compile(test::SmallNetwork());
  TempDir dir;
  TimetableData none;
  EXPECT_EQ(LoadTimetable(none, dir.path()), kLoadFailed);
  EXPECT_EQ(none.loadError.file, kIndexFileName);
  EXPECT_NE(none.loadError.message.find("cannot be opened"), std::string::npos);

  dir.Write(kIndexFileName, good.index);
  ASSERT_EQ(mkdir(dir.File(kRecordFileName).c_str(), 0755),
            0);  // a folder where the file should be
  TimetableData folder;
  EXPECT_EQ(LoadTimetable(folder, dir.path()), kLoadFailed);
  EXPECT_EQ(folder.loadError.file, kRecordFileName);
}

// The loader publishes 1, 2, 3 while the UI thread polls like its timer and turns 1 or 2
// into 4 by compare-and-exchange: the 3 must never be lost, and whatever the status says
// is complete must be readable. Run under ThreadSanitizer to check the hand-over.
TEST(Loader, StatusHandOverToThePollingThreadNeverLosesTheEnd) {
  // Large enough that the poller sees 1 and 2 while the calls are still being converted.
  datatool::DataFiles files;
  std::vector<datatool::SourceError> errors;
  ASSERT_TRUE(
      datatool::CompileSource(datatool::GenerateTimetable({500, 400, 30000, 5}), files, errors));
  int sawTrainsReady = 0;
  for (int round = 0; round < 40; ++round) {
    TimetableData data;
    data.LoadStatus.store(kLoadNotBegun, std::memory_order_release);
    std::thread loader([&] { LoadTimetableFromBytes(data, files.index, files.records); });
    for (;;) {
      int32_t s = data.Status();
      if (s == kLoadIndexRead) {
        EXPECT_FALSE(data.DataVersionText.empty());
      }
      if (s == kLoadTrainsReady) {  // sections 0-6 may be read from 2 on
        ++sawTrainsReady;
        EXPECT_EQ(data.Table(TrainTable).size(), 400);
        EXPECT_EQ(data.Table(LetterTrainIndex).size() + data.Table(NumberTrainIndex).size() > 0,
                  true);
      }
      if (s == kLoadIndexRead || s == kLoadTrainsReady) {
        int32_t expected = s;
        data.LoadStatus.compare_exchange_strong(expected, kLoadSeen, std::memory_order_acq_rel);
      }
      if (s == kLoadComplete) break;
      ASSERT_TRUE(s == kLoadNotBegun || s == kLoadIndexRead || s == kLoadTrainsReady ||
                  s == kLoadSeen)
          << s;
    }
    loader.join();
    EXPECT_EQ(data.Status(), kLoadComplete);
    EXPECT_EQ(data.Table(StopTable).size(), 30000);
  }
  // Not a requirement of the loader, but without it the test above proves little.
  if (sawTrainsReady == 0) GTEST_SKIP() << "the poller never saw status 2";
}

TEST(Loader, StartLoaderRunsOnItsOwnThreadAndEndsAtThree) {
  auto files = test::Compile(test::SmallNetwork());
  TempDir dir;
  dir.WriteData(files);
  TimetableData data;
  data.LoadStatus.store(kLoadSeen);
  std::thread t = StartLoader(data, dir.path());
  t.join();
  EXPECT_EQ(data.Status(), kLoadComplete);
}

}  // namespace
}  // namespace tavra
