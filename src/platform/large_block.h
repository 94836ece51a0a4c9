#pragma once

#include <cstddef>
#include <memory>
#include <new>
#include <type_traits>

namespace glyphora {

// Storage for blocks of many megabytes, such as a large canvas's cells. Such a block is
// placed on huge-page boundaries and the system is asked to back it with huge pages where it
// can, so the first touch of a fresh block costs one page fault per 2 MiB rather than one per
// 4 KiB: on some machines those faults cost more than all the work done in the block. Blocks
// of 128 KiB and more below that have all their pages mapped when they are taken (the
// ordinary heap would map them afresh too, and fault on each page), smaller ones come from
// the ordinary heap. Throws std::bad_alloc when there is no memory.
void* allocateLargeBlock(std::size_t bytes);
// Gives back a block of allocateLargeBlock; bytes must be what was asked for.
void freeLargeBlock(void* block, std::size_t bytes) noexcept;

// For a short-lived batch process that does one piece of work and ends: lays the next
// `bytes` of the ordinary heap on huge pages and takes every large block from the heap from
// then on, so that most of the process's working memory comes in 2 MiB pages. On virtual
// machines the first touch of each fresh 4 KiB page, mapped ahead or not, can cost 10 µs
// (a 1920 x 1200 photo's conversion touches some thousand of them); a huge page costs
// about as much as ten of them. Freed memory stays with the process. Call it before any
// large block is taken; on systems without huge pages it only moves large blocks to the
// heap.
void useHugePageHeap(std::size_t bytes);

// An array of count trivial values in such a block, left uninitialised.
template <class T> struct LargeBlockDelete {
    std::size_t count = 0;
    void operator()(T* block) const noexcept { freeLargeBlock(block, count * sizeof(T)); }
};
template <class T> using LargeArray = std::unique_ptr<T[], LargeBlockDelete<T>>;
template <class T> LargeArray<T> makeLargeArray(std::size_t count) {
    static_assert(std::is_trivial_v<T>);
    return {static_cast<T*>(allocateLargeBlock(count * sizeof(T))), {count}};
}

// A standard allocator over those blocks, for the vectors of large documents.
template <class T> class LargeBlockAllocator {
public:
    using value_type = T;
    static_assert(alignof(T) <= alignof(std::max_align_t), "blocks are aligned for any scalar");

    LargeBlockAllocator() = default;
    template <class U> LargeBlockAllocator(const LargeBlockAllocator<U>&) noexcept {}

    T* allocate(std::size_t count) { return static_cast<T*>(allocateLargeBlock(bytesOf(count))); }
    void deallocate(T* block, std::size_t count) noexcept { freeLargeBlock(block, bytesOf(count)); }

    template <class U> bool operator==(const LargeBlockAllocator<U>&) const noexcept {
        return true;
    }

private:
    static std::size_t bytesOf(std::size_t count);
};

template <class T> std::size_t LargeBlockAllocator<T>::bytesOf(std::size_t count) {
    if (count > static_cast<std::size_t>(-1) / sizeof(T))
        throw std::bad_array_new_length();
    return count * sizeof(T);
}

} // namespace glyphora
