#include "platform/page_allocator.h"

#include <sys/mman.h>

#include <cstdlib>

namespace tavra::page_allocation {
namespace {
constexpr size_t kHugePage = size_t{2} << 20;
}  // namespace

void* Allocate(size_t bytes) {
  // From a quarter page on, so that such a block takes at most four times its size.
  if (bytes < kHugePage / 4) {
    if (void* p = std::malloc(bytes > 0 ? bytes : 1)) return p;
    throw std::bad_alloc();
  }
  const size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
  if (rounded < bytes) throw std::bad_alloc();
  void* p = std::aligned_alloc(kHugePage, rounded);
  if (!p) throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
  madvise(p, rounded, MADV_HUGEPAGE);
#endif
  return p;
}

void Free(void* p) noexcept {
  std::free(p);  // malloc and aligned_alloc blocks alike
}

}  // namespace tavra::page_allocation
