#include "edit/clipboard_commands.h"
#include "editor_fixture.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

struct ClipboardCommands : test::EditorTest {
    void SetUp() override {
        editor.canvas().setSize(10, 5);
        editor.canvas().clearTexts();
        editor.settings().PastePreview = false;
    }
};

TEST_F(ClipboardCommands, CopiesPutTrimmedOrRotatedLinesOnTheClipboardWithoutSnapshot) {
    put(0, 0, "ab  ");
    put(0, 1, " c  ");
    editor.setGridSelection({0, 0, 3, 1});
    CopyBlock(editor);
    EXPECT_EQ(ui.clipboardText(), "ab\r\n c");
    EXPECT_EQ(editor.textClip.ClipLastCol, 3);

    put(0, 0, "abc");
    put(0, 1, "def");
    editor.setGridSelection({0, 0, 2, 1});
    CopyRotated(editor); // clockwise
    EXPECT_EQ(ui.clipboardText(), "da\r\neb\r\nfc");
    EXPECT_EQ(editor.textClip.ClipLastCol, 1); // 2 wide
    EXPECT_EQ(editor.textClip.ClipLastRow, 2); // 3 high
    EXPECT_EQ(row(0, 0, 3), "abc");            // the canvas is not changed
    EXPECT_EQ(editor.undoRing().count(), 0);
}

TEST_F(ClipboardCommands, PastingWidensTheCanvasWithTheActiveColours) {
    editor.canvas().setSize(80, 5);
    editor.ActiveFontColor = 0x0000FF;
    editor.ActiveBackColor = 0x00FF00;
    ui.setClipboardText("0123456789\r\n0123456789\r\n0123456789");
    editor.setGridSelection({75, 0, 75, 0});
    PasteBlock(editor);
    EXPECT_EQ(editor.canvas().colCount(), 85);
    EXPECT_EQ(row(0, 75, 10), "0123456789");
    EXPECT_EQ(editor.canvas().background(84, 4), 0x00FF00u);
    EXPECT_EQ(editor.canvas().foreground(82, 4), 0x0000FFu);
    EXPECT_EQ(editor.undoRing().count(), 1);
}

TEST_F(ClipboardCommands, PasteOverUnderAndNothingToPaste) {
    put(0, 0, "xyz");
    ui.setClipboardText("a b");
    PasteOver(editor);
    EXPECT_EQ(row(0, 0, 3), "ayb");
    put(0, 0, "xyz");
    PasteUnder(editor);
    EXPECT_EQ(row(0, 0, 3), "xyz");
    ui.setClipboardText("");
    PasteBlock(editor);      // no lines: nothing
    PasteColorBlock(editor); // no colour copy yet: nothing
    EXPECT_EQ(row(0, 0, 3), "xyz");
    EXPECT_FALSE(editor.canvas().hasOwnFont(0, 0));
}

TEST_F(ClipboardCommands, CutFollowedByAClickMovesTheBlock) {
    editor.settings().PastePreview = true;
    put(0, 0, "ab");
    editor.setGridSelection({0, 0, 1, 0});
    CutBlock(editor);
    ASSERT_TRUE(editor.preview.PreviewActive);
    EXPECT_EQ(editor.status().field(3),
              "Click = paste, Ctrl+Click = paste over, Alt+Click = paste under");
    EXPECT_EQ(row(0, 0, 2), "  ");
    canvasMouseMove(editor, {5, 3}, false, {});
    EXPECT_EQ(editor.preview.col, 5); // the image follows the mouse
    EXPECT_EQ(editor.preview.row, 3);
    click(5, 3);
    EXPECT_FALSE(editor.preview.PreviewActive);
    EXPECT_EQ(row(3, 5, 2), "ab");
    EXPECT_EQ(editor.status().field(3), "");
}

TEST_F(ClipboardCommands, PreviewClicksChoosePasteOverOrUnderAndRightClickOrUncheckingEnds) {
    editor.settings().PastePreview = true;
    put(0, 0, "a b");
    put(0, 2, "xyz");
    editor.setGridSelection({0, 0, 2, 0});
    CopyBlock(editor);
    click(0, 2, {false, true, false});
    EXPECT_EQ(row(2, 0, 3), "ayb");

    put(0, 3, "x z");
    editor.setGridSelection({0, 0, 2, 0});
    CopyBlock(editor);
    click(0, 3, {false, false, true});
    EXPECT_EQ(row(3, 0, 3), "x z"); // under: the canvas stays on top, its blank takes " "

    CopyBlock(editor);
    click(4, 4, {}, MouseButton::Right);
    EXPECT_FALSE(editor.preview.PreviewActive);
    EXPECT_EQ(editor.status().field(3), "Paste preview deactivated.");
    EXPECT_EQ(row(4, 4, 3), ""); // nothing was pasted

    CopyBlock(editor); // unchecking the preview ends it too
    TogglePastePreview(editor);
    EXPECT_FALSE(editor.preview.PreviewActive);
    EXPECT_FALSE(editor.settings().PastePreview);
}

