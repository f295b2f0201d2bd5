#include "platform/page_buffer.h"

#include <sys/mman.h>

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
  // may back it with 2 MiB pages; a smaller one is taken as it comes.
  const bool huge = bytes >= kHugePage;
  block_ = std::malloc(huge ? bytes + kHugePage : bytes);
  if (!block_) throw std::bad_alloc();
  const auto start = reinterpret_cast<uintptr_t>(block_);
  data_ = huge ? reinterpret_cast<void*>((start + kHugePage - 1) & ~(kHugePage - 1)) : block_;
#ifdef MADV_HUGEPAGE
  // Only the whole 2 MiB pages: a last one only partly used would be resident in full.
  if (huge) madvise(data_, bytes / kHugePage * kHugePage, MADV_HUGEPAGE);
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
