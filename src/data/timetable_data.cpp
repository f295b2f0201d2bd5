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
