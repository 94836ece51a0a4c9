#include "app/editor.h"
#include "canvas/canvas_commands.h"
#include "edit/search_commands.h"
#include "paint/canvas_picture.h"
#include "platform/headless_ui.h"
#include "test_support.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace glyphora {
namespace {

using test::picture;
using Rows = std::vector<std::string>;

struct SearchCommands : ::testing::Test {
    test::TempDir dir;
    HeadlessUi ui;
    Editor editor{ui, dir.path(), "789"};

    void canvas(const Rows& rows) { test::draw(editor.canvas(), rows); }
    void select(int left, int top, int right, int bottom) {
        editor.setGridSelection({left, top, right, bottom});
    }
    Rows shown() const { return picture(editor.canvas()); }
    long count(const std::string& line) const {
        return std::count(ui.transcript().begin(), ui.transcript().end(), line);
    }
    CellRect selection() const { return editor.gridSelection(); }
};

TEST_F(SearchCommands, ReplaceAllTurnsBlanksAndEmptyCellsIntoTheReplacement) {
    canvas({"a @", "@ b"});
    ui.queueAnswer(" ");
    ui.queueAnswer(".");
    ReplaceAll(editor);
    EXPECT_EQ(count("input: Search ... / Character: ->  "), 1);
    EXPECT_EQ(count("input: Replace ... / Character: -> ."), 1);
    EXPECT_EQ(shown(), (Rows{"a..", "..b"}));
    grid2Togrid1(editor);
    EXPECT_EQ(shown(), (Rows{"a @", "@ b"}));

    // Two characters find nothing among one-character cells.
    ui.queueAnswer("a.");
    ui.queueAnswer("x");
    ReplaceAll(editor);
    EXPECT_EQ(shown(), (Rows{"a  ", "  b"})); // the empty cells were still set to " "
}

TEST_F(SearchCommands, EmptyAnswersEndQuietly) {
    canvas({"ab"});
    ui.queueAnswer("");
    ReplaceAll(editor);
    EXPECT_EQ(ui.pendingAnswers(), 0u);
    EXPECT_TRUE(ui.unansweredDialog().empty()); // the second question was not asked
    ui.queueAnswer("a");
    ui.queueAnswer("cancel");
    ReplaceAll(editor);
    ui.queueAnswer("cancel");
    SearchText(editor);
    EXPECT_EQ(shown(), (Rows{"ab"}));
    EXPECT_EQ(count("beep"), 0);
}

TEST_F(SearchCommands, ReplaceAreaOnlyInTheSelection) {
    canvas({"aaa", "aaa"});
    select(1, 0, 2, 0);
    ui.queueAnswer("a");
    ui.queueAnswer("b");
    ReplaceArea(editor);
    EXPECT_EQ(shown(), (Rows{"abb", "aaa"}));
    grid2Togrid1(editor);
    EXPECT_EQ(shown(), (Rows{"aaa", "aaa"}));
}

TEST_F(SearchCommands, LongReplacementsAreKeptWholeWithinALimit) {
    canvas({"a b", "b a"});
    const std::string longText(10000, 'x');
    ui.queueAnswer("a");
    ui.queueAnswer(longText);
    ReplaceAll(editor);
    EXPECT_EQ(editor.canvas().text(0, 0), longText);
    EXPECT_EQ(editor.canvas().text(2, 1), longText);

    // Over a large canvas the same would take gigabytes: refused, nothing changed.
    editor.canvas().setSize(2000, 2000);
    editor.canvas().clearTexts();
    ui.queueAnswer(" ");
    ui.queueAnswer(longText);
    ReplaceAll(editor);
    EXPECT_EQ(editor.status().field(3), "ERROR: Replacement text too long.");
    EXPECT_EQ(editor.canvas().longTextCount(), 0u);
    EXPECT_EQ(ui.cursor(), AppCursor::Normal);
}

TEST_F(SearchCommands, SearchSelectsEachHitWithOneExtraCell) {
    canvas({"xcAT cat", "ca@t caT"});
    ui.queueAnswer("Cat");
    ui.queueAnswer("yes");
    ui.queueAnswer("no");
    SearchText(editor);
    EXPECT_EQ(count("confirm: Continue ?  -> yes"), 1);
    // The second hit ends in the last column: it is offered, and its extra cell is cut.
    EXPECT_EQ(selection(), (CellRect{5, 0, 7, 0}));
    EXPECT_EQ(editor.status().field(3), " W E L C O M E "); // No ends without the message
    EXPECT_EQ(count("beep"), 0);

    ui.queueAnswer("cat");
    ui.queueAnswer("yes");
    ui.queueAnswer("yes");
    ui.queueAnswer("yes");
    SearchText(editor);
    EXPECT_EQ(selection(), (CellRect{5, 1, 7, 1})); // the gap in "ca@t" is no hit
    EXPECT_EQ(count("beep"), 1);
    EXPECT_EQ(editor.status().field(3), "Search finished");
    EXPECT_EQ(ui.pendingAnswers(), 0u);
}

TEST_F(SearchCommands, ReplaceTextWritesAsManyCellsAsTheFindString) {
    canvas({"abcd abcd", "abcd....."});
    ui.queueAnswer("ABCD");
    ui.queueAnswer("xy");
    ui.queueAnswer("yes");
    ui.queueAnswer("no");
    ui.queueAnswer("all");
    ReplaceText(editor);
    EXPECT_EQ(shown(), (Rows{"xycd abcd", "xycd....."}));
    EXPECT_EQ(count("confirm: Replace ?  -> all"), 1);
    EXPECT_EQ(count("confirm: Replace ?  -> yes"), 1);
    EXPECT_EQ(editor.status().field(3), "Search finished");
    grid2Togrid1(editor);
    EXPECT_EQ(shown(), (Rows{"abcd abcd", "abcd....."}));

    // A longer replacement is cut to the length of the find string.
    ui.queueAnswer("bc");
    ui.queueAnswer("123456");
    ui.queueAnswer("all");
    ReplaceText(editor);
    EXPECT_EQ(shown(), (Rows{"a12d a12d", "a12d....."}));
}

TEST_F(SearchCommands, ReplaceTextAbortAndEmptyFind) {
    canvas({"aa"});
    ui.queueAnswer("a");
    ui.queueAnswer("b");
    ui.queueAnswer("abort");
    ReplaceText(editor);
    EXPECT_EQ(shown(), (Rows{"aa"}));
    EXPECT_EQ(count("beep"), 0);

    // Both questions come even when the find string is empty.
    ui.queueAnswer("");
    ui.queueAnswer("z");
    ReplaceText(editor);
    EXPECT_EQ(count("input: Search: / Replace string: -> z"), 1);
    EXPECT_EQ(shown(), (Rows{"aa"}));

    // With no answer left the question counts as Abort: the command ends.
    ui.queueAnswer("a");
    ui.queueAnswer("b");
    ReplaceText(editor);
    EXPECT_EQ(shown(), (Rows{"aa"}));
}

TEST_F(SearchCommands, CaseOfTheSelection) {
    canvas({"aB\xE4", "cd!"});
    select(0, 0, 2, 0);
    ToUpperCase(editor);
    EXPECT_EQ(shown(), (Rows{"AB\xE4", "cd!"}));
    select(0, 0, 2, 1);
    ToLowerCase(editor);
    EXPECT_EQ(shown(), (Rows{"ab\xE4", "cd!"}));
    grid2Togrid1(editor);
    EXPECT_EQ(shown(), (Rows{"AB\xE4", "cd!"}));
}

} // namespace
} // namespace glyphora
