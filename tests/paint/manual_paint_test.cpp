#include "color/color_commands.h"
#include "editor_fixture.h"
#include "paint/manual_paint_commands.h"

namespace glyphora {
namespace {

constexpr Color kRed = 0x0000FF;
constexpr Color kGreen = 0x00FF00;

struct ManualPaint : test::EditorTest {
    void SetUp() override {
        editor.canvas().setSize(3, 2);
        editor.canvas().clearTexts();
        editor.settings().ShowInfoMessages = false;
    }
    void enter(void (*mode)(Editor&)) {
        mode(editor);
        editor.ActiveFontColor = kRed;
        editor.ActiveBackColor = kGreen;
    }
};

TEST_F(ManualPaint, SwitchedOnPartsPaintInOneMoveWithoutASnapshot) {
    enter(SetModeFullColored);
    EXPECT_FALSE(ShiftMouseMovePaint(editor, 1, 1)); // every switch off
    ManualPaintChar(editor);
    ManualPaintFont(editor);
    ManualPaintBack(editor);
    editor.settings().SolidChar = "@x";
    EXPECT_TRUE(ShiftMouseMovePaint(editor, 1, 1));
    EXPECT_EQ(row(1, 1, 1), "@");
    EXPECT_EQ(editor.canvas().foreground(1, 1), kRed);
    EXPECT_EQ(editor.canvas().background(1, 1), kGreen);
    EXPECT_EQ(editor.undoRing().count(), 0);
    const std::size_t lines = ui.transcript().size();
    EXPECT_FALSE(ShiftMouseMovePaint(editor, 3, 0)); // beside the canvas: nothing, no error
    EXPECT_FALSE(ShiftMouseMovePaint(editor, -1, 0));
    EXPECT_EQ(ui.transcript().size(), lines);

    editor.settings().SolidChar = ""; // paints the empty text
    editor.canvas().setText(0, 0, "z");
    ShiftMouseMovePaint(editor, 0, 0);
    EXPECT_EQ(editor.canvas().text(0, 0), "");
}

TEST_F(ManualPaint, ColourSwitchesActOnlyWhileTheirItemIsEnabled) {
    ManualPaintFont(editor);
    ManualPaintBack(editor);
    EXPECT_FALSE(manualPaintFontActive(editor)); // Plain: both items disabled
    EXPECT_FALSE(ShiftMouseMovePaint(editor, 0, 0));
    EXPECT_FALSE(editor.canvas().hasOwnFont(0, 0));

    enter(SetModeFontColored);
    EXPECT_FALSE(manualPaintBackActive(editor));
    EXPECT_TRUE(isManualPaintBackChecked(editor)); // the check mark stays
    ShiftMouseMovePaint(editor, 0, 0);
    EXPECT_EQ(editor.canvas().foreground(0, 0), kRed);
    EXPECT_FALSE(editor.canvas().hasOwnBrush(0, 0));

    ManualPaintChar(editor); // the character switch works in every mode
    enter(SetModePlain);
    ShiftMouseMovePaint(editor, 2, 1);
    EXPECT_EQ(row(1, 2, 1), "#");
    EXPECT_FALSE(editor.canvas().hasOwnFont(2, 1));
    ManualPaintChar(editor);
    EXPECT_FALSE(isManualPaintCharChecked(editor));
}

} // namespace
} // namespace glyphora
