#include "paint/canvas_picture.h"
#include "paint/solid_shapes.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

using test::picture;
using test::Rows;

using Shape = void (*)(CharCanvas&, const CellRect&, std::string_view);

// The shape painted with "#" over the rectangle of a blank canvas.
Rows painted(Shape shape, int cols, int rows, CellRect rect) {
    CharCanvas canvas = test::blank(cols, rows);
    shape(canvas, rect, "#");
    return picture(canvas);
}

TEST(SolidShapes, LinesAndRectanglesOnTheSelection) {
    EXPECT_EQ(painted(PaintHorzLine, 6, 3, {1, 1, 4, 2}), (Rows{"      ", " #### ", "      "}));
    EXPECT_EQ(painted(PaintVertLine, 3, 4, {1, 1, 2, 3}), (Rows{"   ", " # ", " # ", " # "}));
    EXPECT_EQ(painted(PaintRectangle, 6, 4, {1, 0, 4, 3}),
              (Rows{" #### ", " #  # ", " #  # ", " #### "}));
    EXPECT_EQ(painted(PaintFilledRectangle, 5, 4, {2, 1, 3, 2}),
              (Rows{"     ", "  ## ", "  ## ", "     "}));
    EXPECT_EQ(painted(PaintRectangle, 3, 3, {0, 0, 1, 1}), (Rows{"## ", "## ", "   "}));
}

TEST(SolidShapes, OneCellSelectionPaintsThatCellWithEveryShape) {
    for (const Shape shape : {PaintHorzLine, PaintVertLine, PaintRectangle, PaintFilledRectangle,
                              PaintFallingLine, PaintRisingLine, PaintCircle})
        EXPECT_EQ(painted(shape, 3, 3, {1, 1, 1, 1}), (Rows{"   ", " # ", "   "}));
}

TEST(SolidShapes, DiagonalsOfFlatSteepAndSquareSelections) {
    for (const Shape shape : {PaintFallingLine, PaintRisingLine}) {
        EXPECT_EQ(painted(shape, 5, 1, {0, 0, 4, 0}), (Rows{"#####"})); // r = 0: the whole row
        EXPECT_EQ(painted(shape, 1, 3, {0, 0, 0, 2}), (Rows{"#", "#", "#"}));
    }
    EXPECT_EQ(painted(PaintFallingLine, 3, 3, {0, 0, 2, 2}), (Rows{"#  ", " # ", "  #"}));
    EXPECT_EQ(painted(PaintRisingLine, 3, 3, {0, 0, 2, 2}), (Rows{"  #", " # ", "#  "}));
}

TEST(SolidShapes, DiagonalOffsetsRoundHalvesToEven) {
    // r = 1/2 over w = 8, h = 4: offsets 0, 0, 1, 2, 2, 2, 3, 4, 4.
    EXPECT_EQ(painted(PaintFallingLine, 9, 5, {0, 0, 8, 4}),
              (Rows{"##       ", "  #      ", "   ###   ", "      #  ", "       ##"}));
    EXPECT_EQ(painted(PaintRisingLine, 9, 5, {0, 0, 8, 4}),
              (Rows{"       ##", "      #  ", "   ###   ", "  #      ", "##       "}));
    // Steep: r = 1/2 by rows, mirrored in the column.
    EXPECT_EQ(
        painted(PaintRisingLine, 5, 9, {0, 0, 4, 8}),
        (Rows{"    #", "    #", "   # ", "  #  ", "  #  ", "  #  ", " #   ", "#    ", "#    "}));
    // r = 1/6 is kept with 40 bits: the fourth cell already steps down.
    EXPECT_EQ(painted(PaintFallingLine, 7, 2, {0, 0, 6, 1}), (Rows{"###    ", "   ####"}));
}

TEST(SolidShapes, CircleIsTheInscribedEllipseOutlineClippedToTheCanvas) {
    EXPECT_EQ(painted(PaintCircle, 7, 5, {1, 0, 5, 4}),
              (Rows{"  ###  ", " #   # ", " #   # ", " #   # ", "  ###  "}));
    EXPECT_EQ(painted(PaintCircle, 3, 3, {-2, -2, 2, 2}), (Rows{"  #", "  #", "## "}));
    EXPECT_EQ(painted(PaintFilledRectangle, 3, 3, {1, 1, 5, 5}), (Rows{"   ", " ##", " ##"}));
}

TEST(SolidShapes, OnlyTextsChangeAndEmptyTextPaintsEmptyCells) {
    CharCanvas canvas = test::drawn({"abc"});
    canvas.SetFontCell(1, 0, 0x0000FF);
    canvas.SetColorCell(1, 0, 0x00FF00);
    PaintHorzLine(canvas, {0, 0, 2, 0}, "");
    EXPECT_EQ(picture(canvas), (Rows{"@@@"}));
    EXPECT_EQ(canvas.foreground(1, 0), 0x0000FFu);
    EXPECT_EQ(canvas.background(1, 0), 0x00FF00u);
    EXPECT_FALSE(canvas.hasOwnFont(0, 0));
}

} // namespace
} // namespace glyphora
