#include "app/tool_commands.h"
#include "editor_fixture.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace glyphora {
namespace {

namespace fs = std::filesystem;

struct ToolCommands : test::EditorTest {
    fs::path handOver() const { return dir / kHandOverFile; }
    std::string handedOverText() const { return test::readBytes(handOver()); }
    // A program file of its own, executable or not.
    fs::path makeFile(const std::string& name, bool executable) {
        const fs::path path = dir / name;
        test::writeBytes(path, "#!/bin/sh\n");
        fs::permissions(path, executable ? fs::perms::owner_all : fs::perms::owner_read);
        return path;
    }
};

TEST_F(ToolCommands, CodeTableListsEveryCellsCodeUnderTheCaptionAndFillsEmptyCells) {
    editor.canvas().setSize(3, 2);
    put(0, 0, "A\xE9");
    editor.canvas().setText(2, 0, "");
    put(0, 1, "\t~");
    editor.canvas().setText(2, 1, "xy");
    editor.document().caption = "art.txt";
    ExportCodeTable(editor);
    EXPECT_EQ(handedOverText(), "ASC table : art.txt\r\n"
                                "---------------------------\r\n"
                                "\r\n"
                                "(No)\t(1)\t(2)\t(3)\t\r\n"
                                "\r\n"
                                "(1)\t65\t233\t32\t\r\n"
                                "(2)\t9\t126\t120\t\r\n"
                                "\r\n"
                                "Created with Glyphora 4.5 ,ID1.4\r\n");
    EXPECT_EQ(editor.canvas().text(2, 0), " ");
    EXPECT_TRUE(saw("shell open: " + handOver().string()));
}

TEST_F(ToolCommands, ImageInfoCountsTheCanvasIntoAMessage) {
    editor.canvas().setSize(3, 2);
    ImageInfo(editor);
    const std::string& shown = ui.transcript().back();
    EXPECT_EQ(shown.rfind("message: Statistic:\r\rRows: 2\rCols: 3\rChar.: 6\r", 0), 0u) << shown;
    EXPECT_NE(shown.find("\rAllocated Mem.Size: "), std::string::npos) << shown;
}

TEST_F(ToolCommands, FixedFontListNumbersTheFamiliesFromZero) {
    ExportFixedFontList(editor);
    EXPECT_EQ(handedOverText(), "Fixed font list :\r\n"
                                "---------------------------\r\n"
                                "\r\n"
                                "0.)\tCourier New\r\n"
                                "1.)\tLiberation Mono\r\n"
                                "\r\n"
                                "Fixed font list: Created with Glyphora 4.5 ,ID1.4\r\n");
    EXPECT_EQ(fixedFontListLines({}).size(), 5u);
}

TEST_F(ToolCommands, ExportToEditorWritesTheCanvasAsUtf8LinesOrTheShownTextView) {
    editor.canvas().setSize(3, 2);
    put(0, 0, "a\xE9");
    editor.canvas().setText(2, 0, "");
    put(0, 1, "xyz");
    ExportToEditor(editor);
    EXPECT_EQ(handedOverText(), "a\xC3\xA9 \r\nxyz\r\n");
    EXPECT_EQ(editor.canvas().text(2, 0), " ");
    EXPECT_FALSE(editor.textView().visible);

    // The text view's own lines, as edited, go while it is shown; it stays shown.
    editor.textView().visible = true;
    editor.textView().lines = {"typed", "", "here"};
    ExportToEditor(editor);
    EXPECT_EQ(handedOverText(), "typed\r\n\r\nhere\r\n");
    EXPECT_TRUE(editor.textView().visible);
    EXPECT_EQ(editor.canvas().colCount(), 3);
}

TEST_F(ToolCommands, HandOverFailuresAreReported) {
    ui.setHandOversFail(true);
    ExportToEditor(editor);
    EXPECT_TRUE(saw("beep"));
    EXPECT_TRUE(saw("status3: ERROR: Couldn`t start editor"));

    // The temporary file cannot be written where a folder of its name stands.
    ui.setHandOversFail(false);
    fs::remove(handOver());
    fs::create_directory(handOver());
    ExportCodeTable(editor);
    EXPECT_TRUE(saw("message: Couldn`t write file."));
    EXPECT_FALSE(saw("shell open: " + handOver().string()));
}

TEST_F(ToolCommands, RunExternalProgramStartsOnlyAnExistingFile) {
    RunExternalProgram(editor);
    EXPECT_TRUE(saw("status3: ERROR: Couldn`t found ><"));

    editor.settings().ExternalProgram = (dir / "missing").string();
    RunExternalProgram(editor);
    EXPECT_TRUE(saw("status3: ERROR: Couldn`t found >" + (dir / "missing").string() + "<"));

    const fs::path program = makeFile("tool", true);
    editor.settings().ExternalProgram = program.string();
    RunExternalProgram(editor);
    EXPECT_EQ(ui.transcript().back(), "start program: " + program.string());

    ui.setHandOversFail(true);
    RunExternalProgram(editor);
    EXPECT_TRUE(saw("status3: ERROR: Couldn`t start >" + program.string() + "<"));
}

TEST_F(ToolCommands, SetExternalProgramTakesOnlyAnExecutableFile) {
    const fs::path program = makeFile("tool", true);
    const fs::path text = makeFile("notes.txt", false);
    editor.settings().ExternalProgram = "before";

    ui.queueAnswer("cancel");
    SetExternalProgram(editor);
    ui.queueAnswer((dir / "missing").string());
    SetExternalProgram(editor);
    EXPECT_EQ(editor.settings().ExternalProgram, "before");

    ui.queueAnswer(text.string());
    SetExternalProgram(editor);
    EXPECT_EQ(editor.settings().ExternalProgram, "before");
    EXPECT_TRUE(saw("status3: ERROR: Not a program >" + text.string() + "<"));

    ui.queueAnswer(program.string());
    SetExternalProgram(editor);
    EXPECT_EQ(editor.settings().ExternalProgram, program.string());
    EXPECT_TRUE(saw("open: Program|* -> " + program.string()));
}

TEST_F(ToolCommands, FileManagerAndNewInstanceAreHandedToTheDesktop) {
    editor.settings().WorkingDirectory = dir.path().string();
    OpenFileManager(editor);
    EXPECT_EQ(ui.transcript().back(), "shell open: " + dir.path().string());

    HeadlessUi otherUi;
    Editor installed(otherUi, ProgramPlaces{dir / "home", dir / "share", dir / "bin"}, "001");
    NewEditorInstance(installed);
    EXPECT_EQ(otherUi.transcript().back(), "start program: " + (dir / "bin" / "glyphora").string());
    otherUi.setHandOversFail(true);
    NewEditorInstance(installed);
    EXPECT_EQ(otherUi.transcript().back(),
              "status3: ERROR: Couldn`t start >" + (dir / "bin" / "glyphora").string() + "<");
}

TEST_F(ToolCommands, PrintSendsTheRowsInTheCanvasFontUnderADashTitle) {
    editor.canvas().setSize(2, 2);
    put(0, 0, "ab");
    editor.canvas().setText(0, 1, "");
    editor.canvas().setText(1, 1, "c");
    editor.setColorMode(ColorMode::Ansi); // the CP437 glyphs
    ui.queueAnswer("ok");
    PrintCanvas(editor);
    ASSERT_TRUE(ui.lastPrintJob());
    const PrintJob& job = *ui.lastPrintJob();
    EXPECT_EQ(job.title, "-");
    EXPECT_EQ(job.lines, (TextLines{"ab", " c"}));
    EXPECT_EQ(job.font.name, editor.canvas().font().name);
    EXPECT_EQ(job.font.size, editor.canvas().font().size);
    EXPECT_EQ(job.charSet, CharSet::Cp437);
    EXPECT_TRUE(saw("print: - (2 lines) -> ok"));

    ui.queueAnswer("cancel");
    PrintCanvas(editor);
    EXPECT_FALSE(saw("status3: ERROR: Couldn`t print."));
    ui.queueAnswer("fail");
    PrintCanvas(editor);
    EXPECT_TRUE(saw("status3: ERROR: Couldn`t print."));
}

} // namespace
} // namespace glyphora
