#include "edit/clipboard.h"
#include "edit/clipboard_commands.h"
#include "editor_fixture.h"
#include "paint/canvas_picture.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

struct ClipboardCommands : test::EditorTest {
    void SetUp() override {
        editor.canvas().setSize(10, 5);
        editor.canvas().clearTexts();
        editor.settings().PastePreview = false;
    }
    void copy(CellRect block, void (*command)(Editor&) = CopyBlock) {
        editor.setGridSelection(block);
        command(editor);
    }
};

TEST_F(ClipboardCommands, CopiesPutTrimmedOrRotatedLinesOnTheClipboardWithoutSnapshot) {
    put(0, 0, "abc  ");
    put(0, 1, "d");
    editor.canvas().setText(2, 1, "long");
    copy({0, 0, 4, 1});
    EXPECT_EQ(ui.clipboardText(), "abc\r\nd l");
    EXPECT_EQ(editor.textClip.ClipLastCol, 4);
    copy({0, 0, 2, 1}, CopyRotated); // clockwise: each column, read upwards, is a row
    EXPECT_EQ(ui.clipboardText(), "da\r\n b\r\nlc");
    EXPECT_EQ(row(0, 0, 3), "abc"); // the canvas is not changed
    EXPECT_EQ(editor.undoRing().count(), 0);
}

TEST_F(ClipboardCommands, TheSystemClipboardTranslatesThroughTheViewsByteSet) {
    put(0, 0, "\xB0\xDB\xE9");
    copy({0, 0, 2, 0});
    EXPECT_EQ(ui.clipboardText(), "\u00B0\u00DB\u00E9");
    editor.setGlyphSet(CharSet::Cp437);
    copy({0, 0, 2, 0});
    EXPECT_EQ(ui.clipboardText(), "\u2591\u2588\u0398");
    editor.setGridSelection({0, 1, 0, 1});
    PasteBlock(editor); // the same bytes come back
    EXPECT_EQ(row(1, 0, 3), "\xB0\xDB\xE9");
    ui.setClipboardText("\u00E9\u20AC"); // CP437 has an e acute elsewhere, no euro sign
    editor.setGridSelection({0, 2, 0, 2});
    PasteBlock(editor);
    EXPECT_EQ(row(2, 0, 2), "\x82?");
}

TEST_F(ClipboardCommands, PastesGrowTheCanvasWithTheActiveColoursWhenThereIsText) {
    editor.ActiveFontColor = 0x0000FF;
    editor.ActiveBackColor = 0x00FF00;
    put(8, 4, "zz");
    ui.setClipboardText("0 23\r\n4567"); // a plain paste writes its blanks too
    editor.setGridSelection({8, 4, 8, 4});
    PasteBlock(editor);
    EXPECT_EQ(editor.canvas().colCount(), 12);
    EXPECT_EQ(editor.canvas().rowCount(), 6);
    EXPECT_EQ(row(5, 8, 4), "4567");
    EXPECT_EQ(editor.canvas().background(11, 0), 0x00FF00u);
    EXPECT_EQ(editor.canvas().foreground(0, 5), 0x0000FFu);
    EXPECT_FALSE(editor.canvas().hasOwnBrush(9, 4)); // old cells keep theirs
    EXPECT_EQ(editor.undoRing().count(), 1);
    ui.setClipboardText("");
    PasteOver(editor);       // no lines: nothing
    PasteColorBlock(editor); // no colour copy yet: nothing
    EXPECT_EQ(row(4, 8, 4), "0 23");
}

TEST_F(ClipboardCommands, PreviewClicksChooseHowToPasteOrEndThePreview) {
    editor.settings().PastePreview = true;
    put(0, 0, "a b"); // and an empty cell after it
    put(0, 1, "abc");
    put(0, 2, "wxyz");
    put(0, 3, "v ");
    copy({0, 0, 3, 0});
    EXPECT_EQ(editor.status().field(3),
              "Click = paste, Ctrl+Click = paste over, Alt+Click = paste under");
    click(0, 2, {false, true, false});
    // Over: the block's blanks, empty or " ", let the canvas show through.
    EXPECT_EQ(test::picture(editor.canvas())[2], "axbz@@@@@@");
    EXPECT_EQ(editor.status().field(3), "");
    copy({0, 1, 2, 1});
    click(0, 3, {false, false, true}); // under: only the canvas's blanks take the block
    EXPECT_EQ(test::picture(editor.canvas())[3], "vbc@@@@@@@");

    copy({0, 0, 2, 0});
    click(4, 4, {}, MouseButton::Right);
    EXPECT_FALSE(editor.preview.PreviewActive);
    EXPECT_EQ(editor.status().field(3), "Paste preview deactivated.");
    EXPECT_EQ(row(4, 4, 3), ""); // nothing was pasted
    copy({0, 0, 2, 0});          // unchecking the preview ends it too
    TogglePastePreview(editor);
    EXPECT_FALSE(editor.preview.PreviewActive);
    EXPECT_FALSE(editor.settings().PastePreview);
}

