#include "canvas/grid_file.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

// In these texts "\a" is byte 7, the cell separator.

// Every cell of the canvas: cells joined by '|', each row ended by '/'.
std::string cells(const CharCanvas& canvas) {
    std::string dump;
    for (int r = 0; r < canvas.rowCount(); ++r) {
        for (int c = 0; c < canvas.colCount(); ++c) {
            if (c > 0)
                dump += '|';
            dump += canvas.text(c, r);
        }
        dump += '/';
    }
    return dump;
}

TEST(GridFile, WritesRectanglesWithTheirSeparatorAndBytesTheLayoutCannotCarryAsSpaces) {
    CharCanvas canvas(3, 2);
    canvas.setText(2, 0, "long!");
    canvas.setText(1, 1, std::string("p\r\nq\0", 5));
    canvas.setText(2, 1, ",\t");
    // The separator, CR, LF and 0 become spaces in the bytes only (the .glg save shows the
    // whole canvas). A right edge below the left, or negative, means the last column.
    std::size_t spaced = 0;
    EXPECT_EQ(gridToBytes(canvas, {1, 0, 2, 1}, ',', &spaced), ",long!,\r\np  q , \t,\r\n");
    EXPECT_EQ(spaced, 4u);
    EXPECT_EQ(canvas.text(2, 1), ",\t");
    EXPECT_EQ(gridToBytes(canvas, {2, 0, 1, 0}, ';', &spaced), "long!;\r\n");
    EXPECT_EQ(spaced, 0u);
}

TEST(GridFile, ReadingSplitsAtSeparatorsAndEveryLineEndWithinTheLimits) {
    const struct {
        std::string bytes;
        GridArea area;
        char separator;
        std::string cells;
    } cases[] = {
        {"a\ab\a\a\r\n", {}, '\a', "a|b|/"}, // widens to the cells of a line
        // A blank line counts; lone CR and LF end lines; the last line needs no end.
        {"a\a\r\n\r\nb\a\rc\a\nd\a", {}, '\a', "a//b/c/d/"},
        {std::string("a\a\r\nb\a\0c\a\r\nd\a\r\n", 15), {}, '\a', "a/b/"}, // 0 ends the text
        {"a\ab\ac\a\r\nd\ae\af\a\r\n", {2, 1, 3, 1}, '\a', "|||/||a|b/"},  // rows, columns limited
        {"", {}, '\a', "/"},                            // no lines: the canvas stays as it was
        {std::string("\0a\a", 3), {}, '\a', "/"},       // nothing before the byte 0
        {"a\n\rb\a", {}, '\a', "a//b/"},                // LF then CR is two line ends
        {"\a\a\r\nx", {}, '\a', "|/x|/"},               // separators alone are empty cells
        {"a\ab\r", {}, '\a', "a|b/"},                   // the last piece is a cell; a final CR
        {std::string("a\a\r\0b\a", 6), {}, '\a', "a/"}, // byte 0 right after a CR
        {"a\nb;c\r\n;", {}, '\n', "a/b;c/;/"},          // a line end as separator: whole lines
        {"x;", {-3, -2, -1, -1}, ';', "x/"},            // negative edges mean 0
    };
    for (const auto& c : cases) {
        CharCanvas canvas(1, 1);
        ASSERT_TRUE(readGridBytes(canvas, c.bytes, c.area, c.separator)) << c.cells;
        EXPECT_EQ(cells(canvas), c.cells);
    }
}

TEST(GridFile, ReadingNeverShrinksLeavesOtherCellsAloneAndRefusesForgedSizes) {
    CharCanvas canvas(10, 10);
    canvas.setText(5, 5, "k");
    canvas.SetFontCell(1, 0, 0x0000FF);
    ASSERT_TRUE(readGridBytes(canvas, "1\a2\a3\a\r\n4\a5\a6\a\r\n"));
    EXPECT_EQ(canvas.colCount(), 10);
    EXPECT_EQ(canvas.text(1, 0), "2");
    EXPECT_EQ(canvas.foreground(1, 0), 0x0000FFu);
    EXPECT_EQ(canvas.text(5, 5), "k");

    // A line of 40 million separators would need 80 million cells.
    std::string bytes(40'000'000, '\a');
    bytes += "\r\nx\a\r\n";
    EXPECT_FALSE(readGridBytes(canvas, bytes));
    EXPECT_EQ(canvas.colCount(), 10);
    EXPECT_EQ(canvas.text(0, 1), "4");
}

TEST(GridFile, RoundTripsEveryCellItCanCarry) {
    CharCanvas canvas(3, 2);
    canvas.setText(0, 0, " \xC4");
    canvas.setText(1, 1, std::string(50, 'L'));
    CharCanvas loaded(1, 1);
    ASSERT_TRUE(readGridBytes(loaded, gridToBytes(canvas)));
    EXPECT_EQ(cells(loaded), cells(canvas));
}

} // namespace
} // namespace glyphora
