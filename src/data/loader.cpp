#include "data/loader.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>

#include "platform/file_io.h"
#include "platform/program_dir.h"
#include "platform/utf8.h"

namespace tavra {
namespace {

int32_t Fail(TimetableData& data, LoadError error) {
  data.loadError = std::move(error);
  data.LoadStatus.store(kLoadFailed, std::memory_order_release);
  return kLoadFailed;
}

}  // namespace

bool CheckFileLayout(std::string_view index, size_t recordFileSize, LoadError& error) {
  if (index.size() < kIndexFileMinSize) {
    error = {kIndexFileName, "is " + std::to_string(index.size()) +
                                 " bytes long; an index file has at least " +
                                 std::to_string(kIndexFileMinSize) + " bytes"};
    return false;
  }
  // Four 0xFF bytes are what erased storage reads as, not a version a timetable is given.
  if (ReadDataVersion(index) == kErasedVersion) {
    error = {kIndexFileName,
             "the data version field holds FF FF FF FF, the mark of erased "
             "storage, not a version number"};
    return false;
  }
  uint64_t total = 0;
  for (unsigned k = 0; k < kSectionCount; ++k) {
    int32_t length = ReadSectionLength(index, k);
    std::string section = "section " + std::to_string(k) + " (" + SectionName(k) + ")";
    if (length < 0) {
      error = {kIndexFileName, section + " has a negative length, " + std::to_string(length)};
      return false;
    }
    if (length % kRecordWidth[k] != 0) {
      error = {kIndexFileName, section + " is " + std::to_string(length) +
                                   " bytes long, not a multiple of its record width " +
                                   std::to_string(kRecordWidth[k])};
      return false;
    }
    total += static_cast<uint64_t>(length);
    if (total > recordFileSize) {
      error = {kRecordFileName, "is " + std::to_string(recordFileSize) +
                                    " bytes long, but the index file puts the end of " + section +
                                    " at byte " + std::to_string(total)};
      return false;
    }
  }
  return true;
}

namespace {

// The record file's next `n` bytes, or null with the reason set.
using NextBytes = std::function<const unsigned char*(size_t n, std::string& error)>;

int32_t LoadRecords(TimetableData& data, std::string_view index, size_t recordFileSize,
                    const NextBytes& next) {
  LoadError error;
  if (!CheckFileLayout(index, recordFileSize, error)) return Fail(data, std::move(error));

  data.DataVersionText = Utf8ToUtf16(std::to_string(ReadDataVersion(index)));
  data.LoadStatus.store(kLoadIndexRead, std::memory_order_release);

  // A GBK byte never makes more than one character: the bytes bound the text buffer, and
  // what double-byte characters leave of it at the end is never touched.
  size_t bytes = 0;
  for (unsigned k = 0; k < kSectionCount; ++k)
    bytes += static_cast<size_t>(ReadSectionLength(index, k));
  // No table of an earlier load may point into the buffer this one replaces.
  data.tables = {};
  data.text = PageBuffer(bytes * sizeof(char16_t));
  char16_t* at = static_cast<char16_t*>(data.text.data());
  for (unsigned k = 0; k < kSectionCount; ++k) {
    const int width = kRecordWidth[k];
    const int count = ReadSectionLength(index, k) / width;
    if (k == StationKeyTable) data.stationCount = count;
    if (k == FareBandIndexTable) data.fareBandIndexCount = count;
    if (k == RateTable) data.rateCount = count;
    if (k == TrainFareTable) data.LoadStatus.store(kLoadTrainsReady, std::memory_order_release);
    RecordTable& table = data.tables[k];
    table.Start(at, count, width);
    const int perRun = std::max(1, static_cast<int>(kLoadRunBytes / static_cast<size_t>(width)));
    for (int done = 0; done < count;) {
      const int run = std::min(perRun, count - done);
      std::string reason;
      const unsigned char* from =
          next(static_cast<size_t>(run) * static_cast<size_t>(width), reason);
      if (!from) return Fail(data, {kRecordFileName, reason});
      table.AppendGbk(from, run);
      done += run;
    }
    at += table.CharsUsed();
  }
  data.LoadStatus.store(kLoadComplete, std::memory_order_release);
  return kLoadComplete;
}

}  // namespace

int32_t LoadTimetableFromBytes(TimetableData& data, std::string_view index,
                               std::string_view records) {
  size_t at = 0;
  return LoadRecords(data, index, records.size(), [&](size_t n, std::string&) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(records.data()) + at;
    at += n;
    return bytes;
  });
}

int32_t LoadTimetable(TimetableData& data, const std::string& dataDir) {
  std::string index, error;
  if (!ReadWholeFile(JoinPath(dataDir, kIndexFileName), index, error))
    return Fail(data, {kIndexFileName, error});
  FileReader records;
  if (!records.Open(JoinPath(dataDir, kRecordFileName), error))
    return Fail(data, {kRecordFileName, error});
  records.Reserve(kLoadRunBytes);
  return LoadRecords(data, index, records.Size(),
                     [&](size_t n, std::string& reason) { return records.Next(n, reason); });
}

std::thread StartLoader(TimetableData& data, std::string dataDir, std::function<void()> finished) {
  data.LoadStatus.store(kLoadNotBegun, std::memory_order_release);
  return std::thread([&data, dir = std::move(dataDir), finished = std::move(finished)] {
    LoadTimetable(data, dir);
    if (finished) finished();
  });
}

}  // namespace tavra
