#include "paint/canvas_picture.h"
#include "paint/line_art.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

using test::picture;
using test::Rows;

const DiagonalChars kFall{"\\", "_", "|"};
const DiagonalChars kRise{"/", "_", "|"};
// Characters a user might choose instead of the defaults.
const DiagonalChars kOwnFall{"x", "h", "v"};
const DiagonalChars kOwnRise{"y", "h", "v"};

// A diagonal over the rectangle on a blank canvas that ends at its right and bottom edges.
Rows falling(CellRect rect, bool dot = false, const DiagonalChars& chars = kFall) {
    CharCanvas canvas = test::blank(rect.right + 1, rect.bottom + 1);
    LineArtFalling(canvas, rect, chars, dot);
    return picture(canvas);
}

Rows rising(CellRect rect, bool dot = false, const DiagonalChars& chars = kRise) {
    CharCanvas canvas = test::blank(rect.right + 1, rect.bottom + 1);
    LineArtRising(canvas, rect, chars, dot);
    return picture(canvas);
}

TEST(LineArt, StraightShapesAndTheRectangleCorners) {
    CharCanvas canvas = test::blank(5, 4);
    LineArtRectangle(canvas, {0, 0, 4, 3}, "-", "|", "+");
    LineArtHorz(canvas, {1, 1, 3, 2}, "_");
    LineArtVert(canvas, {2, 1, 4, 2}, "!");
    EXPECT_EQ(picture(canvas), (Rows{"+---+", "|_!_|", "| ! |", "+---+"}));
    canvas = test::blank(3, 3);
    LineArtRectangle(canvas, {1, 1, 1, 1}, "-", "|", "+");
    EXPECT_EQ(picture(canvas), (Rows{"   ", " + ", "   "}));
}

TEST(LineArt, WorkedExamplesOfTheDiagonals) {
    EXPECT_EQ(falling({0, 0, 7, 1}), (Rows{"\\___    ", "    \\___"}));
    EXPECT_EQ(rising({0, 0, 7, 1}), (Rows{"    ___/", "___/    "}));
    EXPECT_EQ(falling({0, 0, 1, 3}), (Rows{"\\ ", "| ", " \\", " |"}));
    EXPECT_EQ(rising({0, 0, 1, 3}), (Rows{" /", " |", "/ ", "| "}));
    // One row, one column.
    EXPECT_EQ(falling({0, 0, 4, 0}), (Rows{"\\____"}));
    EXPECT_EQ(rising({0, 0, 4, 0}), (Rows{"____/"}));
    EXPECT_EQ(falling({0, 0, 0, 2}), (Rows{"\\", "|", "|"}));
    EXPECT_EQ(rising({0, 0, 0, 2}), (Rows{"/", "|", "|"}));
    // Square: the steep case with r = 1, no runs; dot mode changes nothing on a blank canvas.
    for (const bool dot : {false, true}) {
        EXPECT_EQ(falling({0, 0, 2, 2}, dot), (Rows{"\\  ", " \\ ", "  \\"}));
        EXPECT_EQ(rising({0, 0, 2, 2}, dot), (Rows{"  /", " / ", "/  "}));
    }
    // One cell: r = 0 / 0 is taken as 0, the cell gets the diagonal character.
    EXPECT_EQ(falling({1, 1, 1, 1}), (Rows{"  ", " \\"}));
    EXPECT_EQ(rising({1, 1, 1, 1}), (Rows{"  ", " /"}));
}

TEST(LineArt, WithoutDotModeTheUsersCharactersAreUsedEverywhere) {
    EXPECT_EQ(falling({0, 0, 7, 1}, false, kOwnFall), (Rows{"xhhh    ", "    xhhh"}));
    EXPECT_EQ(rising({0, 0, 1, 3}, false, kOwnRise), (Rows{" y", " v", "y ", "v "}));
    // Empty characters paint empty texts.
    EXPECT_EQ(falling({0, 0, 2, 0}, false, {"", "", ""}), (Rows{"@@@"}));
}

TEST(LineArt, DotModeRewritesFlatRuns) {
    // Dot mode draws with the default characters whatever the user chose.
    EXPECT_EQ(falling({0, 0, 7, 1}, true, kOwnFall), (Rows{"`-._    ", "    `-._"}));
    EXPECT_EQ(rising({0, 0, 7, 1}, true, kOwnRise), (Rows{"    _.-'", "_.-'    "}));
    // Runs of one "_": "\_" becomes "`." and "_/" becomes ".'".
    EXPECT_EQ(falling({0, 0, 3, 1}, true), (Rows{"`.  ", "  `."}));
    EXPECT_EQ(rising({1, 0, 4, 1}, true), (Rows{"   .'", " .'  "}));
}

TEST(LineArt, DotModeRewritesSteepRuns) {
    EXPECT_EQ(falling({0, 0, 1, 3}, true, kOwnFall), (Rows{"! ", ": ", " !", " :"}));
    // Rising, away from column 0: the "|" above the next run's "/" becomes ";" and that
    // "/" becomes "!"; the last "|" becomes ":".
    EXPECT_EQ(rising({1, 0, 2, 3}, true, kOwnRise), (Rows{"  /", "  ;", " ! ", " : "}));
    // Longer runs: every other "|" becomes ":".
    EXPECT_EQ(falling({0, 0, 1, 5}, true), (Rows{"! ", ": ", ": ", " !", " :", " :"}));
}

TEST(LineArt, DotModeRulesStopWhereTheyWouldReadLeftOfColumnZero) {
    // The last "|" of a steep rising line at column 0 has no lower-left neighbour: it stays.
    EXPECT_EQ(rising({0, 0, 1, 3}, true), (Rows{" /", " ;", "! ", "| "}));
    // A flat rising run of one "_" at column 0 stays; the next run has a blank before it.
    EXPECT_EQ(rising({0, 0, 3, 1}, true), (Rows{"  .'", "_/  "}));
}

TEST(LineArt, DotModeReadsAndWritesNeighboursOutsideTheSelection) {
    // A "_" already right of the selection extends the falling run.
    CharCanvas canvas = test::drawn({"  __", "    "});
    LineArtFalling(canvas, {0, 0, 1, 0}, kFall, true);
    EXPECT_EQ(picture(canvas), (Rows{"`-._", "    "}));
    // At the right edge of the canvas the missing neighbour reads as empty.
    EXPECT_EQ(falling({0, 0, 1, 0}, true), (Rows{"`."}));
}

} // namespace
} // namespace glyphora
