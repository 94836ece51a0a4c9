#include "app/editor.h"
#include "app/window_commands.h"
#include "formats/open_save_commands.h"
#include "platform/headless_ui.h"
#include "test_support.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <unistd.h>

namespace glyphora {
namespace {

namespace fs = std::filesystem;

constexpr const char* kReady = "Saving ... READY !";

struct OpenSave : ::testing::Test {
    test::TempDir dir;
    HeadlessUi ui;
    Editor editor{ui, dir.path(), "321"};

    OpenSave() { editor.settings().WorkingDirectory = dir.path().string(); }

    bool saw(const std::string& line) const {
        const auto& t = ui.transcript();
        return std::find(t.begin(), t.end(), line) != t.end();
    }
    // The 3 x 2 canvas: a, b and an empty cell in row 0, nothing in row 1.
    void smallCanvas() {
        editor.canvas().setSize(3, 2);
        editor.canvas().clearTexts();
        editor.canvas().setText(0, 0, "a");
        editor.canvas().setText(1, 0, "b");
    }
    void saveAs(int code, const std::string& path) {
        ui.queueAnswer(std::to_string(code) + " " + path);
        SaveAs(editor);
    }
    void open(const fs::path& path) {
        editor.document().OpenFileName = path.string();
        Myopen(editor);
    }
};

TEST_F(OpenSave, WindowsTextWithAndWithoutOptimizing) {
    smallCanvas();
    saveAs(1, "pic");
    EXPECT_EQ(test::readBytes(dir / "pic.txt"), "ab\r\n\r\n");
    EXPECT_EQ(editor.canvas().text(2, 0), " ");
    EXPECT_EQ(editor.canvas().text(2, 1), " ");
    EXPECT_TRUE(saw("browser: NoName.txt 1 -> 1 pic"));
    EXPECT_TRUE(saw("status3: Size reduction: 67%"));
    EXPECT_EQ(editor.status().field(3), kReady);
    const DocumentState& doc = editor.document();
    EXPECT_EQ(doc.caption, "pic.txt");
    EXPECT_EQ(doc.CurrentFileName, (dir / "pic.txt").string());
    EXPECT_EQ(doc.CurrentFormat, 1);
    EXPECT_TRUE(doc.SaveEnabled);
    EXPECT_EQ(doc.ReopenList, std::vector<std::string>{(dir / "pic.txt").string()});
    EXPECT_TRUE(saw("progress: Saving ... / Step 1 of 1"));
    EXPECT_EQ(ui.lastProgress().visible, false);
    EXPECT_EQ(ui.cursor(), AppCursor::Normal);

    smallCanvas();
    editor.settings().SaveOptimized = false;
    SaveToCurrentFile(editor); // silent: no question
    EXPECT_EQ(test::readBytes(dir / "pic.txt"), "ab \r\n   \r\n");
    EXPECT_FALSE(std::any_of(ui.transcript().begin(), ui.transcript().end(),
                             [](const std::string& l) { return l.rfind("confirm:", 0) == 0; }));
}

TEST_F(OpenSave, CsvPatternAndUserDefinedBytes) {
    smallCanvas();
    saveAs(8, "table");
    EXPECT_EQ(test::readBytes(dir / "table.csv"), "a;b; ;\r\n ; ; ;\r\n");
    smallCanvas();
    saveAs(6, "fill");
    EXPECT_EQ(test::readBytes(dir / "fill.pat"), "ab \r\n   \r\n"); // never optimised
    smallCanvas();
    saveAs(12, "pic.xyz");
    EXPECT_EQ(test::readBytes(dir / "pic.xyz"), "ab\r\n\r\n");
    EXPECT_EQ(editor.document().CurrentFormat, 12);
    // Neither type joins the reopen list; Pattern does.
    EXPECT_EQ(editor.document().ReopenList, std::vector<std::string>{(dir / "fill.pat").string()});
}

TEST_F(OpenSave, AsciiReplacesAndCountsThenReports) {
    editor.canvas().setSize(3, 1);
    editor.canvas().setText(0, 0, "\xC8");
    editor.canvas().setText(1, 0, "\t");
    editor.canvas().setText(2, 0, "k");
    saveAs(2, "plain");
    EXPECT_EQ(test::readBytes(dir / "plain.asc"), "??k\r\n");
    EXPECT_EQ(editor.canvas().text(0, 0), "?");
    EXPECT_EQ(editor.canvas().text(1, 0), "?");
    EXPECT_TRUE(saw("message: Extended char. (>126): 1\rControl char. (<32): 1\r\rConversion to "
                    "\"?\" ..."));

    editor.settings().ShowInfoMessages = false;
    const std::size_t lines = ui.transcript().size();
    SaveToCurrentFile(editor);
    EXPECT_TRUE(std::none_of(ui.transcript().begin() + static_cast<std::ptrdiff_t>(lines),
                             ui.transcript().end(),
                             [](const std::string& l) { return l.rfind("message:", 0) == 0; }));
    EXPECT_EQ(editor.status().field(3), kReady);
}

TEST_F(OpenSave, HtmlPlaintextEscapesWhileWritingAndRestoresTheCanvas) {
    editor.canvas().setSize(5, 1);
    const char* row[] = {"<", "a", "&", "b", ">"};
    for (int c = 0; c < 5; ++c)
        editor.canvas().setText(c, 0, row[c]);
    saveAs(3, "page");
    EXPECT_EQ(test::readBytes(dir / "page.htm"), "<HTML><PRE>&lt;a&amp;b&gt;\r\n</PRE></HTML>\r\n");
    for (int c = 0; c < 5; ++c)
        EXPECT_EQ(editor.canvas().text(c, 0), row[c]);
    EXPECT_EQ(editor.document().ReopenList.front(), (dir / "page.htm").string());
}

TEST_F(OpenSave, RichTextAndGridTextAndTheColourWarnings) {
    smallCanvas();
    saveAs(10, "grid");
    EXPECT_EQ(test::readBytes(dir / "grid.glg"), "a\x07"
                                                 "b\x07\x07\r\n\x07\x07\x07\r\n");
    EXPECT_EQ(editor.status().field(3), kReady);

    saveAs(7, "rich");
    const std::string rtf = test::readBytes(dir / "rich.rtf");
    EXPECT_EQ(rtf.rfind("{\\rtf1", 0), 0u);
    EXPECT_NE(rtf.find("\\cf1 ab \\par\r\n"), std::string::npos);
    EXPECT_EQ(editor.status().field(3), "WARNING: RGBColors haven`t been saved in this format !!!");

    editor.setColorMode(ColorMode::FontColored);
    onTimer(editor, TimerId::Status);
    saveAs(1, "colored");
    EXPECT_EQ(editor.status().field(3), "WARNING: Colors haven`t been saved in this format !!!");
    editor.setColorMode(ColorMode::Ansi);
    onTimer(editor, TimerId::Status);
    ui.queueAnswer("7 rich");
    ui.queueAnswer("yes");
    SaveAs(editor);
    EXPECT_EQ(editor.status().field(3), kReady);
}

TEST_F(OpenSave, DecliningTheOverwriteWritesNothingAndRefusesSaveUntilSaveAs) {
    test::writeBytes(dir / "x.txt", "old");
    smallCanvas();
    ui.queueAnswer("1 x.txt");
    ui.queueAnswer("no");
    SaveAs(editor);
    EXPECT_TRUE(saw("confirm: File exists. Overwrite ? -> no"));
    EXPECT_EQ(test::readBytes(dir / "x.txt"), "old");
    EXPECT_EQ(editor.document().CurrentFileName, "-");

    // After a save "&Save" stays enabled but refused.
    editor.document().SaveEnabled = true;
    SaveToCurrentFile(editor);
    EXPECT_TRUE(saw("beep"));
    EXPECT_EQ(editor.status().field(3), "ERROR: Couldn`t save file.");
    EXPECT_FALSE(saveEnabled(editor));

    ui.queueAnswer("1 x.txt");
    ui.queueAnswer("yes");
    SaveAs(editor);
    EXPECT_EQ(test::readBytes(dir / "x.txt"), "ab\r\n\r\n");
    EXPECT_TRUE(saveEnabled(editor));
}

TEST_F(OpenSave, BackupTwiceKeepsTheFirstBackup) {
    editor.settings().BackupFiles = true;
    test::writeBytes(dir / "x.txt", "one");
    smallCanvas();
    ui.queueAnswer("1 x.txt");
    ui.queueAnswer("yes");
    SaveAs(editor);
    EXPECT_EQ(test::readBytes(dir / "x.txt.bak"), "one");
    EXPECT_EQ(test::readBytes(dir / "x.txt"), "ab\r\n\r\n");

    editor.canvas().setText(0, 0, "z");
    SaveToCurrentFile(editor);
    EXPECT_EQ(test::readBytes(dir / "x.txt.bak"), "one");
    EXPECT_EQ(test::readBytes(dir / "x.txt"), "zb\r\n\r\n");
}

TEST_F(OpenSave, AFailedWriteReportsNoSuccess) {
    smallCanvas();
    saveAs(1, (dir / "missing" / "x").string());
    EXPECT_TRUE(saw("message: Could`t write file."));
    EXPECT_EQ(editor.status().field(3), "ERROR: Couldn`t save file.");
    EXPECT_EQ(editor.document().CurrentFileName, "-");
    EXPECT_TRUE(editor.document().ReopenList.empty());
}

TEST_F(OpenSave, AFailedWriteKeepsTheOldFile) {
    smallCanvas();
    // A name so long that no file beside it can be created: the write fails for anyone,
    // the superuser included, after the old file was found and agreed to be replaced.
    const fs::path target = dir / (std::string(250, 'x') + ".txt");
    test::writeBytes(target, "old");
    ui.queueAnswer("1 " + target.string());
    ui.queueAnswer("yes");
    SaveAs(editor);
    EXPECT_EQ(test::readBytes(target), "old");
    EXPECT_TRUE(saw("message: Could`t write file."));
    EXPECT_EQ(editor.document().CurrentFileName, "-");

    if (::geteuid() != 0) { // a read-only folder stops everyone but the superuser
        fs::create_directory(dir / "ro");
        test::writeBytes(dir / "ro" / "x.txt", "old");
        fs::permissions(dir / "ro", fs::perms::owner_read | fs::perms::owner_exec);
        ui.queueAnswer("1 " + (dir / "ro" / "x.txt").string());
        ui.queueAnswer("yes");
        SaveAs(editor);
        EXPECT_EQ(test::readBytes(dir / "ro" / "x.txt"), "old");
    }
}

TEST_F(OpenSave, TypesWithoutAWriterAreRefusedWithoutChangingAnything) {
    editor.document().caption = "art.txt";
    saveAs(9, "art.ans");
    EXPECT_EQ(editor.status().field(3), "ERROR: Saving as ANSI is not available yet.");
    EXPECT_FALSE(fs::exists(dir / "art.ans"));
    EXPECT_EQ(editor.document().caption, "art.txt");
    EXPECT_EQ(editor.document().SaveFormat, 1);

    saveAs(25, "odd"); // no type has that code
    EXPECT_EQ(editor.status().field(3), "ERROR: Internal error (Cd#4b).");
    EXPECT_FALSE(fs::exists(dir / "odd"));

    ui.queueAnswer("cancel");
    SaveAs(editor);
    EXPECT_EQ(editor.document().caption, "art.txt");

    // An empty name saves nothing; the caption goes back to its part before the first ".".
    saveAs(1, (dir.path() / "").string());
    EXPECT_EQ(editor.document().caption, "art");
}

TEST_F(OpenSave, OpeningTextNamesTheDocumentAfterTheFile) {
    fs::create_directory(dir / "sub");
    test::writeBytes(dir / "sub" / "Art.TXT", "ab\r\ncdef\r\rx\n");
    editor.setColorMode(ColorMode::FullColored);
    editor.canvas().SetColorCell(0, 0, rgb(1, 2, 3));
    editor.document().SaveFormat = 8;
    ui.queueAnswer((dir / "sub" / "Art.TXT").string());
    OpenCommand(editor);
    EXPECT_TRUE(
        saw("open: " + std::string(kOpenFilter) + " -> " + (dir / "sub" / "Art.TXT").string()));
    const CharCanvas& canvas = editor.canvas();
    EXPECT_EQ(canvas.colCount(), 4);
    EXPECT_EQ(canvas.rowCount(), 4);
    EXPECT_EQ(canvas.text(3, 1), "f");
    EXPECT_EQ(canvas.text(0, 2), "");
    EXPECT_EQ(canvas.text(0, 3), "x");
    EXPECT_EQ(canvas.widthField, "4");
    EXPECT_EQ(editor.colorMode(), ColorMode::Plain);
    EXPECT_FALSE(canvas.hasOwnBrush(0, 0));
    const DocumentState& doc = editor.document();
    EXPECT_EQ(doc.caption, "Art.TXT");
    EXPECT_EQ(doc.CurrentFileName, (dir / "sub" / "Art.TXT").string());
    EXPECT_EQ(doc.CurrentFormat, 1);
    EXPECT_EQ(doc.SaveFormat, 1);
    EXPECT_TRUE(doc.SaveEnabled);
    EXPECT_EQ(workingDirectory(editor), dir / "sub");

    // The open took an undo snapshot of the welcome canvas.
    editor.settings().EnableUndo = true;
    ASSERT_EQ(editor.undoRing().count(), 1);
    EXPECT_TRUE(editor.undoRing().undo(editor.canvas(), editor.settings().UndoSteps));
    EXPECT_EQ(editor.canvas().colCount(), 80);

    ui.queueAnswer("cancel");
    OpenCommand(editor);
    EXPECT_EQ(doc.caption, "Art.TXT");

    ForgetDocumentFile(editor); // what "&New" does to the names
    EXPECT_EQ(doc.caption, "NoName");
    EXPECT_EQ(doc.CurrentFileName, "-");
    EXPECT_FALSE(saveEnabled(editor));
}

TEST_F(OpenSave, GridFilesTakeTheirOwnSizeAndPathsAreTestedWhole) {
    test::writeBytes(dir / "g.glg", "a\x07"
                                    "b\x07\x07\r\n");
    editor.setColorMode(ColorMode::Ansi);
    open(dir / "g.glg");
    EXPECT_EQ(editor.colorMode(), ColorMode::Plain);
    EXPECT_EQ(editor.canvas().colCount(), 3);
    EXPECT_EQ(editor.canvas().rowCount(), 1);
    EXPECT_EQ(editor.canvas().text(1, 0), "b");
    EXPECT_EQ(editor.document().CurrentFormat, 10);

    // A text file in a folder whose name holds ".glg" is read as a grid.
    fs::create_directory(dir / "a.glg.d");
    test::writeBytes(dir / "a.glg.d" / "t.txt", "x\x07y\x07\r\n");
    open(dir / "a.glg.d" / "t.txt");
    EXPECT_EQ(editor.canvas().colCount(), 2);
    EXPECT_EQ(editor.canvas().text(1, 0), "y");
    EXPECT_EQ(editor.document().CurrentFormat, 1);
}

TEST_F(OpenSave, FilesWaitingForTheirReadersOpenAsTextAndAreNotOverwritten) {
    test::writeBytes(dir / "doc.ans", "raw");
    open(dir / "doc.ans");
    EXPECT_EQ(editor.canvas().text(2, 0), "w");
    EXPECT_EQ(editor.document().CurrentFormat, 9);
    SaveToCurrentFile(editor);
    EXPECT_EQ(editor.status().field(3), "ERROR: Saving as ANSI is not available yet.");
    EXPECT_EQ(test::readBytes(dir / "doc.ans"), "raw");

    test::writeBytes(dir / "page.html", "<b>");
    open(dir / "page.html");
    EXPECT_EQ(editor.document().CurrentFormat, 12); // the source was shown
    EXPECT_EQ(editor.document().caption, "page.html");

    editor.document().SaveFormat = 3;
    test::writeBytes(dir / "pic.bmp", "BM");
    open(dir / "pic.bmp");
    EXPECT_EQ(editor.document().CurrentFileName, "-");
    EXPECT_EQ(editor.document().SaveFormat, 3);
    EXPECT_EQ(editor.document().caption, "page.html");
    EXPECT_FALSE(saveEnabled(editor));
    EXPECT_EQ(editor.document().ReopenList.front(), (dir / "pic.bmp").string());
}

TEST_F(OpenSave, FullAttributeDocumentsRoundTripThroughTheDispatch) {
    smallCanvas();
    editor.setColorMode(ColorMode::FullColored);
    editor.canvas().SetColorCell(1, 0, rgb(0x12, 0x34, 0x56));
    saveAs(11, "art");
    ASSERT_TRUE(fs::exists(dir / "art.glf"));
    EXPECT_EQ(editor.status().field(3), "Saving ... READY !");

    editor.setColorMode(ColorMode::Plain);
    open(dir / "art.glf");
    EXPECT_EQ(editor.colorMode(), ColorMode::FullColored);
    EXPECT_EQ(editor.canvas().background(1, 0), rgb(0x12, 0x34, 0x56));
    EXPECT_EQ(editor.document().CurrentFormat, 11);
    EXPECT_EQ(editor.document().caption, "art.glf");

    // A damaged file is reported once and does not become the document's file.
    test::writeBytes(dir / "bad.glf", "raw");
    open(dir / "bad.glf");
    EXPECT_EQ(
        std::count(ui.transcript().begin(), ui.transcript().end(), "message: Couldn`t read file."),
        1);
    EXPECT_EQ(editor.document().CurrentFileName, "-");
    EXPECT_FALSE(saveEnabled(editor));
    EXPECT_EQ(test::readBytes(dir / "bad.glf"), "raw");
}

TEST_F(OpenSave, AnUnreadableFileLeavesNoDocumentFile) {
    smallCanvas();
    saveAs(1, "pic");
    open(dir / "gone.txt");
    EXPECT_TRUE(saw("message: Couldn`t read file."));
    EXPECT_EQ(editor.document().CurrentFileName, "-");
    EXPECT_FALSE(saveEnabled(editor));
    EXPECT_EQ(editor.document().ReopenList.size(), 1u);
    open(dir.path()); // a folder
    EXPECT_EQ(editor.document().CurrentFileName, "-");
}

TEST_F(OpenSave, ReopeningKeepsOneEntryPerFileIgnoringCase) {
    for (int i = 0; i < 11; ++i)
        test::writeBytes(dir / (std::to_string(i) + ".txt"), std::to_string(i));
    for (int i = 0; i < 11; ++i)
        open(dir / (std::to_string(i) + ".txt"));
    const std::vector<std::string>& list = editor.document().ReopenList;
    ASSERT_EQ(list.size(), 10u);
    EXPECT_EQ(list.front(), (dir / "10.txt").string());
    EXPECT_EQ(list.back(), (dir / "1.txt").string());

    MyReopen(editor, list.back());
    EXPECT_EQ(editor.canvas().text(0, 0), "1");
    EXPECT_EQ(list.front(), (dir / "1.txt").string());
    EXPECT_EQ(list.size(), 10u);
    // A save under the same name in other case replaces the entry.
    saveAs(1, (dir / "1.TXT").string());
    EXPECT_EQ(list.front(), (dir / "1.TXT").string());
    EXPECT_EQ(std::count(list.begin(), list.end(), (dir / "1.txt").string()), 0);
    EXPECT_EQ(list.size(), 10u);
}

TEST_F(OpenSave, AutosaveSavesTheDocumentsFileSilentlyWhileChecked) {
    ToggleAutosave(editor);
    EXPECT_TRUE(autosaveChecked(editor));
    EXPECT_TRUE(ui.timerEnabled(TimerId::Autosave));
    EXPECT_EQ(ui.timerInterval(TimerId::Autosave), 1000000);

    onTimer(editor, TimerId::Autosave); // no file yet: nothing
    EXPECT_EQ(std::count(ui.transcript().begin(), ui.transcript().end(), "beep"), 0);

    smallCanvas();
    saveAs(1, "auto");
    editor.canvas().setText(0, 0, "q");
    onTimer(editor, TimerId::Autosave);
    EXPECT_EQ(test::readBytes(dir / "auto.txt"), "qb\r\n\r\n");

    ToggleAutosave(editor);
    EXPECT_FALSE(ui.timerEnabled(TimerId::Autosave));
    editor.canvas().setText(0, 0, "r");
    onTimer(editor, TimerId::Autosave);
    EXPECT_EQ(test::readBytes(dir / "auto.txt"), "qb\r\n\r\n");

    ToggleBackup(editor);
    EXPECT_TRUE(backupChecked(editor));
}

TEST_F(OpenSave, RealTextArtSurvivesARoundTrip) {
    const fs::path sample = "/work/shared/corpus/txt/ansilove-old_spidy-ansilove.txt";
    if (!fs::exists(sample))
        GTEST_SKIP() << "corpus absent";
    open(sample);
    ASSERT_NE(editor.document().CurrentFileName, "-");
    saveAs(12, (dir / "copy.txt").string());
    // Optimised, the copy is the original with CR LF line ends and no trailing blanks.
    std::string expected;
    std::string original = test::readBytes(sample);
    std::size_t start = 0;
    while (start < original.size()) {
        std::size_t end = original.find_first_of("\r\n", start);
        std::string line =
            original.substr(start, end == std::string::npos ? std::string::npos : end - start);
        line.erase(line.find_last_not_of(' ') + 1);
        expected += line + "\r\n";
        if (end == std::string::npos)
            break;
        start = end + 1 +
                (original[end] == '\r' && end + 1 < original.size() && original[end + 1] == '\n');
    }
    EXPECT_EQ(test::readBytes(dir / "copy.txt"), expected);
}

} // namespace
} // namespace glyphora
