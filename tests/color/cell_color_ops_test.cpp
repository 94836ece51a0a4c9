#include "color/cell_color_ops.h"
#include "color/color_picture.h"
#include "color/color_transforms.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

constexpr Color kRed = 0x0000FF;
constexpr Color kGreen = 0x00FF00;
constexpr Color kBlue = 0xFF0000;

using test::colours;
using test::Rows;

// One byte per cell; where fonts is given, 'r', 'g' and 'b' give a cell that own font.
CharCanvas canvasOf(const Rows& rows, const Rows& fonts = {}) {
    CharCanvas canvas = test::drawn(rows);
    for (std::size_t r = 0; r < fonts.size(); ++r) {
        for (std::size_t c = 0; c < fonts[r].size(); ++c) {
            if (const char f = fonts[r][c]; f != '.')
                canvas.SetFontCell(static_cast<int>(c), static_cast<int>(r),
                                   f == 'r'   ? kRed
                                   : f == 'g' ? kGreen
                                              : kBlue);
        }
    }
    return canvas;
}

constexpr ColorLayer kFg = ColorLayer::Foreground;
constexpr ColorLayer kBg = ColorLayer::Background;

TEST(CellColorOps, SelectionAndResetStayInsideRectAndCanvas) {
    CharCanvas canvas(4, 3);
    ColorSelection(canvas, {1, 1, 9, 9}, kBg, kRed);
    EXPECT_EQ(colours(canvas, kBg), (Rows{"wwww", "wRRR", "wRRR"}));
    ResetSelectionColor(canvas, {2, 0, 9, 9}, kBg);
    EXPECT_EQ(colours(canvas, kBg), (Rows{"wwww", "wRww", "wRww"}));
}

TEST(CellColorOps, FillByCharFollowsTheCharacterAndStopsAtTheActiveColour) {
    CharCanvas canvas = canvasOf({"aab", "bab", "aa@"}); // empty counts as " ", not as "a"
    FillResult result = FillByChar(canvas, 0, 0, kFg, kRed);
    EXPECT_FALSE(result.noChange);
    EXPECT_EQ(result.cells, 5);
    EXPECT_EQ(colours(canvas, kFg), (Rows{"RRk", "kRk", "RRk"}));
    EXPECT_EQ(canvas.text(2, 2), " ");

    // Starting on a cell that already has the colour changes nothing.
    result = FillByChar(canvas, 1, 1, kFg, kRed);
    EXPECT_TRUE(result.noChange);
    EXPECT_EQ(result.cells, 0);

    // "aaa" whose middle already carries the colour: only the first is reached.
    CharCanvas row = canvasOf({"aaa"});
    row.SetColorCell(1, 0, kBlue);
    FillByChar(row, 0, 0, kBg, kBlue);
    EXPECT_EQ(colours(row, kBg), (Rows{"BBw"}));

    // An empty start fills the blanks, empty cells becoming " ".
    CharCanvas empty = canvasOf({"@#@", "@@@"});
    EXPECT_EQ(FillByChar(empty, 0, 0, kBg, kGreen).cells, 5);
    EXPECT_EQ(empty.text(0, 1), " ");
}

TEST(CellColorOps, FillByColorCrossesCharactersButNotOtherColours) {
    CharCanvas canvas = canvasOf({"ab#", "c#d", "#ef"}, {"..b", ".b.", "b.."}); // a wall
    EXPECT_EQ(FillByColor(canvas, 0, 0, kFg, kRed).cells, 3);
    EXPECT_EQ(colours(canvas, kFg), (Rows{"RRB", "RBk", "Bkk"}));
    EXPECT_TRUE(FillByColor(canvas, 0, 0, kFg, kRed).noChange);
}

TEST(CellColorOps, ReplaceMatchesWholeTextsAndColours) {
    CharCanvas canvas = canvasOf({"aba", "bab"});
    canvas.setText(2, 1, "ab");
    EXPECT_EQ(ReplaceCharColor(canvas, {0, 0, 2, 1}, kFg, "ab", kRed), 1);
    EXPECT_EQ(colours(canvas, kFg), (Rows{"kkk", "kkR"}));
    canvas.SetColorCell(0, 0, kGreen);

    // Colour replacement: cells without an own background match the default.
    EXPECT_EQ(ReplaceColor(canvas, {0, 0, 2, 1}, kBg, kWhite, kBlue), 5);
    EXPECT_EQ(colours(canvas, kBg), (Rows{"GBB", "BBB"}));
    EXPECT_EQ(ReplaceColor(canvas, {0, 0, 2, 1}, kFg, kRed, kGreen), 1);
}

TEST(CellColorOps, FindMainColorCountsRunsAndBreaksTiesByEntryOrder) {
    // Blanks neither count nor end a run: "g g" is one green run. Red 1+1, green 1+1,
    // blue 1+1 -> red, the first entry; one more green run decides.
    CharCanvas runs = canvasOf({"rg gbr"}, {"rgbgbr"});
    EXPECT_EQ(FindMainColor(runs, nullptr).color, kRed);
    runs.setText(5, 0, "g");
    runs.SetFontCell(5, 0, kGreen);
    EXPECT_EQ(FindMainColor(runs, nullptr).color, kGreen);

    // Only coloured blanks: the first cell's colour.
    CharCanvas blanks = canvasOf({"   ", "   "}, {"b..", "..r"});
    EXPECT_EQ(FindMainColor(blanks, nullptr).color, kBlue);

    // Cells after a row's last text are never read; empty ones before it become blanks.
    CharCanvas row = canvasOf({"@@a@@@"});
    FindMainColor(row, nullptr);
    EXPECT_EQ(test::picture(row), (Rows{"  a@@@"}));
    EXPECT_EQ(colours(row, kFg), (Rows{"KKKkkk"}));

    // Stopped before row 2: red 1 from the start, green 2 from row 1.
    CharCanvas rows = canvasOf({"a", "b", "b", "b"}, {"r", "g", "b", "g"});
    std::vector<int> asked;
    const MainColorScan scan = FindMainColor(rows, [&](int r) {
        asked.push_back(r);
        return r < 2;
    });
    EXPECT_EQ(asked, (std::vector<int>{0, 1, 2}));
    EXPECT_TRUE(scan.stopped);
    EXPECT_EQ(scan.stoppedAtRow, 2);
    EXPECT_EQ(scan.color, kGreen);
}

