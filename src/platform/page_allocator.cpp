#include "platform/page_allocator.h"

#include <sys/mman.h>

#include <cstdlib>

namespace tavra::page_allocation {

void* Allocate(size_t bytes) {
  if (!Whole(bytes)) {
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

void Free(void* p, size_t) noexcept {
  std::free(p);  // malloc and aligned_alloc blocks alike
}

}  // namespace tavra::page_allocation
