// Large table buffers and blocks in whole 2 MiB pages: every byte asked for is there,
// whatever part of a page the size leaves over (the sanitizer build catches a write past
// the block).
#include "platform/page_buffer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/page_allocator.h"

namespace tavra {
namespace {

TEST(PageBuffer, HoldsEveryByteAskedForAtAnySize) {
  constexpr size_t kMiB = size_t{1} << 20;
  for (size_t bytes : {size_t{1}, 2 * kMiB - 1, 2 * kMiB, 2 * kMiB + 1, 3 * kMiB, 3 * kMiB + 1,
                       4 * kMiB - 1, 5 * kMiB + 12345}) {
    PageBuffer buffer(bytes);
    auto* p = static_cast<unsigned char*>(buffer.data());
    ASSERT_NE(p, nullptr) << bytes;
    if (bytes >= 2 * kMiB) {
      EXPECT_EQ(reinterpret_cast<uintptr_t>(p) % (2 * kMiB), 0u) << bytes;
    }
    std::memset(p, 0xA5, bytes);
    EXPECT_EQ(p[bytes - 1], 0xA5) << bytes;
    PageBuffer moved = std::move(buffer);
    EXPECT_EQ(moved.data(), p);
    EXPECT_EQ(buffer.data(), nullptr);
  }
}

// A container growing through the quarter-page threshold: each block is released the way
// it was taken (the sanitizer build catches a wrong one), and contents survive each move.
TEST(PageAllocator, ContainersGrowThroughThePageThreshold) {
  constexpr size_t kMiB = size_t{1} << 20;
  std::vector<unsigned char, PageAllocator<unsigned char>> bytes;
  for (size_t size : {size_t{1}, kMiB / 2 - 1, kMiB / 2, 2 * kMiB + 1, 5 * kMiB}) {
    bytes.resize(size, static_cast<unsigned char>(size));
    if (bytes.capacity() >= kMiB / 2) {
      EXPECT_EQ(reinterpret_cast<uintptr_t>(bytes.data()) % (2 * kMiB), 0u) << size;
    }
    EXPECT_EQ(bytes.front(), 1) << size;
    EXPECT_EQ(bytes.back(), static_cast<unsigned char>(size)) << size;
    bytes.shrink_to_fit();
  }
}

}  // namespace
}  // namespace tavra
