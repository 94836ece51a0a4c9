#include "color/cell_color_ops.h"

#include <gtest/gtest.h>
#include <map>
#include <random>

namespace glyphora {
namespace {

constexpr Color kRed = 0x0000FF;
constexpr Color kGreen = 0x00FF00;
constexpr Color kBlue = 0xFF0000;

CharCanvas canvasOf(const std::vector<std::string>& rows) {
    CharCanvas canvas(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int r = 0; r < canvas.rowCount(); ++r) {
        for (int c = 0; c < canvas.colCount(); ++c)
            canvas.setText(c, r,
                           std::string(1, rows[static_cast<size_t>(r)][static_cast<size_t>(c)]));
    }
    return canvas;
}

// Which cells have the colour, as rows of 'x' and '.'.
std::vector<std::string> marked(const CharCanvas& canvas, ColorLayer layer, Color color) {
    std::vector<std::string> rows;
    for (int r = 0; r < canvas.rowCount(); ++r) {
        std::string row;
        for (int c = 0; c < canvas.colCount(); ++c) {
            const Color have =
                layer == ColorLayer::Foreground ? canvas.foreground(c, r) : canvas.background(c, r);
            row += have == color ? 'x' : '.';
        }
        rows.push_back(row);
    }
    return rows;
}

TEST(CellColorOps, SelectionAndResetStayInsideRectAndCanvas) {
    CharCanvas canvas(4, 3);
    ColorSelection(canvas, {1, 1, 9, 9}, ColorLayer::Background, kRed);
    EXPECT_EQ(marked(canvas, ColorLayer::Background, kRed),
              (std::vector<std::string>{"....", ".xxx", ".xxx"}));
    EXPECT_FALSE(canvas.hasOwnFont(1, 1));
    ColorSelection(canvas, {0, 0, 1, 1}, ColorLayer::Foreground, kGreen);
    EXPECT_TRUE(canvas.hasOwnFont(0, 0));

    ResetSelectionColor(canvas, {2, 0, 3, 2}, ColorLayer::Background);
    EXPECT_EQ(marked(canvas, ColorLayer::Background, kRed),
              (std::vector<std::string>{"....", ".x..", ".x.."}));
    EXPECT_FALSE(canvas.hasOwnBrush(3, 2));
    ResetSelectionColor(canvas, {0, 0, 0, 0}, ColorLayer::Foreground);
    EXPECT_FALSE(canvas.hasOwnFont(0, 0));
    EXPECT_TRUE(canvas.hasOwnFont(1, 1));
}

TEST(CellColorOps, FillByCharFollowsTheCharacterAndStopsAtTheActiveColour) {
    CharCanvas canvas = canvasOf({"aab", "bab", "aaa"});
    canvas.setText(2, 2, ""); // empty counts as " " and does not match "a"
    FillResult result = FillByChar(canvas, 0, 0, ColorLayer::Foreground, kRed);
    EXPECT_FALSE(result.noChange);
    EXPECT_EQ(result.cells, 5);
    EXPECT_EQ(marked(canvas, ColorLayer::Foreground, kRed),
              (std::vector<std::string>{"xx.", ".x.", "xx."}));
    EXPECT_EQ(canvas.text(2, 2), " ");

    // Starting on a cell that already has the colour changes nothing.
    result = FillByChar(canvas, 1, 1, ColorLayer::Foreground, kRed);
    EXPECT_TRUE(result.noChange);
    EXPECT_EQ(result.cells, 0);

    // "aaa" whose middle already carries the colour: only the first is reached.
    CharCanvas row = canvasOf({"aaa"});
    row.SetColorCell(1, 0, kBlue);
    FillByChar(row, 0, 0, ColorLayer::Background, kBlue);
    EXPECT_EQ(marked(row, ColorLayer::Background, kBlue), (std::vector<std::string>{"xx."}));
}

TEST(CellColorOps, FillByCharOnAnEmptyStartFillsTheBlanks) {
    CharCanvas canvas(3, 2); // all empty
    canvas.setText(1, 0, "#");
    const FillResult result = FillByChar(canvas, 0, 0, ColorLayer::Background, kGreen);
    EXPECT_EQ(result.cells, 5);
    EXPECT_EQ(canvas.text(0, 1), " ");
    EXPECT_EQ(canvas.text(1, 0), "#");
}

TEST(CellColorOps, FillByColorCrossesCharactersAndCoversAWholeCanvas) {
    CharCanvas canvas = canvasOf({"ab#", "c#d", "#ef"});
    for (const auto& [c, r] : {std::pair{2, 0}, {1, 1}, {0, 2}})
        canvas.SetFontCell(c, r, kBlue); // a diagonal wall
    FillResult result = FillByColor(canvas, 0, 0, ColorLayer::Foreground, kRed);
    EXPECT_EQ(result.cells, 3);
    EXPECT_EQ(marked(canvas, ColorLayer::Foreground, kRed),
              (std::vector<std::string>{"xx.", "x..", "..."}));
    EXPECT_TRUE(FillByColor(canvas, 0, 0, ColorLayer::Foreground, kRed).noChange);

    CharCanvas big(300, 200);
    result = FillByColor(big, 150, 100, ColorLayer::Background, kGreen);
    EXPECT_EQ(result.cells, 300 * 200);
    EXPECT_EQ(big.background(299, 199), kGreen);
}

TEST(CellColorOps, FillOfALongSnakeNeedsNoRecursion) {
    // A one-cell-wide corridor through a large canvas: a recursive fill would nest once per
    // cell of the path.
    const int w = 1001, h = 1001;
    CharCanvas canvas(w, h);
    for (int r = 0; r < h; ++r) {
        for (int c = 0; c < w; ++c) {
            const bool corridor = r % 2 == 0 || (r % 4 == 1 ? c == w - 1 : c == 0);
            canvas.setText(c, r, corridor ? "." : "#");
        }
    }
    const FillResult result = FillByChar(canvas, 0, 0, ColorLayer::Foreground, kRed);
    EXPECT_EQ(result.cells, 501LL * w + 500);
    EXPECT_EQ(canvas.foreground(0, h - 1), kRed);
}

TEST(CellColorOps, ReplaceMatchesWholeTextsAndColours) {
    CharCanvas canvas = canvasOf({"aba", "bab"});
    canvas.setText(2, 1, "ab");
    EXPECT_EQ(ReplaceCharColor(canvas, {0, 0, 2, 1}, ColorLayer::Foreground, "ab", kRed), 1);
    EXPECT_EQ(marked(canvas, ColorLayer::Foreground, kRed),
              (std::vector<std::string>{"...", "..x"}));
    EXPECT_EQ(ReplaceCharColor(canvas, {0, 0, 1, 1}, ColorLayer::Background, "a", kGreen), 2);
    EXPECT_EQ(marked(canvas, ColorLayer::Background, kGreen),
              (std::vector<std::string>{"x..", ".x."}));

    // Colour replacement: cells without an own background match the default.
    EXPECT_EQ(ReplaceColor(canvas, {0, 0, 2, 1}, ColorLayer::Background, kWhite, kBlue), 4);
    EXPECT_EQ(marked(canvas, ColorLayer::Background, kBlue),
              (std::vector<std::string>{".xx", "x.x"}));
    EXPECT_EQ(ReplaceColor(canvas, {0, 0, 2, 1}, ColorLayer::Foreground, kRed, kGreen), 1);
}

// FindMainColor exactly as described: for every cell the rest of the row is joined to see
// whether anything follows, which is quadratic in the row length.
Color quadraticMainColor(CharCanvas& canvas) {
    std::vector<std::pair<std::string, int>> table(256, {"", 1});
    int n = 1;
    std::string last = colorToHex(canvas.FontCell(0, 0));
    table[0].first = last;
    for (int y = 0; y < canvas.rowCount(); ++y) {
        for (int x = 0; x < canvas.colCount(); ++x) {
            std::string rest;
            for (int k = x; k < canvas.colCount(); ++k)
                rest += canvas.text(k, y);
            if (rest.empty())
                continue;
            const std::string c = colorToHex(canvas.FontCell(x, y));
            if (canvas.text(x, y).empty())
                canvas.setText(x, y, " ");
            if (c != last && canvas.text(x, y) != " ") {
                int found = -1;
                for (int i = 0; i < n; ++i) {
                    if (table[static_cast<size_t>(i)].first == c)
                        found = i;
                }
                if (found >= 0) {
                    ++table[static_cast<size_t>(found)].second;
                } else {
                    if (n < 256)
                        ++n;
                    table[static_cast<size_t>(n - 1)].first = c;
                    ++table[static_cast<size_t>(n - 1)].second;
                }
                last = c;
            }
        }
    }
    int best = 0;
    for (int i = 1; i < n; ++i) {
        if (table[static_cast<size_t>(i)].second > table[static_cast<size_t>(best)].second)
            best = i;
    }
    return hexToColor(table[static_cast<size_t>(best)].first);
}

TEST(CellColorOps, FindMainColorCountsRunsAndBreaksTiesByEntryOrder) {
    // (0, 0) red; then one green run and one red run: 2 against 2, red was entry 1.
    CharCanvas canvas = canvasOf({"xggrr", "     "});
    canvas.SetFontCell(0, 0, kRed);
    canvas.SetFontCell(1, 0, kGreen);
    canvas.SetFontCell(2, 0, kGreen);
    canvas.SetFontCell(3, 0, kRed);
    canvas.SetFontCell(4, 0, kRed);
    EXPECT_EQ(FindMainColor(canvas, nullptr).color, kRed);

    // Blanks neither count nor end a run: "g g" is one green run.
    CharCanvas runs = canvasOf({"rg gbr"});
    const Color colours[] = {kRed, kGreen, kBlue, kGreen, kBlue, kRed};
    for (int c = 0; c < 6; ++c)
        runs.SetFontCell(c, 0, colours[c]);
    // red 1+1, green 1+1, blue 1+1 -> red, the first entry; one more green run decides.
    EXPECT_EQ(FindMainColor(runs, nullptr).color, kRed);
    runs.setText(5, 0, "g");
    runs.SetFontCell(5, 0, kGreen);
    EXPECT_EQ(FindMainColor(runs, nullptr).color, kGreen);
}

TEST(CellColorOps, FindMainColorOfOnlyColouredBlanksIsTheFirstCell) {
    CharCanvas canvas = canvasOf({"   ", "   "});
    canvas.SetFontCell(0, 0, kBlue);
    canvas.SetFontCell(1, 1, kGreen);
    canvas.SetFontCell(2, 1, kRed);
    EXPECT_EQ(FindMainColor(canvas, nullptr).color, kBlue);
}

TEST(CellColorOps, FindMainColorSkipsTrailingEmptiesAndBlanksInnerOnes) {
    CharCanvas canvas(6, 1);
    canvas.setText(2, 0, "a");
    FindMainColor(canvas, nullptr);
    EXPECT_EQ(canvas.text(0, 0), " ");
    EXPECT_EQ(canvas.text(3, 0), ""); // after the last text: never read
    EXPECT_TRUE(canvas.hasOwnFont(2, 0));
    EXPECT_FALSE(canvas.hasOwnFont(4, 0));
}

TEST(CellColorOps, FindMainColorStopsWhenAskedAndKeepsWhatItCounted) {
    CharCanvas canvas = canvasOf({"a", "b", "b", "b"});
    canvas.SetFontCell(0, 0, kRed);
    canvas.SetFontCell(0, 1, kGreen);
    canvas.SetFontCell(0, 2, kBlue);
    canvas.SetFontCell(0, 3, kGreen);
    std::vector<int> asked;
    const MainColorScan scan = FindMainColor(canvas, [&](int row) {
        asked.push_back(row);
        return row < 2;
    });
    EXPECT_EQ(asked, (std::vector<int>{0, 1, 2}));
    EXPECT_TRUE(scan.stopped);
    EXPECT_EQ(scan.stoppedAtRow, 2);
    EXPECT_EQ(scan.color, kGreen); // red 1 from the start, green 2 from row 1
}

TEST(CellColorOps, FindMainColorMatchesTheQuadraticDescription) {
    std::mt19937 rng(7);
    for (int round = 0; round < 60; ++round) {
        const int cols = 1 + static_cast<int>(rng() % 12);
        const int rows = 1 + static_cast<int>(rng() % 6);
        // Few colours for long runs and ties; many for a full table.
        const int palette = round % 10 == 9 ? 400 : 1 + static_cast<int>(rng() % 4);
        CharCanvas canvas(cols, rows);
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < cols; ++c) {
                static const char* texts[] = {"", " ", "a", "b", "", "ab"};
                canvas.setText(c, r, texts[rng() % 6]);
                if (rng() % 3)
                    canvas.SetFontCell(c, r, static_cast<Color>(rng() % palette) * 0x10101);
            }
        }
        CharCanvas reference = canvas;
        EXPECT_EQ(FindMainColor(canvas, nullptr).color, quadraticMainColor(reference)) << round;
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < cols; ++c) {
                ASSERT_EQ(canvas.text(c, r), reference.text(c, r));
                ASSERT_EQ(canvas.hasOwnFont(c, r), reference.hasOwnFont(c, r));
            }
        }
    }
}

TEST(CellColorOps, FindMainColorTableOverflowReusesTheLastEntry) {
    // 300 distinct one-character runs: the table fills at colour 256, and the 44 colours
    // after it each take the last entry over and add to its count.
    CharCanvas canvas(300, 1);
    for (int c = 0; c < 300; ++c) {
        canvas.setText(c, 0, "x");
        canvas.SetFontCell(c, 0, static_cast<Color>(c + 1));
    }
    CharCanvas reference = canvas;
    const Color expected = quadraticMainColor(reference);
    EXPECT_EQ(FindMainColor(canvas, nullptr).color, expected);
    EXPECT_EQ(expected, 300u); // the last entry ends with colour 300 and a count of 46
}

} // namespace
} // namespace glyphora
