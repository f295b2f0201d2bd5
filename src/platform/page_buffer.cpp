#include "platform/page_buffer.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <utility>

namespace tavra {
namespace {
constexpr size_t kHugePage = size_t{2} << 20;
}  // namespace

PageBuffer::PageBuffer(size_t bytes) {
  if (bytes == 0) return;
  // From the heap, so that a program that loads again gets back memory it already has (the
  // allocator hands a freed block of a size it has seen back without asking the system).
  // One of 2 MiB or more starts on a 2 MiB boundary inside its block, so that the kernel
  // may back it with 2 MiB pages; a smaller one is taken as it comes. A last 2 MiB page
  // more than half used is taken whole: on a virtual machine every 4 KiB page fault costs
  // microseconds, and resident memory grows by less than half a page.
  const bool huge = bytes >= kHugePage;
  const size_t tail = bytes % kHugePage;
  const bool wholeLast = tail > kHugePage / 2;
  const size_t advised = bytes - tail + (wholeLast ? kHugePage : 0);
  block_ = std::malloc(huge ? std::max(bytes, advised) + kHugePage : bytes);
  if (!block_) throw std::bad_alloc();
  const auto start = reinterpret_cast<uintptr_t>(block_);
  data_ = huge ? reinterpret_cast<void*>((start + kHugePage - 1) & ~(kHugePage - 1)) : block_;
#ifdef MADV_HUGEPAGE
  if (huge) madvise(data_, advised, MADV_HUGEPAGE);
#endif
}

PageBuffer::PageBuffer(PageBuffer&& other) noexcept
    : block_(std::exchange(other.block_, nullptr)), data_(std::exchange(other.data_, nullptr)) {}

PageBuffer& PageBuffer::operator=(PageBuffer&& other) noexcept {
  if (this != &other) {
    std::free(block_);
    block_ = std::exchange(other.block_, nullptr);
    data_ = std::exchange(other.data_, nullptr);
  }
  return *this;
}

PageBuffer::~PageBuffer() {
  std::free(block_);
}

}  // namespace tavra
