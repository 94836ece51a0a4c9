#include "app/image_info.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

// A canvas holding the codes first..first+count-1, one per cell, the rest filled with the
// first code.
CharCanvas canvasOfCodes(int first, int count) {
    CharCanvas canvas(16, 17);
    for (int i = 0; i < canvas.colCount() * canvas.rowCount(); ++i) {
        const int code = first + (i < count ? i : 0);
        canvas.setText(i % 16, i / 16, std::string(1, static_cast<char>(code)));
    }
    return canvas;
}

std::string bitLine(int distinctCodes) {
    CharCanvas canvas = canvasOfCodes(0, distinctCodes);
    const ImageStatistics figures = countImageStatistics(canvas);
    EXPECT_EQ(figures.distinct, distinctCodes);
    const std::string text = imageInfoText(figures, 0);
    const std::size_t at = text.find("( = ");
    return text.substr(at, text.find('\r', at) - at);
}

TEST(ImageInfo, BitFigureIsOneMoreThanTheBitsTheDifferentCharactersNeed) {
    EXPECT_EQ(bitLine(1), "( = 2Bit)");
    EXPECT_EQ(bitLine(3), "( = 2Bit)");
    EXPECT_EQ(bitLine(4), "( = 3Bit)");
    EXPECT_EQ(bitLine(127), "( = 7Bit)");
    EXPECT_EQ(bitLine(128), "( = 8Bit)");
    EXPECT_EQ(bitLine(255), "( = 8Bit)");
    EXPECT_EQ(bitLine(256), "( = 9Bit)");
}

TEST(ImageInfo, CountsEmptyCellsAsBlanksAndLongerTextsAsTheirFirstCharacter) {
    CharCanvas canvas(4, 2);
    canvas.setText(0, 0, "");
    canvas.setText(1, 0, "Ab"); // as "A"
    canvas.setText(2, 0, "");
    canvas.setText(3, 0, "A");
    canvas.setText(0, 1, "\x7F");  // 127: extended
    canvas.setText(1, 1, "~");     // 126: not
    canvas.setText(2, 1, "\x1F");  // 31: control
    canvas.setText(3, 1, "\xE9x"); // extended by its first character
    const ImageStatistics figures = countImageStatistics(canvas);
    EXPECT_EQ(figures.distinct, 6);
    EXPECT_EQ(figures.extended, 2);
    EXPECT_EQ(figures.control, 1);
    EXPECT_EQ(canvas.text(0, 0), " "); // counting leaves no cell empty
    EXPECT_EQ(canvas.text(2, 0), " ");
}

TEST(ImageInfo, MessageTextLinesAndWholeKilobytes) {
    ImageStatistics figures;
    figures.rows = 2;
    figures.cols = 3;
    figures.distinct = 9;
    figures.extended = 4;
    figures.control = 1;
    EXPECT_EQ(imageInfoText(figures, 2 * 1024 + 1023),
              "Statistic:\r\rRows: 2\rCols: 3\rChar.: 6\r\rDifferent char.: 9\r( = 4Bit)\r\r"
              "Extended char. (>126): 4\rControl char. (<32): 1\r\rAllocated Mem.Size: 2Kb");
}

} // namespace
} // namespace glyphora