TEST_F(ClipboardCommands, ColourCopyPreviewPastesWithColoursEvenInPlainMode) {
    editor.settings().PastePreview = true;
    put(0, 0, "q");
    editor.canvas().SetFontCell(0, 0, 0x0000FF);
    editor.canvas().SetColorCell(0, 0, 0x00FF00);
    editor.setGridSelection({0, 0, 0, 0});
    CopyColorBlock(editor);
    EXPECT_TRUE(editor.preview.PasteWithColor);
    click(7, 4);
    EXPECT_EQ(editor.canvas().text(7, 4), "q");
    EXPECT_EQ(editor.canvas().foreground(7, 4), 0x0000FFu);
    EXPECT_EQ(editor.canvas().background(7, 4), 0x00FF00u);
    EXPECT_FALSE(editor.preview.PasteWithColor);
}

TEST_F(ClipboardCommands, DeleteBlanksWithSnapshot) {
    put(0, 0, "abc");
    editor.canvas().SetColorCell(1, 0, 0x123456);
    editor.setGridSelection({1, 0, 2, 0});
    DeleteBlock(editor);
    EXPECT_EQ(row(0, 0, 3), "a  ");
    EXPECT_EQ(editor.canvas().background(1, 0), 0x123456u);
    EXPECT_EQ(editor.undoRing().count(), 1);
    EXPECT_EQ(ui.clipboardText(), "");
}

TEST_F(ClipboardCommands, SelectionHelpers) {
    editor.setGridSelection({2, 1, 3, 2});
    CompleteCols(editor);
    EXPECT_EQ(editor.gridSelection(), (CellRect{2, 0, 3, 4}));
    editor.setGridSelection({2, 1, 3, 2});
    CompleteRows(editor);
    EXPECT_EQ(editor.gridSelection(), (CellRect{0, 1, 9, 2}));
    SelectAll(editor);
    EXPECT_EQ(editor.gridSelection(), (CellRect{0, 0, 9, 4}));
    EXPECT_EQ(editor.undoRing().count(), 0);
}

TEST_F(ClipboardCommands, LargeCopiesAreWholeUpTo500ButThePreviewShowsOnlyTheView) {
    editor.settings().PastePreview = true;
    editor.canvas().setSize(300, 200);
    editor.visibleCols = 50;
    editor.visibleRows = 20;
    editor.setGridSelection({10, 10, 200, 150});
    CopyBlock(editor);
    EXPECT_EQ(editor.preview.block, (CellRect{10, 10, 59, 29}));
    EXPECT_EQ(editor.textClip.ClipLastCol, 190); // the copy itself is whole
    EXPECT_TRUE(saw("preview: 50 x 20 at 10,10"));

    editor.canvas().setSize(600, 3);
    CopyAll(editor); // cut to 500 columns
    EXPECT_EQ(editor.textClip.ClipLastCol, 499);
    EXPECT_TRUE(saw("status3: Selection out of range (x>499). Set x:=499"));
}

TEST_F(ClipboardCommands, NavigatorStepsStayInsideAndKeepTheRectangleValid) {
    editor.setGridSelection({1, 1, 2, 2});
    const std::pair<NavStep, CellRect> steps[] = {
        {NavStep::MoveRight, {2, 1, 3, 2}},      {NavStep::LeftEdgeRight, {3, 1, 3, 2}},
        {NavStep::LeftEdgeRight, {3, 1, 3, 2}}, // would pass the right edge
        {NavStep::TopEdgeUp, {3, 0, 3, 2}},      {NavStep::TopEdgeUp, {3, 0, 3, 2}}, // outside
        {NavStep::BottomEdgeDown, {3, 0, 3, 3}}, {NavStep::BottomEdgeDown, {3, 0, 3, 4}},
        {NavStep::BottomEdgeDown, {3, 0, 3, 4}}, {NavStep::None, {3, 0, 3, 4}},
        {NavStep::CompleteRows, {0, 0, 9, 4}},
    };
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        navigateSelection(editor, steps[i].first);
        EXPECT_EQ(editor.gridSelection(), steps[i].second) << "step " << i;
    }
    EXPECT_EQ(editor.sel().CursorCol, 0);
}

} // namespace
} // namespace glyphora
