#include "edit/search_commands.h"
#include "edit/search_replace.h"
#include "paint/picture_fixture.h"

namespace glyphora {
namespace {

using test::Rows;

using SearchCommands = test::PictureTest;

TEST_F(SearchCommands, ReplaceAllTurnsBlanksAndEmptyCellsIntoTheReplacementKeptWholeWithinALimit) {
    canvas({"a @", "@ b"});
    answers({" ", "."});
    ReplaceAll(editor);
    EXPECT_TRUE(saw("input: Replace ... / Character: -> ."));
    EXPECT_EQ(shown(), (Rows{"a..", "..b"}));
    EXPECT_EQ(undone(), (Rows{"a @", "@ b"}));
    // Two characters find nothing among one-character cells.
    answers({"a.", "x"});
    ReplaceAll(editor);
    EXPECT_EQ(shown(), (Rows{"a  ", "  b"})); // the empty cells were still set to " "
    // Only inside the selection.
    answers({" ", "b"});
    EXPECT_EQ(run(ReplaceArea, {1, 0, 2, 0}), (Rows{"abb", "  b"}));
    EXPECT_EQ(undone(), (Rows{"a  ", "  b"}));

    // Empty or cancelled answers end quietly.
    answers({"", "a", "cancel", "cancel"});
    ReplaceAll(editor);
    EXPECT_EQ(ui.pendingAnswers(), 3u); // the second question was not asked
    ReplaceAll(editor);
    SearchText(editor);
    EXPECT_EQ(shown(), (Rows{"a  ", "  b"}));
    EXPECT_FALSE(saw("beep"));

    // Long replacements are kept whole, within a limit.
    canvas({"a b", "b a"});
    const std::string longText(10000, 'x');
    answers({"a", longText});
    ReplaceAll(editor);
    EXPECT_EQ(editor.canvas().text(0, 0), longText);
    EXPECT_EQ(editor.canvas().text(2, 1), longText);

    // Over a large canvas the same would take gigabytes: refused, nothing changed.
    editor.canvas().setSize(2000, 2000);
    editor.canvas().clearTexts();
    answers({" ", longText});
    ReplaceAll(editor);
    EXPECT_EQ(message(), "ERROR: Replacement text too long.");
    EXPECT_EQ(editor.canvas().longTextCount(), 0u);
}

TEST_F(SearchCommands, SearchSelectsEachHitWithOneExtraCell) {
    canvas({"xcAT cat", "ca@t caT"});
    answers({"Cat", "yes", "no"});
    SearchText(editor);
    EXPECT_TRUE(saw("confirm: Continue ?  -> yes"));
    // The second hit ends in the last column: it is offered, and its extra cell is cut.
    EXPECT_EQ(editor.gridSelection(), (CellRect{5, 0, 7, 0}));
    EXPECT_EQ(message(), " W E L C O M E "); // No ends without the message
    EXPECT_FALSE(saw("beep"));

    answers({"cat", "yes", "yes", "yes"});
    SearchText(editor);
    EXPECT_EQ(editor.gridSelection(), (CellRect{5, 1, 7, 1})); // the gap in "ca@t" is no hit
    EXPECT_EQ(count("beep"), 1);
    EXPECT_EQ(message(), "Search finished");
    EXPECT_EQ(ui.pendingAnswers(), 0u);
}

TEST_F(SearchCommands, ReplaceTextWritesAsManyCellsAsTheFindStringUntilAbortAndCase) {
    canvas({"abcd abcd", "abcd....."});
    answers({"ABCD", "xy", "yes", "no", "all"});
    ReplaceText(editor);
    EXPECT_EQ(shown(), (Rows{"xycd abcd", "xycd....."}));
    EXPECT_TRUE(saw("confirm: Replace ?  -> all"));
    EXPECT_EQ(message(), "Search finished");
    EXPECT_EQ(undone(), (Rows{"abcd abcd", "abcd....."}));
    // A longer replacement is cut to the length of the find string.
    answers({"bc", "123456", "all"});
    ReplaceText(editor);
    EXPECT_EQ(shown(), (Rows{"a12d a12d", "a12d....."}));

    canvas({"aa"});
    const long beeps = count("beep");
    answers({"a", "b", "abort"});
    ReplaceText(editor);
    EXPECT_EQ(shown(), (Rows{"aa"}));
    // Both questions come even when the find string is empty.
    answers({"", "z"});
    ReplaceText(editor);
    EXPECT_TRUE(saw("input: Search: / Replace string: -> z"));
    EXPECT_EQ(count("beep"), beeps);

    // The case commands.
    canvas({"aB\xE4", "cd!"});
    EXPECT_EQ(run(ToUpperCase, {0, 0, 2, 0}), (Rows{"AB\xE4", "cd!"}));
    EXPECT_EQ(run(ToLowerCase, {0, 0, 2, 1}), (Rows{"ab\xE4", "cd!"}));
    EXPECT_EQ(undone(), (Rows{"AB\xE4", "cd!"}));
}

using test::drawn;
using test::picture;

TEST(FindText, IgnoresCaseAndNeedsOneCharacterPerCell) {
    CharCanvas canvas = drawn({"a cAT x", "ca@t  ", "xxcat"});
    EXPECT_EQ(findText(canvas, "Cat", 3, 0), (TextHit{2, 2})); // from (3, 0) on
    EXPECT_EQ(findText(canvas, "", 0, 0), std::nullopt);
    EXPECT_EQ(findText(canvas, std::string(10000, 'a'), 0, 0), std::nullopt);
    // A cell holding several characters matches its part of the string.
    canvas.setText(0, 1, "ca");
    EXPECT_FALSE(matchesAt(canvas, 0, 1, "cat")); // three cells: "ca" "a" "" is "caa"
    canvas.setText(1, 1, "t");
    EXPECT_TRUE(matchesAt(canvas, 0, 1, "CAT")); // "ca" "t" "" spells it
    EXPECT_FALSE(matchesAt(canvas, 6, 0, "xy"));
    // Writing a text across cells stops at the canvas edge.
    writeAcross(canvas, 5, 2, "xyz");
    EXPECT_EQ(picture(canvas)[2], "xxcatxy");
}

} // namespace
} // namespace glyphora
