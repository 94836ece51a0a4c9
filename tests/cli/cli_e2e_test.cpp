// Scripts run through the glyphora-cli executable, checked by transcript and JSON dump.
#include "platform/text_codec.h"
#include "test_support.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/wait.h>

namespace {

using glyphora::test::TempDir;
using Json = nlohmann::json;

struct Result {
    int exitCode = -1;
    std::string output;
};

Result runCli(const std::string& args) {
    Result result;
    FILE* pipe = ::popen((std::string(GLYPHORA_CLI) + " " + args + " 2>&1").c_str(), "r");
    if (!pipe)
        return result;
    std::array<char, 4096> buffer{};
    std::size_t got;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        result.output.append(buffer.data(), got);
    const int status = ::pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

struct CliScript : ::testing::Test {
    TempDir dir;

    Result runScript(const std::string& script) {
        glyphora::test::writeBytes(dir / "script.txt",
                                   "home " + (dir / "home").string() + "\n" + script);
        return runCli("script " + (dir / "script.txt").string());
    }
    Json dump() { return Json::parse(glyphora::test::readBytes(dir / "state.json")); }
};

TEST_F(CliScript, FreshEditorDumpsTheWelcomeState) {
    const Result r = runScript("dump " + (dir / "state.json").string() + "\n");
    ASSERT_EQ(r.exitCode, 0) << r.output;
    const Json state = dump();
    EXPECT_EQ(state["cols"], 80);
    EXPECT_EQ(state["rows"], 50);
    EXPECT_EQ(state["mode"], 1);
    EXPECT_EQ(state["font"]["name"], "Courier New");
    EXPECT_EQ(state["font"]["size"], 6);
    EXPECT_EQ(state["defaultFg"], "000000");
    EXPECT_EQ(state["defaultBg"], "FFFFFF");
    EXPECT_EQ(state["cells"].size(), 50u);
    EXPECT_EQ(state["cells"][49].size(), 80u);
    EXPECT_EQ(state["cells"][49][79], " ");
    EXPECT_TRUE(state["fg"][0][0].is_null());
    // A first start finds no settings file.
    EXPECT_EQ(state["status"][3], "ERROR: No INI found or defect (\"Conigure\"/Default/Save).");
    EXPECT_NE(r.output.find("beep"), std::string::npos);
    EXPECT_EQ(state["caption"], "NoName.txt");
    EXPECT_EQ(state["currentFileName"], "-");
    EXPECT_EQ(state["undo"]["count"], 0);
    EXPECT_EQ(state["textView"]["visible"], false);
    EXPECT_EQ(state["settings"]["UndoSteps"], 10);
    EXPECT_EQ(state["settings"]["SolidChar"], "#");
    EXPECT_EQ(state["settings"]["ShowGrid"], true);
}


TEST_F(CliScript, OptimisedTextViewAndSettingsShowInTheDump) {
    const Result r = runScript("set ColorMode=3\n"
                               "set FontSize=10\n"
                               "set MainGridColor=000080\n"
                               "select 2 3 5 4\n"
                               "run \"&View > &Text/Gridview\"\n"
                               "dump " +
                               (dir / "state.json").string() + "\n");
    ASSERT_EQ(r.exitCode, 0) << r.output;
    const Json state = dump();
    EXPECT_EQ(state["font"]["size"], 10);
    EXPECT_EQ(state["cellWidth"], 10);
    EXPECT_EQ(state["cellHeight"], 17);
    EXPECT_EQ(state["mode"], 3);
    EXPECT_EQ(state["defaultBg"], "000080");
    EXPECT_EQ(state["selection"], Json::array({2, 3, 5, 4}));
    EXPECT_EQ(state["cursor"], Json::array({2, 3}));
    EXPECT_EQ(state["status"][0], "Pos.: X=3 Y=4");
    EXPECT_EQ(state["textView"]["visible"], true);
    EXPECT_EQ(state["textView"]["lines"].size(), 50u);
    EXPECT_EQ(state["textView"]["lines"][49], std::string(80, ' '));
    // Mode 3 after a font change: every cell carries its own font colour.
    EXPECT_EQ(state["fg"][10][10], "000000");
}

TEST_F(CliScript, BytesSurviveTheDumpOneToOne) {
    const Result r = runScript("run ToggleTextView\n"
                               "textview \"\\xC4\\x80\\t\"\n"
                               "run ToggleTextView\n"
                               "dump " +
                               (dir / "state.json").string() + "\n");
    ASSERT_EQ(r.exitCode, 0) << r.output;
    const Json state = dump();
    EXPECT_EQ(state["cells"][0][0], "\xC3\x84"); // U+00C4
    EXPECT_EQ(state["cells"][0][1], "\xC2\x80"); // U+0080, not the euro sign
    EXPECT_EQ(state["cells"][0][2], "\t");
}

TEST_F(CliScript, UnansweredDialogExitsTwo) {
    const Result r = runScript("run ChooseFont\n");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.output.find("unanswered: font: Courier New 6 000000"), std::string::npos);
}

TEST_F(CliScript, TypingArrowsAndKeysEditTheCanvas) {
    const Result r = runScript("click 2 1\n"
                               "type \"Hi!\"\n"
                               "key Enter\n"
                               "key Down\n"
                               "type x\n"
                               "set RedefineKeys=Y\n"
                               "click 0 0\n"
                               "type 1245\n"
                               "dump " +
                               (dir / "state.json").string() + "\n");
    ASSERT_EQ(r.exitCode, 0) << r.output;
    const Json state = dump();
    EXPECT_EQ(state["cells"][1][2], "H");
    EXPECT_EQ(state["cells"][1][4], "!");
    EXPECT_EQ(state["cells"][2][5], "x"); // the cursor moved down from (5, 1)
    EXPECT_EQ(state["cells"][0][0], "/");
    EXPECT_EQ(state["cells"][0][1], "\\");
    EXPECT_EQ(state["cells"][0][2], "_");
    EXPECT_EQ(state["cells"][0][3], "|");
    EXPECT_EQ(state["cursor"], Json::array({4, 0}));
}

TEST_F(CliScript, CopyAndPreviewClicksPasteOverAndUnder) {
    const Result r = runScript("set PastePreview=N\n"
                               "select 0 0 79 49\n"
                               "key Del\n"
                               "click 0 0\n"
                               "type \"a b\"\n"
                               "click 0 2\n"
                               "type xyz\n"
                               "click 0 3\n"
                               "type xyz\n"
                               "set PastePreview=Y\n"
                               "select 0 0 2 0\n"
                               "key Ctrl+C\n"
                               "move 0 2\n"
                               "click 0 2 ctrl\n"
                               "select 0 0 2 0\n"
                               "key Ctrl+C\n"
                               "click 0 3 alt\n"
                               "select 0 0 2 0\n"
                               "run CutBlock\n"
                               "move 5 5\n"
                               "click 5 5\n"
                               "dump " +
                               (dir / "state.json").string() + "\n");
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_NE(r.output.find("status3: Paste preview deactivated."), std::string::npos);
    const Json state = dump();
    EXPECT_EQ(state["cells"][2][0].get<std::string>() + state["cells"][2][1].get<std::string>() +
                  state["cells"][2][2].get<std::string>(),
              "ayb");
    EXPECT_EQ(state["cells"][3][1], "y"); // paste under keeps the canvas on top
    EXPECT_EQ(state["cells"][0][0], " "); // the cut blanked the source
    EXPECT_EQ(state["cells"][5][5], "a");
    EXPECT_EQ(state["cells"][5][7], "b");
    EXPECT_EQ(state["clipboard"], "a b");
    EXPECT_EQ(state["undo"]["count"], 5); // delete, three pastes' snapshots and the cut
}

TEST_F(CliScript, NavigatorAndCtrlClickBlocks) {
    const Result r = runScript("clipboard \"abc\\ndef\"\n"
                               "click 1 1\n"
                               "key Ctrl+V\n"
                               "click 10 10 ctrl\n"
                               "nav right\n"
                               "nav bottom-edge-down\n"
                               "dump " +
                               (dir / "state.json").string() + "\n");
    ASSERT_EQ(r.exitCode, 0) << r.output;
    const Json state = dump();
    EXPECT_EQ(state["cells"][2][3], "f");
    EXPECT_EQ(state["selection"], Json::array({11, 10, 13, 12}));
    EXPECT_NE(r.output.find("beep"), std::string::npos);
}

TEST_F(CliScript, BadInputDirectivesFail) {
    EXPECT_EQ(runScript("click 500 1\n").exitCode, 1);
    EXPECT_EQ(runScript("key Hyper+Q\n").exitCode, 1);
    EXPECT_EQ(runScript("nav sideways\n").exitCode, 1);
    EXPECT_EQ(runScript("click 1 1 middle\n").exitCode, 1);
}

TEST_F(CliScript, OpenAndSaveRealFilesAndKeepTheSettingsAcrossRuns) {
    const std::string art = "/work/shared/corpus/txt/durdraw_cm-doge.asc";
    if (!std::filesystem::exists(art))
        GTEST_SKIP() << "corpus not present";
    const std::string out = (dir / "doge").string();
    Result r = runScript("open " + art +
                         "\n"
                         "saveas \"10 " +
                         out +
                         "\"\n"
                         "saveas \"11 " +
                         out +
                         "\"\n"
                         "set BackupFiles=Y\n"
                         "set ShowInfoMessages=N\n"
                         "run ExitProgram\n");
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_NE(r.output.find("status3: Saving ... READY !"), std::string::npos) << r.output;
    ASSERT_TRUE(std::filesystem::exists(out + ".glg"));
    ASSERT_TRUE(std::filesystem::exists(out + ".glf"));
    const std::string ini = glyphora::test::readBytes(dir / "home" / "edit.ini");
    EXPECT_NE(ini.find("Backup files               :Y\r\n"), std::string::npos);
    EXPECT_NE(ini.find("[HISTORY:]\r\n"), std::string::npos);

    // The next run reads the settings and its reopen list, and opens the saved grid file.
    r = runScript("open " + out +
                  ".glg\n"
                  "dump " +
                  (dir / "state.json").string() + "\n");
    ASSERT_EQ(r.exitCode, 0) << r.output;
    const Json state = dump();
    EXPECT_EQ(state["settings"]["BackupFiles"], true);
    EXPECT_EQ(state["caption"], "doge.glg");
    EXPECT_EQ(state["currentFormat"], 10);
    EXPECT_EQ(state["reopen"][0], out + ".glg");
    EXPECT_EQ(state["reopen"][1], out + ".glf");
    EXPECT_EQ(state["status"][3], " W E L C O M E "); // the settings file was found
    // The grid file brought back what the text file held: its first line, cell by cell.
    const std::string text = glyphora::test::readBytes(art);
    const std::string firstLine = text.substr(0, text.find_first_of("\r\n"));
    std::string row;
    for (const Json& cell : state["cells"][0])
        row += cell.get<std::string>();
    EXPECT_EQ(row.substr(0, firstLine.size()), glyphora::latin1ToUtf8(firstLine));
}

TEST_F(CliScript, FullAttributeDocumentsComeBackIdentical) {
    const std::string out = (dir / "colours.glf").string();
    const Result r = runScript("set ShowInfoMessages=N\n"
                               "run SetModeFullColored\n"
                               "answer 0000FF\n"
                               "run SetActiveBackColorDialog\n"
                               "select 2 2 5 3\n"
                               "run ColorSelectionBg\n"
                               "saveas \"11 " +
                               out +
                               "\"\n"
                               "dump " +
                               (dir / "before.json").string() +
                               "\n"
                               "run SetModePlain\n"
                               "open " +
                               out +
                               "\n"
                               "dump " +
                               (dir / "state.json").string() + "\n");
    ASSERT_EQ(r.exitCode, 0) << r.output;
    const Json before = Json::parse(glyphora::test::readBytes(dir / "before.json"));
    const Json after = dump();
    EXPECT_EQ(after["mode"], 3);
    EXPECT_EQ(after["bg"][2][2], "0000FF");
    EXPECT_EQ(after["cells"], before["cells"]);
    // Every cell shows the colours it showed before (the file gives each cell its own).
    const auto shown = [](const Json& state, const char* plane, const char* fallback, int r,
                          int c) {
        const Json& own = state[plane][r][c];
        return own.is_null() ? state[fallback].get<std::string>() : own.get<std::string>();
    };
    for (int r = 0; r < 50; ++r) {
        for (int c = 0; c < 80; ++c) {
            ASSERT_EQ(shown(after, "bg", "defaultBg", r, c),
                      shown(before, "bg", "defaultBg", r, c));
            ASSERT_EQ(shown(after, "fg", "defaultFg", r, c),
                      shown(before, "fg", "defaultFg", r, c));
        }
    }
}

std::string rowOf(const Json& state, int row) {
    std::string text;
    for (const Json& cell : state["cells"][row])
        text += cell.get<std::string>();
    return text;
}

TEST_F(CliScript, PaintingShapesLineArtPatternsAndReplace) {
    // The shipped data files (patterns, flip tables) beside the program.
    std::filesystem::copy(GLYPHORA_DATA_DIR, dir / "home",
                          std::filesystem::copy_options::recursive);
    const Result r = runScript("answer \"20 10\"\n"
                               "run NewCanvas\n"
                               "select 1 1 8 1\n"
                               "run PaintHorzLine\n"
                               "select 1 3 8 6\n"
                               "run LineArtRectangle\n"
                               "select 10 1 16 7\n"
                               "run PaintCircle\n"
                               "select 0 8 0 8\n"
                               "key F12\n"
                               "pattern honeycomb.pat\n"
                               "run PatternFill\n"
                               "answer \"#\"\n"
                               "answer \"@\"\n"
                               "run ReplaceAll\n"
                               "dump " +
                               (dir / "state.json").string() +
                               "\n"
                               "key Ctrl+Z\n"
                               "dump " +
                               (dir / "undone.json").string() + "\n");
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_NE(r.output.find("size: New Canvas: 80 50 -> 20 10"), std::string::npos);
    const Json state = dump();
    EXPECT_EQ(state["cols"], 20);
    EXPECT_EQ(state["caption"], "NoName");
    EXPECT_EQ(rowOf(state, 1).substr(1, 8), "@@@@@@@@");
    EXPECT_EQ(rowOf(state, 3).substr(1, 8), "+------+");
    EXPECT_EQ(rowOf(state, 4).substr(1, 8), "|      |");
    EXPECT_EQ(rowOf(state, 6).substr(1, 8), "+------+");
    EXPECT_EQ(rowOf(state, 4)[10], '@'); // the circle's left side
    // The honeycomb covers the blank area around the shapes, anchored at the top left.
    EXPECT_EQ(rowOf(state, 0).substr(0, 4), "\\__/");
    EXPECT_EQ(rowOf(state, 9).substr(0, 4), "/  \\");
    // Undo goes back to before the replacement.
    const Json undone = Json::parse(glyphora::test::readBytes(dir / "undone.json"));
    EXPECT_EQ(rowOf(undone, 1).substr(1, 8), "########");
}

TEST_F(CliScript, ColourModesAskBeforeDroppingColours) {
    const Result r = runScript("run SetModeFullColored\n"
                               "answer 00FF00\n"
                               "run SetActiveFontColorDialog\n"
                               "select 0 0 3 0\n"
                               "key F9\n"
                               "answer no\n"
                               "run SetModePlain\n"
                               "dump " +
                               (dir / "kept.json").string() +
                               "\n"
                               "answer yes\n"
                               "run SetModePlain\n"
                               "dump " +
                               (dir / "state.json").string() + "\n");
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_NE(r.output.find("confirm: This will delete all colors. Continue? -> no"),
              std::string::npos)
        << r.output;
    const Json kept = Json::parse(glyphora::test::readBytes(dir / "kept.json"));
    EXPECT_EQ(kept["mode"], 3);
    EXPECT_EQ(kept["fg"][0][2], "00FF00");
    EXPECT_EQ(kept["status"][2], "Font color=#00FF00,   Backgroundcolor=#FFFFFF");
    const Json state = dump();
    EXPECT_EQ(state["mode"], 1);
    EXPECT_TRUE(state["fg"][0][2].is_null());
}

TEST(Cli, ListsCommandsAndHelp) {
    const Result list = runCli("--list-commands");
    ASSERT_EQ(list.exitCode, 0);
    EXPECT_NE(list.output.find("grid2Togrid1\tEdit&1 > &Undo\tCtrl+Z\n"), std::string::npos);
    EXPECT_NE(list.output.find("ToggleGrid\t&View > &Show grid\t\n"), std::string::npos);
    const Result help = runCli("--help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.output.find("glyphora-cli [--home DIR] script FILE"), std::string::npos);
    EXPECT_EQ(runCli("--bogus").exitCode, 1);
    EXPECT_EQ(runCli("script /no/such/file").exitCode, 1);
}

} // namespace
