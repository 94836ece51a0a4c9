#include "canvas/grid_file.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

using test::TempDir;

// In these texts "\a" is byte 7, the cell separator.

// Every cell of the canvas: cells joined by '|', each row ended by '/'.
std::string cells(const CharCanvas& canvas) {
    std::string dump;
    for (int r = 0; r < canvas.rowCount(); ++r) {
        for (int c = 0; c < canvas.colCount(); ++c)
            dump += (c ? "|" : "") + std::string(canvas.text(c, r));
        dump += '/';
    }
    return dump;
}

TEST(GridFile, WritesEachCellWithItsSeparatorAndRowsWithCrLf) {
    CharCanvas canvas(3, 2);
    canvas.setText(0, 0, "a");
    canvas.setText(2, 0, "long!");
    EXPECT_EQ(gridToBytes(canvas), "a\a\along!\a\r\n\a\a\a\r\n");
    // Separators and line ends inside a cell are written as they are.
    canvas.setText(0, 1, "x\ay");
    canvas.setText(1, 1, "p\rq");
    EXPECT_EQ(gridToBytes(canvas), "a\a\along!\a\r\nx\ay\ap\rq\a\a\r\n");
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

TEST(GridFile, ReadingSplitsAtSeparatorsAndEveryLineEnd) {
    const struct {
        const char* rule;
        std::string bytes;
        std::string cells;
    } cases[] = {
        {"widens to the cells of a line", "a\ab\a\a\r\n", "a|b|/"},
        {"blank line counts, lone CR and LF end lines, last line needs no end",
         "a\a\r\n\r\nb\a\rc\a\nd\a", "a//b/c/d/"},
        {"byte 0 ends the text", std::string("a\a\r\nb\a\0c\a\r\nd\a\r\n", 15), "a/b/"},
        {"no separators: one cell per line", "plain text\r\nx", "plain text/x/"},
        {"cells holding separators break the structure only", "x\ay\ap\rq\a\r\n", "x|y|p/q||/"},
    };
    for (const auto& c : cases) {
        CharCanvas canvas(1, 1);
        ASSERT_TRUE(readGridBytes(canvas, c.bytes)) << c.rule;
        EXPECT_EQ(cells(canvas), c.cells) << c.rule;
    }
}

TEST(GridFile, ReadingNeverShrinksAndLeavesOtherCellsAlone) {
    CharCanvas canvas(10, 10);
    canvas.setText(5, 5, "k");
    canvas.setText(1, 0, "old");
    canvas.SetFontCell(1, 0, 0x0000FF);
    ASSERT_TRUE(readGridBytes(canvas, "1\a2\a3\a\r\n4\a5\a6\a\r\n"));
    EXPECT_EQ(canvas.colCount(), 10);
    EXPECT_EQ(canvas.rowCount(), 10);
    EXPECT_EQ(canvas.text(1, 0), "2");
    EXPECT_EQ(canvas.foreground(1, 0), 0x0000FFu);
    EXPECT_EQ(canvas.text(2, 1), "6");
    EXPECT_EQ(canvas.text(5, 5), "k");
}

TEST(GridFile, ReadingARectangleLimitsRowsAndColumns) {
    CharCanvas canvas(1, 1);
    ASSERT_TRUE(readGridBytes(canvas, "a,b,c,\r\nd,e,f,\r\ng,h,i,\r\n", {2, 1, 3, 1}, ','));
    EXPECT_EQ(cells(canvas), "|||/||a|b/");
}

TEST(GridFile, AForgedHugeLineIsRefusedWithoutChange) {
    CharCanvas canvas(2, 2);
    canvas.setText(0, 0, "keep");
    // 2 rows: one of 40 million separators would need 80 million cells.
    std::string bytes(40'000'000, '\a');
    bytes += "\r\nx\a\r\n";
    EXPECT_FALSE(readGridBytes(canvas, bytes));
    EXPECT_EQ(cells(canvas), "keep|/|/");
}

TEST(GridFile, FilesRoundTripEveryCellAndFailuresChangeNothing) {
    TempDir dir;
    CharCanvas canvas(4, 2);
    canvas.setText(0, 0, " ");
    canvas.setText(2, 0, "\xC4");
    canvas.setText(1, 1, std::string(50, 'L'));
    canvas.setText(3, 1, "\t");
    ASSERT_TRUE(SaveToFile(canvas, dir / "a.glg"));
    EXPECT_EQ(test::readBytes(dir / "a.glg"),
              " \a\a\xC4\a\a\r\n\a" + std::string(50, 'L') + "\a\a\t\a\r\n");

    CharCanvas loaded(1, 1);
    ASSERT_TRUE(LoadFromFile(loaded, dir / "a.glg"));
    EXPECT_EQ(cells(loaded), cells(canvas));

    loaded.setText(0, 0, "kept");
    EXPECT_FALSE(LoadFromFile(loaded, dir / "missing.glg"));
    EXPECT_FALSE(LoadFromFile(loaded, dir.path())); // a directory
    EXPECT_EQ(loaded.text(0, 0), "kept");
    EXPECT_FALSE(SaveToFile(canvas, dir / "no" / "such" / "dir.glg"));
}

} // namespace
} // namespace glyphora
