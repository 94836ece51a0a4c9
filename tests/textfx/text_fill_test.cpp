#include "textfx/text_fill.h"

#include <gtest/gtest.h>
#include <sstream>

namespace glyphora {
namespace {

CharCanvas blank(int cols, int rows) {
    CharCanvas canvas(cols, rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            canvas.setText(c, r, ".");
    return canvas;
}

TEST(TextFill, WrapsWordsStartsARowPerLineAndBreaksLongWordsAtTheEdge) {
    // Width 5: a row takes the words that end within five characters of where it starts;
    // each source line starts a new row (its leading break counts as row 0's).
    CharCanvas canvas = blank(8, 6);
    fillRectWithText(canvas, {1, 0, 6, 5}, {"one two three", "x", "abcdefghij"});
    EXPECT_EQ(GridToText(canvas),
              (TextLines{"........", ".one ...", ".two ...", ".three..", ".x......", ".abcdef."}));
    CharCanvas wide = blank(12, 4);
    fillRectWithText(wide, {0, 0, 11, 3}, {"one two three four"});
    EXPECT_EQ(GridToText(wide),
              (TextLines{"............", "one two ....", "three four .", "............"}));
}

TEST(TextFill, EndsWhenLineBreaksRunPastTheLastRow) {
    CharCanvas canvas = blank(4, 3);
    fillRectWithText(canvas, {0, 0, 3, 2}, {"a", "", "", "", "", "b c"});
    EXPECT_EQ(GridToText(canvas), (TextLines{"....", "a...", "...."}));
    // Marks of our own never clash with the text's "@" and section signs.
    CharCanvas marks = blank(6, 4);
    fillRectWithText(marks, {0, 0, 5, 3}, {"a@b \xA7 c"});
    EXPECT_EQ(GridToText(marks), (TextLines{"......", "a@b ..", "\xA7 c ..", "......"}));
}

TEST(TextFill, TakesOnlyAsMuchTextAsTheRectangleHolds) {
    CharCanvas canvas = blank(3, 3);
    TextLines many(1000, "zz");
    many.front() = "aa";
    fillRectWithText(canvas, {0, 0, 2, 2}, many);
    EXPECT_EQ(GridToText(canvas), (TextLines{"...", "aa.", "zz "}));
}

TEST(CharFill, EmptyCellsMatchABlank) {
    CharCanvas spaces(2, 1);
    std::istringstream more("xyz");
    fillMatchingCells(spaces, " ", more, {});
    EXPECT_EQ(GridToText(spaces), (TextLines{"xy"}));
}

TEST(Signature, LinesAreStampedAtTheCellAndCutAtTheEdge) {
    CharCanvas canvas = blank(4, 3);
    stampLines(canvas, 2, 1, {"abc", "", "d"});
    EXPECT_EQ(GridToText(canvas), (TextLines{"....", "..ab", "...."}));
}

} // namespace
} // namespace glyphora
