#include "edit/clipboard_commands.h"
#include "edit/copy_grid.h"
#include "edit/copy_grid_commands.h"
#include "paint/picture_fixture.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

namespace fs = std::filesystem;

using test::Rows;

struct CopyGridCommands : test::PictureTest {
    CopyGrid& grid = editor.copyGrid;

    // The grid's rows, empty cells shown as "@".
    Rows shown() const { return test::picture(grid.cells()); }
    std::string lastLine() const { return ui.transcript().back(); }
};

TEST_F(CopyGridCommands, SavesFullWidthLinesThatOpenAgainAtTheSameSize) {
    EXPECT_EQ(copyGridFileName("art.TXT.bak"), "art.TXT.bak");
    EXPECT_EQ(copyGridFileName("art.asc"), "art.asc.txt");
    grid.load({"ab", "", "  c"}); // short rows end in empty cells, saved as blanks
    answers({(dir / "art").string()});
    SaveCopyGridFile(editor);
    EXPECT_EQ(test::readBytes(dir / "art.txt"), "ab \r\n   \r\n  c\r\n");

    grid.renew(2, 2);
    answers({(dir / "art.txt").string()});
    LoadCopyGridFile(editor);
    EXPECT_EQ(shown(), (Rows{"ab ", "   ", "  c"}));
    EXPECT_EQ(editor.undoRing().count(), 0);
}

TEST_F(CopyGridCommands, OpenFillsTheGridAsTextFillsTheCanvasOrLeavesIt) {
    test::writeBytes(dir / "mixed.asc", "abc\rd\n\r\nlonger line");
    answers({(dir / "mixed.asc").string()});
    LoadCopyGridFile(editor);
    EXPECT_EQ(lastLine(), "open: Text|*.txt;*.asc|*.*|*.* -> " + (dir / "mixed.asc").string());
    EXPECT_EQ(shown(), (Rows{"abc@@@@@@@@", "d@@@@@@@@@@", "@@@@@@@@@@@", "longer line"}));

    answers({"cancel", (dir / "missing.txt").string()});
    LoadCopyGridFile(editor);
    LoadCopyGridFile(editor);
    EXPECT_EQ(lastLine(), "message: Couldn`t read file.");
    EXPECT_EQ(shown().back(), "longer line");
}

TEST_F(CopyGridCommands, SaveAsksBeforeReplacingAndKeepsABackupWhenAskedTo) {
    grid.load({"ne"});
    const fs::path target = dir / "old.txt";
    test::writeBytes(target, "old");
    answers({target.string(), "no"});
    SaveCopyGridFile(editor);
    EXPECT_EQ(lastLine(), "confirm: File exists. Overwrite ? -> no");
    EXPECT_EQ(test::readBytes(target), "old");

    editor.settings().BackupFiles = true;
    answers({target.string(), "yes"});
    SaveCopyGridFile(editor);
    EXPECT_EQ(test::readBytes(target), "ne\r\n");
    EXPECT_EQ(test::readBytes(dir / "old.txt.bak"), "old");
}

TEST_F(CopyGridCommands, AFailedSaveIsReportedAndLeavesTheOldFileWhole) {
    // The write fails after a few bytes, as on a full disk: the file it was to replace must
    // survive that.
    const fs::path target = dir / "art.txt";
    test::writeBytes(target, "old art");
    grid.renew(10, 10);
    answers({target.string(), "yes"});
    {
        test::WriteFault fault(16);
        SaveCopyGridFile(editor);
    }
    EXPECT_EQ(lastLine(), "message: Couldn`t write file.");
    EXPECT_EQ(test::readBytes(target), "old art");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST_F(CopyGridCommands, NewAsksForTheSizeAndRefusesWhatIsNoSize) {
    grid.load({"abc", ""});
    answers({"x 4", "100000 100000", "cancel"});
    RenewCopyGrid(editor);
    EXPECT_EQ(editor.status().field(3), "ERROR: No integer value.");
    RenewCopyGrid(editor);
    EXPECT_EQ(editor.status().field(3), "ERROR: Canvas size too large.");
    RenewCopyGrid(editor);
    EXPECT_EQ(shown(), (Rows{"abc", "@@@"}));
    EXPECT_EQ(lastLine(), "size: New Canvas: 3 2 -> cancel");

    answers({"4 2"});
    RenewCopyGrid(editor);
    EXPECT_EQ(shown(), (Rows{"    ", "    "}));
}

TEST_F(CopyGridCommands, BlocksTravelBetweenCanvasAndGridThroughTheClipboard) {
    editor.settings().PastePreview = false;
    editor.canvas().clearTexts();
    put(0, 0, "0123456789");
    put(0, 1, "ab");
    editor.setGridSelection({0, 0, 9, 1});
    CopyBlock(editor);
    // Pasted near the right edge: only the columns that fit, and the grid does not grow.
    grid.renew(6, 3);
    grid.setSelection({3, 1, 3, 1});
    PasteIntoCopyGrid(editor);
    EXPECT_EQ(shown(), (Rows{"      ", "   012", "   ab "}));

    // And back: the grid's block, trailing blanks dropped, pastes onto the canvas.
    grid.setSelection({5, 2, 2, 1}); // dragged from the lower right
    CopyFromCopyGrid(editor);
    EXPECT_EQ(ui.clipboardText(), " 012\r\n ab");
    editor.setGridSelection({0, 3, 0, 3});
    PasteBlock(editor);
    EXPECT_EQ(row(4, 0, 3), " ab");

    BlankCopyGridSelection(editor);
    SelectWholeCopyGrid(editor);
    EXPECT_EQ(grid.selection(), (CellRect{0, 0, 5, 2}));
    CopyFromCopyGrid(editor);
    EXPECT_EQ(ui.clipboardText(), "\r\n\r\n");
}

} // namespace
} // namespace glyphora
