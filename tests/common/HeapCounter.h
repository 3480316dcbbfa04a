#pragma once
#include <cstddef>

namespace vx::bench {

// Heap bytes in use through operator new, counted as the allocator's usable
// block sizes, and the highest count since ResetHeapPeak.
size_t LiveHeapBytes();
size_t PeakHeapBytes();
void ResetHeapPeak();

}  // namespace vx::bench
