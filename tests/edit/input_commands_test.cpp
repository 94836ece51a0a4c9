#include "edit/input_commands.h"
#include "editor_fixture.h"
#include "paint/canvas_picture.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

struct Input : test::EditorTest {
    const CommandTable table;
    void press(std::string_view key) { CommandTable::run(editor, *table.findByShortcut(key)); }
};

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
        canvasDoubleClick(editor);
        EXPECT_EQ(editor.canvas().hasOwnFont(2, 2 + coloured), coloured >= 1) << coloured;
        EXPECT_EQ(editor.canvas().hasOwnBrush(2, 2 + coloured), coloured == 2) << coloured;
    }
}

TEST_F(Input, CommandsActOnTheHighlightedCellsHoweverTheyWereSelected) {
    test::draw(editor.canvas(), {"abcde", "fghij", "klmno"});
    click(0, 0);
    // A press without a later move: the fields take the cell at once.
    canvasMousePress(editor, {3, 2}, MouseButton::Left, {});
    EXPECT_EQ(editor.status().field(0), "Pos.: X=4 Y=3");
    press("Del");
    EXPECT_EQ(test::picture(editor.canvas()), (test::Rows{"abcde", "fghij", "klm o"}));
    EXPECT_EQ(editor.status().field(3), "Selection set to 1x1");

    // Shift+arrows, then a shortcut without any key-down in between.
    click(2, 0);
    canvasArrowKey(editor, 1, 0, true);
    canvasArrowKey(editor, 1, 0, true);
    press("Ctrl+C");
    EXPECT_EQ(editor.textClip.ClipLastCol, 2);
    EXPECT_EQ(std::string(editor.textClip.at(0, 0)), "c");

    // A selection dragged past the last cell and released.
    click(0, 0);
    canvasMouseMove(editor, {9, 9}, true, {});
    canvasMouseRelease(editor);
    EXPECT_EQ(editor.sel().SelStartCol, 4);
    EXPECT_EQ(editor.sel().SelStartRow, 2);
}

TEST_F(Input, TheCursorAndSelectionStayInsideACanvasThatShrank) {
    editor.canvas().setSize(10, 10);
    runId("DeleteBlock"); // the 10 x 10 snapshot
    editor.canvas().setSize(80, 50);
    click(70, 40);
    canvasMouseMove(editor, {75, 45}, true, {});
    editor.preview.col = 75;
    press("Ctrl+Z");
    ASSERT_EQ(editor.canvas().colCount(), 10);
    const SelectionFields& sel = editor.sel();
    for (const int v :
         {sel.CursorCol, sel.CursorRow, sel.SelStartCol, sel.SelStartRow, sel.SelLeft, sel.SelTop,
          sel.SelRight, sel.SelBottom, editor.preview.col, editor.firstVisibleCol})
        EXPECT_LE(v, 9);

    // The text view coming back with fewer lines.
    click(9, 9);
    runId("ToggleTextView");
    editor.textView().lines = {"ab"};
    runId("ToggleTextView");
    ASSERT_EQ(editor.canvas().rowCount(), 1);
    EXPECT_EQ(editor.sel().CursorRow, 0);
    press("Ctrl+C");
    EXPECT_EQ(editor.textClip.ClipLastRow, 0);
}

TEST_F(Input, DraggingShiftClickShiftArrowsAndPagesStretchTheSelection) {
    click(5, 5);
    canvasMouseMove(editor, {2, 8}, true, {});
    EXPECT_EQ(editor.gridSelection(), (CellRect{2, 5, 5, 8}));
    click(9, 9, {true, false, false});
    EXPECT_EQ(editor.gridSelection(), (CellRect{5, 5, 9, 9}));
    click(0, 0);
    canvasArrowKey(editor, -1, -1, false); // at the edge: stays
    EXPECT_EQ(editor.gridSelection(), (CellRect{0, 0, 0, 0}));

    // A page is the visible rows; the view scrolls along, at most to the last full page.
    editor.canvas().setSize(10, 12);
    editor.visibleRows = 8;
    click(3, 1);
    const std::tuple<GridMove, bool, CellRect, int> steps[] = {
        {GridMove::PageDown, false, {3, 9, 3, 9}, 4},
        {GridMove::PageDown, false, {3, 11, 3, 11}, 4},
        {GridMove::PageUp, true, {3, 3, 3, 11}, 0},
    };
    for (const auto& [move, shift, selection, top] : steps) {
        canvasMoveKey(editor, move, shift);
        EXPECT_EQ(editor.gridSelection(), selection) << static_cast<int>(move);
        EXPECT_EQ(editor.firstVisibleRow, top) << static_cast<int>(move);
    }
}

} // namespace
} // namespace glyphora
