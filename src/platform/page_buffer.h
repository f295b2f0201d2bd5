#pragma once
// Memory for a large table that is written once and then only read, on a 2 MiB boundary and
// advised for 2 MiB pages where the kernel offers them, so that a fresh process fills it
// with a handful of page faults instead of one for every 4 KiB.
#include <cstddef>

namespace tavra {

class PageBuffer {
 public:
  PageBuffer() = default;
  // Throws std::bad_alloc when the system has no memory to give.
  explicit PageBuffer(size_t bytes);
  PageBuffer(PageBuffer&& other) noexcept;
  PageBuffer& operator=(PageBuffer&& other) noexcept;
  PageBuffer(const PageBuffer&) = delete;
  PageBuffer& operator=(const PageBuffer&) = delete;
  ~PageBuffer();

  void* data() const { return data_; }

 private:
  void* block_ = nullptr;  // as the allocator gave it
  void* data_ = nullptr;
};

}  // namespace tavra
