#include "edit/flip_tables.h"
#include "edit/transforms.h"
#include "paint/canvas_picture.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

using test::drawn;
using test::picture;
using test::Rows;

constexpr Color kRed = 0x0000FF;
constexpr Color kGreen = 0x00FF00;

// The rows after a change of the canvas drawn from them.
template <class Change> Rows changed(const Rows& rows, Change change) {
    CharCanvas canvas = drawn(rows);
    change(canvas);
    return picture(canvas);
}

// One row after flipping its characters by the table.
std::string flipped(const std::string& row, const FlipTable& table) {
    return changed({row}, [&](CharCanvas& c) {
        FlipChars(c, {0, 0, c.colCount() - 1, 0}, table);
    })[0];
}

TEST(Mirror, MovesTextsAndLeavesColoursInPlace) {
    CharCanvas canvas = drawn({"abc", "def", "ghi", "jkl"});
    canvas.SetColorCell(0, 0, kRed);
    mirrorVertical(canvas, {0, 0, 1, 2});
    EXPECT_EQ(picture(canvas), (Rows{"ghc", "def", "abi", "jkl"}));
    EXPECT_EQ(canvas.background(0, 0), kRed);
    EXPECT_FALSE(canvas.hasOwnBrush(0, 2));

    canvas = drawn({"r..", "xyz"});
    canvas.SetFontCell(0, 0, kRed);
    mirrorHorizontal(canvas, {0, 0, 2, 0});
    EXPECT_EQ(picture(canvas), (Rows{"..r", "xyz"}));
    EXPECT_EQ(canvas.foreground(0, 0), kRed);
    EXPECT_FALSE(canvas.hasOwnFont(2, 0));
    // A one-cell or partly outside rectangle: clipped, no crash.
    mirrorVertical(canvas, {1, 1, 1, 1});
    mirrorHorizontal(canvas, {1, 1, 9, 9});
    EXPECT_EQ(picture(canvas), (Rows{"..r", "xzy"}));
}

TEST(Crop, KeepsTheRectangleWithItsColours) {
    CharCanvas canvas = drawn({"abcd", "efgh", "ijkl"});
    canvas.SetFontCell(2, 1, kRed);
    canvas.SetColorCell(3, 2, kGreen);
    cropTo(canvas, {1, 1, 3, 2});
    EXPECT_EQ(picture(canvas), (Rows{"fgh", "jkl"}));
    EXPECT_EQ(canvas.foreground(1, 0), kRed);
    EXPECT_EQ(canvas.background(2, 1), kGreen);
    EXPECT_TRUE(canvas.hasOwnFont(0, 0) && canvas.hasOwnBrush(0, 0));
    EXPECT_EQ(canvas.background(0, 0), kWhite);
}

TEST(Center, PlacesHalfTheFreeCellsBefore) {
    CharCanvas canvas = drawn({"abc       ", "  x@y     ", "@@@@@@@@@@", "0123456789"});
    centerRows(canvas, {0, 0, 9, 3});
    EXPECT_EQ(picture(canvas), (Rows{
                                   "    abc   ", // four blanks before, three after
                                   "    x y   ", // inner empty cells become blanks
                                   "          ",
                                   "0123456789", // as wide as the selection: stays
                               }));
    // Only inside the rectangle; a text longer than the rectangle leaves its row.
    canvas = drawn({"#ab    #", "#xy    #"});
    canvas.setText(1, 1, "long text");
    centerRows(canvas, {1, 0, 6, 1});
    EXPECT_EQ(picture(canvas), (Rows{"#   ab #", "#*y    #"})); // three free: two before
}

TEST(RowsAndColumns, DeleteKeepsAttributesWithTheirCharacters) {
    CharCanvas canvas = drawn({"abc", "def", "ghi"});
    canvas.SetColorCell(2, 2, kRed);
    deleteRows(canvas, 0, 1);
    deleteCols(canvas, 0, 0);
    EXPECT_EQ(picture(canvas), (Rows{"hi"}));
    EXPECT_EQ(canvas.background(1, 0), kRed);
    deleteCols(canvas, 0, 5); // all columns: one empty column remains
    EXPECT_EQ(picture(canvas), (Rows{"@"}));
}

TEST(CanvasSize, SetCanvasPreparesNewCellsAndKeepsOldOnes) {
    CharCanvas canvas = drawn({"ab", "cd"});
    canvas.setDefaultFontColor(kRed);
    canvas.SetColorCell(1, 1, kGreen);
    setCanvasSize(canvas, 3, 3, 0x123456);
    EXPECT_EQ(picture(canvas), (Rows{"ab ", "cd ", "   "}));
    EXPECT_EQ(canvas.background(1, 1), kGreen);
    EXPECT_FALSE(canvas.hasOwnBrush(0, 0));
    EXPECT_EQ(canvas.background(2, 0), 0x123456u);
    EXPECT_EQ(canvas.background(0, 2), 0x123456u);
    EXPECT_TRUE(canvas.hasOwnFont(2, 2));
    EXPECT_EQ(canvas.foreground(2, 2), kRed);
    setCanvasSize(canvas, 0, -3, kWhite);
    EXPECT_EQ(picture(canvas), (Rows{"a"}));

    EXPECT_EQ(changed({"ab", "cd"}, [](CharCanvas& c) { renewCanvas(c, 3, 1); }), (Rows{"  @"}));
}

