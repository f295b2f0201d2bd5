#pragma once
// An allocator for a container made whole in advance, such as the rows a query fills: a
// block of a quarter of a 2 MiB page or more is taken in whole 2 MiB pages on a 2 MiB
// boundary and advised for 2 MiB pages, so that a fresh process makes it with one page
// fault instead of one for every 4 KiB it constructs.
#include <cstddef>
#include <new>

namespace tavra {

namespace page_allocation {
void* Allocate(size_t bytes);  // throws std::bad_alloc
// `bytes` as allocated: the size alone tells how the block was taken.
void Free(void* p, size_t bytes) noexcept;
}  // namespace page_allocation

template <typename T>
struct PageAllocator {
  using value_type = T;
  PageAllocator() = default;
  template <typename U>
  PageAllocator(const PageAllocator<U>&) {}

  T* allocate(size_t n) {
    if (n > static_cast<size_t>(-1) / sizeof(T)) throw std::bad_array_new_length();
    return static_cast<T*>(page_allocation::Allocate(n * sizeof(T)));
  }
  void deallocate(T* p, size_t n) noexcept { page_allocation::Free(p, n * sizeof(T)); }

  template <typename U>
  bool operator==(const PageAllocator<U>&) const {
    return true;
  }
};

}  // namespace tavra
