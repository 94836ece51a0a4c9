#include "color/color_commands.h"
#include "formats/document_fixture.h"
#include "formats/glf_commands.h"

namespace glyphora {
namespace {

namespace fs = std::filesystem;

struct GlfCommands : test::DocumentTest {
    void SetUp() override {
        editor.canvas().setSize(3, 2);
        editor.canvas().clearTexts();
        editor.settings().ShowInfoMessages = false;
    }
};

TEST_F(GlfCommands, QuickDocumentRoundTripsThroughTheWorkingDirectoryInTheFilesMode) {
    LoadQuickDocument(editor);
    EXPECT_EQ(editor.status().field(3), "ERROR: File didn`t exists.");

    SetModeAnsi(editor);
    put(2, 1, "z");
    editor.canvas().SetFontCell(2, 1, 0x5050FF);
    editor.canvas().SetColorCell(1, 0, 0xA00000);
    editor.document().CurrentFileName = "elsewhere.txt";
    SaveQuickDocument(editor);
    ASSERT_TRUE(fs::exists(dir / "Current.glf"));

    SetModePlain(editor);
    editor.canvas().setSize(9, 9);
    const int snapshots = editor.undoRing().count();
    LoadQuickDocument(editor);
    EXPECT_EQ(editor.undoRing().count(), snapshots + 1);
    EXPECT_EQ(editor.colorMode(), ColorMode::Ansi);
    EXPECT_EQ(row(1), "  z"); // the file's width; empty cells were written as blanks
    EXPECT_EQ(editor.canvas().foreground(2, 1), 0x5050FFu);
    EXPECT_EQ(editor.status().field(2), "Font color=#A0A8A0,   Backgroundcolor=#000000");
    EXPECT_EQ(editor.document().CurrentFileName, "elsewhere.txt");
}

} // namespace
} // namespace glyphora
