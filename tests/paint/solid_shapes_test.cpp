#include "paint/canvas_picture.h"
#include "paint/solid_shapes.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

using test::picture;
using test::Rows;

using Shape = void (*)(CharCanvas&, const CellRect&, std::string_view);

TEST(SolidShapes, EachShapeOnItsSelectionChangesTextsOnly) {
    const struct {
        Shape shape;
        CellRect rect; // on a blank canvas of the expected size
        Rows expected;
    } cases[] = {
        {PaintHorzLine, {1, 1, 4, 2}, {"      ", " #### ", "      "}},
        {PaintVertLine, {1, 1, 2, 3}, {"   ", " # ", " # ", " # "}},
        {PaintFilledRectangle, {1, 1, 5, 5}, {"   ", " ##", " ##"}}, // clipped
        {PaintFallingLine, {0, 0, 4, 0}, {"#####"}},                 // r = 0: the whole row
        {PaintFallingLine, {0, 0, 3, 1}, {"##  ", "  ##"}},          // flat: one per column
        {PaintRisingLine, {0, 0, 1, 3}, {" #", " #", "# ", "# "}},   // steep: mirrored by rows
        {PaintCircle, {1, 0, 5, 4}, {"  ###  ", " #   # ", " #   # ", " #   # ", "  ###  "}},
        {PaintCircle, {-2, -2, 2, 2}, {"  #", "  #", "## "}},
    };
    for (const auto& c : cases) {
        CharCanvas canvas = test::blank(static_cast<int>(c.expected.front().size()),
                                        static_cast<int>(c.expected.size()));
        c.shape(canvas, c.rect, "#");
        EXPECT_EQ(picture(canvas), c.expected) << c.expected.front();
    }
    for (const Shape shape : {PaintHorzLine, PaintVertLine, PaintRectangle, PaintFilledRectangle,
                              PaintFallingLine, PaintRisingLine, PaintCircle}) {
        CharCanvas canvas = test::blank(3, 3); // one cell: that cell with every shape
        canvas.SetColorCell(1, 1, 0x00FF00);
        shape(canvas, {1, 1, 1, 1}, "#");
        EXPECT_EQ(picture(canvas), (Rows{"   ", " # ", "   "}));
        EXPECT_EQ(canvas.background(1, 1), 0x00FF00u); // only texts change
    }
}

} // namespace
} // namespace glyphora
