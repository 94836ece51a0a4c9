#include "color/ansi_palette.h"
#include "color/color_bar.h"
#include "color/color_modes.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

TEST(AnsiPalette, SixteenColoursWithTheirSgrCodes) {
    ASSERT_EQ(kAnsiColorCount, 16);
    EXPECT_EQ(colorToHex(kAnsiPalette[3].color), "A05000");
    EXPECT_EQ(colorToHex(kAnsiPalette[6].color), "00A8A0");
    EXPECT_EQ(colorToHex(kAnsiPalette[10].color), "50F850");
    EXPECT_EQ(colorToHex(kAnsiPalette[15].color), "FFF8FF");
    EXPECT_EQ(kAnsiPalette[7].sgr, "0;37");
    EXPECT_EQ(kAnsiPalette[14].sgr, "1;36");
    EXPECT_EQ(kAnsiPalette[4].background, "44");
    EXPECT_EQ(kAnsiPalette[9].background, "");
    EXPECT_EQ(kAnsiPalette[9].attribute(), "1");
    EXPECT_EQ(kAnsiPalette[9].foreground(), "31");

    // Lookups are by exact value; backgrounds stop at colour 7.
    EXPECT_EQ(ansiForegroundIndex(hexToColor("FF5050")), 9);
    EXPECT_EQ(ansiForegroundIndex(hexToColor("A1A8A0")), std::nullopt); // one step off
    EXPECT_EQ(ansiBackgroundIndex(hexToColor("0000A0")), 4);
    EXPECT_EQ(ansiBackgroundIndex(hexToColor("FF5050")), std::nullopt);
    EXPECT_EQ(ansiForegroundIndex(0xFF000000u | hexToColor("FFF8FF")), 15); // high byte ignored
}

TEST(ColorModes, EnteringAModeClearsWhatItCannotHoldAndSetsItsDefaults) {
    // Per mode: own font kept, own brush kept, the defaults afterwards.
    struct Row {
        ColorMode mode;
        bool font;
        bool brush;
        Color defaultFont;
        Color defaultBack;
    };
    for (const Row row : {Row{ColorMode::Plain, false, false, kBlack, kWhite},
                          Row{ColorMode::FontColored, true, false, kBlack, kWhite},
                          Row{ColorMode::FullColored, true, true, 0x123456, 0x654321},
                          Row{ColorMode::Ansi, false, false, 0xA0A8A0, kBlack}}) {
        CharCanvas canvas(2, 1);
        canvas.SetFontCell(0, 0, 0x0000FF);
        canvas.SetColorCell(0, 0, 0x00FF00);
        canvas.setDefaultFontColor(0x123456);
        canvas.setDefaultColor(0x654321);
        applyColorModeEntry(canvas, row.mode);
        const int m = static_cast<int>(row.mode);
        EXPECT_EQ(canvas.hasOwnFont(0, 0), row.font) << m;
        EXPECT_EQ(canvas.hasOwnBrush(0, 0), row.brush) << m;
        EXPECT_EQ(canvas.foreground(1, 0), row.defaultFont) << m;
        EXPECT_EQ(canvas.background(1, 0), row.defaultBack) << m;
    }
}

TEST(ColorModes, QuestionsAndEnablingTable) {
    EXPECT_EQ(modeSwitchQuestion(ColorMode::Plain), "This will delete all colors. Continue?");
    EXPECT_EQ(modeSwitchQuestion(ColorMode::FontColored),
              "This will delete all backgroundcolors. Continue?");
    EXPECT_EQ(modeSwitchQuestion(ColorMode::Ansi),
              "This will delete all RGB colors (WARNING: ANSI can only save 80cols.) . Continue?");
    EXPECT_EQ(modeSwitchQuestion(ColorMode::FullColored), "");

    struct Row {
        ColorMode mode;
        bool font;
        bool back;
    };
    for (const Row row :
         {Row{ColorMode::Plain, false, false}, Row{ColorMode::FontColored, true, false},
          Row{ColorMode::FullColored, true, true}, Row{ColorMode::Ansi, true, true}}) {
        EXPECT_EQ(colorSpecialEnabled(row.mode), row.font);
        EXPECT_EQ(fontColorToolsEnabled(row.mode), row.font);
        EXPECT_EQ(mainColorsEnabled(row.mode), row.font);
        EXPECT_EQ(backgroundSpecialEnabled(row.mode), row.back);
        EXPECT_EQ(backColorToolsEnabled(row.mode), row.back);
    }
}

TEST(ColorModes, ColourBarIsHiddenInPlainShownWithThePaintBarElseUnchanged) {
    EXPECT_FALSE(colorBarShownAfterUpdate(ColorMode::Plain, true, true));
    EXPECT_TRUE(colorBarShownAfterUpdate(ColorMode::Ansi, true, false));
    EXPECT_FALSE(colorBarShownAfterUpdate(ColorMode::FontColored, false, false));
    EXPECT_TRUE(colorBarShownAfterUpdate(ColorMode::FullColored, false, true));
}

TEST(ColorBar, StripsPerModeAndTheAnsiBackgroundFill) {
    EXPECT_FALSE(ColorPanel(ColorMode::Plain).foreground.visible);
    const ColorPanelImage font = ColorPanel(ColorMode::FontColored);
    EXPECT_TRUE(font.foreground.visible);
    EXPECT_FALSE(font.background.visible);
    EXPECT_EQ(font.foreground.pixel(19, 23), 0x000000u);
    EXPECT_EQ(font.foreground.pixel(20, 0), 0x0000FFu); // red, swatch 1
    EXPECT_EQ(font.foreground.pixel(319, 5), 0xFFFFFFu);
    EXPECT_EQ(font.foreground.pixel(320, 5), std::nullopt);
    EXPECT_EQ(font.foreground.pixel(5, 24), std::nullopt);

    EXPECT_TRUE(ColorPanel(ColorMode::FullColored).background.visible);

    const ColorPanelImage ansi = ColorPanel(ColorMode::Ansi);
    for (int i = 0; i < kStripSwatchCount; ++i)
        EXPECT_EQ(ansi.foreground.pixel(i * 20 + 10, 0),
                  kAnsiPalette[static_cast<size_t>(i)].color);
    EXPECT_EQ(ansi.background.pixel(139, 0), kAnsiPalette[6].color); // last pixel of cyan
    for (int x = 140; x < kStripWidth; ++x)
        ASSERT_EQ(ansi.background.pixel(x, 0), 0xA0A8A0u) << x;
    EXPECT_EQ(pickStripColor(ansi.background, 300, 3), 0xA0A8A0u);
    EXPECT_EQ(pickStripColor(font.background, 10, 3), std::nullopt); // hidden strip
}

} // namespace
} // namespace glyphora
