#include "convert/resample.h"

#include <array>
#include <gtest/gtest.h>

namespace glyphora {
namespace {

// Lanczos3 at the distances the tests below meet, worked out by hand:
// sinc(x) sinc(x / 3) with sinc(x) = sin(pi x) / (pi x).
constexpr float kAtHalf = 0.6079271f;        // (2 / pi) x (3 / pi)
constexpr float kAtOneAndHalf = -0.1350949f; // (-2 / 3pi) x (2 / pi)
constexpr float kAtTwoAndHalf = 0.0243171f;  // (2 / 5pi) x sin(5pi / 6) / (5pi / 6)

Bitmap row(std::initializer_list<int> greys) {
    Bitmap b(static_cast<int>(greys.size()), 1);
    int x = 0;
    for (const int g : greys)
        b.setPixel(x++, 0, rgb(g, g, g));
    return b;
}

TEST(Resample, LanczosIsOneAtZeroAndNothingFromThreeOn) {
    EXPECT_EQ(lanczos3(0.0f), 1.0f);
    EXPECT_NEAR(lanczos3(0.5f), kAtHalf, 1e-6);
    EXPECT_NEAR(lanczos3(-1.5f), kAtOneAndHalf, 1e-6);
    EXPECT_NEAR(lanczos3(2.5f), kAtTwoAndHalf, 1e-6);
    EXPECT_NEAR(lanczos3(1.0f), 0.0f, 1e-6);
    EXPECT_EQ(lanczos3(3.0f), 0.0f);
    EXPECT_EQ(lanczos3(-7.0f), 0.0f);
}

TEST(Resample, HalvingListsElevenMirroredContributorsPerPixel) {
    // 4 -> 2: scale 0.5, so the filter reaches 6 source pixels either side; the weight of
    // source j for destination 0 is lanczos3(j / 2) / 2, and lanczos3(3) = 0 drops j = +-6.
    const Contributors c = buildContributors(4, 2, lanczos3, kLanczos3Support);
    ASSERT_EQ(c.count(0), 11);
    const std::vector<int> pixels(c.pixel.begin(), c.pixel.begin() + 11);
    // j = -5 .. 5: below 0 mirrored to -j, from 4 on to 2 x 4 - j - 1.
    EXPECT_EQ(pixels, (std::vector<int>{2, 3, 3, 2, 1, 0, 1, 2, 3, 3, 2}));
    EXPECT_NEAR(c.weight[5], 0.5f, 1e-7);               // j = 0
    EXPECT_NEAR(c.weight[4], kAtHalf / 2, 1e-6);        // j = -1
    EXPECT_NEAR(c.weight[8], kAtOneAndHalf / 2, 1e-6);  // j = 3
    EXPECT_NEAR(c.weight[10], kAtTwoAndHalf / 2, 1e-6); // j = 5
    // Destination 1 is centred on source 2; its list starts at j = -3, mirrored to 3.
    const std::size_t second = static_cast<std::size_t>(c.first[1]);
    EXPECT_EQ(c.pixel[second], 3);
    EXPECT_NEAR(c.weight[second], kAtTwoAndHalf / 2, 1e-6);
    EXPECT_EQ(c.pixel[second + 5], 2);
    EXPECT_NEAR(c.weight[second + 5], 0.5f, 1e-7);
    // A source of one pixel: every index mirrors back into it.
    const Contributors one = buildContributors(1, 3, lanczos3, kLanczos3Support);
    for (const int p : one.pixel)
        EXPECT_EQ(p, 0);
}

TEST(Resample, SumsAreClampedAndRoundedAsTheWeightsGive) {
    // A flat 200 halves to 200 x (1 + 2 (0.6079 - 0.1351 + 0.0243)) / 2 = 199.43 -> 199
    // across, then 199 x 0.99715 = 198.43 -> 198 down: the weights do not sum to one.
    Bitmap flat(4, 4, rgb(200, 200, 200));
    Bitmap half(2, 2);
    ResampleBitmap(flat, half, lanczos3, kLanczos3Support);
    EXPECT_EQ(half, Bitmap(2, 2, rgb(198, 198, 198)));

    // [0 0 0 255] halved: destination 0 sees the 255 only through the negative lobe
    // (-34.4, clamped to 0); destination 1 through j = 3 and j = -3 mirrored onto 3:
    // 255 x (0.6079 + 0.0243) / 2 = 80.6.
    Bitmap two(2, 1);
    ResampleBitmap(row({0, 0, 0, 255}), two, lanczos3, kLanczos3Support);
    EXPECT_EQ(two.pixel(0, 0), kBlack);
    EXPECT_EQ(two.pixel(1, 0), rgb(81, 81, 81));

    // One white pixel spread to three: the weights at centre 1/3 sum to 0.99561, so
    // 253.9 -> 254; above 255 would clamp.
    Bitmap three(3, 1);
    ResampleBitmap(row({255}), three, lanczos3, kLanczos3Support);
    EXPECT_EQ(three, row({255, 254, 254}));
    // The same size changes nothing; channels and rows are kept apart (rows wide enough for
    // the vector transposition, with a tail; more than one group of eight rows).
    Bitmap colours(37, 11);
    for (int y = 0; y < colours.height(); ++y)
        for (int x = 0; x < colours.width(); ++x)
            colours.setPixel(x, y, rgb((x * 7) & 0xFF, (y * 23) & 0xFF, (x * y * 5) & 0xFF));
    Bitmap same(37, 11);
    ResampleBitmap(colours, same, lanczos3, kLanczos3Support);
    EXPECT_EQ(same, colours);
}

TEST(Resample, StreamingOnASecondThreadGivesTheSameResultAsInOne) {
    // Large enough for the second thread, with a partial last batch of rows; the tall one
    // is fed far faster than the first pass goes, so the feeding thread sums batches too
    // and batches finish out of order.
    for (const auto& [width, height, toWidth, toHeight] :
         {std::array{700, 403, 123, 45}, std::array{260, 4001, 97, 1300}}) {
        Bitmap source(width, height);
        for (int y = 0; y < source.height(); ++y)
            for (int x = 0; x < source.width(); ++x)
                source.setPixel(x, y, rgb((x * 7 + y) & 0xFF, (x * y) & 0xFF, (y * 3) & 0xFF));
        PictureResampler threaded(toWidth, toHeight, lanczos3, kLanczos3Support, true);
        PictureResampler single(toWidth, toHeight, lanczos3, kLanczos3Support, false);
        ASSERT_TRUE(feedBitmap(source, threaded));
        ASSERT_TRUE(feedBitmap(source, single));
        const Bitmap a = threaded.finish();
        EXPECT_EQ(a.width(), toWidth);
        EXPECT_EQ(a, single.finish()) << width << " x " << height;
    }

    // Rows missing at the end give no picture.
    PictureResampler cut(10, 10, lanczos3, kLanczos3Support, false);
    ASSERT_TRUE(cut.begin(20, 20));
    for (int y = 0; y < 5; ++y) {
        cut.rowBuffer(y);
        cut.rowDone(y);
    }
    EXPECT_TRUE(cut.finish().empty());
}

TEST(Resample, ResizeTakesTheNearestPixelRoundingHalvesToEven) {
    const Bitmap source = row({10, 20, 30, 40});
    // fx = 4 / 3: columns Round(0), Round(1.33), Round(2.67) = 0, 1, 3.
    EXPECT_EQ(resizeNearest(source, 3, 1), row({10, 20, 40}));
    // fx = 4 / 8 = 0.5: Round(0.5) = 0, Round(1.5) = 2, Round(2.5) = 2, Round(3.5) = 4
    // which is past the last column and takes the last one.
    EXPECT_EQ(resizeNearest(source, 8, 1), row({10, 10, 20, 30, 30, 30, 40, 40}));
}

} // namespace
} // namespace glyphora
