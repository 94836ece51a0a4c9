#include "platform/large_block.h"

#include <cstdlib>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace glyphora {

namespace {

// The huge-page size of x86-64 and most 64-bit ARM systems; below it a block gains nothing.
constexpr std::size_t kHugePageBytes = std::size_t{2} << 20;

// From here up to a huge page a block is mapped with all its pages at once: one call costs
// far less than the page faults of its first touch, and such a block is written whole soon.
constexpr std::size_t kMappedFromBytes = std::size_t{128} << 10;

bool isLarge(std::size_t bytes) {
    return bytes >= kHugePageBytes;
}

bool isMapped(std::size_t bytes) {
#if defined(__linux__)
    return bytes >= kMappedFromBytes && !isLarge(bytes);
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