TEST(CellColorOps, FindMainColorTableHolds256ColoursThenReusesTheLastEntry) {
    // One-character runs of the colours 1 to count, then runs of the extra colours.
    const auto mainOf = [](Color count, std::vector<Color> extra) {
        std::vector<Color> colours;
        for (Color c = 1; c <= count; ++c)
            colours.push_back(c);
        colours.insert(colours.end(), extra.begin(), extra.end());
        CharCanvas canvas(static_cast<int>(colours.size()), 1);
        for (int c = 0; c < canvas.colCount(); ++c) {
            canvas.setText(c, 0, "x");
            canvas.SetFontCell(c, 0, colours[static_cast<size_t>(c)]);
        }
        return FindMainColor(canvas, nullptr).color;
    };
    // 256 colours fit: second runs of 255 and 256 count 3 each, and 255 was entered first.
    EXPECT_EQ(mainOf(256, {255, 256}), 255u);
    // The 257th takes the last entry over and each colour after it does again, adding to
    // that entry's count: 5 for 257 in the end.
    EXPECT_EQ(mainOf(257, {256, 257}), 257u);
}

TEST(ColorTransforms, ChannelArithmeticAndOrders) {
    EXPECT_EQ(grayOf(rgb(10, 20, 30)), rgb(18, 18, 18)); // (770 + 3020 + 840) >> 8
    EXPECT_EQ(negativeOf(rgb(1, 128, 254)), rgb(254, 127, 1));
    EXPECT_EQ(brightenedOf(rgb(10, 128, 250), 10), rgb(20, 138, 255)); // clamped per channel
    EXPECT_EQ(brightenedOf(rgb(10, 128, 250), -20), rgb(0, 108, 230));
    const Color c = rgb(0x11, 0x22, 0x33);
    EXPECT_EQ(permutedOf(c, ChannelOrder::BRG), rgb(0x22, 0x33, 0x11));
    EXPECT_EQ(permutedOf(c, ChannelOrder::GBR), rgb(0x33, 0x11, 0x22));
    EXPECT_EQ(channelOrderCaption(ChannelOrder::GBR), "RGB -> GBR");
}

TEST(ColorTransforms, WholeCanvasTransformsGiveEveryCellOwnColoursButSwapSkipsBlanks) {
    CharCanvas canvas(2, 2);
    canvas.setDefaultFontColor(0x0000FF);
    canvas.SetColorCell(1, 1, 0x00FF00);
    Negative(canvas, ColorLayer::Foreground);
    EXPECT_EQ(canvas.foreground(1, 1), 0xFFFF00u);
    canvas.setDefaultFontColor(kBlack); // no longer followed
    EXPECT_EQ(canvas.foreground(0, 0), 0xFFFF00u);
    EXPECT_FALSE(canvas.hasOwnBrush(0, 0)); // the background stayed untouched

    Negative(canvas, ColorLayer::Background);
    EXPECT_EQ(canvas.background(0, 0), kBlack);
    EXPECT_EQ(canvas.background(1, 1), 0xFF00FFu);

    Permute(canvas, ColorLayer::Background, ChannelOrder::BRG);
    EXPECT_EQ(canvas.background(1, 1), rgb(0, 255, 255));

    ColorToGray(canvas);
    EXPECT_EQ(canvas.foreground(0, 0), grayOf(0xFFFF00));
    EXPECT_EQ(canvas.background(1, 1), rgb(178, 178, 178));

    // Swapping leaves blank cells alone: the blank and the empty cell are not read.
    CharCanvas text = test::drawn({"a b@"});
    text.SetFontCell(0, 0, kRed);
    text.SetColorCell(1, 0, kGreen);
    text.SetColorCell(2, 0, kBlue);
    SwapFgBg(text);
    EXPECT_EQ(colours(text, kFg), (Rows{"WkBk"}));
    EXPECT_EQ(colours(text, kBg), (Rows{"RGKw"}));
}

TEST(ColorTransforms, BrightnessAnswers) {
    EXPECT_EQ(parseBrightness(std::nullopt).delta, std::nullopt); // cancelled: silently nothing
    EXPECT_EQ(parseBrightness(std::nullopt).error, "");
    EXPECT_EQ(parseBrightness("00").delta, 0); // not exactly "0": runs, changing nothing
    EXPECT_EQ(parseBrightness("+17").delta, 17);
    for (const char* bad : {"", "1.5", " 5", "+-3", "99999999999"}) {
        EXPECT_EQ(parseBrightness(std::string(bad)).error, "ERROR: No interger value") << bad;
        EXPECT_EQ(parseBrightness(std::string(bad)).delta, std::nullopt) << bad;
    }
    EXPECT_EQ(parseBrightness("-256").error, "ERROR: Value out of range.");
}

} // namespace
} // namespace glyphora
