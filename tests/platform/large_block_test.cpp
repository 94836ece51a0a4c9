#include "platform/large_block.h"

#include <cstdint>
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

} // namespace
} // namespace glyphora
