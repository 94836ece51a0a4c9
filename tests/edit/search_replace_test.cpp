#include "edit/search_replace.h"
#include "paint/canvas_picture.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

using test::drawn;
using test::picture;
using test::Rows;

TEST(ReplaceCells, WholeTextsEmptyCellsAsBlanks) {
    CharCanvas canvas = drawn({"a @a", "@ab "});
    EXPECT_EQ(countCells(canvas, {0, 0, 3, 1}, " "), 4);
    EXPECT_EQ(replaceCells(canvas, {0, 0, 3, 1}, " ", "."), 4);
    EXPECT_EQ(picture(canvas), (Rows{"a..a", ".ab."}));
    // Two characters match no one-character cell; the replacement may be long.
    EXPECT_EQ(replaceCells(canvas, {0, 0, 3, 1}, "ab", "x"), 0);
    EXPECT_EQ(replaceCells(canvas, {0, 0, 1, 0}, "a", "long text"), 1);
    EXPECT_EQ(picture(canvas), (Rows{"*..a", ".ab."})); // only inside the area
    EXPECT_EQ(replaceCells(canvas, {0, 0, 3, 1}, "long text", "b"), 1);
    EXPECT_EQ(canvas.longTextCount(), 0u);
}

TEST(CaseConversion, AsciiLettersOnly) {
    EXPECT_EQ(upperAscii("aZ\xE4-b"), "AZ\xE4-B");
    EXPECT_EQ(lowerAscii("AZ\xC4-b"), "az\xC4-b");
}

TEST(FindText, IgnoresCaseAndNeedsOneCharacterPerCell) {
    CharCanvas canvas = drawn({"a cAT x", "ca@t  ", "xxcat"});
    EXPECT_EQ(findText(canvas, "Cat", 0, 0), (TextHit{2, 0}));
    EXPECT_EQ(findText(canvas, "Cat", 3, 0), (TextHit{2, 2})); // the gap in row 1 breaks it
    EXPECT_EQ(findText(canvas, "Cat", 3, 2), std::nullopt);
    EXPECT_EQ(findText(canvas, "x", 6, 0), (TextHit{6, 0})); // ending in the last column
    EXPECT_EQ(findText(canvas, "", 0, 0), std::nullopt);
    EXPECT_EQ(findText(canvas, std::string(10000, 'a'), 0, 0), std::nullopt);

    // A cell holding several characters matches its part of the string.
    canvas.setText(0, 1, "ca");
    EXPECT_FALSE(matchesAt(canvas, 0, 1, "cat")); // three cells: "ca" "a" "" is "caa"
    canvas.setText(1, 1, "t");
    EXPECT_TRUE(matchesAt(canvas, 0, 1, "CAT")); // "ca" "t" "" spells it
    EXPECT_FALSE(matchesAt(canvas, -1, 0, "a"));
    EXPECT_FALSE(matchesAt(canvas, 6, 0, "xy"));
}

TEST(WriteAcross, OneCharacterPerCellClipped) {
    CharCanvas canvas = drawn({"....."});
    writeAcross(canvas, 3, 0, "xyz");
    EXPECT_EQ(picture(canvas), (Rows{"...xy"}));
}

} // namespace
} // namespace glyphora
