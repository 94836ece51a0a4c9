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

TEST_F(Input, RedefinedDigitKeysTypeLineArt) {
    editor.settings().RedefineKeys = true;
    click(0, 0);
    type("12345");
    EXPECT_EQ(row(0, 0, 5), "/\\3_|");
}

TEST_F(Input, TypingWithManualColourAndDoubleClicksColourWhatTheModeAllows) {
    editor.ActiveFontColor = 0x0000FF;
    editor.ActiveBackColor = 0x00FF00;
    editor.canvas().SetColorCell(0, 0, 0x111111);
    click(0, 0);
    type("k");
    EXPECT_EQ(editor.canvas().background(0, 0), 0x111111u); // switches off: colours kept
    EXPECT_FALSE(editor.canvas().hasOwnFont(0, 0));
    editor.colorState().ManualPaintFont = editor.colorState().ManualPaintBack = true;
    type("p");
    Grid1DblClick(editor);
    EXPECT_FALSE(editor.canvas().hasOwnFont(1, 0)); // Plain mode: no colouring at all
    EXPECT_FALSE(editor.canvas().hasOwnFont(2, 0));

    editor.setColorMode(ColorMode::FullColored);
    type("m");
    EXPECT_EQ(editor.canvas().foreground(2, 0), 0x0000FFu);
    EXPECT_EQ(editor.canvas().background(2, 0), 0x00FF00u);

    click(2, 2);
    editor.setColorMode(ColorMode::FontColored);
    Grid1DblClick(editor);
    EXPECT_EQ(editor.canvas().foreground(2, 2), 0x0000FFu);
    EXPECT_FALSE(editor.canvas().hasOwnBrush(2, 2));
    editor.setColorMode(ColorMode::FullColored);
    Grid1DblClick(editor);
    EXPECT_EQ(editor.canvas().background(2, 2), 0x00FF00u);
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
    EXPECT_EQ(editor.sel().SelStartCol, 5);
    click(9, 9, {true, false, false});
    EXPECT_EQ(editor.gridSelection(), (CellRect{5, 5, 9, 9}));

    // Arrow keys move, shift arrows extend.
    click(3, 3);
    canvasArrowKey(editor, 1, 0, false);
    EXPECT_EQ(editor.gridSelection(), (CellRect{4, 3, 4, 3}));
    canvasArrowKey(editor, 0, 1, true);
    canvasArrowKey(editor, 0, 1, true);
    EXPECT_EQ(editor.gridSelection(), (CellRect{4, 3, 4, 5}));
    Grid1KeyDown(editor);
    EXPECT_EQ(editor.sel().SelStartRow, 5);
    click(0, 0);
    canvasArrowKey(editor, -1, -1, false); // at the edge: stays
    EXPECT_EQ(editor.gridSelection(), (CellRect{0, 0, 0, 0}));
}

TEST_F(Input, MoveKeysGoAPageOrToAnEdgeAndAPageScrollsTheViewAlong) {
    editor.canvas().setSize(10, 30);
    editor.visibleRows = 8;
    click(3, 5);
    struct Step {
        GridMove move;
        bool shift;
        CellRect selection;
        int top; // the first visible row afterwards
    };
    const Step steps[] = {
        {GridMove::PageDown, false, {3, 13, 3, 13}, 8},
        {GridMove::PageUp, true, {3, 5, 3, 13}, 0},
        {GridMove::PageDown, false, {3, 13, 3, 13}, 8},
        {GridMove::PageDown, false, {3, 21, 3, 21}, 16},
        {GridMove::PageDown, false, {3, 29, 3, 29}, 22}, // both stop at the canvas end
        {GridMove::PageDown, false, {3, 29, 3, 29}, 22},
        {GridMove::RowStart, true, {0, 29, 3, 29}, 22},
        {GridMove::CanvasStart, true, {0, 0, 3, 29}, 22},
        {GridMove::RowEnd, false, {9, 0, 9, 0}, 22},
        {GridMove::CanvasEnd, true, {9, 0, 9, 29}, 22},
    };
    for (const Step& step : steps) {
        canvasMoveKey(editor, step.move, step.shift);
        EXPECT_EQ(editor.gridSelection(), step.selection) << static_cast<int>(step.move);
        EXPECT_EQ(editor.firstVisibleRow, step.top) << static_cast<int>(step.move);
    }
    EXPECT_EQ(editor.status().field(0), "Pos.: X=10 Y=30");
    Grid1KeyDown(editor); // the next key hands the selection to the fields
    EXPECT_EQ(editor.sel().CursorRow, 0);
    EXPECT_EQ(editor.sel().SelStartRow, 29);
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
