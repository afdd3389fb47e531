#include "support/LargeBlock.h"

#include <new>
#include <sys/mman.h>

namespace Tolvex {

void* allocateLarge(size_t bytes) {
  void* p = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (p == MAP_FAILED)
    throw std::bad_alloc();
  return p;
}

void freeLarge(void* p, size_t bytes) { ::munmap(p, bytes); }

} // namespace Tolvex
