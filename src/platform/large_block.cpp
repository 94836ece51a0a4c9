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

bool isLarge(std::size_t bytes) {
    return bytes >= kHugePageBytes;
}

// aligned_alloc wants a multiple of the alignment.
std::size_t roundedUp(std::size_t bytes) {
    return (bytes + kHugePageBytes - 1) / kHugePageBytes * kHugePageBytes;
}

} // namespace

void* allocateLargeBlock(std::size_t bytes) {
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
    if (isLarge(bytes))
        std::free(block);
    else
        ::operator delete(block);
}

} // namespace glyphora
