#include "color/ansi_palette.h"
#include "color/color_commands.h"
#include "formats/ansi_format.h"
#include "formats/document_fixture.h"
#include "formats/file_format_table.h"

namespace glyphora {
namespace {

namespace fs = std::filesystem;

struct AnsiCommands : test::DocumentTest {
    void SetUp() override {
        editor.settings().ShowInfoMessages = false;
        editor.settings().BackupFiles = false;
    }
    void saveAs(const std::string& name) {
        editor.document().SaveFormat = format_code::Ansi;
        editor.document().SaveTargetName = (dir / name).string();
        saveDocument(editor);
    }
};

TEST_F(AnsiCommands, SavingAsksForTheStartTextAndNotesTheColumnsLeftOut) {
    SetModeAnsi(editor);
    editor.canvas().setSize(100, 1);
    put(0, 0, "Hi");
    editor.canvas().SetFontCell(1, 0, kAnsiPalette[9].color);

    ui.queueAnswer("cancel"); // keeps the preset
    saveAs("art");
    EXPECT_TRUE(saw("input: Start ESCSequence: / ANSI Code: -> cancel"));
    const std::string bytes = test::readBytes(dir / "art.ans");
    const std::string start = std::string(kAnsiStartPreset) + "[0;37;40mH\x1b[1;31;40mi";
    EXPECT_EQ(bytes.substr(0, start.size()), start);
    EXPECT_EQ(editor.status().field(3), "Saving ... READY ! (21 columns beyond 79 not written)");

    // A typed start text is used as it is.
    ui.queueAnswer("<<");
    saveAs("second.ans");
    EXPECT_EQ(test::readBytes(dir / "second.ans").substr(0, 12), "<<[0;37;40mH");
}

TEST_F(AnsiCommands, OpeningChecksAnsiModeOrCompletesNoRequest) {
    const Color plainFont = editor.canvas().defaultFontColor();
    test::writeBytes(dir / "a.ans", "\x1b[2J\x1b[1;33;44mHey\r\n");
    const int snapshots = editor.undoRing().count();
    editor.setShowGrid(true);
    open(dir / "a.ans");
    EXPECT_EQ(editor.colorMode(), ColorMode::Ansi);
    // The art is shown in its own glyphs, its blocks joined.
    EXPECT_EQ(editor.glyphSet(), CharSet::Cp437);
    EXPECT_FALSE(editor.settings().ShowGrid);
    EXPECT_EQ(editor.canvas().metrics.colWidth, ui.measureChar(editor.canvas().font(), 'A').width);
    EXPECT_EQ(editor.canvas().defaultFontColor(), plainFont); // only the mark
    EXPECT_EQ(editor.ActiveFontColor, kAnsiPalette[11].color);
    EXPECT_EQ(row(0, 0, 3), "Hey");
    EXPECT_EQ(editor.undoRing().count(), snapshots + 1);
    EXPECT_EQ(editor.document().CurrentFormat, format_code::Ansi);

    put(0, 0, "keep");
    open(dir / "missing.ans");
    EXPECT_TRUE(saw("message:  Could not complete request."));
    EXPECT_EQ(row(0, 0, 4), "keep");
    EXPECT_EQ(editor.undoRing().count(), snapshots + 1); // a missing file takes none
    EXPECT_EQ(editor.document().CurrentFileName, "-");

    // Cursor moves far below what any canvas holds: the art drawn so far stays, but the
    // file does not become the document's, so "&Save" cannot cut it down.
    std::string downs = "top\r\n";
    for (int i = 0; i < 4000; ++i)
        downs += "\x1b[255B";
    test::writeBytes(dir / "tall.ans", downs + "bottom");
    open(dir / "tall.ans");
    const auto& lines = ui.transcript();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "message:  Could not complete request."), 2);
    EXPECT_EQ(row(0, 0, 3), "top");
    EXPECT_EQ(editor.canvas().heightField, "1");
    EXPECT_FALSE(editor.document().SaveEnabled);
}

} // namespace
} // namespace glyphora
