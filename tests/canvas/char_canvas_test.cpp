#include "canvas/char_canvas.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

TEST(CharCanvas, SizesBelowOneGiveOneAndResizingKeepsOnlyTheCellsInside) {
    CharCanvas canvas(0, -5);
    EXPECT_EQ(canvas.colCount(), 1);
    EXPECT_EQ(canvas.rowCount(), 1);

    canvas.setText(0, 0, "x");
    canvas.SetFontCell(0, 0, 0x0000FF);
    canvas.setSize(3, 2);
    EXPECT_EQ(canvas.text(0, 0), "x");
    EXPECT_EQ(canvas.foreground(0, 0), 0x0000FFu);
    EXPECT_EQ(canvas.text(2, 1), ""); // new cells are plain and empty
    EXPECT_FALSE(canvas.hasOwnFont(1, 0));
    EXPECT_FALSE(canvas.hasOwnBrush(2, 1));

    canvas.setText(2, 1, "z");
    canvas.SetColorCell(2, 1, 0x123456);
    canvas.setSize(2, 1);
    canvas.setSize(3, 2);
    EXPECT_EQ(canvas.text(2, 1), ""); // dropped, then grown again empty
    EXPECT_FALSE(canvas.hasOwnBrush(2, 1));
    EXPECT_EQ(canvas.text(0, 0), "x");

    canvas.setText(0, 0, std::string_view{});
    EXPECT_EQ(canvas.text(0, 0), "");
    canvas.setColCount(0);
    EXPECT_EQ(canvas.colCount(), 1);
    EXPECT_EQ(canvas.rowCount(), 2);

    // Huge sizes are recognised before allocating.
    EXPECT_TRUE(CharCanvas::sizeFits(4000, 3000));
    EXPECT_FALSE(CharCanvas::sizeFits(65535, 65535));
    EXPECT_FALSE(CharCanvas::sizeFits(3000000000LL, 1));
}

TEST(CharCanvas, OutsideReadsAreEmptyAndWritesIgnored) {
    CharCanvas canvas(2, 2);
    canvas.setText(5, 0, "q");
    canvas.setText(-1, 0, "q");
    canvas.SetFontCell(2, 2, 0x111111);
    EXPECT_EQ(canvas.text(5, 0), "");
    EXPECT_EQ(canvas.text(0, -1), "");
    EXPECT_EQ(canvas.FontCell(7, 7), canvas.defaultFontColor());
    EXPECT_EQ(canvas.ColorCell(-3, 0), canvas.defaultColor());
    EXPECT_EQ(canvas.colCount(), 2);
}

TEST(CharCanvas, ReadingTheFontCreatesAnOwnColourReadingTheBackgroundDoesNot) {
    CharCanvas canvas(2, 1);
    canvas.setDefaultFontColor(0x00AA00);
    canvas.setDefaultColor(0x000080);
    EXPECT_EQ(canvas.FontCell(0, 0), 0x00AA00u);
    EXPECT_EQ(canvas.ColorCell(0, 0), 0x000080u);
    EXPECT_TRUE(canvas.hasOwnFont(0, 0));
    EXPECT_FALSE(canvas.hasOwnBrush(0, 0));

    canvas.setDefaultFontColor(0x0000CC);
    canvas.setDefaultColor(0x808080);
    EXPECT_EQ(canvas.foreground(0, 0), 0x00AA00u); // stopped following
    EXPECT_EQ(canvas.foreground(1, 0), 0x0000CCu); // never read: follows
    EXPECT_EQ(canvas.ColorCell(0, 0), 0x808080u);

    canvas.SetColorCell(0, 0, 0xFFFFFF);
    EXPECT_EQ(canvas.ColorCell(0, 0), 0xFFFFFFu);
    canvas.ResetFontCell(0, 0);
    canvas.ResetColorCell(0, 0);
    EXPECT_EQ(canvas.foreground(0, 0), 0x0000CCu);
    EXPECT_EQ(canvas.ColorCell(0, 0), 0x808080u);

    canvas.SetFontCell(0, 0, 0x112233);
    canvas.giveEveryCellOwnFont();
    canvas.setDefaultFontColor(0);
    EXPECT_EQ(canvas.foreground(0, 0), 0x112233u);
    EXPECT_EQ(canvas.foreground(1, 0), 0x0000CCu); // pinned to what it showed
}

