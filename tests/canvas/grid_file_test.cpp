#include "canvas/grid_file.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

using test::TempDir;

TEST(GridFile, WritesEachCellWithItsSeparatorAndRowsWithCrLf) {
    CharCanvas canvas(3, 1);
    canvas.setText(0, 0, "a");
    canvas.setText(1, 0, "b");
    EXPECT_EQ(gridToBytes(canvas), std::string("a\x07"
                                               "b\x07\x07\r\n"));

    canvas.setText(2, 0, "long!");
    canvas.setRowCount(2);
    EXPECT_EQ(gridToBytes(canvas), std::string("a\x07"
                                               "b\x07long!\x07\r\n\x07\x07\x07\r\n"));
}

TEST(GridFile, WritingARectangleUsesTheEdgeRules) {
    CharCanvas canvas(3, 3);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            canvas.setText(c, r, std::string(1, static_cast<char>('a' + r * 3 + c)));
    EXPECT_EQ(gridToBytes(canvas, {1, 1, 2, 2}, ';'), "e;f;\r\nh;i;\r\n");
    // A right edge below the left, or negative, means the last column; a negative left 0.
    EXPECT_EQ(gridToBytes(canvas, {-4, 2, -1, -1}, ','), "g,h,i,\r\n");
    EXPECT_EQ(gridToBytes(canvas, {2, 1, 1, 0}, ','), "f,\r\ni,\r\n");
}

TEST(GridFile, ReadingWidensTheCanvasToTheCellsOfALine) {
    CharCanvas canvas(1, 1);
    ASSERT_TRUE(readGridBytes(canvas, std::string("a\x07"
                                                  "b\x07\x07\r\n")));
    EXPECT_EQ(canvas.colCount(), 3);
    EXPECT_EQ(canvas.rowCount(), 1);
    EXPECT_EQ(canvas.text(0, 0), "a");
    EXPECT_EQ(canvas.text(1, 0), "b");
    EXPECT_EQ(canvas.text(2, 0), "");
}

TEST(GridFile, ReadingNeverShrinksAndLeavesOtherCellsAlone) {
    CharCanvas canvas(10, 10);
    canvas.setText(5, 5, "k");
    canvas.setText(1, 0, "old");
    canvas.SetFontCell(1, 0, 0x0000FF);
    ASSERT_TRUE(readGridBytes(canvas, std::string("1\x07"
                                                  "2\x07"
                                                  "3\x07\r\n4\x07"
                                                  "5\x07"
                                                  "6\x07\r\n")));
    EXPECT_EQ(canvas.colCount(), 10);
    EXPECT_EQ(canvas.rowCount(), 10);
    EXPECT_EQ(canvas.text(1, 0), "2");
    EXPECT_EQ(canvas.foreground(1, 0), 0x0000FFu);
    EXPECT_EQ(canvas.text(2, 1), "6");
    EXPECT_EQ(canvas.text(5, 5), "k");
}

TEST(GridFile, LineEndsBlankLinesAndTheEnd) {
    CharCanvas canvas(1, 1);
    // An empty line changes no cell but counts as a row; lone CR and lone LF end lines;
    // the last line needs no line end.
    ASSERT_TRUE(readGridBytes(canvas, std::string("a\x07\r\n\r\nb\x07\rc\x07\nd\x07")));
    EXPECT_EQ(canvas.rowCount(), 5);
    EXPECT_EQ(canvas.text(0, 1), "");
    EXPECT_EQ(canvas.text(0, 2), "b");
    EXPECT_EQ(canvas.text(0, 3), "c");
    EXPECT_EQ(canvas.text(0, 4), "d");
}

TEST(GridFile, AByteZeroEndsTheText) {
    CharCanvas canvas(1, 1);
    ASSERT_TRUE(readGridBytes(canvas, std::string("a\x07\r\nb\x07", 6) + std::string(1, '\0') +
                                          "c\x07\r\nd\x07\r\n"));
    EXPECT_EQ(canvas.rowCount(), 2);
    EXPECT_EQ(canvas.text(0, 1), "b");
}

