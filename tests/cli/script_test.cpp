#include "script.h"
#include "test_support.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>

namespace glyphora {
namespace {

TEST(ScriptValue, QuotedValuesTakeEscapesAndBareOnesAreTrimmed) {
    EXPECT_EQ(parseScriptValue("  plain text  "), "plain text");
    EXPECT_EQ(parseScriptValue("\"a\\\"b\\\\c\""), "a\"b\\c");
    EXPECT_EQ(parseScriptValue("\"x\\n\\r\\t\\x07\\xC4\""), std::string("x\n\r\t\x07\xC4"));
    EXPECT_EQ(parseScriptValue("\" padded \""), " padded ");
    EXPECT_EQ(parseScriptValue("\"unclosed"), std::nullopt);
    EXPECT_EQ(parseScriptValue("\"short \\x4\""), std::nullopt);
    EXPECT_EQ(parseScriptValue("\"a\" trailing"), std::nullopt);
}

struct Script : ::testing::Test {
    test::TempDir dir;
    std::ostringstream out;
    ScriptRunner runner{dir.path(), out};

    int run(const std::string& text) {
        std::istringstream in(text);
        return runner.run(in);
    }
    HeadlessUi& ui() { return runner.ui(); }
};

TEST_F(Script, HomeMustComeFirstAndChoosesTheProgramDirectorySetAndTickFollow) {
    const auto home = dir / "prog";
    EXPECT_EQ(run("home " + home.string() + "\nselect 1 1 1 1\nrun ToggleUndo\nrun ToggleUndo\n"),
              kScriptOk);
    EXPECT_EQ(runner.editor().programDir(), home);
    EXPECT_EQ(run("set SolidChar=\"@\"\nset UndoSteps=3\ntick status\n"), kScriptOk);
    EXPECT_EQ(runner.editor().settings().SolidChar, "@");
    EXPECT_EQ(runner.editor().settings().UndoSteps, 3);
    EXPECT_EQ(runner.editor().status().field(3), "");
    EXPECT_EQ(run("home /elsewhere\n"), kScriptError);
    EXPECT_NE(out.str().find("home must come before"), std::string::npos);
}

TEST_F(Script, DisabledItemsSaySoAndAnUnansweredDialogStopsWithCodeTwo) {
    // In Plain mode the font colour tools are disabled, by menu and by shortcut alike.
    EXPECT_EQ(run("select 0 0 3 0\nrun \"&ColorTools > &Color selection\"\nkey F9\n"), kScriptOk);
    const std::string line = "disabled: &ColorTools > &Color selection\n";
    EXPECT_TRUE(out.str().ends_with(line + line)) << out.str(); // the menu and the key
    EXPECT_FALSE(runner.editor().canvas().hasOwnFont(1, 0));

    EXPECT_EQ(run("run ChooseFont\nrun ToggleGrid\n"), kScriptUnanswered);
    EXPECT_NE(out.str().find("stopped: no answer for font: Courier New 6"), std::string::npos);
    EXPECT_EQ(runner.editor().canvas().metrics.gridLineWidth, 1); // the next line never ran
}

TEST_F(Script, BadDirectivesAreErrors) {
    for (const char* bad : {"frobnicate\n", "run NoSuchCommand\n", "select 1 2 3\n",
                            "set FontSize=huge\n", "textview \"not shown\"\n", "click 500 1\n",
                            "key Hyper+Q\n", "key Shift+Enter\n", "saveas 1\n", "open\n"})
        EXPECT_EQ(run(bad), kScriptError) << bad;
}

TEST_F(Script, SaveAsTakesACodeAndAPathAndQueuedAnswersServeTheQuestionsAfterTheDialog) {
    const std::string file = (dir / "my fil\xC3\xA9").string(); // UTF-8 on the disk too
    ASSERT_EQ(run("type A\nsaveas 1 \"" + file + "\"\n"), kScriptOk) << out.str();
    const std::string saved = test::readBytes(file + ".txt");
    EXPECT_EQ(saved.front(), 'A');
    // A bare path runs to the line's end; the one-value form stays.
    ASSERT_EQ(
        run("type B\nanswer no\nsaveas 1 " + file + "\nanswer no\nsaveas \"1 " + file + "\"\n"),
        kScriptOk)
        << out.str();
    EXPECT_EQ(std::count(ui().transcript().begin(), ui().transcript().end(),
                         "confirm: File exists. Overwrite ? -> no"),
              2);
    EXPECT_EQ(test::readBytes(file + ".txt"), saved);
    // The open dialog takes its path even with an answer queued before.
    ASSERT_EQ(run("answer yes\nopen \"" + file + ".txt\"\n"), kScriptOk) << out.str();
    EXPECT_EQ(runner.editor().document().caption, "my fil\xC3\xA9.txt");
    EXPECT_EQ(ui().pendingAnswers(), 1u);
}

TEST_F(Script, ScriptsAreUtf8ForTheEditorsBytesAndTheOutputIsUtf8) {
    ASSERT_EQ(
        run("select 0 0 1 0\nrun \"Edit&2 > C&opy 90\xC2\xB0 rotated\"\nclick 0 5\n"
            "type \"\xC3\xA9\\xE9\xE2\x82\xAC\"\nanswer \xC3\x84\nanswer x\nrun ReplaceAll\n"),
        kScriptOk)
        << out.str();
    EXPECT_EQ(runner.editor().textClip.ClipLastRow, 1); // the rotated copy ran
    const CharCanvas& canvas = runner.editor().canvas();
    EXPECT_EQ(canvas.text(1, 5), "\xE9"); // one cell for each character or byte
    EXPECT_EQ(canvas.text(2, 5), "\x80");
    EXPECT_NE(out.str().find("input: Search ... / Character: -> \xC3\x84\n"), std::string::npos);

    // A line that is not UTF-8, or names a character the code page lacks, stops the script.
    const std::pair<const char*, const char*> bad[] = {
        {"# Cyrillic\ntype \"\xD0\x96\"\n",
         "error: line 2: the character U+0416 at column 7 has no Windows-1252 byte\n"},
        {"type \xFF\ntype a\n", "error: line 1: not valid UTF-8 at column 6\n"}};
    for (const auto& [script, error] : bad) {
        std::ostringstream output;
        ScriptRunner fresh(dir.path(), output);
        std::istringstream in(script);
        EXPECT_EQ(fresh.run(in), kScriptError);
        EXPECT_EQ(output.str(), error);
    }
}

TEST_F(Script, MoveKeysTakeShiftAndCtrlInEitherOrder) {
    ASSERT_EQ(run("click 5 5\n"), kScriptOk);
    const std::pair<const char*, CellRect> steps[] = {
        {"key PgDn", {5, 49, 5, 49}}, // a page of 60 rows: to the last row
        {"key Ctrl+Shift+Home", {0, 0, 5, 49}},
        {"key Ctrl+End", {79, 49, 79, 49}},
        {"key Shift+Ctrl+Home", {0, 0, 79, 49}},
    };
    for (const auto& [line, selection] : steps) {
        EXPECT_EQ(run(std::string(line) + "\n"), kScriptOk) << line;
        EXPECT_EQ(runner.editor().gridSelection(), selection) << line;
    }
}

} // namespace
} // namespace glyphora
