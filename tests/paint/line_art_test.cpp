#include "paint/canvas_picture.h"
#include "paint/line_art.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

using test::picture;
using test::Rows;

// The default characters, and ones a user might choose instead (dot mode ignores those).
const DiagonalChars kFall{"\\", "_", "|"};
const DiagonalChars kRise{"/", "_", "|"};
const DiagonalChars kOwnFall{"x", "h", "v"};
const DiagonalChars kOwnRise{"y", "h", "v"};

TEST(LineArt, DiagonalsWithAndWithoutDotMode) {
    const struct {
        bool rising;
        CellRect rect; // on a blank canvas ending at its right and bottom edges
        bool dot;
        const DiagonalChars* own; // nullptr: the defaults
        Rows expected;
    } cases[] = {
        {false, {0, 0, 4, 0}, false, nullptr, {"\\____"}},  // one row
        {true, {1, 1, 1, 1}, false, nullptr, {"  ", " /"}}, // one cell: r = 0 / 0 is 0
        {true, {0, 0, 1, 3}, false, &kOwnRise, {" y", " v", "y ", "v "}},
        // Dot mode: flat runs; a run of one "_": "\_" becomes "`." and "_/" becomes ".'".
        {true, {0, 0, 7, 1}, true, &kOwnRise, {"    _.-'", "_.-'    "}},
        {false, {0, 0, 3, 1}, true, nullptr, {"`.  ", "  `."}},
        // Steep runs: every other "|" becomes ":"; rising, the "|" above the next run's "/"
        // becomes ";" and that "/" becomes "!".
        {false, {0, 0, 1, 5}, true, nullptr, {"! ", ": ", ": ", " !", " :", " :"}},
        {true, {1, 0, 2, 3}, true, &kOwnRise, {"  /", "  ;", " ! ", " : "}},
        // At column 0 the rules that would read left of it do not apply.
        {true, {0, 0, 1, 3}, true, nullptr, {" /", " ;", "! ", "| "}},
        {false, {0, 0, 1, 0}, true, nullptr, {"`."}}, // right edge: a missing neighbour
    };
    for (const auto& c : cases) {
        CharCanvas canvas = test::blank(c.rect.right + 1, c.rect.bottom + 1);
        const DiagonalChars& chars = c.own ? *c.own : c.rising ? kRise : kFall;
        (c.rising ? LineArtRising : LineArtFalling)(canvas, c.rect, chars, c.dot);
        EXPECT_EQ(picture(canvas), c.expected) << c.expected.front();
    }
    // Dot mode reads and writes beside the selection: a "_" right of it extends the run.
    CharCanvas canvas = test::drawn({"  __", "    "});
    LineArtFalling(canvas, {0, 0, 1, 0}, kFall, true);
    EXPECT_EQ(picture(canvas), (Rows{"`-._", "    "}));
}

} // namespace
} // namespace glyphora