TEST(GridFile, CellsHoldingSeparatorsOrLineEndsBreakTheStructureOnly) {
    CharCanvas canvas(2, 1);
    canvas.setText(0, 0, "x\x07y");
    canvas.setText(1, 0, "p\rq");
    CharCanvas back(1, 1);
    ASSERT_TRUE(readGridBytes(back, gridToBytes(canvas)));
    EXPECT_EQ(back.rowCount(), 2);
    EXPECT_EQ(back.text(0, 0), "x");
    EXPECT_EQ(back.text(1, 0), "y");
    EXPECT_EQ(back.text(2, 0), "p");
    EXPECT_EQ(back.text(0, 1), "q");
}

TEST(GridFile, TextWithoutSeparatorsIsOneCellPerLine) {
    CharCanvas canvas(1, 1);
    ASSERT_TRUE(readGridBytes(canvas, "plain text\r\nx"));
    EXPECT_EQ(canvas.colCount(), 1);
    EXPECT_EQ(canvas.text(0, 0), "plain text");
    EXPECT_EQ(canvas.text(0, 1), "x");
}

TEST(GridFile, ReadingARectangleLimitsRowsAndColumns) {
    CharCanvas canvas(1, 1);
    const std::string bytes = "a,b,c,\r\nd,e,f,\r\ng,h,i,\r\n";
    ASSERT_TRUE(readGridBytes(canvas, bytes, {2, 1, 3, 1}, ','));
    EXPECT_EQ(canvas.colCount(), 4);
    EXPECT_EQ(canvas.rowCount(), 2);
    EXPECT_EQ(canvas.text(2, 1), "a");
    EXPECT_EQ(canvas.text(3, 1), "b");
    EXPECT_EQ(canvas.text(0, 0), "");
}

TEST(GridFile, RoundTripKeepsEmptyCellsSpacesAndLongTexts) {
    CharCanvas canvas(4, 3);
    canvas.setText(0, 0, " ");
    canvas.setText(1, 1, std::string(50, 'L'));
    canvas.setText(3, 2, "\t");
    canvas.setText(2, 0, "\xC4");
    CharCanvas back(1, 1);
    ASSERT_TRUE(readGridBytes(back, gridToBytes(canvas)));
    ASSERT_EQ(back.colCount(), 4);
    ASSERT_EQ(back.rowCount(), 3);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(back.text(c, r), canvas.text(c, r)) << c << "," << r;
}

TEST(GridFile, AForgedHugeLineIsRefusedWithoutChange) {
    CharCanvas canvas(2, 2);
    canvas.setText(0, 0, "keep");
    // 2 rows: one of 40 million separators would need 80 million cells.
    std::string bytes(40'000'000, '\x07');
    bytes += "\r\nx\x07\r\n";
    EXPECT_FALSE(readGridBytes(canvas, bytes));
    EXPECT_EQ(canvas.colCount(), 2);
    EXPECT_EQ(canvas.text(0, 0), "keep");
}

TEST(GridFile, FilesRoundTripAndFailuresChangeNothing) {
    TempDir dir;
    CharCanvas canvas(3, 2);
    canvas.setText(2, 1, "z");
    ASSERT_TRUE(SaveToFile(canvas, dir / "a.glg"));
    EXPECT_EQ(test::readBytes(dir / "a.glg"), std::string("\x07\x07\x07\r\n\x07\x07z\x07\r\n"));

    CharCanvas loaded(1, 1);
    ASSERT_TRUE(LoadFromFile(loaded, dir / "a.glg"));
    EXPECT_EQ(loaded.colCount(), 3);
    EXPECT_EQ(loaded.text(2, 1), "z");

    loaded.setText(0, 0, "kept");
    EXPECT_FALSE(LoadFromFile(loaded, dir / "missing.glg"));
    EXPECT_FALSE(LoadFromFile(loaded, dir.path())); // a directory
    EXPECT_EQ(loaded.text(0, 0), "kept");
    EXPECT_FALSE(SaveToFile(canvas, dir / "no" / "such" / "dir.glg"));
}

} // namespace
} // namespace glyphora
