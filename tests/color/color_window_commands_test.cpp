#include "color/color_commands.h"
#include "color/color_window.h"
#include "color/color_window_commands.h"
#include "editor_fixture.h"

namespace glyphora {
namespace {

constexpr Color kRed = 0x0000FF;

struct ColorWindowLink : test::EditorTest {
    ColorState& state = editor.colorState();

    void SetUp() override {
        editor.canvas().setSize(3, 2);
        editor.settings().ShowInfoMessages = false;
    }
    const ColorWindowModel& window() const { return *state.colorWindow; }
};

TEST_F(ColorWindowLink, OpeningTellsTheWindowTheActiveColoursAndClosingStopsTheLink) {
    editor.ActiveFontColor = kRed;
    showActiveColors(editor);
    EXPECT_TRUE(state.toColorWindow.empty()); // nothing is posted to a closed window
    ToggleColorWindow(editor);
    ASSERT_TRUE(isColorWindowChecked(editor));
    EXPECT_EQ(state.toColorWindow.take(), (ColorNotification{kNotifyFontColor, kRed}));
    EXPECT_EQ(state.toColorWindow.take(), (ColorNotification{kNotifyBackColor, kWhite}));

    // Changing the active colours in the main window updates the sample.
    editor.canvas().SetFontCell(0, 0, 0x00FF00);
    SetActiveFontToCell(editor);
    DeliverColorNotifications(editor);
    EXPECT_EQ(window().sampleFont(), 0x00FF00u);

    ToggleColorWindow(editor);
    EXPECT_FALSE(isColorWindowChecked(editor));
    ToggleColorWindow(editor);
    ColorWindowClosed(editor);
    EXPECT_FALSE(isColorWindowChecked(editor));
    ColorWindowClick(editor, ColorWindowImage::RgbPalette, 1, 1, MouseButton::Left); // ignored
    EXPECT_TRUE(state.toMainWindow.empty());
}

TEST_F(ColorWindowLink, PicksAndCommandsAreHandledInOrderAndUnknownNumbersReported) {
    ToggleColorWindow(editor);
    editor.canvas().setDefaultColor(0x123456);
    ColorWindowToolButton(editor, 2); // taking a cell's colour works in every mode
    DeliverColorNotifications(editor);
    EXPECT_EQ(window().sampleBack(), 0x123456u);

    SetModeFullColored(editor);
    // Left on red, right on the first ANSI colour, then "Color selection" for both.
    ColorWindowClick(editor, ColorWindowImage::RgbPalette, 25, 45, MouseButton::Left);
    ColorWindowClick(editor, ColorWindowImage::AnsiPalette, 21, 1, MouseButton::Right);
    editor.setGridSelection({1, 0, 2, 1});
    ColorWindowToolButton(editor, 3);
    ColorWindowToolButton(editor, 4);
    EXPECT_EQ(state.toMainWindow.size(), 4u);
    DeliverColorNotifications(editor);
    EXPECT_EQ(editor.status().field(2), "Font color=#FF0000,   Backgroundcolor=#A00000");
    EXPECT_EQ(editor.canvas().foreground(2, 1), kRed);
    EXPECT_EQ(editor.canvas().background(0, 0), 0x123456u);

    // The free colour comes from the platform dialog and is then picked like a swatch.
    ui.queueAnswer("654321");
    ColorWindowExtended(editor);
    EXPECT_EQ(ui.transcript().back(), "color: 000080 -> 654321");
    EXPECT_TRUE(state.toMainWindow.empty());
    ColorWindowClick(editor, ColorWindowImage::FreeColor, 5, 5, MouseButton::Right);
    DeliverColorNotifications(editor);
    EXPECT_EQ(colorToHex(editor.ActiveBackColor), "654321");

    ColorWindowNotification(editor, {kNotifyError, 9});
    EXPECT_EQ(editor.status().field(3), " ColorDlg Error (internal-#1)");
    ColorWindowNotification(editor, {kNotifyCommand, 7});
    EXPECT_EQ(editor.status().field(3), " ColorDlg Error (internal-#2)");

    // Buttons 5 and 6 copy and paste with colours.
    editor.settings().PastePreview = false;
    editor.setGridSelection({0, 0, 0, 0});
    put(0, 0, "Q");
    editor.canvas().SetColorCell(0, 0, 0x0000FF);
    ColorWindowToolButton(editor, 5);
    DeliverColorNotifications(editor);
    editor.setGridSelection({2, 1, 2, 1});
    ColorWindowToolButton(editor, 6);
    DeliverColorNotifications(editor);
    EXPECT_EQ(editor.canvas().text(2, 1), "Q");
    EXPECT_EQ(editor.canvas().background(2, 1), 0x0000FFu);
}

using Notes = std::vector<ColorNotification>;

TEST(ColorWindowModel, PalettesFillColumnsAndRowsAndPixelsMapToSwatches) {
    const ColorWindowModel model;
    EXPECT_EQ(model.rgbSwatch(1, 0), 0xCFC8FFu);  // the RGB palette runs down each column
    EXPECT_EQ(model.ansiSwatch(6, 0), 0xA0A800u); // the ANSI one along each row
    EXPECT_EQ(model.ansiSwatch(2, 2), kBlack);    // left over after the 16th
    EXPECT_EQ(model.colorAt(ColorWindowImage::RgbPalette, 139, 139), 0x2F002Fu);
    EXPECT_EQ(model.colorAt(ColorWindowImage::RgbPalette, 140, 0), std::nullopt);
    EXPECT_EQ(model.colorAt(ColorWindowImage::FreeColor, 19, 19), 0x800000u);
    EXPECT_EQ(model.colorAt(ColorWindowImage::FreeColor, 20, 0), std::nullopt);

    // Entries are blue first; junk reads as black.
    EXPECT_EQ(parsePaletteText("0000FF,zz,12"), (std::vector<Color>{0x0000FF, 0, 0x12}));
    EXPECT_TRUE(parsePaletteText("").empty());
}

TEST(ColorWindowModel, ClicksAndButtonsSendColoursCommandsOrTheRightErrorText) {
    // A refused click or button sends error 1027 with a number; the main window shows its
    // text. (25, 45) is column 2, row 3: pure red in the RGB palette, ANSI colour 15.
    const auto sent = [](const Notes& notes) -> std::string {
        if (notes.size() != 1)
            return "none";
        if (notes[0].code == kNotifyError)
            return std::string(colorWindowErrorText(notes[0].value));
        return std::to_string(notes[0].code) + " " + colorToHex(notes[0].value);
    };
    const auto click = [&](ColorWindowImage image, MouseButton button, ColorMode mode) {
        return sent(ColorWindowModel().click(image, 25, 45, button, mode));
    };
    using I = ColorWindowImage;
    using B = MouseButton;
    using M = ColorMode;
    EXPECT_EQ(click(I::RgbPalette, B::Left, M::Plain), "No RGB colors allowed - Wrong color mode.");
    EXPECT_EQ(click(I::FreeColor, B::Left, M::Ansi), "none"); // (25, 45) is outside
    EXPECT_EQ(click(I::RgbPalette, B::Left, M::FontColored), "1025 FF0000");
    EXPECT_EQ(click(I::RgbPalette, B::Right, M::FontColored),
              "No RGB bgcolors allowed - Wrong color mode.");
    EXPECT_EQ(click(I::RgbPalette, B::Middle, M::FullColored), "1026 FF0000");
    EXPECT_EQ(click(I::AnsiPalette, B::Right, M::Plain),
              "No ANSI colors allowed - Wrong color mode.");
    EXPECT_EQ(click(I::AnsiPalette, B::Right, M::FontColored),
              "No ANSI bgcolors allowed - Wrong color mode.");
    EXPECT_EQ(click(I::AnsiPalette, B::Right, M::Ansi), "1026 FFF8FF");

    ColorWindowModel model;
    model.setFreeColor(0x123456);
    EXPECT_EQ(sent(model.click(I::FreeColor, 3, 3, B::Right, M::FullColored)), "1026 563412");
    EXPECT_EQ(model.sampleBack(), 0x123456u);
    EXPECT_EQ(model.sampleFont(), kBlack); // a refused click changes no sample

    // Buttons 3 and 4 colour cells and need colours (4: backgrounds); the others always go.
    EXPECT_EQ(model.toolButton(1, M::Plain), (Notes{{kNotifyCommand, 1}}));
    EXPECT_EQ(sent(model.toolButton(3, M::Plain)), "No colors allowed - Wrong color mode.");
    EXPECT_EQ(model.toolButton(3, M::FontColored), (Notes{{kNotifyCommand, 3}}));
    EXPECT_EQ(sent(model.toolButton(4, M::FontColored)), "No bgcolors allowed - Wrong color mode.");
    EXPECT_EQ(model.toolButton(7, M::Plain), Notes{});
    EXPECT_EQ(colorWindowErrorText(0xFFFFFFFFu), " ColorDlg Error (internal-#1)");
}

} // namespace
} // namespace glyphora