// A canvas whose cell (c, r) holds a text naming its position, with colours tied to it.
CharCanvas labelled(int cols, int rows) {
    CharCanvas canvas(cols, rows);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            canvas.setText(c, r, std::to_string(c) + "," + std::to_string(r));
            canvas.SetFontCell(c, r, static_cast<Color>(c * 16 + r));
            canvas.SetColorCell(c, r, static_cast<Color>(0x10000 + c * 16 + r));
        }
    }
    return canvas;
}

void expectCellIs(const CharCanvas& canvas, int col, int row, int origCol, int origRow) {
    SCOPED_TRACE("cell " + std::to_string(col) + "," + std::to_string(row));
    EXPECT_EQ(canvas.text(col, row), std::to_string(origCol) + "," + std::to_string(origRow));
    EXPECT_EQ(canvas.foreground(col, row), static_cast<Color>(origCol * 16 + origRow));
    EXPECT_EQ(canvas.background(col, row), static_cast<Color>(0x10000 + origCol * 16 + origRow));
}

TEST(CharCanvas, InsertAndDeleteMoveTextsAndColoursTogether) {
    CharCanvas canvas = labelled(3, 3);
    canvas.InsertColumn(1);
    canvas.InsertRow(0);
    ASSERT_EQ(canvas.colCount(), 4);
    ASSERT_EQ(canvas.rowCount(), 4);
    expectCellIs(canvas, 0, 3, 0, 2);
    expectCellIs(canvas, 2, 3, 1, 2);
    expectCellIs(canvas, 3, 1, 2, 0);
    EXPECT_EQ(canvas.text(1, 2), "");
    EXPECT_FALSE(canvas.hasOwnFont(1, 2));
    EXPECT_EQ(canvas.text(0, 0), "");

    canvas.DeleteRow(0);
    canvas.DeleteColumn(1);
    ASSERT_EQ(canvas.colCount(), 3);
    ASSERT_EQ(canvas.rowCount(), 3);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            expectCellIs(canvas, c, r, c, r);

    canvas.InsertColumn(3); // at the end
    EXPECT_EQ(canvas.text(3, 0), "");
    canvas.DeleteColumn(7); // outside: nothing
    EXPECT_EQ(canvas.colCount(), 4);

    CharCanvas single(1, 2); // deleting the only column empties it instead
    single.setText(0, 0, "a");
    single.SetFontCell(0, 0, 0x0000FF);
    single.DeleteColumn(0);
    EXPECT_EQ(single.colCount(), 1);
    EXPECT_EQ(single.text(0, 0), "");
    EXPECT_FALSE(single.hasOwnFont(0, 0));
}

TEST(CharCanvas, LongTextsLiveOutOfLineAndAreReleased) {
    CharCanvas canvas(3, 2);
    const std::string longText(10000, 'r');
    canvas.setText(1, 1, longText);
    canvas.setText(2, 1, "exactly8");
    canvas.setText(0, 0, "seven77"); // fits inline
    EXPECT_EQ(canvas.text(1, 1), longText);
    EXPECT_EQ(canvas.text(2, 1), "exactly8");
    EXPECT_EQ(canvas.longTextCount(), 2u);

    canvas.InsertColumn(0);
    EXPECT_EQ(canvas.text(2, 1), longText);
    canvas.DeleteColumn(2);
    EXPECT_EQ(canvas.longTextCount(), 1u);
    canvas.setText(2, 1, "x"); // the former "exactly8" cell, now short again
    EXPECT_EQ(canvas.longTextCount(), 0u);

    canvas.setText(0, 0, std::string(300, 'q'));
    canvas.setSize(1, 1);
    EXPECT_EQ(canvas.text(0, 0), std::string(300, 'q'));
    canvas.setRowCount(2);
    canvas.DeleteRow(0);
    EXPECT_EQ(canvas.longTextCount(), 0u);
}

} // namespace
} // namespace glyphora
