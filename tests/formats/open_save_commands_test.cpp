#include "app/window_commands.h"
#include "formats/document_fixture.h"
#include "formats/file_format_table.h"
#include "formats/file_names.h"
#include "paint/canvas_picture.h"

namespace glyphora {
namespace {

namespace fs = std::filesystem;

constexpr const char* kReady = "Saving ... READY !";
constexpr const char* kCannotSave = "ERROR: Couldn`t save file.";
constexpr const char* kCannotWrite = "message: Could`t write file.";
constexpr const char* kCannotRead = "message: Couldn`t read file.";

struct OpenSave : test::DocumentTest {
    // The 3 x 2 canvas: a, b and an empty cell in row 0, nothing in row 1.
    void smallCanvas() {
        editor.canvas().setSize(3, 2);
        editor.canvas().clearTexts();
        put(0, 0, "ab");
    }
};

TEST_F(OpenSave, EachWriterWritesItsBytesReportsControlBytesAndReadableTypesJoinTheReopenList) {
    const struct {
        int code;
        const char* name;
        const char* file;
        std::string bytes;
    } cases[] = {{8, "table", "table.csv", "a;bc; ;\r\n ; ; ;\r\n"}, // a ";" ends each cell
                 {6, "fill", "fill.pat", "abc \r\n   \r\n"}};        // never optimised
    for (const auto& c : cases) {
        smallCanvas();
        editor.canvas().setText(1, 0, "bc"); // cells are written whole
        saveAs(c.code, c.name);
        EXPECT_EQ(test::readBytes(dir / c.file), c.bytes) << c.file;
        EXPECT_EQ(editor.document().CurrentFormat, c.code);
    }
    EXPECT_EQ(editor.document().ReopenList,
              (std::vector<std::string>{(dir / "fill.pat").string()}));

    // HTML plaintext escapes a cell only when its whole text is a special character, and
    // only while writing.
    const char* cells[] = {"<", "a", "&", "b", ">", "\"", "&lt;"};
    editor.canvas().setSize(7, 1);
    for (int c = 0; c < 7; ++c)
        editor.canvas().setText(c, 0, cells[c]);
    saveAs(3, "page");
    EXPECT_EQ(test::readBytes(dir / "page.htm"),
              "<HTML><PRE>&lt;a&amp;b&gt;&quot;&lt;\r\n</PRE></HTML>\r\n");
    EXPECT_EQ(row(0), "<a&b>\"&lt;");

    // Grid files write control bytes as spaces and say how many.
    smallCanvas();
    editor.canvas().setText(2, 0, std::string("\r\n\0", 3));
    editor.canvas().setText(0, 1, "\x07");
    saveAs(10, "ctl"); // the bytes: the grid file test
    EXPECT_EQ(editor.status().field(3),
              "Saving ... READY ! (4 control characters written as spaces)");
    editor.setColorMode(ColorMode::FontColored);
    SaveToCurrentFile(editor);
    EXPECT_EQ(editor.status().field(3), "WARNING: Colors haven`t been saved in this format !!! "
                                        "(4 control characters written as spaces)");
}

TEST_F(OpenSave, ASaveNamesTheDocumentReportsItsStepsAndAutosaveRepeatsItSilently) {
    ToggleAutosave(editor);
    EXPECT_TRUE(autosaveChecked(editor));
    onTimer(editor, TimerId::Autosave); // no file yet: nothing
    EXPECT_EQ(count("beep"), 0);
    smallCanvas();
    saveAs(1, "pic");
    EXPECT_TRUE(saw("browser: NoName.txt 1 -> 1 pic"));
    EXPECT_TRUE(saw("status3: Size reduction: 67%"));
    EXPECT_EQ(editor.status().field(3), kReady);
    EXPECT_EQ(editor.document().caption, "pic.txt");

    smallCanvas();
    editor.settings().SaveOptimized = false;
    SaveToCurrentFile(editor); // silent: no question
    EXPECT_EQ(test::readBytes(dir / "pic.txt"), "ab \r\n   \r\n");
    EXPECT_EQ(ui.unansweredDialog(), "");
    put(0, 0, "q");
    onTimer(editor, TimerId::Autosave);
    EXPECT_EQ(test::readBytes(dir / "pic.txt"), "qb \r\n   \r\n");
    ToggleAutosave(editor);
    EXPECT_FALSE(ui.timerEnabled(TimerId::Autosave));
}

TEST_F(OpenSave, AsciiAndRichTextReportWhatTheyConvertOrCannotKeep) {
    editor.canvas().setSize(6, 1);
    const char* cells[] = {"\x7F", "\x1F", "~", " ", "a\x01", "k"}; // 127 and 31 go
    for (int c = 0; c < 6; ++c)
        editor.canvas().setText(c, 0, cells[c]);
    saveAs(2, "plain");
    EXPECT_EQ(test::readBytes(dir / "plain.asc"), "??~ a\x01k\r\n");
    EXPECT_EQ(row(0), "??~ a\x01k");
    const std::string report =
        "message: Extended char. (>126): 1\rControl char. (<32): 1\r\rConversion to \"?\" ...";
    EXPECT_EQ(count(report), 1);

    editor.settings().ShowInfoMessages = false;
    put(0, 0, "\xC8");
    SaveToCurrentFile(editor);
    EXPECT_EQ(count(report), 1);
    EXPECT_EQ(editor.status().field(3), kReady);

    // Rich text keeps no RGB colours outside Ansi.
    smallCanvas();
    saveAs(7, "rich");
    EXPECT_EQ(editor.status().field(3), "WARNING: RGBColors haven`t been saved in this format !!!");

    editor.setColorMode(ColorMode::Ansi);
    onTimer(editor, TimerId::Status);
    saveAs(7, "rich", {"yes"});
    EXPECT_EQ(editor.status().field(3), kReady);
}

TEST_F(OpenSave, ADeclinedOrFailedReplacementKeepsTheOldFileAndReportsNoSuccess) {
    test::writeBytes(dir / "x.txt", "old");
    smallCanvas();
    saveAs(1, "x.txt", {"no"});
    EXPECT_TRUE(saw("confirm: File exists. Overwrite ? -> no"));
    EXPECT_EQ(test::readBytes(dir / "x.txt"), "old");
    EXPECT_EQ(editor.document().CurrentFileName, "-");

    // After a save "&Save" stays enabled but refused.
    editor.document().SaveEnabled = true;
    SaveToCurrentFile(editor);
    EXPECT_TRUE(saw("beep"));
    EXPECT_EQ(editor.status().field(3), kCannotSave);
    EXPECT_FALSE(saveEnabled(editor));

    // A name so long that no file beside it can be created: the write fails for anyone,
    // the superuser included, after the old file was found and agreed to be replaced.
    const fs::path target = dir / (std::string(250, 'x') + ".txt");
    test::writeBytes(target, "old");
    saveAs(1, target.string(), {"yes"}); // the old file kept: the save failure test
    EXPECT_EQ(count(kCannotWrite), 1);
    EXPECT_TRUE(editor.document().ReopenList.empty());

    // With backups on, the first replacement keeps the old file and later ones keep that.
    ToggleBackup(editor);
    EXPECT_TRUE(backupChecked(editor));
    saveAs(1, "x.txt", {"yes"});
    put(0, 0, "z");
    SaveToCurrentFile(editor);
    EXPECT_EQ(test::readBytes(dir / "x.txt.bak"), "old");
    EXPECT_EQ(test::readBytes(dir / "x.txt"), "zb\r\n\r\n");
}

TEST(PictureNames, EveryPictureTypeIsTakenForAPictureAndBmpAnywhere) {
    for (const char* name : {"a.png", "b.JPG", "c.jpeg", "d.gif", "e.tga", "f.psd", "g.ppm",
                             "folder.bmp.d/notes.txt", "x.BMP"})
        EXPECT_TRUE(isPictureName(name)) << name;
    for (const char* name : {"a.txt", "png", "a.png.txt", "a.glf"})
        EXPECT_FALSE(isPictureName(name)) << name;
    EXPECT_FALSE(hasPictureExtension("folder.bmp.d/notes.txt"));
    EXPECT_TRUE(hasPictureExtension("photo.Jpe"));
}

TEST_F(OpenSave, EachTypeOpensWithItsReaderNamesTheDocumentAndTypesWithoutAWriterAreRefused) {
    // Every type of the table has its writer.
    for (const FileFormatRow& row : FileFormatTable())
        EXPECT_TRUE(canSaveFormat(parseFileFormat(row.text).code)) << row.text;
    editor.document().caption = "art.txt";

    saveAs(25, "odd"); // no type has that code
    EXPECT_EQ(editor.status().field(3), "ERROR: Internal error (Cd#4b).");
    EXPECT_FALSE(fs::exists(dir / "odd"));

    // An empty name saves nothing; the caption goes back to its part before the first ".".
    saveAs(1, (dir.path() / "").string());
    EXPECT_EQ(editor.document().caption, "art");

    // A grid file takes its own size.
    test::writeBytes(dir / "g.glg", "a\x07"
                                    "b\x07\x07\r\n");
    open(dir / "g.glg");
    EXPECT_EQ(test::picture(editor.canvas()), (test::Rows{"ab@"}));
    EXPECT_EQ(editor.document().CurrentFormat, 10);
    // A text file in a folder whose name holds ".glg" is read as a grid: paths are
    // tested whole.
    fs::create_directory(dir / "a.glg.d");
    test::writeBytes(dir / "a.glg.d" / "t.txt", "x\x07y\x07\r\n");
    open(dir / "a.glg.d" / "t.txt");
    EXPECT_EQ(row(0), "xy");
    EXPECT_EQ(editor.document().CurrentFormat, 1);

    // Opening text names the document after the file.
    fs::create_directory(dir / "sub");
    const fs::path file = dir / "sub" / "Art.TXT";
    test::writeBytes(file, "ab\r\ncdef\r\rx\n");
    editor.document().SaveFormat = 8;
    ui.queueAnswer(file.string());
    OpenCommand(editor);
    EXPECT_EQ(test::picture(editor.canvas()), (test::Rows{"ab@@", "cdef", "@@@@", "x@@@"}));
    const DocumentState& doc = editor.document();
    EXPECT_EQ(doc.caption, "Art.TXT");
    EXPECT_EQ(doc.SaveFormat, 1);
    EXPECT_TRUE(saveEnabled(editor));
    EXPECT_EQ(workingDirectory(editor), dir / "sub");
    ui.queueAnswer("cancel");
    OpenCommand(editor);
    EXPECT_EQ(doc.caption, "Art.TXT");
    ForgetDocumentFile(editor); // what "&New" does to the names
    EXPECT_EQ(doc.caption, "NoName");
    EXPECT_EQ(doc.CurrentFileName, "-");
    EXPECT_FALSE(saveEnabled(editor));
}

TEST_F(OpenSave, UnreadableDamagedOrTooLargeFilesAreReportedOnceAndChangeNothing) {
    smallCanvas();
    saveAs(1, "pic");
    test::writeBytes(dir / "bad.glf", "raw");
    for (const fs::path& bad : {dir / "gone.txt", dir.path(), dir / "bad.glf"}) {
        const long before = count(kCannotRead);
        open(bad);
        EXPECT_EQ(count(kCannotRead), before + 1) << bad;
        EXPECT_EQ(editor.document().CurrentFileName, "-") << bad;
        EXPECT_FALSE(saveEnabled(editor));
    }
    EXPECT_EQ(editor.document().ReopenList.size(), 1u);

    // 102 KB whose longest line by its line count exceeds any canvas: too large, not unreadable.
    std::string wide(100000, 'x');
    for (int i = 0; i < 700; ++i)
        wide += "\nab";
    test::writeBytes(dir / "wide.txt", wide);
    open(dir / "wide.txt");
    EXPECT_EQ(ui.transcript().back(), "message: ERROR: Canvas size too large.");
    EXPECT_EQ(ui.transcript()[ui.transcript().size() - 2], "beep");
    EXPECT_EQ(count(kCannotRead), 3);
    EXPECT_EQ(row(0), "ab ");
}

TEST_F(OpenSave, AColouredDocumentIsReadFirstThenAskedBeforeItLosesItsColours) {
    editor.settings().EnableUndo = true;
    editor.setColorMode(ColorMode::FullColored);
    editor.canvas().SetColorCell(0, 0, rgb(1, 2, 3));
    test::writeBytes(dir / "t.txt", "new");
    test::writeBytes(dir / "g.glg", "a\x07\r\n");
    const auto unchanged = [&](const char* what) {
        EXPECT_EQ(editor.colorMode(), ColorMode::FullColored) << what;
        EXPECT_EQ(editor.canvas().background(0, 0), rgb(1, 2, 3)) << what;
        EXPECT_EQ(editor.canvas().colCount(), 80) << what;
        EXPECT_EQ(editor.document().caption, "NoName.txt") << what;
        EXPECT_TRUE(editor.document().ReopenList.empty()) << what;
        EXPECT_EQ(editor.undoRing().count(), 0) << what;
    };
    // A stale entry: nothing is asked and nothing but the file name changes.
    open(dir / "gone.glg");
    EXPECT_EQ(count(kCannotRead), 1);
    unchanged("missing grid file");
    // "No" cancels the open as a dialog's Cancel does, without a further message.
    for (const char* name : {"t.txt", "g.glg"}) {
        ui.queueAnswer("no");
        open(dir / name);
        EXPECT_TRUE(saw("confirm: This will delete all colors. Continue? -> no"));
        EXPECT_EQ(count(kCannotRead), 1);
        unchanged(name);
    }
    ui.queueAnswer("yes");
    open(dir / "t.txt");
    EXPECT_EQ(editor.colorMode(), ColorMode::Plain);
    EXPECT_EQ(row(0), "new");
    EXPECT_FALSE(editor.canvas().hasOwnBrush(0, 0));
    // The open took an undo snapshot of the coloured canvas.
    EXPECT_TRUE(editor.undoRing().undo(editor.canvas(), editor.settings().UndoSteps));
    EXPECT_EQ(editor.canvas().colCount(), 80);
}

TEST_F(OpenSave, UnicodeTextFilesSaveBackAsTheyCameAndOtherDocumentsAsBefore) {
    // UTF-8 art with Unix line ends: DOS bytes in the cells, shown through the CP437 view.
    const std::string art = "\xE2\x96\x91\xE2\x96\x88 ok\n\xE2\x94\x94\xE2\x94\x80\xE2\x94\x98\n";
    test::writeBytes(dir / "art.txt", art);
    open(dir / "art.txt");
    EXPECT_EQ(row(0), "\xB0\xDB ok");
    EXPECT_EQ(editor.glyphSet(), CharSet::Cp437);
    SaveToCurrentFile(editor);
    EXPECT_EQ(test::readBytes(dir / "art.txt"), art);
    // Another plain text type keeps the style; the other types write the cells' bytes.
    saveAs(12, "art.lst");
    EXPECT_EQ(test::readBytes(dir / "art.lst"), art);
    saveAs(10, "art");
    EXPECT_NE(test::readBytes(dir / "art.glg").find("\xB0"), std::string::npos);
    EXPECT_EQ(test::readBytes(dir / "art.glg").find("\xE2"), std::string::npos);

    // UTF-16 with a mark and no line end at the end.
    const std::string wide("\xFF\xFEx\0\xF7\0\r\0\n\0y\0", 12);
    test::writeBytes(dir / "wide.txt", wide);
    open(dir / "wide.txt");
    EXPECT_EQ(row(0), "x\xF7");
    saveAs(1, "wide2.txt");
    EXPECT_EQ(test::readBytes(dir / "wide2.txt"), wide);

    // Characters no byte set holds: "?" and their count in the status bar.
    test::writeBytes(dir / "greek.txt", "\xCE\xBB\xCE\xBC.\r\n");
    open(dir / "greek.txt");
    EXPECT_EQ(row(0), "??.");
    EXPECT_EQ(editor.status().field(3), "2 characters not in Windows-1252 or CP437 read as ?");

    // A document read from any other type writes as the program always did.
    smallCanvas();
    saveAs(10, "grid");
    open(dir / "grid.glg");
    saveAs(1, "fromgrid");
    EXPECT_EQ(test::readBytes(dir / "fromgrid.txt"), "ab\r\n\r\n");
}

TEST_F(OpenSave, ReopeningKeepsOneEntryPerFileIgnoringCase) {
    for (int i = 0; i < 11; ++i) {
        test::writeBytes(dir / (std::to_string(i) + ".txt"), std::to_string(i));
        open(dir / (std::to_string(i) + ".txt"));
    }
    const std::vector<std::string>& list = editor.document().ReopenList;
    ASSERT_EQ(list.size(), 10u);
    EXPECT_EQ(list.front(), (dir / "10.txt").string());
    EXPECT_EQ(list.back(), (dir / "1.txt").string());

    reopenDocument(editor, list.back());
    EXPECT_EQ(row(0), "1");
    EXPECT_EQ(list.front(), (dir / "1.txt").string());
    // A save under the same name in other case replaces the entry.
    saveAs(1, (dir / "1.TXT").string());
    EXPECT_EQ(list.front(), (dir / "1.TXT").string());
    EXPECT_EQ(std::count(list.begin(), list.end(), (dir / "1.txt").string()), 0);
    EXPECT_EQ(list.size(), 10u);
}

} // namespace
} // namespace glyphora
