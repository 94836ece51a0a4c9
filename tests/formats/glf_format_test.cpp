#include "color/color_modes.h"
#include "formats/glf_format.h"
#include "formats/recording_progress.h"
#include "paint/canvas_picture.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

namespace fs = std::filesystem;

std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (const int v : values)
        out += static_cast<char>(v);
    return out;
}

// The 2 x 1 Ansi example: "A" in the defaults, "B" red on blue.
CharCanvas ansiExample() {
    CharCanvas canvas(2, 1);
    applyColorModeEntry(canvas, ColorMode::Ansi);
    TextFont font = canvas.font();
    font.size = 9;
    canvas.setFont(font);
    canvas.metrics = {9, 17, 1};
    canvas.setText(0, 0, "A");
    canvas.setText(1, 0, "B");
    canvas.SetFontCell(1, 0, rgb(255, 0, 0));
    canvas.SetColorCell(1, 0, rgb(0, 0, 255));
    return canvas;
}

struct GlfFormat : ::testing::Test {
    test::TempDir dir;
    test::RecordingProgress progress;

    // Reads the bytes as a file onto the canvas.
    GlfReadResult read(const std::string& content, CharCanvas& canvas) {
        test::writeBytes(dir / "in.glf", content);
        return readGlf(dir / "in.glf", canvas, progress);
    }
};

TEST_F(GlfFormat, TheTwoByOneAnsiExampleIsThirtyThreeBytes) {
    CharCanvas canvas = ansiExample();
    ASSERT_TRUE(writeGlf(dir / "a.glf", canvas, ColorMode::Ansi, progress));
    EXPECT_EQ(test::readBytes(dir / "a.glf"),
              bytes({0x00, 0x02, 0x04, 0x00, 0x01, 9,    9,    17,   1,    0x00, 0x00,
                     0x00, 0xA0, 0xA8, 0xA0, 0xA0, 0xA8, 0xA0, 0x00, 0x00, 0x00, 0x41,
                     0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00, 0xFF, 0x42, 0x00, 0x00}));
    EXPECT_EQ(test::fileNamesIn(dir.path()), std::vector<std::string>{"a.glf"});
}

TEST_F(GlfFormat, SizesTakeTwoBytesPlainWritesWhiteAndBlackAndTooWideIsNoFile) {
    CharCanvas canvas(300, 2);
    canvas.setDefaultColor(0x112233);
    canvas.setDefaultFontColor(0x445566);
    canvas.setText(5, 1, "x");
    ASSERT_TRUE(writeGlf(dir / "p.glf", canvas, ColorMode::Plain, progress));
    const std::string file = test::readBytes(dir / "p.glf");
    ASSERT_EQ(file.size(), 15u + 9u * 300 * 2);
    EXPECT_EQ(file.substr(0, 5), bytes({0x01, 0x2C, 0x01, 0x00, 0x02}));
    EXPECT_EQ(file.substr(9, 6), bytes({0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00}));
    // Cells carry their effective colours; an empty cell is written as a space.
    EXPECT_EQ(file.substr(15, 9), bytes({0x66, 0x55, 0x44, 0x33, 0x22, 0x11, 0x20, 0, 0}));
    EXPECT_EQ(file[15 + 9 * (300 + 5) + 6], 'x');

    // A canvas too wide for two bytes is no file. (Writes failing part way: the save failure
    // test.)
    CharCanvas wide(70000, 1);
    EXPECT_FALSE(writeGlf(dir / "wide.glf", wide, ColorMode::Plain, progress));
    EXPECT_FALSE(fs::exists(dir / "wide.glf"));
}

