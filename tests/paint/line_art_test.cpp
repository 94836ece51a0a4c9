#include "paint/canvas_picture.h"
#include "paint/line_art.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

using test::picture;
using Rows = std::vector<std::string>;

const DiagonalChars kFall{"\\", "_", "|"};
const DiagonalChars kRise{"/", "_", "|"};
// Characters a user might choose instead of the defaults.
const DiagonalChars kOwnFall{"x", "h", "v"};
const DiagonalChars kOwnRise{"y", "h", "v"};

CharCanvas blank(int cols, int rows) {
    CharCanvas canvas;
    test::draw(canvas, Rows(static_cast<std::size_t>(rows),
                            std::string(static_cast<std::size_t>(cols), ' ')));
    return canvas;
}

TEST(LineArt, StraightShapesAndTheRectangleCorners) {
    CharCanvas canvas = blank(5, 3);
    LineArtHorz(canvas, {1, 1, 3, 2}, "_");
    LineArtVert(canvas, {0, 0, 4, 2}, "|");
    EXPECT_EQ(picture(canvas), (Rows{"|    ", "|___ ", "|    "}));

    canvas = blank(5, 4);
    LineArtRectangle(canvas, {0, 0, 4, 3}, "-", "|", "+");
    EXPECT_EQ(picture(canvas), (Rows{"+---+", "|   |", "|   |", "+---+"}));

    canvas = blank(3, 3);
    LineArtRectangle(canvas, {1, 1, 1, 1}, "-", "|", "+");
    EXPECT_EQ(picture(canvas), (Rows{"   ", " + ", "   "}));
}

TEST(LineArt, WorkedExamplesOfTheDiagonals) {
    CharCanvas canvas = blank(8, 2);
    LineArtFalling(canvas, {0, 0, 7, 1}, kFall, false);
    EXPECT_EQ(picture(canvas), (Rows{"\\___    ", "    \\___"}));
    canvas = blank(8, 2);
    LineArtRising(canvas, {0, 0, 7, 1}, kRise, false);
    EXPECT_EQ(picture(canvas), (Rows{"    ___/", "___/    "}));

    canvas = blank(2, 4);
    LineArtFalling(canvas, {0, 0, 1, 3}, kFall, false);
    EXPECT_EQ(picture(canvas), (Rows{"\\ ", "| ", " \\", " |"}));
    canvas = blank(2, 4);
    LineArtRising(canvas, {0, 0, 1, 3}, kRise, false);
    EXPECT_EQ(picture(canvas), (Rows{" /", " |", "/ ", "| "}));
}

TEST(LineArt, OneRowOneColumnSquareAndOneCell) {
    CharCanvas canvas = blank(5, 1);
    LineArtFalling(canvas, {0, 0, 4, 0}, kFall, false);
    EXPECT_EQ(picture(canvas), (Rows{"\\____"}));
    canvas = blank(5, 1);
    LineArtRising(canvas, {0, 0, 4, 0}, kRise, false);
    EXPECT_EQ(picture(canvas), (Rows{"____/"}));

    canvas = blank(1, 3);
    LineArtFalling(canvas, {0, 0, 0, 2}, kFall, false);
    EXPECT_EQ(picture(canvas), (Rows{"\\", "|", "|"}));
    canvas = blank(1, 3);
    LineArtRising(canvas, {0, 0, 0, 2}, kRise, false);
    EXPECT_EQ(picture(canvas), (Rows{"/", "|", "|"}));

    // Square: the steep case with r = 1, no runs; dot mode changes nothing on a blank canvas.
    for (const bool dot : {false, true}) {
        canvas = blank(3, 3);
        LineArtFalling(canvas, {0, 0, 2, 2}, kFall, dot);
        EXPECT_EQ(picture(canvas), (Rows{"\\  ", " \\ ", "  \\"}));
        canvas = blank(3, 3);
        LineArtRising(canvas, {0, 0, 2, 2}, kRise, dot);
        EXPECT_EQ(picture(canvas), (Rows{"  /", " / ", "/  "}));
    }

    // One cell: r = 0 / 0 is taken as 0, the cell gets the diagonal character.
    canvas = blank(3, 3);
    LineArtFalling(canvas, {1, 1, 1, 1}, kFall, false);
    LineArtRising(canvas, {2, 2, 2, 2}, kRise, false);
    EXPECT_EQ(picture(canvas), (Rows{"   ", " \\ ", "  /"}));
}

