#include "data/timetable_data.h"

#include "platform/gbk_codec.h"

namespace tavra {

void RecordTable::Start(char16_t* chars, int count, int width) {
  chars_ = chars;
  offsets_.clear();
  fixedWidth_ = width;
  count_ = count;
  filled_ = 0;
  used_ = 0;
}

void RecordTable::AppendGbk(const unsigned char* bytes, int records) {
  const size_t w = static_cast<size_t>(fixedWidth_);
  if (offsets_.empty() && records > 0) {
    // While the records are fixed-width, the run is decoded in one pass. When it gives a
    // character per byte, no character was made of two bytes, within a record or across
    // two, so each record decoded alone gives the same; otherwise the run is done again
    // record by record below, over the same characters.
    const size_t bytesInRun = static_cast<size_t>(records) * w;
    if (DecodeGbk(bytes, bytesInRun, chars_ + used_) == bytesInRun) {
      used_ += bytesInRun;
      filled_ += records;
      return;
    }
  }
  for (int r = 0; r < records; ++r, ++filled_) {
    const size_t n = DecodeGbk(bytes + static_cast<size_t>(r) * w, w, chars_ + used_);
    // Records stay fixed-width until the first one with a double-byte character; from
    // then on each record's start is kept.
    if (n != w && offsets_.empty()) {
      offsets_.reserve(static_cast<size_t>(count_) + 1);
      for (size_t k = 0; k <= static_cast<size_t>(filled_); ++k)
        offsets_.push_back(static_cast<uint32_t>(k * w));
    }
    used_ += n;
    if (!offsets_.empty()) offsets_.push_back(static_cast<uint32_t>(used_));
  }
}

}  // namespace tavra
