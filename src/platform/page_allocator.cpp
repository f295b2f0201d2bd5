#include "platform/page_allocator.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>

namespace tavra::page_allocation {
namespace {
constexpr size_t kHugePage = size_t{2} << 20;

// From a quarter page on, so that such a block takes at most four times its size.
bool Whole(size_t bytes) {
  return bytes >= kHugePage / 4;
}
}  // namespace

void* Allocate(size_t bytes) {
  if (!Whole(bytes)) {
    if (void* p = std::malloc(bytes > 0 ? bytes : 1)) return p;
    throw std::bad_alloc();
  }
  // From the heap too, so that a core made again (each connection search makes one) gets
  // back memory the process already has instead of new pages to fault in; the block's
  // start is kept just before the aligned part.
  const size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
  const size_t blockBytes = rounded + kHugePage + sizeof(void*);
  if (rounded < bytes || blockBytes < rounded) throw std::bad_alloc();
  void* block = std::malloc(blockBytes);
  if (!block) throw std::bad_alloc();
  const uintptr_t start = reinterpret_cast<uintptr_t>(block) + sizeof(void*);
  void* data = reinterpret_cast<void*>((start + kHugePage - 1) & ~(kHugePage - 1));
  static_cast<void**>(data)[-1] = block;
#ifdef MADV_HUGEPAGE
  madvise(data, rounded, MADV_HUGEPAGE);
#endif
  return data;
}

void Free(void* p, size_t bytes) noexcept {
  if (!p) return;
  std::free(Whole(bytes) ? static_cast<void**>(p)[-1] : p);
}

}  // namespace tavra::page_allocation
