#include "paint/canvas_picture.h"
#include "paint/fills.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

using test::picture;
using Rows = std::vector<std::string>;

TEST(Floodfill, FillsTheFourConnectedAreaOnly) {
    CharCanvas canvas;
    test::draw(canvas, {"aab", "bab", "bba"});
    EXPECT_EQ(Floodfill(canvas, 0, 0, "#", "a"), 3);
    // The "a" at the bottom right touches the area only at a corner.
    EXPECT_EQ(picture(canvas), (Rows{"##b", "b#b", "bba"}));
}

TEST(Floodfill, EmptyCellsReadAsBlankAndBlankTheBorder) {
    CharCanvas canvas;
    test::draw(canvas, {"x@@x", "x@xx", "@x@@"});
    // Old " ": the empty cells join the area.
    EXPECT_EQ(Floodfill(canvas, 1, 0, "o", " "), 3);
    EXPECT_EQ(picture(canvas), (Rows{"xoox", "xoxx", "@x@@"}));

    // Old "x": the empty cells around the area are looked at and become " ", others stay.
    test::draw(canvas, {"@x@@", "xx@@", "@@@@"});
    EXPECT_EQ(Floodfill(canvas, 1, 1, "#", "x"), 3);
    EXPECT_EQ(picture(canvas), (Rows{" # @", "## @", "  @@"}));
}

TEST(Floodfill, TheWholeCanvasAndDegenerateCalls) {
    CharCanvas canvas(300, 200); // all empty
    EXPECT_EQ(Floodfill(canvas, 150, 100, "#", " "), 300 * 200);
    EXPECT_EQ(canvas.text(0, 0), "#");
    EXPECT_EQ(canvas.text(299, 199), "#");

    // Equal texts fill nothing; outside the canvas nothing happens.
    EXPECT_EQ(Floodfill(canvas, 0, 0, "#", "#"), 0);
    EXPECT_EQ(Floodfill(canvas, -1, 0, "x", "#"), 0);
    EXPECT_EQ(Floodfill(canvas, 300, 0, "x", "#"), 0);
    EXPECT_EQ(canvas.text(0, 0), "#");
    // An empty new text is stored as " " and never loops.
    EXPECT_EQ(Floodfill(canvas, 0, 0, "", "#"), 300 * 200);
    EXPECT_EQ(canvas.text(5, 5), " ");
    EXPECT_EQ(Floodfill(canvas, 0, 0, "", " "), 0);
}

TEST(Floodfill, WindingCorridorsAreFollowed) {
    // A spiral-like maze: the fill must follow every turn, up and down.
    CharCanvas canvas;
    test::draw(canvas, {" #     ", " # ### ", " # # # ", " # # # ", "   #   "});
    Floodfill(canvas, 0, 0, ".", " ");
    EXPECT_EQ(picture(canvas), (Rows{".#.....", ".#.###.", ".#.#.#.", ".#.#.#.", "...#..."}));
}

TEST(Floodfill, KeepsColours) {
    CharCanvas canvas;
    test::draw(canvas, {"aa"});
    canvas.SetColorCell(1, 0, 0x112233);
    Floodfill(canvas, 0, 0, "b", "a");
    EXPECT_EQ(canvas.background(1, 0), 0x112233u);
    EXPECT_FALSE(canvas.hasOwnFont(0, 0));
}

TEST(PatternTiling, IsAnchoredAtTheCanvasOriginLinePerRow) {
    CharCanvas canvas;
    test::draw(canvas, {"     ", "  x  ", "     ", "     "});
    ASSERT_TRUE(tilePattern(canvas, {"ab", "123"}, " "));
    // Each row repeats its own line with that line's length; non-background cells stay.
    EXPECT_EQ(picture(canvas), (Rows{"ababa", "12x12", "ababa", "12312"}));
}

