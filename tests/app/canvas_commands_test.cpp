#include "app/editor.h"
#include "canvas/canvas_commands.h"
#include "editor_fixture.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

struct CanvasCommands : test::EditorTest {
    void writeCommand(const std::string& text) {
        editor.normalizeSelection();
        editor.canvas().setText(editor.sel().SelLeft, editor.sel().SelTop, text);
    }
};

TEST_F(CanvasCommands, UndoWalksBackThroughTheRingThenRefuses) {
    editor.settings().UndoSteps = 3;
    for (int i = 1; i <= 5; ++i)
        writeCommand(std::to_string(i));
    editor.scrollTo(10, 20);
    editor.canvas().setSize(3, 3); // undo restores the size the snapshot had

    Undo(editor);
    EXPECT_EQ(editor.canvas().text(0, 0), "4");
    EXPECT_EQ(editor.canvas().colCount(), 80);
    EXPECT_EQ(editor.canvas().widthField, "80");
    EXPECT_EQ(ui.scrollPosition(), (std::pair<int, int>{10, 20})); // scroll position restored
    Undo(editor);
    Undo(editor);
    EXPECT_EQ(editor.canvas().text(0, 0), "2");
    Undo(editor);
    EXPECT_EQ(editor.canvas().text(0, 0), "2");
    EXPECT_EQ(editor.status().field(3), " No undo possible.");
    EXPECT_EQ(ui.cursor(), AppCursor::Normal);
}

TEST_F(CanvasCommands, UndoSwitchedOffDoesNothingAndKeepsTheRing) {
    const std::string before(editor.canvas().text(0, 0));
    writeCommand("a");
    ToggleUndo(editor);
    EXPECT_FALSE(editor.settings().EnableUndo);
    writeCommand("b"); // no snapshot while off
    Undo(editor);
    EXPECT_EQ(editor.canvas().text(0, 0), "b");
    ToggleUndo(editor);
    Undo(editor);
    EXPECT_EQ(editor.canvas().text(0, 0), before); // the snapshot taken before "a"
    EXPECT_EQ(editor.undoRing().count(), 0);
}

TEST_F(CanvasCommands, FontDialogAppliesAClampedFontAndKeepsCellColours) {
    editor.canvas().SetFontCell(1, 1, 0x0000FF);
    ui.queueAnswer("Liberation Mono 40 italic 00FF00");
    ChooseFont(editor);
    const TextFont& font = editor.canvas().font();
    EXPECT_EQ(font.name, "Liberation Mono");
    EXPECT_EQ(font.size, 30);
    EXPECT_TRUE(font.italic);
    EXPECT_EQ(font.color, 0x00FF00u);
    EXPECT_EQ(editor.canvas().foreground(1, 1), 0x0000FFu);
    // Cells that followed the default show the new colour, as do cells the canvas grows.
    EXPECT_EQ(editor.canvas().foreground(0, 0), 0x00FF00u);
    editor.canvas().setSize(editor.canvas().colCount() + 1, editor.canvas().rowCount());
    EXPECT_EQ(editor.canvas().foreground(editor.canvas().colCount() - 1, 0), 0x00FF00u);
    EXPECT_EQ(editor.canvas().metrics.colWidth, 24 + 2);

    ui.queueAnswer("cancel");
    ChooseFont(editor);
    EXPECT_EQ(editor.canvas().font().size, 30);
}

TEST_F(CanvasCommands, RefreshFontPinsEveryCellToItsPresentColour) {
    editor.canvas().SetFontCell(2, 0, 0x00FFFF);
    RefreshFont(editor);
    editor.canvas().setDefaultFontColor(0x123456);
    EXPECT_EQ(editor.canvas().foreground(0, 0), kBlack);
    EXPECT_EQ(editor.canvas().foreground(2, 0), 0x00FFFFu);
}

} // namespace
} // namespace glyphora
