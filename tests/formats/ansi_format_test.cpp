#include "color/ansi_palette.h"
#include "color/color_modes.h"
#include "formats/ansi_format.h"
#include "formats/recording_progress.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

namespace fs = std::filesystem;

constexpr Color kLightRed = kAnsiPalette[9].color;
constexpr Color kBlue = kAnsiPalette[4].color;
const std::string kStart = std::string(kAnsiStartPreset) + "[0;37;40m";

std::string esc(std::string_view sequence) {
    return "\x1b" + std::string(sequence);
}

// ---- Writing -----------------------------------------------------------------------

// "A" in the defaults, "B" light red on black, "C" light red on blue.
CharCanvas threeCells() {
    CharCanvas canvas(3, 1);
    applyColorModeEntry(canvas, ColorMode::Ansi);
    canvas.setText(0, 0, "A");
    canvas.setText(1, 0, "B");
    canvas.setText(2, 0, "C");
    canvas.SetFontCell(1, 0, kLightRed);
    canvas.SetFontCell(2, 0, kLightRed);
    canvas.SetColorCell(2, 0, kBlue);
    return canvas;
}

TEST(AnsiWrite, ColourSequencesOnlyInAnsiModeAndOnlyWhereTheStateChanges) {
    test::RecordingProgress progress;
    CharCanvas canvas = threeCells();
    EXPECT_EQ(encodeAnsi(canvas, ColorMode::Ansi, kAnsiStartPreset, progress),
              kStart + "A" + esc("[1;31;40mB") + esc("[1;31;44mC") + "\r\n");
    for (const ColorMode mode : {ColorMode::Plain, ColorMode::FontColored, ColorMode::FullColored})
        EXPECT_EQ(encodeAnsi(canvas, mode, kAnsiStartPreset, progress), kStart + "ABC\r\n");

    // The state carries over to the next row; a colour one step off the palette is grey.
    canvas.setSize(3, 2);
    canvas.setText(0, 1, "D");
    canvas.SetFontCell(0, 1, kLightRed);
    canvas.SetColorCell(0, 1, kBlue);
    canvas.setText(1, 1, "E");
    canvas.SetFontCell(1, 1, rgb(0xA1, 0, 0));
    canvas.SetColorCell(1, 1, kAnsiPalette[9].color); // no bright backgrounds
    EXPECT_EQ(encodeAnsi(canvas, ColorMode::Ansi, "", progress), "[0;37;40mA" + esc("[1;31;40mB") +
                                                                     esc("[1;31;44mC") + "\r\nD" +
                                                                     esc("[0;37;40mE") + " \r\n");
    EXPECT_EQ(canvas.text(2, 1), " "); // the empty cell now holds its blank
}

TEST(AnsiWrite, RowsStopAtColumn79AndTheFileIsReplacedOnlyWhenWritten) {
    test::TempDir dir;
    test::RecordingProgress progress;
    CharCanvas canvas(100, 2);
    for (int c = 0; c < 100; ++c)
        canvas.setText(c, 0, "x");
    const AnsiWriteResult result =
        writeAnsi(dir / "wide.ans", canvas, ColorMode::Plain, kAnsiStartPreset, progress);
    EXPECT_TRUE(result.written);
    EXPECT_EQ(result.droppedColumns, 21);
    EXPECT_EQ(test::readBytes(dir / "wide.ans"),
              kStart + std::string(79, 'x') + "\r\n" + std::string(79, ' ') + "\r\n");
    EXPECT_EQ(progress.calls,
              (std::vector<std::string>{"show Saving ... / Step 1 of 1",
                                        "pos 0/1 Saving ... / Step 1 of 1",
                                        "pos 1/1 Saving ... / Step 1 of 1", "hide"}));

    CharCanvas narrow(79, 1);
    EXPECT_EQ(writeAnsi(dir / "n.ans", narrow, ColorMode::Plain, "", progress).droppedColumns, 0);
    // A target that cannot be written keeps what it was.
    fs::create_directory(dir / "taken");
    EXPECT_FALSE(writeAnsi(dir / "taken", canvas, ColorMode::Plain, "", progress).written);
    EXPECT_TRUE(fs::is_directory(dir / "taken"));
}

} // namespace
} // namespace glyphora