TEST(PatternTiling, OnlyBackgroundCellsAndBadPatterns) {
    CharCanvas canvas;
    test::draw(canvas, {"\xDB\xDB ", " \xDB\xDB"});
    ASSERT_TRUE(tilePattern(canvas, {"xyz"}, kPatternMarker));
    EXPECT_EQ(picture(canvas), (Rows{"xy ", " yz"}));

    // An empty line ends the tiling there; the rows before it stay filled.
    test::draw(canvas, {"   ", "   ", "   "});
    EXPECT_FALSE(tilePattern(canvas, {"o", "", "o"}, " "));
    EXPECT_EQ(picture(canvas), (Rows{"ooo", "   ", "   "}));
    // Also when the pass runs past the last row.
    test::draw(canvas, {"   "});
    EXPECT_FALSE(tilePattern(canvas, {"o", "p", ""}, " "));
    EXPECT_EQ(picture(canvas), (Rows{"ooo"}));
    EXPECT_FALSE(tilePattern(canvas, {}, " "));

    // A 1 x 1 canvas.
    CharCanvas one(1, 1);
    one.setText(0, 0, " ");
    ASSERT_TRUE(tilePattern(one, {"#-", "-#"}, " "));
    EXPECT_EQ(picture(one), (Rows{"#"}));
}

TEST(PatternFiles, AreReadAsLinesAndBadFilesRefused) {
    test::TempDir dir;
    test::writeBytes(dir / "a.pat", "/\\\r\n\\/\r\n");
    EXPECT_EQ(readPatternFile(dir / "a.pat"), (PatternLines{"/\\", "\\/"}));
    test::writeBytes(dir / "b.pat", "ab\rcd\nef"); // lone CR, lone LF, no final line end
    EXPECT_EQ(readPatternFile(dir / "b.pat"), (PatternLines{"ab", "cd", "ef"}));
    test::writeBytes(dir / "tab.pat", "a\tb\r\n");
    EXPECT_EQ(readPatternFile(dir / "tab.pat"), (PatternLines{"a\tb"}));
    test::writeBytes(dir / "gap.pat", "a\r\n\r\nb\r\n"); // the empty line is kept for the tiling
    EXPECT_EQ(readPatternFile(dir / "gap.pat"), (PatternLines{"a", "", "b"}));

    test::writeBytes(dir / "empty.pat", "");
    EXPECT_FALSE(readPatternFile(dir / "empty.pat"));
    test::writeBytes(dir / "binary.pat", std::string("ab\0\x07\x01", 5));
    EXPECT_FALSE(readPatternFile(dir / "binary.pat"));
    EXPECT_FALSE(readPatternFile(dir / "missing.pat"));
    EXPECT_FALSE(readPatternFile(dir.path())); // a directory
}

TEST(PatternFiles, FolderAndListing) {
    test::TempDir dir;
    EXPECT_EQ(patternDirectory(dir.path()), dir / "pattern"); // none yet: the standard name
    std::filesystem::create_directory(dir / "Pattern");
    EXPECT_EQ(patternDirectory(dir.path()), dir / "Pattern");
    std::filesystem::create_directory(dir / "pattern");
    EXPECT_EQ(patternDirectory(dir.path()), dir / "pattern");

    const auto folder = dir / "pattern";
    test::writeBytes(folder / "zig.pat", "x");
    test::writeBytes(folder / "Bricks.PAT", "x");
    test::writeBytes(folder / "notes.txt", "x");
    test::writeBytes(folder / "pat", "x");
    std::filesystem::create_directory(folder / "dir.pat");
    EXPECT_EQ(listPatternFiles(folder), (std::vector<std::string>{"Bricks.PAT", "zig.pat"}));
    EXPECT_TRUE(listPatternFiles(dir / "missing").empty());
}

TEST(PatternFiles, ShippedPatternsAreGoodTiles) {
    const auto folder = std::filesystem::path(GLYPHORA_SOURCE_DIR) / "data" / "pattern";
    const std::vector<std::string> names = listPatternFiles(folder);
    ASSERT_GE(names.size(), 5u);
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const std::string bytes = test::readBytes(folder / name);
        ASSERT_GE(bytes.size(), 2u);
        EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
        const std::optional<PatternLines> lines = readPatternFile(folder / name);
        ASSERT_TRUE(lines);
        for (const std::string& line : *lines) {
            EXPECT_FALSE(line.empty());
            EXPECT_EQ(line.size(), lines->front().size()); // a rectangular tile
        }
    }
}

} // namespace
} // namespace glyphora
