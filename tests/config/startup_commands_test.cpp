#include "config/settings_file.h"
#include "config/startup_commands.h"
#include "editor_fixture.h"

namespace glyphora {
namespace {

namespace fs = std::filesystem;

struct Startup : test::EditorTest {
    // edit.ini with the working directory set to the program directory.
    void writeIni(Settings s) {
        s.WorkingDirectory = dir.path().string();
        test::writeBytes(dir / "edit.ini", settingsFileText(s));
    }
};

TEST_F(Startup, DamagedSettingsAreDeletedAfterWhatWasReadBeforeTheDamage) {
    Settings s;
    s.ExternalProgram = "/bin/vi";
    s.FontSize = 14;
    s.ShowPaintbar = true;
    s.ColorMode = ColorMode::Ansi;
    writeIni(s);
    std::string text = test::readBytes(dir / "edit.ini");
    text.replace(text.find(":10\r\nColor"), 3, ":x");
    test::writeBytes(dir / "edit.ini", text);
    // The data folders are made; one in another spelling counts, a file in the way is reported.
    test::writeBytes(dir / "Fonts", "not a folder");
    fs::create_directory(dir / "pattern");

    startEditor(editor);
    EXPECT_TRUE(saw("beep"));
    EXPECT_TRUE(saw("status3: ERROR: No INI found or defect (\"Conigure\"/Default/Save)."));
    EXPECT_EQ(editor.status().field(3), "ERROR: Intern failure #2.");
    EXPECT_FALSE(fs::exists(dir / "edit.ini"));
    EXPECT_TRUE(fs::is_directory(dir / "Data") && fs::is_directory(dir / "Undo"));
    EXPECT_FALSE(fs::exists(dir / "Pattern"));
    EXPECT_EQ(editor.settings().ExternalProgram, "/bin/vi"); // read before the damage
    EXPECT_EQ(editor.canvas().font().size, 6);               // then the defaults of a damaged file
}

TEST_F(Startup, SettingsAreAppliedWithoutAQuestionAndWrittenBackOnClosing) {
    test::writeBytes(dir / "a.txt", "a");
    Settings s;
    s.ColorMode = ColorMode::Ansi; // a mode whose menu item would ask
    s.MainFontColor = rgb(0x12, 0x34, 0x56);
    s.MainGridColor = rgb(0, 0, 0x80);
    s.FontSize = 10;
    s.MainFontName = "Liberation Mono";
    s.AutosaveInterval = 3;
    s.Autosave = true;
    s.ShowGrid = false;
    s.History = {(dir / "gone.txt").string(), (dir / "a.txt").string()};
    writeIni(s);
    startEditor(editor);
    EXPECT_EQ(editor.status().field(3), " W E L C O M E ");
    EXPECT_EQ(ui.unansweredDialog(), "");
    EXPECT_EQ(editor.canvas().foreground(79, 49), rgb(0x12, 0x34, 0x56));
    EXPECT_EQ(editor.canvas().metrics.colWidth, 8 + Editor::kCellExpansion); // 10 points
    EXPECT_EQ(ui.timerInterval(TimerId::Autosave), 300000);
    EXPECT_EQ(editor.document().ReopenList, (std::vector<std::string>{(dir / "a.txt").string()}));

    // Closing asks, then writes what the window holds and clears the temporary files.
    editor.document().ReopenList.push_back((dir / "deleted.txt").string()); // no such file
    editor.settings().ShowPaintbar = true;
    editor.takeUndoSnapshot();
    test::writeBytes(dir / "Undo" / "~temp9991.dat", "other instance");
    test::writeBytes(dir / "~temp.txt", "t");
    test::writeBytes(dir / "~temp.htm", "h");
    fs::remove(dir / "edit.ini");

    ui.queueAnswer("no");
    EXPECT_FALSE(queryClose(editor));
    EXPECT_TRUE(saw("confirm:  Close program ?  -> no"));
    EXPECT_FALSE(fs::exists(dir / "edit.ini"));

    ui.queueAnswer("yes");
    EXPECT_TRUE(queryClose(editor));
    EXPECT_FALSE(fs::exists(dir / "~temp.htm") || fs::exists(dir / "~temp.txt"));
    EXPECT_TRUE(fs::is_empty(dir / "Undo"));
    s.WorkingDirectory = dir.path().string();
    s.ShowPaintbar = true;
    s.History = {(dir / "a.txt").string()};
    EXPECT_EQ(test::readBytes(dir / "edit.ini"), settingsFileText(s));

    // Without info messages no question is asked.
    editor.settings().ShowInfoMessages = false;
    const std::size_t lines = ui.transcript().size();
    EXPECT_TRUE(queryClose(editor));
    EXPECT_EQ(ui.transcript().size(), lines);
}

TEST_F(Startup, CommandLineArgumentsAreRejoinedIntoOnePathAndDropsTakeTheFirstFile) {
    fs::create_directory(dir / "my art");
    test::writeBytes(dir / "my art" / "cat pic.txt", "=^.^=");
    const std::optional<std::string> start =
        StartupDocument(editor, {(dir / "my").string(), "art/cat", "pic.txt"});
    ASSERT_TRUE(start);
    OpenStartupDocument(editor, *start);
    EXPECT_EQ(editor.document().caption, "cat pic.txt");
    EXPECT_EQ(row(0), "=^.^=");
    EXPECT_FALSE(StartupDocument(editor, {(dir / "missing.txt").string()})); // ignored
    test::writeBytes(dir / "pic.BMP", "BM");
    EXPECT_EQ(StartupDocument(editor, {(dir / "pic.BMP").string()}), (dir / "pic.BMP").string());
    // Every picture type starts like a bitmap.
    test::writeBytes(dir / "photo.jpeg", "x");
    EXPECT_EQ(StartupDocument(editor, {(dir / "photo.jpeg").string()}),
              (dir / "photo.jpeg").string());

    // Drops open no pictures; only the first file counts.
    openDroppedFiles(editor,
                     {(dir / "pic.BMP").string(), (dir / "my art" / "cat pic.txt").string()});
    EXPECT_EQ(editor.status().field(3),
              "ERROR: Only GLF, GLG, TXT, HTML and ASC files are supported");
    openDroppedFiles(editor, {});
    EXPECT_EQ(editor.document().caption, "cat pic.txt");

    test::writeBytes(dir / "notes.doc", "x");
    EXPECT_FALSE(StartupDocument(editor, {(dir / "notes.doc").string()}));
    EXPECT_EQ(editor.status().field(3),
              "ERROR: Only GLF, GLG, TXT, HTML, BMP and ASC files are supported");
    EXPECT_EQ(editor.document().caption, "NoName.txt");
}

} // namespace
} // namespace glyphora
