#include "color/color_commands.h"
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

TEST_F(ColorWindowLink, PicksAndCommandsAreHandledInOrderAndRefusalsAndUnknownNumbersReported) {
    ToggleColorWindow(editor);
    ColorWindowToolButton(editor, 4); // Plain: refused by the window, shown by the main one
    DeliverColorNotifications(editor);
    EXPECT_EQ(editor.status().field(3), "No bgcolors allowed - Wrong color mode.");
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
    EXPECT_EQ(editor.canvas().background(1, 0), 0x0000A0u);
    EXPECT_EQ(editor.canvas().background(0, 0), 0x123456u);
    EXPECT_TRUE(state.toColorWindow.empty());

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

} // namespace
} // namespace glyphora