TEST_F(GlfFormat, ReadingTakesTheHeaderTheModeAndEveryCell) {
    // 1 x 1, font size 8, cell 10 x 16, no grid, defaults white / black, cell red on green.
    const auto file = [](int mode) {
        return bytes({0, 1, mode, 0,   1, 8, 10, 16,  0, 255,  255, 255,
                      0, 0, 0,    255, 0, 0, 0,  255, 0, 0xE9, 0,   0});
    };
    for (const auto& [byte, mode] :
         {std::pair{7, ColorMode::FullColored}, {1, ColorMode::Plain}, {4, ColorMode::Ansi}}) {
        CharCanvas canvas(3, 3);
        canvas.SetColorCell(0, 0, 0x123456); // left from an earlier document
        const GlfReadResult result = read(file(byte), canvas);
        ASSERT_EQ(result.status, GlfReadStatus::Complete) << byte;
        EXPECT_EQ(result.mode, mode) << byte;
        EXPECT_EQ(canvas.text(0, 0), "\xE9");
        EXPECT_EQ(canvas.font().size, 8);
        EXPECT_EQ((std::vector<int>{canvas.metrics.colWidth, canvas.metrics.rowHeight,
                                    canvas.metrics.gridLineWidth}),
                  (std::vector<int>{10, 16, 0}));
        // Plain: the cell follows the file's defaults, an own font in the default colour and
        // no background left over from before.
        const bool plain = mode == ColorMode::Plain;
        EXPECT_TRUE(canvas.hasOwnFont(0, 0));
        EXPECT_EQ(canvas.foreground(0, 0), plain ? kBlack : rgb(255, 0, 0)) << byte;
        EXPECT_EQ(canvas.hasOwnBrush(0, 0), !plain) << byte;
        EXPECT_EQ(canvas.background(0, 0), plain ? kWhite : rgb(0, 255, 0)) << byte;
    }
}

TEST_F(GlfFormat, AForgedOrMismatchedHeaderChangesNothing) {
    const auto refused = [&](const std::string& content) {
        CharCanvas canvas(4, 3);
        canvas.setText(1, 1, "k");
        const GlfReadResult result = read(content, canvas);
        EXPECT_EQ(test::picture(canvas), (test::Rows{"@@@@", "@k@@", "@@@@"}));
        return result.status == GlfReadStatus::Refused;
    };
    const std::string header1x1 = bytes({0, 1, 3, 0, 1, 8, 10, 16, 1, 0, 0, 0, 0, 0, 0});
    // 65535 x 65535 claimed by a file of a few bytes: refused before any resize.
    EXPECT_TRUE(refused(bytes({0xFF, 0xFF, 3, 0xFF, 0xFF, 8, 10, 16, 1, 0, 0, 0, 0, 0, 0}) +
                        std::string(9, 'z')));
    EXPECT_TRUE(refused(header1x1 + std::string(10, 'z'))); // longer than it says
    EXPECT_TRUE(refused(header1x1.substr(0, 14)));          // no header
    EXPECT_TRUE(refused(""));
    CharCanvas canvas(2, 2);
    EXPECT_EQ(readGlf(dir / "missing.glf", canvas, progress).status, GlfReadStatus::Refused);
}

TEST_F(GlfFormat, AFileCutShortKeepsWhatWasRead) {
    CharCanvas source = ansiExample();
    source.setSize(3, 2);
    source.setText(2, 0, "C");
    source.setText(0, 1, "D");
    ASSERT_TRUE(writeGlf(dir / "full.glf", source, ColorMode::Ansi, progress));
    const std::string full = test::readBytes(dir / "full.glf");

    CharCanvas canvas(5, 5);
    canvas.setText(0, 1, "old");
    canvas.setText(1, 1, "o");
    // Cut inside the fourth cell, after its foreground and background records.
    const GlfReadResult result = read(full.substr(0, 15 + 9 * 3 + 6), canvas);
    EXPECT_EQ(result.status, GlfReadStatus::CutShort);
    EXPECT_EQ(result.mode, ColorMode::Ansi);
    // The size is the header's; "old" (a "*") stays as its character record was never read.
    EXPECT_EQ(test::picture(canvas), (test::Rows{"ABC", "*o@"}));
    EXPECT_FALSE(canvas.hasOwnFont(1, 1));
    EXPECT_EQ(progress.calls.back(), "hide");

    // A header claiming more rows than the bytes reach: those rows plus one, no more.
    std::string tall = full.substr(0, 15 + 9 * 3);
    tall[4] = 9;
    EXPECT_EQ(read(tall, canvas).status, GlfReadStatus::CutShort);
    EXPECT_EQ(test::picture(canvas), (test::Rows{"ABC", "*o@"}));
    // The bare header of 8192 x 8192: one row, not 67 million cells.
    EXPECT_EQ(read(bytes({0x20, 0, 3, 0x20, 0, 8, 10, 16, 1, 0, 0, 0, 0, 0, 0}), canvas).status,
              GlfReadStatus::CutShort);
    EXPECT_EQ(canvas.colCount(), 8192);
    EXPECT_EQ(canvas.rowCount(), 1);
}

} // namespace
} // namespace glyphora
