#include "platform/large_block.h"

#include <cstdint>
#include <cstdlib>
#include <gtest/gtest.h>
#include <vector>

namespace glyphora {
namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

TEST(LargeBlock, VectorsKeepTheirContentAcrossTheHugePageSizeBothWays) {
    // Growing one element at a time passes from heap blocks to huge-page blocks; shrinking
    // to fit goes back, each block given back the way it was taken.
    std::vector<std::uint32_t, LargeBlockAllocator<std::uint32_t>> values;
    const std::uint32_t count = 3 * kHugePage / sizeof(std::uint32_t);
    for (std::uint32_t i = 0; i < count; ++i)
        values.push_back(i * 7);
    std::uint32_t wrong = 0;
    for (std::uint32_t i = 0; i < count; ++i)
        wrong += values[i] != i * 7;
    EXPECT_EQ(wrong, 0u);
    values.resize(10);
    values.shrink_to_fit();
    EXPECT_EQ(values.back(), 63u);
}

TEST(LargeBlock, LargeBlocksStartOnAHugePage) {
    const std::size_t sizes[] = {kHugePage, 3 * kHugePage + 1};
    for (const std::size_t size : sizes) {
        void* block = allocateLargeBlock(size);
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block) % kHugePage, 0u) << size;
        static_cast<unsigned char*>(block)[size - 1] = 1; // the whole size is there
        freeLargeBlock(block, size);
    }
    void* small = allocateLargeBlock(64);
    ASSERT_NE(small, nullptr);
    freeLargeBlock(small, 64);
}

// Takes and gives back blocks of every kind once the heap takes huge pages; exits 0 when
// each came back whole.
[[noreturn]] void takeBlocksFromAHugePageHeap() {
    useHugePageHeap(std::size_t{8} << 20);
    for (const std::size_t size :
         {std::size_t{64}, std::size_t{200} << 10, std::size_t{1} << 20, 3 * kHugePage + 1}) {
        auto* block = static_cast<unsigned char*>(allocateLargeBlock(size));
        for (std::size_t i = 0; i < size; i += 4096)
            block[i] = 1;
        block[size - 1] = 1;
        freeLargeBlock(block, size);
    }
    std::vector<std::uint32_t, LargeBlockAllocator<std::uint32_t>> values(kHugePage, 7);
    values.resize(10);
    values.shrink_to_fit();
    std::exit(values.back() == 7 ? 0 : 1);
}

TEST(LargeBlock, AfterTheHeapTakesHugePagesEveryBlockComesAndGoesThroughIt) {
    // In a child process: the heap's settings are the whole process's.
    EXPECT_EXIT(takeBlocksFromAHugePageHeap(), ::testing::ExitedWithCode(0), "");
}

} // namespace
} // namespace glyphora
