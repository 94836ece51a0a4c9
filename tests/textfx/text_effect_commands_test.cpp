#include "editor_fixture.h"
#include "textfx/line_form.h"

namespace glyphora {
namespace {

struct TextEffectCommands : test::EditorTest {
    std::string file(const std::string& name, const std::string& bytes) {
        test::writeBytes(dir / name, bytes);
        return (dir / name).string();
    }
    void blankCanvas(int cols, int rows) {
        editor.canvas().setSize(cols, rows);
        for (int r = 0; r < rows; ++r)
            put(0, r, std::string(static_cast<std::size_t>(cols), '.'));
    }
};

TEST_F(TextEffectCommands, LineFormAsksFirstAndReportsABadHeader) {
    ui.queueAnswer("no");
    runMenu("&Special > Import &textfile as \"line form\"");
    EXPECT_TRUE(saw("confirm: This will destroy the current grid. Continue? -> no"));
    EXPECT_EQ(ui.pendingAnswers(), 0u);

    ui.queueAnswer("yes");
    ui.queueAnswer(file("bad.tf", "col\r\nfirst\r\nrow\r\n5\r\n\xA7\xA7\r\n"));
    runMenu("&Special > Import &textfile as \"line form\"");
    EXPECT_TRUE(saw("message: Can`t open >Textform< file or file header defect"));
    EXPECT_EQ(row(4, 0, 2), "\xA7\xA7"); // the form stays on the canvas

    ui.queueAnswer("yes");
    ui.queueAnswer(file("good.tf", "col\r\n1\r\nrow\r\n5\r\n\xA7\r\n\xA7\r\n"));
    ui.queueAnswer((dir / "missing.txt").string());
    runMenu("&Special > Import &textfile as \"line form\"");
    EXPECT_TRUE(saw("message: Can`t open file;"));
}

TEST_F(TextEffectCommands, LineFormPoursTheTextAndLeavesAnUnnamedPlainDocument) {
    editor.setColorMode(ColorMode::FullColored);
    editor.document().CurrentFileName = "old.txt";
    const int before = editor.undoRing().count();
    ui.queueAnswer("yes");
    ui.queueAnswer(file("form.tf", "col\r\n2\r\nrow\r\n5\r\n \xA7\r\n \xA7\r\n"));
    ui.queueAnswer(file("text.txt", "abc"));
    runMenu("&Special > Import &textfile as \"line form\"");
    EXPECT_TRUE(saw("open: Textform file|*.tf -> " + (dir / "form.tf").string()));
    EXPECT_TRUE(saw("open: Textfile|*.txt -> " + (dir / "text.txt").string()));
    EXPECT_EQ(editor.canvas().rowCount(), 2);
    EXPECT_EQ(row(1, 0, 2), " b");
    EXPECT_EQ(editor.status().field(3), " Text was to large.");
    EXPECT_EQ(editor.colorMode(), ColorMode::Plain);
    EXPECT_EQ(editor.document().CurrentFileName, "-");
    EXPECT_EQ(editor.canvas().heightField, "2");
    EXPECT_EQ(editor.undoRing().count(), before + 1);
}

TEST_F(TextEffectCommands, FillSelectionNeedsThreeRowsAndOffersToCentre) {
    blankCanvas(8, 5);
    editor.setGridSelection({0, 0, 7, 1});
    runMenu("&Effects > Fill selection with &textfile");
    EXPECT_EQ(editor.status().field(3), "No selection.");
    EXPECT_EQ(row(0), "        "); // "&Delete" ran first

    editor.setGridSelection({0, 1, 7, 4});
    ui.queueAnswer(file("words.txt", "ab cd\r\nef"));
    ui.queueAnswer("yes");
    runMenu("&Effects > Fill selection with &textfile");
    EXPECT_TRUE(saw("confirm:  Center ?  -> yes"));
    EXPECT_EQ(row(2), "   ab   ");
    EXPECT_EQ(row(4), "   ef   ");

    // Cancelling the file still asks about centring.
    ui.queueAnswer("cancel");
    ui.queueAnswer("no");
    runMenu("&Effects > Fill selection with &textfile");
    EXPECT_TRUE(saw("confirm:  Center ?  -> no"));
}

TEST_F(TextEffectCommands, FillCharReplacesTheChosenCharacterWithTheFilesBytes) {
    blankCanvas(3, 2);
    put(1, 0, "#");
    put(0, 1, "#");
    ui.queueAnswer("#");
    ui.queueAnswer(file("t.txt", "\r\nxyz"));
    runMenu("&Effects > Fill &char. with textfile");
    EXPECT_TRUE(saw("input: Fill ... / Character: -> #"));
    EXPECT_EQ(row(0), ". .");
    EXPECT_TRUE(saw("status3: Position: 100%"));

    // An empty answer means a blank; a file that cannot be opened is reported.
    ui.queueAnswer("");
    ui.queueAnswer((dir / "missing.txt").string());
    runMenu("&Effects > Fill &char. with textfile");
    EXPECT_EQ(editor.status().field(3), "ERROR: Couldn`t complete request.");

    // One row: no percentage, still filled.
    blankCanvas(2, 1);
    ui.queueAnswer(".");
    ui.queueAnswer(file("u.txt", "q"));
    runMenu("&Effects > Fill &char. with textfile");
    EXPECT_EQ(row(0), "q.");
}

TEST_F(TextEffectCommands, SignatureGoesToTheCursorOrIsReportedMissing) {
    blankCanvas(10, 3);
    editor.setGridSelection({2, 1, 2, 1});
    const CommandTable table;
    CommandTable::run(editor, *table.findByShortcut("Ctrl+M"));
    EXPECT_EQ(editor.status().field(3), "ERROR: Couldn`t found Signature.text.");

    file("Signature.txt", "-me-\r\n:)");
    runMenu("&Effects > &Insert signature.txt");
    EXPECT_EQ(row(2), "..:)......");
}

} // namespace
} // namespace glyphora
