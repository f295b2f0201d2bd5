#include "data/timetable_data.h"

#include "platform/gbk_codec.h"

namespace tavra {

void RecordTable::AssignGbk(const unsigned char* bytes, int count, int width) {
  const size_t w = static_cast<size_t>(width);
  chars_.assign(static_cast<size_t>(count) * w, u'\0');
  offsets_.clear();
  fixedWidth_ = width;
  count_ = count;
  size_t used = 0;
  for (size_t r = 0; r < static_cast<size_t>(count); ++r) {
    size_t n = DecodeGbk(bytes + r * w, w, chars_.data() + used);
    // Records stay fixed-width until the first one with a double-byte character; from
    // then on each record's start is kept.
    if (n != w && offsets_.empty()) {
      offsets_.reserve(static_cast<size_t>(count) + 1);
      for (size_t k = 0; k <= r; ++k) offsets_.push_back(static_cast<uint32_t>(k * w));
    }
    used += n;
    if (!offsets_.empty()) offsets_.push_back(static_cast<uint32_t>(used));
  }
  chars_.resize(used);
  chars_.shrink_to_fit();
}

}  // namespace tavra
