// Memory for the big, long-lived blocks of a run (token arenas, decoded
// files). They are mapped directly, so that they go back to the system when
// freed. They are not marked for huge pages: where the machine's memory is
// fragmented, as it is in a build, the kernel compacts it on each fault, and
// that cost more than the page faults it saves.
#pragma once

#include <cstddef>

namespace Tolvex {

void* allocateLarge(size_t bytes);
void freeLarge(void* p, size_t bytes);

// Blocks at least this large come from allocateLarge.
constexpr size_t kLargeBlock = 256 * 1024;

} // namespace Tolvex
