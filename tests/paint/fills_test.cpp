#include "paint/canvas_picture.h"
#include "paint/fills.h"
#include "test_support.h"

#include <gtest/gtest.h>
#include <tuple>

namespace glyphora {
namespace {

using test::drawn;
using test::picture;
using test::Rows;

TEST(Floodfill, FillsTheFourConnectedAreaAndBlanksTheEmptyCellsItLooksAt) {
    CharCanvas canvas = drawn({"x@@x", "x@xx", "@x@@"}); // old " ": the empty cells join the area
    EXPECT_EQ(Floodfill(canvas, 1, 0, "o", " "), 3);
    EXPECT_EQ(picture(canvas), (Rows{"xoox", "xoxx", "@x@@"}));

    canvas = drawn({"##", "##"});
    EXPECT_EQ(Floodfill(canvas, 2, 0, "x", "#"), 0); // outside
    EXPECT_EQ(Floodfill(canvas, 0, 0, "", "#"), 4);  // an empty new text is stored as " "
    EXPECT_EQ(picture(canvas), (Rows{"  ", "  "}));

    // Whole texts are compared, whatever their length.
    canvas = drawn({"@@a", "@@."});
    for (const auto& [x, y, text] :
         {std::tuple{0, 0, "ab"}, {1, 0, "ab"}, {0, 1, "abc"}, {1, 1, "ab"}})
        canvas.setText(x, y, text);
    EXPECT_EQ(Floodfill(canvas, 0, 0, "z", "ab"), 3);
    EXPECT_EQ(picture(canvas), (Rows{"zza", "*z."}));
}

TEST(Floodfill, LargeAndWindingAreasWithoutRecursion) {
    CharCanvas canvas(300, 200); // a comb of walls leaves one corridor turning 150 times
    for (int x = 1; x < 300; x += 2)
        for (int y = 0; y < 200; ++y)
            canvas.setText(x, y, y != (x % 4 == 1 ? 199 : 0) ? "|" : " ");
    EXPECT_EQ(Floodfill(canvas, 0, 0, ".", " "), 300 * 200 - 150 * 199);
    EXPECT_EQ(canvas.text(299, 0), ".");
}

TEST(PatternFiles, AreReadAsLinesListedFromTheirFolderShippedAsTilesAndStopAtAnEmptyLine) {
    test::TempDir dir;
    EXPECT_EQ(patternDirectory(dir.path()), dir / "pattern"); // none yet: the standard name
    std::filesystem::create_directory(dir / "Pattern");
    EXPECT_EQ(patternDirectory(dir.path()), dir / "Pattern");
    const auto folder = dir / "Pattern";
    // Control bytes other than 0 are characters; the empty line is kept for the tiling.
    test::writeBytes(folder / "a.PAT", "/\\\a\r\n\r\n\x1B/");
    EXPECT_EQ(readPatternFile(folder / "a.PAT"), (PatternLines{"/\\\a", "", "\x1B/"}));
    for (const char* name : {"z.pat", "notes.txt", "pat"})
        test::writeBytes(folder / name, "");
    std::filesystem::create_directory(folder / "dir.pat");
    EXPECT_EQ(listPatternFiles(folder), (std::vector<std::string>{"a.PAT", "z.pat"}));
    std::filesystem::create_directory(dir / "pattern"); // preferred where case tells apart
    EXPECT_EQ(patternDirectory(dir.path()), dir / "pattern");

    const auto shipped = std::filesystem::path(GLYPHORA_SOURCE_DIR) / "data" / "pattern";
    ASSERT_GE(listPatternFiles(shipped).size(), 5u);
    for (const std::string& name : listPatternFiles(shipped)) {
        const std::optional<PatternLines> lines = readPatternFile(shipped / name);
        ASSERT_TRUE(lines) << name;
        for (const std::string& line : *lines)
            EXPECT_EQ(line.size(), lines->front().size()) << name;
    }
    // An empty line ends the tiling as an error, also when the pass runs past the last row.
    CharCanvas canvas = test::blank(3, 1);
    EXPECT_FALSE(tilePattern(canvas, {"o", "p", ""}, " "));
    EXPECT_FALSE(tilePattern(canvas, {}, " "));
}

} // namespace
} // namespace glyphora
