// Memory for the big, long-lived blocks of a run (token arenas, decoded
// files). They are mapped directly and marked for huge pages: touching
// hundreds of megabytes page by page costs more than scanning them.
#pragma once

#include <cstddef>

namespace Tolvex {

void* allocateLarge(size_t bytes);
void freeLarge(void* p, size_t bytes);

// Blocks at least this large come from allocateLarge.
constexpr size_t kLargeBlock = 256 * 1024;

} // namespace Tolvex
