// Memory for the big, long-lived blocks of a run (token arenas, decoded
// files). They are mapped directly, so that they go back to the system when
// freed. They are not marked for huge pages: where the machine's memory is
// fragmented, as it is in a build, the kernel compacts it on each fault, and
// that cost more than the page faults it saves.
#pragma once

#include <cstddef>
#include <new>

namespace Tolvex {

void* allocateLarge(size_t bytes);
void freeLarge(void* p, size_t bytes);

// Blocks at least this large come from allocateLarge.
constexpr size_t kLargeBlock = 256 * 1024;

// For a container that grows by doubling: its large arrays are mapped
// directly. Freed through the heap, they would raise the heap's threshold for
// mapping, and what is allocated after them would fragment around them.
template <class T> struct LargeBlockAllocator {
  using value_type = T;
  LargeBlockAllocator() = default;
  template <class U> LargeBlockAllocator(const LargeBlockAllocator<U>&) {}
  T* allocate(size_t n) {
    size_t bytes = n * sizeof(T);
    if (bytes >= kLargeBlock)
      return static_cast<T*>(allocateLarge(bytes));
    return static_cast<T*>(::operator new(bytes, std::align_val_t(alignof(T))));
  }
  void deallocate(T* p, size_t n) {
    size_t bytes = n * sizeof(T);
    if (bytes >= kLargeBlock)
      freeLarge(p, bytes);
    else
      ::operator delete(p, std::align_val_t(alignof(T)));
  }
  template <class U> bool operator==(const LargeBlockAllocator<U>&) const { return true; }
};

} // namespace Tolvex
