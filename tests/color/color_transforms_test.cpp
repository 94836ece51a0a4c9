#include "color/color_picture.h"
#include "color/color_transforms.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

TEST(ColorTransforms, ChannelArithmeticAndOrders) {
    EXPECT_EQ(grayOf(0x0000FF), rgb(76, 76, 76));        // 77 * 255 div 256
    EXPECT_EQ(grayOf(rgb(10, 20, 30)), rgb(18, 18, 18)); // (770 + 3020 + 840) >> 8
    EXPECT_EQ(negativeOf(rgb(1, 128, 254)), rgb(254, 127, 1));
    EXPECT_EQ(brightenedOf(rgb(10, 128, 250), 10), rgb(20, 138, 255)); // clamped per channel
    EXPECT_EQ(brightenedOf(rgb(10, 128, 250), -20), rgb(0, 108, 230));
    const Color c = rgb(0x11, 0x22, 0x33);
    EXPECT_EQ(permutedOf(c, ChannelOrder::RBG), rgb(0x11, 0x33, 0x22));
    EXPECT_EQ(permutedOf(c, ChannelOrder::BGR), rgb(0x33, 0x22, 0x11));
    EXPECT_EQ(permutedOf(c, ChannelOrder::BRG), rgb(0x22, 0x33, 0x11));
    EXPECT_EQ(permutedOf(c, ChannelOrder::GRB), rgb(0x22, 0x11, 0x33));
    EXPECT_EQ(permutedOf(c, ChannelOrder::GBR), rgb(0x33, 0x11, 0x22));
    EXPECT_EQ(channelOrderCaption(ChannelOrder::GBR), "RGB -> GBR");
}

TEST(ColorTransforms, WholeCanvasTransformsGiveEveryCellOwnColours) {
    CharCanvas canvas(2, 2);
    canvas.setDefaultFontColor(0x0000FF);
    canvas.SetColorCell(1, 1, 0x00FF00);
    Negative(canvas, ColorLayer::Foreground);
    EXPECT_EQ(canvas.foreground(1, 1), 0xFFFF00u);
    canvas.setDefaultFontColor(kBlack); // no longer followed
    EXPECT_EQ(canvas.foreground(0, 0), 0xFFFF00u);
    EXPECT_FALSE(canvas.hasOwnBrush(0, 0)); // the background stayed untouched

    Negative(canvas, ColorLayer::Background);
    EXPECT_EQ(canvas.background(0, 0), kBlack);
    EXPECT_EQ(canvas.background(1, 1), 0xFF00FFu);

    Permute(canvas, ColorLayer::Background, ChannelOrder::BRG);
    EXPECT_EQ(canvas.background(1, 1), rgb(0, 255, 255));

    ColorToGray(canvas);
    EXPECT_EQ(canvas.foreground(0, 0), grayOf(0xFFFF00));
    EXPECT_EQ(canvas.background(1, 1), rgb(178, 178, 178));
}

TEST(ColorTransforms, SwapLeavesBlankCellsAlone) {
    CharCanvas canvas = test::drawn({"a b@"});
    canvas.SetFontCell(0, 0, 0x0000FF);
    canvas.SetColorCell(1, 0, 0x00FF00);
    canvas.SetColorCell(2, 0, 0xFF0000);
    SwapFgBg(canvas);
    // The blank and the empty cell are not read.
    EXPECT_EQ(test::colours(canvas, ColorLayer::Foreground), (test::Rows{"WkBk"}));
    EXPECT_EQ(test::colours(canvas, ColorLayer::Background), (test::Rows{"RGKw"}));
}

TEST(ColorTransforms, BrightnessAnswers) {
    EXPECT_EQ(parseBrightness(std::nullopt).delta, std::nullopt); // cancelled: silently nothing
    EXPECT_EQ(parseBrightness(std::nullopt).error, "");
    EXPECT_EQ(parseBrightness("00").delta, 0); // not exactly "0": runs, changing nothing
    EXPECT_EQ(parseBrightness("+17").delta, 17);
    EXPECT_EQ(parseBrightness("255").delta, 255);
    for (const char* bad : {"abc", "", "1.5", "12a", " 5", "+-3", "-", "99999999999"}) {
        EXPECT_EQ(parseBrightness(std::string(bad)).error, "ERROR: No interger value") << bad;
        EXPECT_EQ(parseBrightness(std::string(bad)).delta, std::nullopt) << bad;
    }
    EXPECT_EQ(parseBrightness("-256").error, "ERROR: Value out of range.");
}

} // namespace
} // namespace glyphora
