#include "color/ansi_palette.h"
#include "color/color_bar.h"
#include "color/color_modes.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

TEST(ColorModes, EnteringAModeClearsWhatItCannotHoldAndEnablesItsTools) {
    // Per mode: own font kept, own brush kept, the defaults afterwards, the enabled tools.
    struct Row {
        ColorMode mode;
        bool font;
        bool brush;
        Color defaultFont;
        Color defaultBack;
        std::vector<bool> tools; // font tools, then background tools
    };
    const std::vector<bool> none{false, false, false, false, false};
    const std::vector<bool> fonts{true, true, true, false, false};
    const std::vector<bool> all{true, true, true, true, true};
    for (const Row& row : {Row{ColorMode::Plain, false, false, kBlack, kWhite, none},
                           Row{ColorMode::FontColored, true, false, kBlack, kWhite, fonts},
                           Row{ColorMode::FullColored, true, true, 0x123456, 0x654321, all},
                           Row{ColorMode::Ansi, false, false, 0xA0A8A0, kBlack, all}}) {
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
        EXPECT_EQ(
            (std::vector<bool>{colorSpecialEnabled(row.mode), fontColorToolsEnabled(row.mode),
                               mainColorsEnabled(row.mode), backgroundSpecialEnabled(row.mode),
                               backColorToolsEnabled(row.mode)}),
            row.tools)
            << m;
    }
    EXPECT_EQ(modeSwitchQuestion(ColorMode::Ansi),
              "This will delete all RGB colors (WARNING: ANSI can only save 80cols.) . Continue?");
}

TEST(ColorBar, StripsPerModeAndTheAnsiBackgroundFill) {
    // Without the paint bar the colour bar stays as it was (outside Plain).
    EXPECT_FALSE(colorBarShownAfterUpdate(ColorMode::FontColored, false, false));
    EXPECT_TRUE(colorBarShownAfterUpdate(ColorMode::FullColored, false, true));

    const ColorPanelImage font = ColorPanel(ColorMode::FontColored);
    EXPECT_FALSE(font.background.visible);
    EXPECT_EQ(font.foreground.pixel(19, 23), 0x000000u);
    EXPECT_EQ(font.foreground.pixel(320, 5), std::nullopt);
    EXPECT_EQ(font.foreground.pixel(5, 24), std::nullopt);
    EXPECT_EQ(pickStripColor(font.background, 10, 3), std::nullopt); // hidden strip

    const ColorPanelImage ansi = ColorPanel(ColorMode::Ansi);
    EXPECT_EQ(ansi.foreground.pixel(15 * 20 + 19, 0), kAnsiPalette[15].color);
    EXPECT_EQ(ansi.background.pixel(139, 0), kAnsiPalette[6].color); // last pixel of cyan
    for (int x = 140; x < kStripWidth; ++x)
        ASSERT_EQ(pickStripColor(ansi.background, x, 3), 0xA0A8A0u) << x;
}

} // namespace
} // namespace glyphora
