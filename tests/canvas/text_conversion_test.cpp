#include "canvas/text_conversion.h"
#include "paint/canvas_picture.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

TEST(TextConversion, LinesBecomeRowsAndEmptyCellsComeBackAsSpaces) {
    CharCanvas canvas(10, 10);
    canvas.SetFontCell(1, 0, 0x0000FF);
    TextToGrid({"ab", "cdef", ""}, canvas);        // the open test checks the picture
    EXPECT_EQ(canvas.foreground(1, 0), 0x0000FFu); // colours stay
    canvas.setText(1, 0, "xyz");                   // multi-byte cells are written whole
    EXPECT_EQ(GridToText(canvas), (TextLines{"axyz  ", "cdef", "    "}));

    TextToGrid({}, canvas);
    EXPECT_EQ(test::picture(canvas), (test::Rows{"@"}));
    TextToGrid({std::string(120, 'w'), "a\tb"}, canvas); // no width limit; a tab is a cell
    EXPECT_EQ(canvas.colCount(), 120);
    EXPECT_EQ(canvas.text(1, 1), "\t");
}

TEST(TextConversion, OptimalTrimsTrailingSpacesOnlyAndReportsTheRoundedShare) {
    TextLines lines = {"ab  ", "cdef", "    ", "a\t", " b \t "};
    const Reduction r = trimTrailingSpaces(lines);
    EXPECT_EQ(lines, (TextLines{"ab", "cdef", "", "a\t", " b \t"}));
    EXPECT_EQ(sizeReductionMessage(r), "Size reduction: 37%"); // 7 of 19
    EXPECT_EQ((Reduction{0, 0}).percent(), 0);                 // no characters at all
}

} // namespace
} // namespace glyphora
