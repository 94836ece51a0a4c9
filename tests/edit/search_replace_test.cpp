#include "edit/search_replace.h"
#include "paint/canvas_picture.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

using test::drawn;
using test::picture;
using test::Rows;

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
    EXPECT_FALSE(matchesAt(canvas, -1, 0, "a"));
    EXPECT_FALSE(matchesAt(canvas, 6, 0, "xy"));
    // Writing a text across cells stops at the canvas edge.
    writeAcross(canvas, 5, 2, "xyz");
    EXPECT_EQ(picture(canvas)[2], "xxcatxy");
}

} // namespace
} // namespace glyphora