TEST_F(ClipboardCommands, ACutOrAColourCopyMovesTheBlockToTheClick) {
    editor.settings().PastePreview = true;
    put(0, 0, "ab");
    editor.canvas().SetColorCell(0, 0, 0x123456);
    copy({0, 0, 1, 0}, CutBlock);
    EXPECT_EQ(row(0, 0, 2), "  ");
    EXPECT_EQ(editor.canvas().background(0, 0), 0x123456u); // the colours stay
    click(5, 3);
    EXPECT_EQ(row(3, 5, 2), "ab");

    editor.canvas().SetFontCell(5, 3, 0x0000FF);
    editor.canvas().SetColorCell(5, 3, 0x00FF00);
    copy({5, 3, 5, 3}, CopyColorBlock);
    EXPECT_TRUE(editor.preview.PasteWithColor);
    click(7, 4); // with colours even in Plain mode
    EXPECT_EQ(editor.canvas().text(7, 4), "a");
    EXPECT_EQ(editor.canvas().foreground(7, 4), 0x0000FFu);
    EXPECT_EQ(editor.canvas().background(7, 4), 0x00FF00u);
    EXPECT_FALSE(editor.preview.PasteWithColor);
}

TEST_F(ClipboardCommands, DeleteBlanksWithSnapshotAndSelectionHelpersTakeNone) {
    put(0, 0, "abc");
    copy({1, 0, 2, 0}, DeleteBlock);
    EXPECT_EQ(row(0, 0, 3), "a  ");
    EXPECT_EQ(editor.undoRing().count(), 1);
    EXPECT_EQ(ui.clipboardText(), "");

    copy({2, 1, 3, 2}, CompleteCols);
    EXPECT_EQ(editor.gridSelection(), (CellRect{2, 0, 3, 4}));
    SelectAll(editor);
    EXPECT_EQ(editor.gridSelection(), (CellRect{0, 0, 9, 4}));
    EXPECT_EQ(editor.undoRing().count(), 1);
}

TEST_F(ClipboardCommands, LargeCopiesAreWholeUpTo500ButThePreviewShowsOnlyTheView) {
    editor.settings().PastePreview = true;
    editor.canvas().setSize(300, 200);
    editor.visibleCols = 50;
    editor.visibleRows = 20;
    copy({10, 10, 200, 150});
    EXPECT_EQ(editor.textClip.ClipLastCol, 190); // the copy itself is whole
    EXPECT_TRUE(saw("preview: 50 x 20 at 10,10"));

    editor.canvas().setSize(600, 3);
    CopyAll(editor); // cut to 500 columns
    EXPECT_EQ(editor.textClip.ClipLastCol, 499);
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

TEST(Clipboard, ReadingTextAcceptsEveryLineBreakAndCutsTo500By500) {
    TextClip clip;
    ASSERT_TRUE(readClipboardText("ab\r\ncde\rf\ng", clip));
    EXPECT_EQ(clip.ClipLastCol, 2);
    EXPECT_EQ(clip.ClipLastRow, 3);
    EXPECT_EQ(clip.at(2, 0), " "); // short lines are padded with blanks
    EXPECT_EQ(clip.at(0, 3), "g");
    EXPECT_FALSE(readClipboardText("", clip));
    EXPECT_EQ(clip.ClipLastRow, 3);               // left alone
    ASSERT_TRUE(readClipboardText("\r\n", clip)); // one empty line: a single blank cell
    EXPECT_EQ(clip.ClipLastCol + clip.ClipLastRow, 0);
    EXPECT_EQ(clip.at(0, 0), " ");
    ASSERT_TRUE(readClipboardText(std::string("a\0b", 3), clip));
    EXPECT_EQ(clip.at(1, 0), std::string_view("\0", 1));

    std::string huge = std::string(100000, 'w');
    for (int i = 0; i < 100000; ++i)
        huge += "\nt";
    ASSERT_TRUE(readClipboardText(huge, clip));
    EXPECT_EQ(clip.ClipLastCol, 499);
    EXPECT_EQ(clip.ClipLastRow, 499);
}

} // namespace
} // namespace glyphora
