#include "color/color_commands.h"
#include "editor_fixture.h"
#include "formats/glf_commands.h"

namespace glyphora {
namespace {

namespace fs = std::filesystem;

struct GlfCommands : test::EditorTest {
    void SetUp() override {
        editor.canvas().setSize(3, 2);
        editor.canvas().clearTexts();
        editor.settings().ShowInfoMessages = false;
        editor.settings().WorkingDirectory = dir.path().string(); // where F1 and F2 look
    }
};

TEST_F(GlfCommands, LoadChecksTheFilesModeWithoutClearingAndTakesItsDefaults) {
    SetModeAnsi(editor);
    put(0, 0, "A");
    editor.canvas().SetFontCell(0, 0, 0x5050FF);
    editor.canvas().SetColorCell(1, 0, 0xA00000);
    ASSERT_TRUE(SaveMarc(editor, dir / "doc.glf"));

    SetModePlain(editor);
    editor.canvas().setSize(9, 9);
    ASSERT_TRUE(loadMarc(editor, dir / "doc.glf"));
    EXPECT_EQ(editor.colorMode(), ColorMode::Ansi);
    EXPECT_EQ(row(0), "A  "); // the empty cells were written as blanks
    EXPECT_EQ(editor.canvas().colCount(), 3);
    EXPECT_EQ(editor.canvas().foreground(0, 0), 0x5050FFu);
    EXPECT_EQ(editor.canvas().background(1, 0), 0xA00000u);
    EXPECT_EQ(editor.status().field(2), "Font color=#A0A8A0,   Backgroundcolor=#000000");
    EXPECT_FALSE(editor.progress().view().visible);
    EXPECT_EQ(editor.document().CurrentFileName, "-");
}

TEST_F(GlfCommands, FailuresAreReportedInABox) {
    put(1, 1, "k");
    test::writeBytes(dir / "bad.glf", std::string(20, '\xFF'));
    EXPECT_FALSE(loadMarc(editor, dir / "bad.glf"));
    EXPECT_EQ(ui.transcript().back(), "message: Couldn`t read file.");
    EXPECT_EQ(ui.transcript()[ui.transcript().size() - 2], "beep");
    EXPECT_EQ(editor.canvas().colCount(), 3);
    EXPECT_EQ(row(1), "k");

    fs::create_directory(dir / "sub");
    EXPECT_FALSE(SaveMarc(editor, dir / "sub"));
    EXPECT_EQ(ui.transcript().back(), "message: Couldn`t write file.");
    EXPECT_TRUE(fs::is_directory(dir / "sub"));
    EXPECT_FALSE(editor.progress().view().visible);
}

TEST_F(GlfCommands, QuickDocumentRoundTripsThroughTheWorkingDirectory) {
    LoadQuickDocument(editor);
    EXPECT_EQ(editor.status().field(3), "ERROR: File didn`t exists.");

    SetModeFullColored(editor);
    put(2, 1, "z");
    editor.canvas().SetColorCell(2, 1, 0x00FF00);
    editor.document().CurrentFileName = "elsewhere.txt";
    SaveQuickDocument(editor);
    ASSERT_TRUE(fs::exists(dir / "Current.glf"));
    EXPECT_EQ(fs::file_size(dir / "Current.glf"), 15u + 9u * 3 * 2);

    editor.canvas().setSize(1, 1);
    const int snapshots = editor.undoRing().count();
    LoadQuickDocument(editor);
    EXPECT_EQ(editor.undoRing().count(), snapshots + 1);
    EXPECT_EQ(row(1), "  z");
    EXPECT_EQ(editor.canvas().background(2, 1), 0x00FF00u);
    EXPECT_EQ(editor.document().CurrentFileName, "elsewhere.txt");
    EXPECT_EQ(editor.canvas().widthField, "3");
}

} // namespace
} // namespace glyphora
