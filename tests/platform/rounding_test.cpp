#include "platform/rounding.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace glyphora {
namespace {

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    const std::vector<long double> values{0.5L, 1.5L, 2.5L, -1.5L, -2.5L, 2.4999L, 2.5001L, -2.6L};
    std::vector<long long> rounded;
    for (const long double value : values)
        rounded.push_back(roundHalfEven(value));
    EXPECT_EQ(rounded, (std::vector<long long>{0, 2, 2, -2, -2, 2, 3, -3}));
}

TEST(Rounding, SixByteRealKeepsFortyBitsAndRoundsHalvesAwayFromZero) {
    const long double ulp = std::ldexp(1.0L, -39); // one unit in the last place at 1.0
    EXPECT_EQ(roundToReal48(1.0L + ulp), 1.0L + ulp);
    // Exactly halfway between 1 and 1 + ulp: away from zero, on both sides of zero.
    EXPECT_EQ(roundToReal48(1.0L + ulp / 2), 1.0L + ulp);
    EXPECT_EQ(roundToReal48(-(1.0L + ulp / 2)), -(1.0L + ulp));
    EXPECT_EQ(roundToReal48(1.0L + ulp / 2 - ulp / 8), 1.0L); // just below the half: down
    // Halfway above an odd last bit also goes up (not to even).
    EXPECT_EQ(roundToReal48(1.0L + ulp + ulp / 2), 1.0L + 2 * ulp);
    EXPECT_EQ(roundToReal48(0.0L), 0.0L);
    // 1/3 = 0.0101...b: the 41st bit is 1, so the kept value lies above 1/3.
    EXPECT_GT(roundToReal48(1.0L / 3.0L), 1.0L / 3.0L);
    EXPECT_LT(roundToReal48(1.0L / 3.0L) - 1.0L / 3.0L, ulp / 2);
}

TEST(Rounding, DiagonalOffsetsFollowTheWorkedExampleAndKeepFortyBits) {
    const DiagonalRatio half(1, 2);
    std::vector<int> offsets;
    for (int k = 0; k <= 8; ++k)
        offsets.push_back(half.offset(k));
    EXPECT_EQ(offsets, (std::vector<int>{0, 0, 1, 2, 2, 2, 3, 4, 4}));

    // 1/6 kept with 40 bits lies above 1/6, so 3 x r is just above a half and rounds up;
    // with the full double it would be a tie and round to 0.
    EXPECT_EQ(DiagonalRatio(1, 6).offset(3), 1);
    EXPECT_EQ(DiagonalRatio(1, 10).offset(5), 1);
    // 1/14 kept with 40 bits lies below 1/14: 21 x r stays under 1.5 (the double rounds up).
    EXPECT_EQ(DiagonalRatio(1, 14).offset(21), 1);
    EXPECT_EQ(DiagonalRatio(3, 3).offset(2), 2);
    // The one-cell shape: 0 / 0 gives r = 0.
    EXPECT_EQ(DiagonalRatio(0, 0).value(), 0.0L);
    EXPECT_EQ(DiagonalRatio(0, 0).offset(0), 0);
}

} // namespace
} // namespace glyphora
