#include "platform/large_block.h"

#include <cstdlib>
#include <new>

#if defined(__linux__)
#include <cstdint>
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace glyphora {

namespace {

// The huge-page size of x86-64 and most 64-bit ARM systems; below it a block gains nothing.
constexpr std::size_t kHugePageBytes = std::size_t{2} << 20;

// From here up to a huge page a block is mapped with all its pages at once: one call costs
// far less than the page faults of its first touch, and such a block is written whole soon.
constexpr std::size_t kMappedFromBytes = std::size_t{128} << 10;

// Set once, before any large block is taken: every block comes from the heap.
bool blocksFromHeap = false;

bool isLarge(std::size_t bytes) {
    return bytes >= kHugePageBytes && !blocksFromHeap;
}

bool isMapped(std::size_t bytes) {
#if defined(__linux__)
    return bytes >= kMappedFromBytes && bytes < kHugePageBytes && !blocksFromHeap;
#else
    return false;
#endif
}

// aligned_alloc wants a multiple of the alignment.
std::size_t roundedUp(std::size_t bytes) {
    return (bytes + kHugePageBytes - 1) / kHugePageBytes * kHugePageBytes;
}

} // namespace

void* allocateLargeBlock(std::size_t bytes) {
#if defined(__linux__)
    if (isMapped(bytes)) {
        void* block = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE,
                             MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
        if (block == MAP_FAILED)
            throw std::bad_alloc();
        return block;
    }
#endif
    if (!isLarge(bytes))
        return ::operator new(bytes);
    if (bytes > static_cast<std::size_t>(-1) - kHugePageBytes)
        throw std::bad_alloc();
    const std::size_t size = roundedUp(bytes);
    void* block = std::aligned_alloc(kHugePageBytes, size);
    if (!block)
        throw std::bad_alloc();
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    // Only advice: without huge pages the block works the same, page by page.
    ::madvise(block, size, MADV_HUGEPAGE);
#endif
    return block;
}

void useHugePageHeap(std::size_t bytes) {
    blocksFromHeap = true;
#if defined(__linux__) && defined(MADV_HUGEPAGE) && defined(M_MMAP_THRESHOLD)
    // One heap for every thread, blocks of any size from it, and nothing given back.
    mallopt(M_ARENA_MAX, 1);
    mallopt(M_MMAP_THRESHOLD, 32 << 20); // the largest it takes
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    mallopt(M_TOP_PAD, 0);
    // The heap up to the next huge-page boundary is filled by a block that is never given
    // back, so that what follows is taken from whole huge pages.
    const auto address = [](const void* at) { return reinterpret_cast<std::uintptr_t>(at); };
    const std::uintptr_t end = address(::sbrk(0));
    const std::uintptr_t boundary = (end + kHugePageBytes - 1) & ~(kHugePageBytes - 1);
    static void* filler = nullptr;
    if (boundary - end > 4096 && !filler)
        filler = std::malloc(boundary - end - 64);
    // The heap grows to hold the block and is advised; freed, the block stays as the heap's
    // free top, from which the work's memory is taken.
    void* block = std::malloc(bytes);
    if (!block)
        return;
    const std::uintptr_t first = address(block) & ~(kHugePageBytes - 1);
    const std::uintptr_t last = address(::sbrk(0)) & ~(kHugePageBytes - 1);
    if (last > first)
        ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
    std::free(block);
#else
    (void)bytes;
#endif
}

void freeLargeBlock(void* block, std::size_t bytes) noexcept {
#if defined(__linux__)
    if (isMapped(bytes)) {
        ::munmap(block, bytes);
        return;
    }
#endif
    if (isLarge(bytes))
        std::free(block);
    else
        ::operator delete(block);
}

} // namespace glyphora