TEST(CanvasSize, ResamplingKeepsTheNearestCharacters) {
    const auto resampled = [](const Rows& rows, int cols, int height) {
        return changed(rows, [&](CharCanvas& c) { resampleCanvas(c, cols, height); });
    };
    EXPECT_EQ(resampled({"abcdef", "ghijkl", "mnopqr", "stuvwx"}, 3, 2), (Rows{"ace", "moq"}));
    // Growing more than twofold: the last cells take the last old column and row.
    EXPECT_EQ(resampled({"ab", "cd"}, 5, 1), (Rows{"aabbb"})); // sources 0, 0, 1, 1, 2 -> 1
    EXPECT_EQ(resampled({"abc"}, 7, 3), (Rows{"aabbccc", "aabbccc", "aabbccc"}));
}

TEST(FlipTables, BuiltInTablesSwapTheListedPairs) {
    const FlipTable& v = builtInFlipTable(FlipDirection::Vertical);
    const FlipTable& h = builtInFlipTable(FlipDirection::Horizontal);
    EXPECT_EQ(v.from.size(), 47u);
    EXPECT_EQ(v.to.size(), 47u);
    EXPECT_EQ(h.from.size(), 35u);
    EXPECT_EQ(h.to.size(), 35u);
    EXPECT_EQ(flipped(";!~_`.,'\"^/\\", v), ":i_~,`'..v\\/");
    EXPECT_EQ(flipped("AFJLMPSTUVWYZ", v), "VL7TWb2LAAMAS");
    EXPECT_EQ(flipped("abdfghimnpqrstuvwyz257", v), "gPqtay!wubdtzfn^mhsSZJ");
    EXPECT_EQ(flipped("(){}[]/\\,.`'", h), ")(}{][\\/.,'`");
    EXPECT_EQ(flipped("LJ7F2Z5SE39PK", h), "JLF7SSZZ3EP9X");
    EXPECT_EQ(flipped("jtdbqpsz<>", h), "tjbdpqzs><");
    EXPECT_EQ(flipped("xX#1 ", h), "xX#1 "); // not in the tables
    EXPECT_EQ(flipped("xX#1 ", v), "xX#1 ");
}

TEST(FlipTables, FirstCharacterDecidesAndTheLastEntryWins) {
    CharCanvas canvas = drawn({"ab@xc"});
    canvas.setText(3, 0, "ax");
    FlipChars(canvas, {0, 0, 4, 0}, FlipTable{"aab", "xyz"});
    EXPECT_EQ(picture(canvas), (Rows{"yz@yc"}));
    EXPECT_EQ(flipped("ab", {"ab", "ba"}), "ba"); // no chains: a and b swap
    // A shorter second line: characters without a counterpart stay.
    EXPECT_EQ(flipped("abc", {"abc", "x"}), "xbc");
}

TEST(FlipTables, TableFilesAndTheShippedOnes) {
    test::TempDir dir;
    test::writeBytes(dir / "t.dat", "ab\r\nba\r\n");
    EXPECT_EQ(readFlipTable(dir / "t.dat"), (FlipTable{"ab", "ba"}));
    test::writeBytes(dir / "one.dat", "ab\r\n");
    EXPECT_FALSE(readFlipTable(dir / "one.dat"));
    test::writeBytes(dir / "bin.dat", std::string("a\0\r\nb\x07\r\n", 7));
    EXPECT_FALSE(readFlipTable(dir / "bin.dat"));
    test::writeBytes(dir / "ctl.dat", "a\x07\r\n\x1B\x01\r\n"); // control bytes other than 0
    EXPECT_EQ(readFlipTable(dir / "ctl.dat"), (FlipTable{"a\x07", "\x1B\x01"}));

    const auto data = std::filesystem::path(GLYPHORA_SOURCE_DIR) / "data";
    EXPECT_EQ(readFlipTable(data / "charflip-h.dat"), builtInFlipTable(FlipDirection::Horizontal));
    EXPECT_EQ(readFlipTable(data / "charflip-v.dat"), builtInFlipTable(FlipDirection::Vertical));
    EXPECT_EQ(test::readBytes(data / "charflip-h.dat"),
              "(){}[]/\\,.`'LJ7F2Z5SE39PKjtdbqpsz<>\r\n)(}{][\\/.,'`JLF7SSZZ3EP9Xtjbdpqzs><\r\n");
}

} // namespace
} // namespace glyphora
