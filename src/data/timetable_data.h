#pragma once
// The sixteen tables of the timetable, filled once by the loader and then only read.
#include <array>
#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "format/sections.h"
#include "platform/page_buffer.h"

namespace tavra {

// One table: its records as UTF-16 texts kept back to back in the timetable's one text
// buffer, so that a hundred thousand short records cost little more than their characters.
class RecordTable {
 public:
  int size() const { return count_; }
  // The record, or an empty text for a row outside the table.
  std::u16string_view Record(int row) const {
    if (row < 0 || row >= count_) return {};
    if (offsets_.empty()) {
      size_t w = static_cast<size_t>(fixedWidth_);
      return {chars_ + static_cast<size_t>(row) * w, w};
    }
    return {chars_ + offsets_[static_cast<size_t>(row)],
            offsets_[static_cast<size_t>(row) + 1] - offsets_[static_cast<size_t>(row)]};
  }

  // Bytes the table's characters and record starts take.
  size_t MemoryBytes() const {
    return used_ * sizeof(char16_t) + offsets_.capacity() * sizeof(uint32_t);
  }

  // Makes the table one of `count` records of `width` GBK bytes each, to be decoded into
  // `chars` (room for count × width characters) by AppendGbk.
  void Start(char16_t* chars, int count, int width);
  // Decodes the next `records` records from `bytes`.
  void AppendGbk(const unsigned char* bytes, int records);
  // Characters decoded so far: a double-byte character takes one.
  size_t CharsUsed() const { return used_; }

 private:
  char16_t* chars_ = nullptr;      // in TimetableData::text
  std::vector<uint32_t> offsets_;  // empty while every record has `fixedWidth_` characters
  int fixedWidth_ = 0;
  int count_ = 0;
  int filled_ = 0;
  size_t used_ = 0;
};

// LoadStatus values.
inline constexpr int32_t kLoadNotBegun = 0;
inline constexpr int32_t kLoadIndexRead = 1;    // DataVersionText valid, no table yet
inline constexpr int32_t kLoadTrainsReady = 2;  // sections 0-6 complete
inline constexpr int32_t kLoadComplete = 3;     // all sixteen tables complete
inline constexpr int32_t kLoadSeen = 4;         // written by the UI after acting on 1 or 2
inline constexpr int32_t kLoadFailed =
    -1;  // a data file is missing or damaged: loadError says which

struct LoadError {
  std::string file;     // "tavra.dll" or "tavra.sdf"
  std::string message;  // what is wrong with it
  std::string Text() const { return file + ": " + message; }
};

struct TimetableData {
  // Every table's characters, table after table, in one allocation made at the start of a
  // load: the tables published early stay where they are while the others are decoded.
  PageBuffer text;
  std::array<RecordTable, kSectionCount> tables;
  // Record counts of sections 0 (the number of stations), 12 and 14.
  int32_t stationCount = 0;
  int32_t fareBandIndexCount = 0;
  int32_t rateCount = 0;
  std::u16string DataVersionText;
  // Written by the loader with release order, read by the UI thread with acquire order;
  // the UI turns 1 or 2 into 4 only by compare-and-exchange so a 3 is never lost.
  std::atomic<int32_t> LoadStatus{kLoadNotBegun};
  // Valid once LoadStatus reads kLoadFailed.
  LoadError loadError;

  const RecordTable& Table(unsigned section) const { return tables[section]; }
  int32_t Status() const { return LoadStatus.load(std::memory_order_acquire); }
};

}  // namespace tavra
