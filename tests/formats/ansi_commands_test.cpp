#include "color/ansi_palette.h"
#include "color/color_commands.h"
#include "editor_fixture.h"
#include "formats/ansi_format.h"
#include "formats/file_format_table.h"
#include "formats/open_save_commands.h"

namespace glyphora {
namespace {

namespace fs = std::filesystem;

struct AnsiCommands : test::EditorTest {
    void SetUp() override {
        editor.settings().ShowInfoMessages = false;
        editor.settings().WorkingDirectory = dir.path().string();
        editor.settings().BackupFiles = false;
    }
    void saveAs(const std::string& name) {
        editor.document().SaveFormat = format_code::Ansi;
        editor.document().SaveTargetName = (dir / name).string();
        saveit(editor);
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
    EXPECT_EQ(editor.document().CurrentFileName, (dir / "art.ans").string());
    EXPECT_FALSE(editor.progress().view().visible);

    // A typed start text is used as it is; a canvas that fits says nothing more.
    editor.canvas().setSize(79, 1);
    ui.queueAnswer("<<");
    saveAs("second.ans");
    EXPECT_EQ(test::readBytes(dir / "second.ans").substr(0, 12), "<<[0;37;40mH");
    EXPECT_EQ(editor.status().field(3), "Saving ... READY !");

    // Outside Ansi mode the colours are lost, and the status says so.
    SetModePlain(editor);
    ui.queueAnswer("");
    saveAs("plain.ans");
    EXPECT_EQ(editor.status().field(3), "WARNING: RGBColors haven`t been saved in this format !!!");
}

TEST_F(AnsiCommands, AFailedSaveKeepsTheOldFileAndNamesNoFile) {
    fs::create_directory(dir / "taken.ans");
    ui.queueAnswer("yes"); // overwrite
    ui.queueAnswer("x");
    saveAs("taken.ans");
    EXPECT_TRUE(saw("message: Couldn`t write file."));
    EXPECT_EQ(editor.status().field(3), "ERROR: Couldn`t save file.");
    EXPECT_EQ(editor.document().CurrentFileName, "-");
    EXPECT_TRUE(fs::is_directory(dir / "taken.ans"));
}

} // namespace
} // namespace glyphora
