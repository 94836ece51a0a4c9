#include "color/color_window.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

using Notes = std::vector<ColorNotification>;

TEST(ColorWindowModel, PalettesFillColumnsAndRowsWithBlackLeftOver) {
    const ColorWindowModel model;
    EXPECT_EQ(model.rgbSwatch(0, 0), 0xFFFFFFu);
    EXPECT_EQ(model.rgbSwatch(0, 6), 0x000000u);
    EXPECT_EQ(model.rgbSwatch(1, 2), 0x0000FFu); // third red down column 2: pure red
    EXPECT_EQ(model.rgbSwatch(1, 0), 0xCFC8FFu);
    EXPECT_EQ(model.ansiSwatch(6, 0), 0xA0A800u); // colour 6 ends row 1
    EXPECT_EQ(model.ansiSwatch(0, 1), 0xA0A8A0u); // colour 7 starts row 2
    EXPECT_EQ(model.ansiSwatch(1, 2), 0xFFF8FFu); // the 16th swatch
    EXPECT_EQ(model.ansiSwatch(2, 2), kBlack);
    EXPECT_EQ(model.freeColor(), 0x800000u);
    EXPECT_EQ(model.colorAt(ColorWindowImage::RgbPalette, 139, 139), 0x2F002Fu);
    EXPECT_EQ(model.colorAt(ColorWindowImage::RgbPalette, 140, 0), std::nullopt);
    EXPECT_EQ(model.colorAt(ColorWindowImage::AnsiPalette, 0, 60), std::nullopt);
    EXPECT_EQ(model.colorAt(ColorWindowImage::FreeColor, 19, 19), 0x800000u);
    EXPECT_EQ(model.colorAt(ColorWindowImage::FreeColor, 20, 0), std::nullopt);
}

TEST(ColorWindowModel, PaletteTextIsBlueFirstAndToleratesJunk) {
    EXPECT_EQ(parsePaletteText("0000FF,FF0000"), (std::vector<Color>{0x0000FF, 0xFF0000}));
    EXPECT_EQ(parsePaletteText("zz,12"), (std::vector<Color>{0, 0x12}));
    EXPECT_TRUE(parsePaletteText("").empty());
}

TEST(ColorWindowModel, ClickRulesPerModeAndButton) {
    const auto click = [](ColorWindowImage image, MouseButton button, ColorMode mode) {
        ColorWindowModel model;
        return model.click(image, 25, 45, button, mode);
    };
    // (25, 45) is column 2, row 3: pure red in the RGB palette, ANSI colour 15 (white).
    const Color red = 0x0000FF;
    const Color ansiWhite = 0xFFF8FF;
    using I = ColorWindowImage;
    using B = MouseButton;
    using M = ColorMode;
    EXPECT_EQ(click(I::RgbPalette, B::Left, M::Plain), (Notes{{1027, 1}}));
    EXPECT_EQ(click(I::RgbPalette, B::Right, M::Ansi), (Notes{{1027, 1}}));
    EXPECT_EQ(click(I::FreeColor, B::Left, M::Ansi), Notes{}); // (25, 45) is outside
    EXPECT_EQ(click(I::RgbPalette, B::Left, M::FontColored), (Notes{{1025, red}}));
    EXPECT_EQ(click(I::RgbPalette, B::Right, M::FontColored), (Notes{{1027, 2}}));
    EXPECT_EQ(click(I::RgbPalette, B::Middle, M::FullColored), (Notes{{1026, red}}));
    EXPECT_EQ(click(I::AnsiPalette, B::Right, M::Plain), (Notes{{1027, 3}}));
    EXPECT_EQ(click(I::AnsiPalette, B::Right, M::FontColored), (Notes{{1027, 4}}));
    EXPECT_EQ(click(I::AnsiPalette, B::Left, M::FontColored), (Notes{{1025, ansiWhite}}));
    EXPECT_EQ(click(I::AnsiPalette, B::Right, M::Ansi), (Notes{{1026, ansiWhite}}));
    EXPECT_EQ(click(I::AnsiPalette, B::Right, M::FullColored), (Notes{{1026, ansiWhite}}));

    ColorWindowModel model;
    EXPECT_EQ(model.click(I::FreeColor, 3, 3, B::Left, M::Ansi), (Notes{{1027, 1}}));
    model.setFreeColor(0x123456);
    EXPECT_EQ(model.click(I::FreeColor, 3, 3, B::Right, M::FullColored), (Notes{{1026, 0x123456}}));
    EXPECT_EQ(model.sampleBack(), 0x123456u);
    EXPECT_EQ(model.sampleFont(), kBlack); // a refused click changes no sample
}

TEST(ColorWindowModel, ToolButtonsSampleUpdatesAndTheQueue) {
    ColorWindowModel model;
    // Buttons 3 and 4 colour cells and need colours (4: backgrounds); the others always go.
    EXPECT_EQ(model.toolButton(1, ColorMode::Plain), (Notes{{1028, 1}}));
    EXPECT_EQ(model.toolButton(3, ColorMode::Plain), (Notes{{1027, 5}}));
    EXPECT_EQ(model.toolButton(3, ColorMode::FontColored), (Notes{{1028, 3}}));
    EXPECT_EQ(model.toolButton(4, ColorMode::FontColored), (Notes{{1027, 6}}));
    EXPECT_EQ(model.toolButton(4, ColorMode::Ansi), (Notes{{1028, 4}}));
    EXPECT_EQ(model.toolButton(6, ColorMode::Plain), (Notes{{1028, 6}}));
    EXPECT_EQ(model.toolButton(7, ColorMode::Plain), Notes{});

    model.receive({1025, 0xFF0000});
    model.receive({1026, 0x00FF00});
    model.receive({1027, 3}); // not for the window
    EXPECT_EQ(model.sampleFont(), 0xFF0000u);
    EXPECT_EQ(model.sampleBack(), 0x00FF00u);

    NotificationQueue queue;
    queue.post(1025, 7);
    queue.post(1028, 3);
    EXPECT_EQ(queue.take(), (ColorNotification{1025, 7}));
    EXPECT_EQ(queue.take(), (ColorNotification{1028, 3}));
    EXPECT_EQ(queue.take(), std::nullopt);
}

TEST(ColorWindowModel, ErrorTexts) {
    const char* expected[] = {" ColorDlg Error (internal-#1)",
                              "No RGB colors allowed - Wrong color mode.",
                              "No RGB bgcolors allowed - Wrong color mode.",
                              "No ANSI colors allowed - Wrong color mode.",
                              "No ANSI bgcolors allowed - Wrong color mode.",
                              "No colors allowed - Wrong color mode.",
                              "No bgcolors allowed - Wrong color mode.",
                              " ColorDlg Error (internal-#1)"};
    for (std::uint32_t number = 0; number < 8; ++number)
        EXPECT_EQ(colorWindowErrorText(number), expected[number]) << number;
    EXPECT_EQ(colorWindowErrorText(0xFFFFFFFF), expected[0]);
}

} // namespace
} // namespace glyphora
