// Data files that are not what they seem: a FIFO in a file's place, an erased version field.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <future>

#include "data/loader.h"
#include "datatool/checker.h"
#include "datatool/source_reader.h"
#include "format/index_file.h"
#include "support/test_support.h"

namespace tavra::test {
namespace {

// Opening a FIFO for reading waits for a writer: each must be refused at once. Should one
// block, a writer is attached after the wait so that the test ends and reports it.
TEST(DamagedFiles, AFifoInAFilesPlaceIsRefusedWithoutWaiting) {
  const auto good = Compile(SmallNetwork());
  for (const char* fifo : {kIndexFileName, kRecordFileName}) {
    SCOPED_TRACE(fifo);
    TempDir dir;
    dir.WriteData(good);
    unlink(dir.File(fifo).c_str());
    ASSERT_EQ(mkfifo(dir.File(fifo).c_str(), 0644), 0);
    auto run = [&] {
      TimetableData data;
      LoadTimetable(data, dir.path());
      std::vector<std::string> problems = datatool::CheckDataDirectory(dir.path());
      return std::pair{data.loadError.Text(), problems.empty() ? "" : problems.front()};
    };
    auto answer = std::async(std::launch::async, run);
    if (answer.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
      ADD_FAILURE() << "reading the FIFO waits for a writer";
      for (int i = 0; i < 2; ++i) close(open(dir.File(fifo).c_str(), O_WRONLY));
    }
    auto [loaded, checked] = answer.get();
    EXPECT_EQ(loaded, std::string(fifo) + ": is not a regular file");
    EXPECT_EQ(checked, std::string(fifo) + ": is not a regular file");
  }
}

TEST(DamagedFiles, AnErasedVersionFieldIsRefusedEverywhere) {
  auto files = Compile(SmallNetwork());
  files.index.replace(index_file::kDataVersion.pos, 4, "\xFF\xFF\xFF\xFF");
  TimetableData data;
  EXPECT_EQ(LoadTimetableFromBytes(data, files.index, files.records), kLoadFailed);
  EXPECT_EQ(data.loadError.file, kIndexFileName);
  EXPECT_NE(data.loadError.message.find("data version"), std::string::npos);
  EXPECT_TRUE(data.DataVersionText.empty());
  std::vector<std::string> problems = datatool::CheckDataFiles(files.index, files.records);
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_NE(problems[0].find("data version"), std::string::npos) << problems[0];

  // The compiler does not make what the loader refuses; the versions next to it are fine.
  Source source = SmallNetwork();
  source.version = "-1\n";
  std::vector<datatool::SourceFile> sourceFiles = {{"version.txt", source.version},
                                                   {"stations.tsv", source.stations},
                                                   {"trains.tsv", source.trains},
                                                   {"stops.tsv", source.stops}};
  std::vector<datatool::SourceError> errors;
  datatool::TimetableSource parsed;
  datatool::ParseSource(sourceFiles, parsed, errors);
  ASSERT_FALSE(errors.empty());
  EXPECT_NE(errors[0].Text().find("-1 cannot be a data version"), std::string::npos);
  for (const char* version : {"-2\n", "0\n"}) {
    source.version = version;
    EXPECT_EQ(Load(source)->Status(), kLoadComplete) << version;
  }
}

}  // namespace
}  // namespace tavra::test
