#include "formats/recording_progress.h"
#include "formats/rich_text.h"
#include "formats/text_file_reader.h"
#include "paint/canvas_picture.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

using test::RecordingProgress;

TEST(RichText, OneColourPerCharacterInTheCanvasFont) {
    CharCanvas canvas = test::drawn({"a{\xE9", "\\\t"});
    canvas.SetFontCell(1, 0, rgb(255, 0, 0));
    canvas.SetFontCell(2, 1, rgb(255, 0, 0));
    TextFont font = canvas.font();
    font.name = "Courier New";
    font.size = 10;
    font.bold = true;
    canvas.setFont(font);

    RecordingProgress progress;
    EXPECT_EQ(richTextBytes(canvas, progress),
              "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fmodern\\fcharset0 Courier "
              "New;}}\r\n"
              "{\\colortbl ;\\red0\\green0\\blue0;\\red255\\green0\\blue0;}\r\n"
              "\\pard\\plain\\f0\\fs20\\b\r\n"
              "\\cf1 a\\cf2 \\{\\cf1 \\'e9\\par\r\n"
              "\\\\\\tab \\cf2  \\par\r\n"
              "}\r\n");
    EXPECT_EQ(canvas.text(2, 1), " ");
    EXPECT_EQ(progress.calls[4], "show Saving ... / Step 2 of 2");
}

TEST(TextFileReader, ReadsLinesAndRefusesWhatCannotFit) {
    test::TempDir dir;
    test::writeBytes(dir / "t.txt", std::string("x\0\ty\n", 5) + "z");
    EXPECT_EQ(readTextFileLines(dir / "t.txt").lines, (TextLines{std::string("x\0\ty", 4), "z"}));
    const TextFileLines missing = readTextFileLines(dir / "missing.txt");
    EXPECT_FALSE(missing.lines || missing.tooLarge);
    // One line too long for any canvas is refused from its size alone.
    EXPECT_FALSE(textFitsCanvas({std::string(CharCanvas::kMaxCells + 1, 'x')}));
    EXPECT_TRUE(textFitsCanvas({}));
}

} // namespace
} // namespace glyphora
