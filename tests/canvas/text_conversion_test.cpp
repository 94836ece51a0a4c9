#include "canvas/text_conversion.h"
#include "paint/canvas_picture.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

TEST(TextConversion, ShortLinesLeaveEmptyCellsThatComeBackAsSpacesAndColoursStay) {
    CharCanvas canvas(10, 10);
    canvas.SetFontCell(1, 0, 0x0000FF);
    canvas.SetColorCell(2, 0, 0x00FF00);
    TextToGrid({"ab", "cdef", ""}, canvas);
    EXPECT_EQ(test::picture(canvas), (test::Rows{"ab@@", "cdef", "@@@@"}));
    EXPECT_EQ(canvas.widthField, "4");
    EXPECT_EQ(canvas.heightField, "3");
    EXPECT_EQ(canvas.foreground(1, 0), 0x0000FFu);
    EXPECT_EQ(canvas.background(2, 0), 0x00FF00u);

    EXPECT_EQ(GridToText(canvas), (TextLines{"ab  ", "cdef", "    "}));
    // The conversion filled the empty cells.
    EXPECT_EQ(test::picture(canvas), (test::Rows{"ab  ", "cdef", "    "}));
}

TEST(TextConversion, EmptyTextGivesOneCellAndLongLinesOrTabsNeedNoLimit) {
    CharCanvas canvas;
    TextToGrid({}, canvas);
    EXPECT_EQ(canvas.colCount(), 1);
    EXPECT_EQ(canvas.rowCount(), 1);
    EXPECT_EQ(canvas.text(0, 0), "");

    TextToGrid({std::string(120, 'w'), "a\tb"}, canvas);
    EXPECT_EQ(canvas.colCount(), 120);
    EXPECT_EQ(canvas.text(1, 1), "\t");
    EXPECT_EQ(GridToText(canvas)[1].substr(0, 3), "a\tb");
    canvas.setText(0, 1, "abc"); // multi-byte cells are written whole
    EXPECT_EQ(GridToText(canvas)[1].substr(0, 5), "abc\tb");
}

TEST(TextConversion, OptimalTrimsTrailingSpacesOnly) {
    TextLines lines = {"ab  ", "cdef", "    "};
    const Reduction r = Optimal(lines);
    EXPECT_EQ(lines, (TextLines{"ab", "cdef", ""}));
    EXPECT_EQ(r.total, 12);
    EXPECT_EQ(r.removed, 6);
    EXPECT_EQ(sizeReductionMessage(r), "Size reduction: 50%");

    TextLines tabs = {"a\t", " b \t "};
    Optimal(tabs);
    EXPECT_EQ(tabs, (TextLines{"a\t", " b \t"}));
}

TEST(TextConversion, ReductionRoundsHalvesToEven) {
    EXPECT_EQ((Reduction{0, 0}).percent(), 0);   // no characters at all
    EXPECT_EQ((Reduction{8, 1}).percent(), 12);  // 12.5
    EXPECT_EQ((Reduction{40, 1}).percent(), 2);  // 2.5
    EXPECT_EQ((Reduction{200, 7}).percent(), 4); // 3.5
    EXPECT_EQ((Reduction{3, 2}).percent(), 67);  // 66.67
    EXPECT_EQ((Reduction{7, 7}).percent(), 100);
}

} // namespace
} // namespace glyphora
