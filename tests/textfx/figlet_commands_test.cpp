#include "edit/clipboard_commands.h"
#include "editor_fixture.h"
#include "textfx/figlet_commands.h"

namespace glyphora {
namespace {

struct FigletCommands : test::EditorTest {
    // A font whose glyphs are "<c>" over a row of "=" padded with hard blanks.
    std::string writeFont(const std::string& name, const std::string& header) {
        std::string text = header + "\r\ncomment\r\n";
        for (int code = 32; code <= 126; ++code) {
            text += '$';
            text += static_cast<char>(code);
            text += "$$@\r\n==$@@\r\n";
        }
        test::writeBytes(dir / name, text);
        return (dir / name).string();
    }
    FigletPanel& panel() { return editor.figletPanel; }
};

TEST_F(FigletCommands, MenuItemShowsAndHidesThePanelAndCloseHidesIt) {
    EXPECT_FALSE(panel().visible());
    runId("ToggleFigletPanel");
    EXPECT_TRUE(panel().visible());
    EXPECT_EQ(panel().fontLabel(), "No Font Selected");
    runId("ToggleFigletPanel");
    EXPECT_FALSE(panel().visible());
    runId("ToggleFigletPanel");
    runId("CloseFigletPanel");
    EXPECT_FALSE(panel().visible());
}

TEST_F(FigletCommands, LoadingAFontReportsMissingHeaderFieldsAndResetsTheGrid) {
    ui.queueAnswer(writeFont("good.flf", "flf2a$ 2 1 6 0 1"));
    runId("LoadFigletFont");
    EXPECT_TRUE(saw("open: *.flf|*.flf|*.*|*.* -> " + (dir / "good.flf").string()));
    EXPECT_EQ(panel().fontLabel(), "Font activ");
    EXPECT_EQ(panel().grid().colCount(), 6);

    TypeFigletChar(editor, 'A');
    TypeFigletChar(editor, 'b');
    EXPECT_EQ(panel().rowsText(panel().wholeGrid()), (std::vector<std::string>{" A b", "===="}));

    ui.queueAnswer(writeFont("bad.flf", "flf2a$ 6"));
    runId("LoadFigletFont");
    EXPECT_TRUE(saw("message: No Information about font height found. Setting delault (20)!"));
    EXPECT_TRUE(saw("message: No Information about font widht found. Setting delault (20)!"));
    EXPECT_EQ(panel().grid().rowCount(), 20);
    EXPECT_EQ(panel().grid().colCount(), 20);

    // An unreadable file only beeps; the font stays, the grid is reset.
    TypeFigletChar(editor, 'A');
    ui.queueAnswer((dir / "missing.flf").string());
    const long beeps = count("beep");
    runId("LoadFigletFont");
    EXPECT_EQ(count("beep"), beeps + 1);
    EXPECT_EQ(panel().pen(), 0);
    TypeFigletChar(editor, 'A');
    EXPECT_EQ(panel().pen(), 2); // the font stayed
}

TEST_F(FigletCommands, CopyTakesTheWholeGridWithoutASelectionAndPastesIntoTheCanvas) {
    ui.queueAnswer(writeFont("good.flf", "flf2a$ 2 1 6 0 1"));
    runId("LoadFigletFont");
    for (const char ch : std::string("Hi"))
        TypeFigletChar(editor, ch);
    runId("CopyFigletGrid");
    EXPECT_EQ(editor.status().field(3), "No selection... copied all.");
    EXPECT_EQ(ui.clipboardText(), " H i\r\n====");

    editor.figletPanel.setSelection({1, 0, 2, 1});
    editor.status().setField(3, "");
    runId("CopyFigletGrid");
    EXPECT_EQ(editor.status().field(3), "");
    EXPECT_EQ(ui.clipboardText(), "H\r\n==");

    editor.setGridSelection({3, 3, 3, 3});
    PasteBlock(editor);
    EXPECT_EQ(row(3, 3, 2), "H ");
    EXPECT_EQ(row(4, 3, 2), "==");
}

TEST_F(FigletCommands, FontInfoShowsTheFixedLinesAndFontsAreFoundInTheFontsFolder) {
    runId("ShowFigletFontInfo");
    const std::string& shown = ui.transcript().back();
    EXPECT_EQ(shown.rfind("message: This little tool imports FIGLet Fonts (-V2.0).\r"
                          "Only ASCII caracters from 32 to 126 are used.\r"
                          "Contol strings are \"@\" and \"$\" (ONLY).\r"
                          "This did not check then Importfiles !\r"
                          "For more options please download FigLet (ASCII Font Editor).\r",
                          0),
              0u);

    std::filesystem::create_directories(figletFontsDir(dir.path()));
    writeFont("Fonts/mine.flf", "flf2a$ 2 1 6 0 1");
    EXPECT_TRUE(findFigletFont("mine.flf", dir.path()));
    EXPECT_TRUE(findFigletFont(dir / "Fonts" / "mine.flf", "/nowhere"));
    EXPECT_FALSE(findFigletFont("other.flf", dir.path()));
}

} // namespace
} // namespace glyphora
