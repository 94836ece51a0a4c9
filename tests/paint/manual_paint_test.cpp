#include "app/editor.h"
#include "color/color_commands.h"
#include "paint/manual_paint_commands.h"
#include "platform/headless_ui.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

struct ManualPaint : ::testing::Test {
    test::TempDir dir;
    HeadlessUi ui;
    Editor editor{ui, dir.path(), "321"};

    void SetUp() override {
        editor.canvas().setSize(3, 2);
        editor.canvas().clearTexts();
        editor.settings().ShowInfoMessages = false;
        editor.ActiveFontColor = 0x0000FF;
        editor.ActiveBackColor = 0x00FF00;
    }
};

TEST_F(ManualPaint, SwitchesToggleAndAllThreePaintInOneMove) {
    SetModeFullColored(editor);
    editor.ActiveFontColor = 0x0000FF;
    editor.ActiveBackColor = 0x00FF00;
    EXPECT_FALSE(ShiftMouseMovePaint(editor, 1, 1)); // every switch off
    EXPECT_FALSE(editor.canvas().hasOwnFont(1, 1));
    ManualPaintChar(editor);
    ManualPaintFont(editor);
    ManualPaintBack(editor);
    EXPECT_TRUE(isManualPaintCharChecked(editor));
    EXPECT_TRUE(isManualPaintFontChecked(editor));
    EXPECT_TRUE(isManualPaintBackChecked(editor));
    editor.settings().SolidChar = "@x";
    const int snapshots = editor.undoRing().count();
    EXPECT_TRUE(ShiftMouseMovePaint(editor, 1, 1));
    EXPECT_EQ(editor.canvas().text(1, 1), "@");
    EXPECT_EQ(editor.canvas().foreground(1, 1), 0x0000FFu);
    EXPECT_EQ(editor.canvas().background(1, 1), 0x00FF00u);
    EXPECT_EQ(editor.undoRing().count(), snapshots);
    EXPECT_FALSE(ShiftMouseMovePaint(editor, 3, 0)); // beside the canvas: nothing, no error
    const std::size_t lines = ui.transcript().size();
    EXPECT_FALSE(ShiftMouseMovePaint(editor, -1, 0));
    EXPECT_EQ(ui.transcript().size(), lines);

    editor.settings().SolidChar = "";
    ShiftMouseMovePaint(editor, 0, 0);
    EXPECT_EQ(editor.canvas().text(0, 0), "");
    ManualPaintChar(editor);
    EXPECT_FALSE(isManualPaintCharChecked(editor));
}

TEST_F(ManualPaint, ColourSwitchesActOnlyWhileTheirItemIsEnabled) {
    ManualPaintFont(editor);
    ManualPaintBack(editor);
    EXPECT_FALSE(manualPaintFontActive(editor)); // Plain: both items disabled
    EXPECT_FALSE(ShiftMouseMovePaint(editor, 0, 0));
    EXPECT_FALSE(editor.canvas().hasOwnFont(0, 0));

    SetModeFontColored(editor);
    editor.ActiveFontColor = 0x0000FF;
    editor.ActiveBackColor = 0x00FF00;
    EXPECT_TRUE(manualPaintFontActive(editor));
    EXPECT_FALSE(manualPaintBackActive(editor));
    EXPECT_TRUE(isManualPaintBackChecked(editor)); // the check mark stays
    ShiftMouseMovePaint(editor, 0, 0);
    EXPECT_EQ(editor.canvas().foreground(0, 0), 0x0000FFu);
    EXPECT_FALSE(editor.canvas().hasOwnBrush(0, 0));

    ManualPaintChar(editor); // the character switch works in every mode
    SetModePlain(editor);
    ShiftMouseMovePaint(editor, 2, 1);
    EXPECT_EQ(editor.canvas().text(2, 1), "#");
    EXPECT_FALSE(editor.canvas().hasOwnFont(2, 1));
}

} // namespace
} // namespace glyphora
