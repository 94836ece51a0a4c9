#include "app/editor.h"
#include "app/window_commands.h"
#include "editor_fixture.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

using EditorFixture = test::EditorTest;

std::array<int, 4> selectionFields(const Editor& editor) {
    const auto& s = editor.sel();
    return {s.SelLeft, s.SelTop, s.SelRight, s.SelBottom};
}

// The rest of the start state, the cell size included, shows in the CLI's dump.
TEST_F(EditorFixture, GreetsAndSizesCellsByTheMeasuredFontAndExpansion) {
    EXPECT_EQ(editor.status().field(3), " W E L C O M E ");
    EXPECT_EQ(row(10), welcomePicture()[10]);
    const CellMetrics& m = editor.canvas().metrics;
    editor.ApplyFontSize(10); // headless "A" at 10 points is 8 x 15
    editor.cellExpansionDisabled = true;
    editor.updateCellSize();
    EXPECT_EQ(m.colWidth, 8);
    editor.ApplyFontSize(1000);
    EXPECT_EQ(editor.canvas().font().size, 30);
    editor.ApplyFontSize(-3);
    EXPECT_EQ(editor.canvas().font().size, 2);
    EXPECT_FALSE(editor.canvas().hasOwnFont(0, 0));
    // Outside Plain mode every cell gets an own font.
    editor.setColorMode(ColorMode::FullColored);
    editor.updateCellSize();
    EXPECT_TRUE(editor.canvas().hasOwnFont(79, 49));
}

using Rang = EditorFixture;

TEST_F(Rang, SnapshotsUnlessSuspendedOrUndoIsOffAndReportsTheSize) {
    editor.suspendSnapshots = true;
    editor.normalizeSelection();
    editor.suspendSnapshots = false;
    editor.settings().EnableUndo = false;
    editor.normalizeSelection();
    EXPECT_FALSE(std::filesystem::exists(dir / "Undo"));

    editor.settings().EnableUndo = true;
    editor.setGridSelection({4, 6, 4, 6});
    editor.normalizeSelection();
    EXPECT_EQ(editor.status().field(3), "Selection set to 1x1");
    EXPECT_EQ(editor.undoRing().count(), 1);
    EXPECT_TRUE(std::filesystem::exists(dir / "Undo" / "~temp1231.dat"));
}

TEST_F(Rang, NormalisesCornersAndClampsTo500Cells) {
    editor.canvas().setSize(1000, 1000);
    editor.setGridSelection({600, 20, 100, 10}); // 501 wide: one too many
    editor.normalizeSelection();
    EXPECT_EQ(selectionFields(editor), (std::array{100, 10, 599, 20}));
    EXPECT_EQ(editor.status().field(3), "Selection out of range (x>499). Set x:=499");
    EXPECT_EQ(std::count(ui.transcript().begin(), ui.transcript().end(), "beep"), 1);

    editor.setGridSelection({0, 0, 499, 600});
    editor.normalizeSelection();
    EXPECT_EQ(selectionFields(editor), (std::array{0, 0, 499, 499})); // exactly 500 wide stays
    EXPECT_EQ(editor.status().field(3), "Selection out of range (y>499). Set y:=499");
}

// The CLI's dump shows the fields and the position a selection sets.
TEST_F(EditorFixture, GridSelectionTakesCornersInAnyOrderAndStaysInTheCanvas) {
    editor.setGridSelection({9, 7, 2, 3});
    EXPECT_EQ(editor.gridSelection(), (CellRect{2, 3, 9, 7}));
    EXPECT_EQ(editor.sel().CursorCol, 2);
    editor.setGridSelection({-5, 0, 500, 70});
    EXPECT_EQ(editor.gridSelection(), (CellRect{0, 0, 79, 49}));
}

// The CLI's dump shows them applied at once; here they read back.
TEST_F(EditorFixture, SettingsThatLiveElsewhereReadBack) {
    for (const auto& [name, value] : {std::pair{"FontSize", "12"}, std::pair{"ColorMode", "3"},
                                      std::pair{"MainGridColor", "000080"},
                                      std::pair{"ShowGrid", "N"}, std::pair{"UndoSteps", "3"}})
        EXPECT_EQ(editor.setSetting(name, value), "") << name;
    const Settings s = editor.currentSettings();
    EXPECT_EQ(s.FontSize, 12);
    EXPECT_EQ(s.ColorMode, ColorMode::FullColored);
    EXPECT_EQ(s.MainGridColor, 0x800000u);
    EXPECT_FALSE(s.ShowGrid);
    EXPECT_EQ(s.UndoSteps, 3);
}

} // namespace
} // namespace glyphora
