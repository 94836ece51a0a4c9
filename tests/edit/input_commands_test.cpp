#include "edit/input_commands.h"
#include "editor_fixture.h"
#include "paint/canvas_picture.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

using Input = test::EditorTest;

TEST_F(Input, TypingAdvancesLikeATypewriterAndWrapsToTheTopLeft) {
    editor.canvas().setSize(3, 2);
    editor.canvas().clearTexts();
    click(1, 1);
    type("ab");
    EXPECT_EQ(editor.gridSelection(), (CellRect{0, 0, 0, 0})); // wrapped past the last cell
    // Control keys change nothing.
    type("c\r\b\t\x1b");
    EXPECT_EQ(test::picture(editor.canvas()), (test::Rows{"c@@", "@ab"}));
    EXPECT_EQ(editor.sel().CursorCol, 1);
    EXPECT_EQ(editor.undoRing().count(), 0); // typing takes no snapshot
}

TEST_F(Input, TypingWithManualColourAndDoubleClicksColourWhatTheModeAllows) {
    editor.ActiveFontColor = 0x0000FF;
    editor.ActiveBackColor = 0x00FF00;
    editor.canvas().SetColorCell(0, 0, 0x111111);
    click(0, 0);
    type("k");
    EXPECT_EQ(editor.canvas().background(0, 0), 0x111111u); // switches off: colours kept
    editor.colorState().ManualPaintFont = editor.colorState().ManualPaintBack = true;
    editor.setColorMode(ColorMode::FullColored);
    type("m");
    EXPECT_EQ(editor.canvas().foreground(1, 0), 0x0000FFu);
    EXPECT_EQ(editor.canvas().background(1, 0), 0x00FF00u);

    // A double click colours what the mode allows: nothing, the foreground, both.
    const std::pair<ColorMode, int> modes[] = {
        {ColorMode::Plain, 0}, {ColorMode::FontColored, 1}, {ColorMode::FullColored, 2}};
    for (const auto& [mode, coloured] : modes) {
        click(2, 2 + coloured);
        editor.setColorMode(mode);
        Grid1DblClick(editor);
        EXPECT_EQ(editor.canvas().hasOwnFont(2, 2 + coloured), coloured >= 1) << coloured;
        EXPECT_EQ(editor.canvas().hasOwnBrush(2, 2 + coloured), coloured == 2) << coloured;
    }
}

TEST_F(Input, ClickingSetsTheCursorAtOnceAndTheOtherCornerFromThePreviousSelection) {
    editor.setGridSelection({2, 2, 6, 5});
    canvasMousePress(editor, {10, 12}, MouseButton::Left, {});
    EXPECT_EQ(editor.sel().CursorCol, 10);
    EXPECT_EQ(editor.sel().SelEndRow, 12);
    EXPECT_EQ(editor.sel().SelStartCol, 6); // until the next move or key
    EXPECT_EQ(editor.sel().SelStartRow, 5);
    EXPECT_EQ(editor.status().field(0), "Pos.: X=11 Y=13");
    canvasMouseMove(editor, {10, 12}, false, {});
    EXPECT_EQ(editor.gridSelection(), (CellRect{10, 12, 10, 12}));
}

TEST_F(Input, DraggingShiftClickAndShiftArrowsStretchTheSelection) {
    click(5, 5);
    canvasMouseMove(editor, {2, 8}, true, {});
    EXPECT_EQ(editor.gridSelection(), (CellRect{2, 5, 5, 8}));
    click(9, 9, {true, false, false});
    EXPECT_EQ(editor.gridSelection(), (CellRect{5, 5, 9, 9}));
    click(3, 3);
    canvasArrowKey(editor, 1, 0, false);
    canvasArrowKey(editor, 0, 2, true);
    EXPECT_EQ(editor.gridSelection(), (CellRect{4, 3, 4, 5}));
    click(0, 0);
    canvasArrowKey(editor, -1, -1, false); // at the edge: stays
    EXPECT_EQ(editor.gridSelection(), (CellRect{0, 0, 0, 0}));
}

TEST_F(Input, MoveKeysGoAPageOrToAnEdgeAndAPageScrollsTheViewAlong) {
    editor.canvas().setSize(10, 12);
    editor.visibleRows = 8;
    click(3, 1);
    struct Step {
        GridMove move;
        bool shift;
        CellRect selection;
        int top; // the first visible row afterwards, at most 12 - 8
    };
    const Step steps[] = {
        {GridMove::PageDown, false, {3, 9, 3, 9}, 4},
        {GridMove::PageDown, false, {3, 11, 3, 11}, 4},
        {GridMove::PageUp, true, {3, 3, 3, 11}, 0},
        {GridMove::RowStart, true, {0, 3, 3, 11}, 0},
        {GridMove::CanvasStart, true, {0, 0, 3, 11}, 0},
        {GridMove::RowEnd, false, {9, 0, 9, 0}, 0},
        {GridMove::CanvasEnd, true, {9, 0, 9, 11}, 0},
    };
    for (const Step& step : steps) {
        canvasMoveKey(editor, step.move, step.shift);
        EXPECT_EQ(editor.gridSelection(), step.selection) << static_cast<int>(step.move);
        EXPECT_EQ(editor.firstVisibleRow, step.top) << static_cast<int>(step.move);
    }
    EXPECT_EQ(editor.status().field(0), "Pos.: X=10 Y=12");
}

TEST_F(Input, CtrlClickMarksABlockOfTheClipboardsSize) {
    editor.textClip.ClipLastCol = 3;
    editor.textClip.ClipLastRow = 1;
    click(10, 10, {false, true, false});
    EXPECT_EQ(editor.gridSelection(), (CellRect{10, 10, 13, 11}));
    EXPECT_EQ(std::count(ui.transcript().begin(), ui.transcript().end(), "beep"), 1);
}

} // namespace
} // namespace glyphora
