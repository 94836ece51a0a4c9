#include "app/command_table.h"
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

TEST_F(Input, CommandsActOnTheHighlightedCellsHoweverTheyWereSelected) {
    const CommandTable table;
    const auto press = [&](std::string_view key) {
        CommandTable::run(editor, *table.findByShortcut(key));
    };
    editor.canvas().setSize(5, 3);
    put(0, 0, "abcde");
    put(0, 1, "fghij");
    put(0, 2, "klmno");
    click(0, 0);
    // A press without a later move: the fields take the cell at once.
    canvasMousePress(editor, {3, 2}, MouseButton::Left, {});
    EXPECT_EQ(editor.sel().SelStartCol, 3);
    EXPECT_EQ(editor.status().field(0), "Pos.: X=4 Y=3");
    press("Del");
    EXPECT_EQ(row(0) + "|" + row(2), "abcde|klm o");
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
    const CommandTable table;
    editor.settings().EnableUndo = true;
    editor.canvas().setSize(10, 10);
    editor.canvas().clearTexts();
    CommandTable::run(editor, *table.findById("DeleteBlock")); // the 10 x 10 snapshot
    editor.canvas().setSize(80, 50);
    click(70, 40);
    canvasMouseMove(editor, {75, 45}, true, {});
    editor.preview.col = 75;
    CommandTable::run(editor, *table.findByShortcut("Ctrl+Z"));
    ASSERT_EQ(editor.canvas().colCount(), 10);
    const SelectionFields& sel = editor.sel();
    for (const int v : {sel.CursorCol, sel.CursorRow, sel.SelStartCol, sel.SelStartRow,
                        sel.SelLeft, sel.SelTop, sel.SelRight, sel.SelBottom,
                        editor.preview.col, editor.firstVisibleCol})
        EXPECT_LE(v, 9);

    // The text view coming back with fewer lines.
    click(9, 9);
    CommandTable::run(editor, *table.findById("ToggleTextView"));
    editor.textView().lines = {"ab"};
    CommandTable::run(editor, *table.findById("ToggleTextView"));
    ASSERT_EQ(editor.canvas().rowCount(), 1);
    EXPECT_EQ(editor.sel().CursorRow, 0);
    CommandTable::run(editor, *table.findByShortcut("Ctrl+C"));
    EXPECT_EQ(editor.textClip.ClipLastRow, 0);
    EXPECT_GE(editor.textClip.ClipLastCol, 0);
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

TEST_F(Input, CtrlClickMarksABlockOfTheClipboardsSize) {
    editor.textClip.ClipLastCol = 3;
    editor.textClip.ClipLastRow = 1;
    click(10, 10, {false, true, false});
    EXPECT_EQ(editor.gridSelection(), (CellRect{10, 10, 13, 11}));
    EXPECT_EQ(std::count(ui.transcript().begin(), ui.transcript().end(), "beep"), 1);
}

} // namespace
} // namespace glyphora
