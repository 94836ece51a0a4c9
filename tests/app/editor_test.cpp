#include "app/editor.h"
#include "app/window_commands.h"
#include "editor_fixture.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

using EditorFixture = test::EditorTest;

using EditorStart = EditorFixture;

// The rest of the start state shows in the CLI's dump of a fresh editor.
TEST_F(EditorStart, GreetsAndSizesCellsByTheMeasuredFont) {
    EXPECT_EQ(editor.status().field(3), " W E L C O M E ");
    EXPECT_EQ(row(10), welcomePicture()[10]);
    // Headless "A" at 6 points is 5 x 9, plus the expansion of 2.
    EXPECT_EQ(editor.canvas().metrics.colWidth, 7);
    EXPECT_EQ(editor.canvas().metrics.rowHeight, 11);
    EXPECT_EQ(editor.canvas().metrics.gridLineWidth, 1);
}

TEST(WelcomePicture, IsFiftyLinesAtMostEightyWideEndingInBlanks) {
    const TextLines& lines = welcomePicture();
    ASSERT_EQ(lines.size(), 50u);
    std::size_t widest = 0;
    for (const std::string& line : lines) {
        widest = std::max(widest, line.size());
        for (const char ch : line)
            EXPECT_TRUE(ch >= 32 && ch < 127);
    }
    EXPECT_EQ(widest, 80u);
    EXPECT_EQ(lines.back(), std::string(80, ' '));
}

using Rang = EditorFixture;

TEST_F(Rang, SnapshotsUnlessSuspendedOrUndoIsOffAndReportsTheSize) {
    editor.suspendSnapshots = true;
    editor.rang();
    editor.suspendSnapshots = false;
    editor.settings().EnableUndo = false;
    editor.rang();
    EXPECT_FALSE(std::filesystem::exists(dir / "Undo"));

    editor.settings().EnableUndo = true;
    editor.setGridSelection({4, 6, 4, 6});
    editor.rang();
    EXPECT_EQ(editor.status().field(3), "Selection set to 1x1");
    EXPECT_EQ(editor.undoRing().count(), 1);
    EXPECT_TRUE(std::filesystem::exists(dir / "Undo" / "~temp1231.dat"));
}

TEST_F(Rang, NormalisesCornersAndClampsTo500Cells) {
    editor.canvas().setSize(1000, 1000);
    editor.sel().SelEndCol = 600; // 501 wide: one too many
    editor.sel().SelStartCol = 100;
    editor.sel().SelEndRow = 10;
    editor.sel().SelStartRow = 20;
    editor.rang();
    EXPECT_EQ(editor.sel().SelLeft, 100);
    EXPECT_EQ(editor.sel().SelRight, 599);
    EXPECT_EQ(editor.sel().SelTop, 10);
    EXPECT_EQ(editor.sel().SelBottom, 20);
    EXPECT_EQ(editor.status().field(3), "Selection out of range (x>499). Set x:=499");
    EXPECT_EQ(std::count(ui.transcript().begin(), ui.transcript().end(), "beep"), 1);

    editor.setGridSelection({0, 0, 499, 600});
    editor.rang();
    EXPECT_EQ(editor.sel().SelRight, 499); // exactly 500 wide stays
    EXPECT_EQ(editor.sel().SelBottom, 499);
    EXPECT_EQ(editor.status().field(3), "Selection out of range (y>499). Set y:=499");
}

TEST_F(EditorFixture, GridSelectionFillsTheFieldsAndPosition) {
    editor.setGridSelection({9, 7, 2, 3}); // corners in any order
    EXPECT_EQ(editor.gridSelection(), (CellRect{2, 3, 9, 7}));
    EXPECT_EQ(editor.sel().CursorCol, 2);
    EXPECT_EQ(editor.sel().SelEndRow, 3);
    EXPECT_EQ(editor.sel().SelStartCol, 9);
    EXPECT_EQ(editor.sel().SelStartRow, 7);
    EXPECT_EQ(editor.status().field(0), "Pos.: X=3 Y=4");
    editor.setGridSelection({-5, 0, 500, 70}); // kept inside the canvas
    EXPECT_EQ(editor.gridSelection(), (CellRect{0, 0, 79, 49}));
}

TEST_F(EditorFixture, ZellenSizesCellsByFontAndExpansion) {
    editor.ApplyFontSize(10);
    EXPECT_EQ(editor.canvas().metrics.colWidth, 10);
    EXPECT_EQ(editor.canvas().metrics.rowHeight, 17);
    editor.cellExpansionDisabled = true;
    editor.Zellen();
    EXPECT_EQ(editor.canvas().metrics.colWidth, 8);
    editor.ApplyFontSize(1000);
    EXPECT_EQ(editor.canvas().font().size, 30);
    editor.ApplyFontSize(-3);
    EXPECT_EQ(editor.canvas().font().size, 2);
    EXPECT_FALSE(editor.canvas().hasOwnFont(0, 0));
    // Outside Plain mode every cell gets an own font.
    editor.setColorMode(ColorMode::FullColored);
    editor.Zellen();
    EXPECT_TRUE(editor.canvas().hasOwnFont(79, 49));
}

TEST_F(EditorFixture, SettingsThatLiveElsewhereApplyAtOnceAndReadBack) {
    EXPECT_EQ(editor.setSetting("FontSize", "12"), "");
    EXPECT_EQ(editor.canvas().font().size, 12);
    EXPECT_EQ(editor.setSetting("ColorMode", "3"), "");
    EXPECT_EQ(editor.setSetting("MainGridColor", "000080"), "");
    EXPECT_EQ(editor.canvas().defaultColor(), 0x800000u);
    EXPECT_EQ(editor.setSetting("ShowGrid", "N"), "");
    EXPECT_EQ(editor.canvas().metrics.gridLineWidth, 0);
    EXPECT_EQ(editor.setSetting("UndoSteps", "3"), "");

    const Settings s = editor.currentSettings();
    EXPECT_EQ(s.FontSize, 12);
    EXPECT_EQ(s.ColorMode, ColorMode::FullColored);
    EXPECT_EQ(s.MainGridColor, 0x800000u);
    EXPECT_FALSE(s.ShowGrid);
    EXPECT_EQ(s.UndoSteps, 3);
    EXPECT_NE(editor.setSetting("Nope", "1"), "");
    EXPECT_NE(editor.setSetting("FontSize", "big"), "");
    EXPECT_EQ(editor.canvas().font().size, 12);
}

} // namespace
} // namespace glyphora
