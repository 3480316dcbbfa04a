// Replaces the global operator new and delete of the benchmark program to
// count the heap it uses (glibc only).
#include "tests/common/HeapCounter.h"

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace vx::bench {
namespace {

std::atomic<size_t> live{0};
std::atomic<size_t> peak{0};

void* Allocate(size_t size)
{
    void* block = std::malloc(size == 0 ? 1 : size);
    if (!block)
        throw std::bad_alloc();
    size_t now = live.fetch_add(malloc_usable_size(block), std::memory_order_relaxed) + malloc_usable_size(block);
    size_t high = peak.load(std::memory_order_relaxed);
    while (now > high && !peak.compare_exchange_weak(high, now, std::memory_order_relaxed)) {
    }
    return block;
}

void Release(void* block) noexcept
{
    if (!block)
        return;
    live.fetch_sub(malloc_usable_size(block), std::memory_order_relaxed);
    std::free(block);
}

}  // namespace

size_t LiveHeapBytes() { return live.load(); }
size_t PeakHeapBytes() { return peak.load(); }
void ResetHeapPeak() { peak.store(live.load()); }

}  // namespace vx::bench

void* operator new(size_t size) { return vx::bench::Allocate(size); }
void* operator new[](size_t size) { return vx::bench::Allocate(size); }
void operator delete(void* block) noexcept { vx::bench::Release(block); }
void operator delete[](void* block) noexcept { vx::bench::Release(block); }
void operator delete(void* block, size_t) noexcept { vx::bench::Release(block); }
void operator delete[](void* block, size_t) noexcept { vx::bench::Release(block); }
