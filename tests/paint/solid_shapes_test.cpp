#include "paint/canvas_picture.h"
#include "paint/solid_shapes.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

using test::picture;
using Rows = std::vector<std::string>;

CharCanvas blank(int cols, int rows) {
    CharCanvas canvas(cols, rows);
    test::draw(canvas, Rows(static_cast<std::size_t>(rows),
                            std::string(static_cast<std::size_t>(cols), ' ')));
    return canvas;
}

TEST(SolidShapes, LinesAndRectanglesOnTheSelection) {
    CharCanvas canvas = blank(6, 4);
    PaintHorzLine(canvas, {1, 1, 4, 2}, "#");
    EXPECT_EQ(picture(canvas), (Rows{"      ", " #### ", "      ", "      "}));

    canvas = blank(6, 4);
    PaintVertLine(canvas, {1, 1, 4, 3}, "#");
    EXPECT_EQ(picture(canvas), (Rows{"      ", " #    ", " #    ", " #    "}));

    canvas = blank(6, 4);
    PaintRectangle(canvas, {1, 0, 4, 3}, "#");
    EXPECT_EQ(picture(canvas), (Rows{" #### ", " #  # ", " #  # ", " #### "}));

    canvas = blank(6, 4);
    PaintFilledRectangle(canvas, {2, 1, 3, 2}, "o");
    EXPECT_EQ(picture(canvas), (Rows{"      ", "  oo  ", "  oo  ", "      "}));

    canvas = blank(3, 3);
    PaintRectangle(canvas, {0, 0, 1, 1}, "#"); // 2 x 2: all four cells
    EXPECT_EQ(picture(canvas), (Rows{"## ", "## ", "   "}));
}

TEST(SolidShapes, OneCellSelectionPaintsThatCellWithEveryShape) {
    for (auto shape : {PaintHorzLine, PaintVertLine, PaintRectangle, PaintFilledRectangle,
                       PaintFallingLine, PaintRisingLine, PaintCircle}) {
        CharCanvas canvas = blank(3, 3);
        shape(canvas, {1, 1, 1, 1}, "#");
        EXPECT_EQ(picture(canvas), (Rows{"   ", " # ", "   "}));
    }
}

TEST(SolidShapes, DiagonalsOfFlatSteepAndSquareSelections) {
    CharCanvas canvas = blank(5, 1);
    PaintFallingLine(canvas, {0, 0, 4, 0}, "#"); // one row: r = 0, the whole row
    EXPECT_EQ(picture(canvas), (Rows{"#####"}));
    canvas = blank(5, 1);
    PaintRisingLine(canvas, {0, 0, 4, 0}, "#");
    EXPECT_EQ(picture(canvas), (Rows{"#####"}));

    canvas = blank(1, 3);
    PaintFallingLine(canvas, {0, 0, 0, 2}, "#"); // one column: the whole column
    EXPECT_EQ(picture(canvas), (Rows{"#", "#", "#"}));
    canvas = blank(1, 3);
    PaintRisingLine(canvas, {0, 0, 0, 2}, "#");
    EXPECT_EQ(picture(canvas), (Rows{"#", "#", "#"}));

    canvas = blank(4, 4);
    PaintFallingLine(canvas, {0, 0, 3, 3}, "\\");
    EXPECT_EQ(picture(canvas), (Rows{"\\   ", " \\  ", "  \\ ", "   \\"}));
    canvas = blank(4, 4);
    PaintRisingLine(canvas, {0, 0, 3, 3}, "/");
    EXPECT_EQ(picture(canvas), (Rows{"   /", "  / ", " /  ", "/   "}));
}

TEST(SolidShapes, DiagonalOffsetsRoundHalvesToEven) {
    // r = 1/2 over w = 8, h = 4: offsets 0, 0, 1, 2, 2, 2, 3, 4, 4.
    CharCanvas canvas = blank(9, 5);
    PaintFallingLine(canvas, {0, 0, 8, 4}, "#");
    EXPECT_EQ(picture(canvas),
              (Rows{"##       ", "  #      ", "   ###   ", "      #  ", "       ##"}));
    canvas = blank(9, 5);
    PaintRisingLine(canvas, {0, 0, 8, 4}, "#");
    EXPECT_EQ(picture(canvas),
              (Rows{"       ##", "      #  ", "   ###   ", "  #      ", "##       "}));
    // Steep: r = 1/2 by rows, mirrored in the column.
    canvas = blank(5, 9);
    PaintRisingLine(canvas, {0, 0, 4, 8}, "#");
    EXPECT_EQ(picture(canvas), (Rows{"    #", "    #", "   # ", "  #  ", "  #  ", "  #  ", " #   ",
                                     "#    ", "#    "}));
    // r = 1/6 is kept with 40 bits: the fourth cell already steps down.
    canvas = blank(7, 2);
    PaintFallingLine(canvas, {0, 0, 6, 1}, "#");
    EXPECT_EQ(picture(canvas), (Rows{"###    ", "   ####"}));
}

TEST(SolidShapes, CircleIsTheInscribedEllipseOutline) {
    CharCanvas canvas = blank(7, 5);
    PaintCircle(canvas, {1, 0, 5, 4}, "o");
    EXPECT_EQ(picture(canvas), (Rows{"  ooo  ", " o   o ", " o   o ", " o   o ", "  ooo  "}));
}

TEST(SolidShapes, OnlyTextsChangeAndEmptyTextPaintsEmptyCells) {
    CharCanvas canvas(3, 1);
    test::draw(canvas, {"abc"});
    canvas.SetFontCell(1, 0, 0x0000FF);
    canvas.SetColorCell(1, 0, 0x00FF00);
    PaintHorzLine(canvas, {0, 0, 2, 0}, "");
    EXPECT_EQ(picture(canvas), (Rows{"@@@"}));
    EXPECT_EQ(canvas.foreground(1, 0), 0x0000FFu);
    EXPECT_EQ(canvas.background(1, 0), 0x00FF00u);
    EXPECT_FALSE(canvas.hasOwnFont(0, 0));
}

TEST(SolidShapes, ShapesReachingPastTheCanvasAreClipped) {
    CharCanvas canvas = blank(3, 3);
    PaintFilledRectangle(canvas, {1, 1, 5, 5}, "#");
    PaintCircle(canvas, {-2, -2, 2, 2}, "o");
    EXPECT_EQ(picture(canvas), (Rows{"  o", " #o", "oo#"}));
}

} // namespace
} // namespace glyphora