TEST(LineArt, WithoutDotModeTheUsersCharactersAreUsedEverywhere) {
    CharCanvas canvas = blank(8, 2);
    LineArtFalling(canvas, {0, 0, 7, 1}, kOwnFall, false);
    EXPECT_EQ(picture(canvas), (Rows{"xhhh    ", "    xhhh"}));
    canvas = blank(2, 4);
    LineArtRising(canvas, {0, 0, 1, 3}, kOwnRise, false);
    EXPECT_EQ(picture(canvas), (Rows{" y", " v", "y ", "v "}));
    // Empty characters paint empty texts.
    canvas = blank(3, 1);
    LineArtFalling(canvas, {0, 0, 2, 0}, DiagonalChars{"", "", ""}, false);
    EXPECT_EQ(picture(canvas), (Rows{"@@@"}));
}

TEST(LineArt, DotModeRewritesFlatRuns) {
    // Dot mode draws with the default characters whatever the user chose.
    CharCanvas canvas = blank(8, 2);
    LineArtFalling(canvas, {0, 0, 7, 1}, kOwnFall, true);
    EXPECT_EQ(picture(canvas), (Rows{"`-._    ", "    `-._"}));
    canvas = blank(8, 2);
    LineArtRising(canvas, {0, 0, 7, 1}, kOwnRise, true);
    EXPECT_EQ(picture(canvas), (Rows{"    _.-'", "_.-'    "}));

    // Runs of one "_": "\_" becomes "`." and "_/" becomes ".'".
    canvas = blank(4, 2);
    LineArtFalling(canvas, {0, 0, 3, 1}, kFall, true);
    EXPECT_EQ(picture(canvas), (Rows{"`.  ", "  `."}));
    canvas = blank(5, 2);
    LineArtRising(canvas, {1, 0, 4, 1}, kRise, true);
    EXPECT_EQ(picture(canvas), (Rows{"   .'", " .'  "}));
}

TEST(LineArt, DotModeRewritesSteepRuns) {
    CharCanvas canvas = blank(2, 4);
    LineArtFalling(canvas, {0, 0, 1, 3}, kOwnFall, true);
    EXPECT_EQ(picture(canvas), (Rows{"! ", ": ", " !", " :"}));

    // Rising, away from column 0: the "|" above the next run's "/" becomes ";" and that
    // "/" becomes "!"; the last "|" becomes ":".
    canvas = blank(3, 4);
    LineArtRising(canvas, {1, 0, 2, 3}, kOwnRise, true);
    EXPECT_EQ(picture(canvas), (Rows{"  /", "  ;", " ! ", " : "}));

    // Longer runs: every other "|" becomes ":".
    canvas = blank(2, 6);
    LineArtFalling(canvas, {0, 0, 1, 5}, kFall, true);
    EXPECT_EQ(picture(canvas), (Rows{"! ", ": ", ": ", " !", " :", " :"}));
}

TEST(LineArt, DotModeRulesStopWhereTheyWouldReadLeftOfColumnZero) {
    // The last "|" of a steep rising line at column 0 has no lower-left neighbour to read:
    // it stays "|".
    CharCanvas canvas = blank(2, 4);
    LineArtRising(canvas, {0, 0, 1, 3}, kRise, true);
    EXPECT_EQ(picture(canvas), (Rows{" /", " ;", "! ", "| "}));

    // A flat rising run of one "_" at column 0: the rule would read left of it, so it
    // stays; the run further right has a blank before it and is rewritten.
    canvas = blank(4, 2);
    LineArtRising(canvas, {0, 0, 3, 1}, kRise, true);
    EXPECT_EQ(picture(canvas), (Rows{"  .'", "_/  "}));
}

TEST(LineArt, DotModeReadsAndWritesNeighboursOutsideTheSelection) {
    // A "_" already right of the selection extends the falling run.
    CharCanvas canvas;
    test::draw(canvas, {"  __", "    "});
    LineArtFalling(canvas, {0, 0, 1, 0}, kFall, true);
    EXPECT_EQ(picture(canvas), (Rows{"`-._", "    "}));
    // At the right edge of the canvas the missing neighbour reads as empty.
    canvas = blank(2, 1);
    LineArtFalling(canvas, {0, 0, 1, 0}, kFall, true);
    EXPECT_EQ(picture(canvas), (Rows{"`."}));
}

} // namespace
} // namespace glyphora
