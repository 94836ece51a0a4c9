#include "paint/canvas_picture.h"
#include "paint/fills.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

using test::drawn;
using test::picture;
using test::Rows;

TEST(Floodfill, FillsTheFourConnectedAreaOnlyAndKeepsColours) {
    CharCanvas canvas = drawn({"aab", "bab", "bba"});
    canvas.SetColorCell(1, 1, 0x112233);
    EXPECT_EQ(Floodfill(canvas, 0, 0, "#", "a"), 3);
    // The "a" at the bottom right touches the area only at a corner.
    EXPECT_EQ(picture(canvas), (Rows{"##b", "b#b", "bba"}));
    EXPECT_EQ(canvas.background(1, 1), 0x112233u);
    EXPECT_FALSE(canvas.hasOwnFont(0, 0));
}

TEST(Floodfill, EmptyCellsReadAsBlankAndBlankTheBorder) {
    CharCanvas canvas = drawn({"x@@x", "x@xx", "@x@@"});
    // Old " ": the empty cells join the area.
    EXPECT_EQ(Floodfill(canvas, 1, 0, "o", " "), 3);
    EXPECT_EQ(picture(canvas), (Rows{"xoox", "xoxx", "@x@@"}));

    // Old "x": the empty cells around the area are looked at and become " ", others stay.
    canvas = drawn({"@x@@", "xx@@", "@@@@"});
    EXPECT_EQ(Floodfill(canvas, 1, 1, "#", "x"), 3);
    EXPECT_EQ(picture(canvas), (Rows{" # @", "## @", "  @@"}));
}

TEST(Floodfill, LargeAndWindingAreasWithoutRecursion) {
    CharCanvas canvas(300, 200); // all empty
    EXPECT_EQ(Floodfill(canvas, 150, 100, "#", " "), 300 * 200);
    EXPECT_EQ(canvas.text(299, 199), "#");

    // A comb of walls leaves one corridor turning up and down 150 times.
    long long open = 0;
    for (int x = 0; x < 300; ++x) {
        const int gap = x % 4 == 1 ? 199 : 0;
        for (int y = 0; y < 200; ++y) {
            const bool wall = x % 2 == 1 && y != gap;
            canvas.setText(x, y, wall ? "|" : " ");
            open += wall ? 0 : 1;
        }
    }
    EXPECT_EQ(Floodfill(canvas, 0, 0, ".", " "), open);
    EXPECT_EQ(canvas.text(299, 0), ".");
}

TEST(Floodfill, DegenerateCalls) {
    CharCanvas canvas = drawn({"##", "##"});
    EXPECT_EQ(Floodfill(canvas, 0, 0, "#", "#"), 0); // equal texts
    EXPECT_EQ(Floodfill(canvas, -1, 0, "x", "#"), 0);
    EXPECT_EQ(Floodfill(canvas, 2, 0, "x", "#"), 0);
    EXPECT_EQ(picture(canvas), (Rows{"##", "##"}));
    // An empty new text is stored as " " and never loops.
    EXPECT_EQ(Floodfill(canvas, 0, 0, "", "#"), 4);
    EXPECT_EQ(picture(canvas), (Rows{"  ", "  "}));
    EXPECT_EQ(Floodfill(canvas, 0, 0, "", " "), 0);
}

TEST(PatternTiling, IsAnchoredAtTheCanvasOriginLinePerRow) {
    CharCanvas canvas = drawn({"     ", "  x  ", "     ", "     "});
    ASSERT_TRUE(tilePattern(canvas, {"ab", "123"}, " "));
    // Each row repeats its own line with that line's length; non-background cells stay.
    EXPECT_EQ(picture(canvas), (Rows{"ababa", "12x12", "ababa", "12312"}));

    canvas = drawn({"\xDB\xDB ", " \xDB\xDB"});
    ASSERT_TRUE(tilePattern(canvas, {"xyz"}, kPatternMarker));
    EXPECT_EQ(picture(canvas), (Rows{"xy ", " yz"}));

    CharCanvas one(1, 1);
    one.setText(0, 0, " ");
    ASSERT_TRUE(tilePattern(one, {"#-", "-#"}, " "));
    EXPECT_EQ(picture(one), (Rows{"#"}));
}

TEST(PatternTiling, AnEmptyLineEndsItWithTheRowsBeforeFilled) {
    CharCanvas canvas = test::blank(3, 3);
    EXPECT_FALSE(tilePattern(canvas, {"o", "", "o"}, " "));
    EXPECT_EQ(picture(canvas), (Rows{"ooo", "   ", "   "}));
    // Also when the pass runs past the last row.
    canvas = test::blank(3, 1);
    EXPECT_FALSE(tilePattern(canvas, {"o", "p", ""}, " "));
    EXPECT_EQ(picture(canvas), (Rows{"ooo"}));
    EXPECT_FALSE(tilePattern(canvas, {}, " "));
}

TEST(PatternFiles, AreReadAsLinesAndBadFilesRefused) {
    test::TempDir dir;
    test::writeBytes(dir / "a.pat", "/\\\r\n\r\n\\/"); // the empty line is kept for the tiling
    EXPECT_EQ(readPatternFile(dir / "a.pat"), (PatternLines{"/\\", "", "\\/"}));
    test::writeBytes(dir / "empty.pat", "");
    EXPECT_FALSE(readPatternFile(dir / "empty.pat"));
    EXPECT_FALSE(readPatternFile(dir / "missing.pat"));
}

TEST(PatternFiles, FolderAndListing) {
    test::TempDir dir;
    EXPECT_EQ(patternDirectory(dir.path()), dir / "pattern"); // none yet: the standard name
    std::filesystem::create_directory(dir / "Pattern");
    EXPECT_EQ(patternDirectory(dir.path()), dir / "Pattern");
    std::filesystem::create_directory(dir / "pattern");
    EXPECT_EQ(patternDirectory(dir.path()), dir / "pattern");

    const auto folder = dir / "pattern";
    for (const char* name : {"zig.pat", "Bricks.PAT", "notes.txt", "pat"})
        test::writeBytes(folder / name, "x");
    std::filesystem::create_directory(folder / "dir.pat");
    EXPECT_EQ(listPatternFiles(folder), (std::vector<std::string>{"Bricks.PAT", "zig.pat"}));
    EXPECT_TRUE(listPatternFiles(dir / "missing").empty());
}

TEST(PatternFiles, ShippedPatternsAreRectangularTiles) {
    const auto folder = std::filesystem::path(GLYPHORA_SOURCE_DIR) / "data" / "pattern";
    const std::vector<std::string> names = listPatternFiles(folder);
    ASSERT_GE(names.size(), 5u);
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(test::readBytes(folder / name).ends_with("\r\n"));
        const std::optional<PatternLines> lines = readPatternFile(folder / name);
        ASSERT_TRUE(lines);
        for (const std::string& line : *lines)
            EXPECT_EQ(line.size(), lines->front().size());
        EXPECT_FALSE(lines->front().empty());
    }
}

} // namespace
} // namespace glyphora
