#include "formats/recording_progress.h"
#include "formats/rich_text.h"
#include "formats/text_exports.h"
#include "formats/text_file_reader.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

using test::RecordingProgress;

// The 3 x 2 canvas: a, b and an empty cell in row 0, nothing in row 1.
CharCanvas smallCanvas() {
    CharCanvas canvas(3, 2);
    canvas.setText(0, 0, "a");
    canvas.setText(1, 0, "b");
    return canvas;
}

TEST(TextExports, LinesFillEmptyCellsAndCsvClosesEveryCell) {
    CharCanvas canvas = smallCanvas();
    RecordingProgress progress;
    EXPECT_EQ(buildTextLines(canvas, progress), (TextLines{"ab ", "   "}));
    EXPECT_EQ(canvas.text(2, 0), " ");
    EXPECT_EQ(canvas.text(0, 1), " ");
    EXPECT_EQ(progress.calls,
              (std::vector<std::string>{"pos 0/1 Creating text ... / Step 1 of 2",
                                        "pos 1/1 Creating text ... / Step 1 of 2"}));

    CharCanvas csv = smallCanvas();
    TextLines lines = buildTextLines(csv, progress, true);
    EXPECT_EQ(lines, (TextLines{"a;b; ;", " ; ; ;"}));
    Optimal(lines); // a CSV line ends in ";" and is not shortened
    EXPECT_EQ(textFileBytes(lines), "a;b; ;\r\n ; ; ;\r\n");

    CharCanvas wide(2, 1);
    wide.setText(0, 0, "long"); // a cell's whole text is written
    EXPECT_EQ(buildTextLines(wide, progress), (TextLines{"long "}));
}

TEST(TextExports, AsciiReplacesExtendedAndControlCharactersInTheCanvas) {
    CharCanvas canvas(5, 1);
    canvas.setText(0, 0, "\xC8"); // byte 200
    canvas.setText(1, 0, "\t");
    canvas.setText(2, 0, "~");
    canvas.setText(3, 0, "a\x01"); // only the first byte is looked at
    RecordingProgress progress;
    const AsciiLines ascii = buildAsciiLines(canvas, progress);
    EXPECT_EQ(ascii.lines, (TextLines{"??~a\x01 "}));
    EXPECT_EQ(ascii.extended, 1);
    EXPECT_EQ(ascii.control, 1);
    EXPECT_EQ(canvas.text(1, 0), "?");
}

TEST(TextExports, HtmlPlainEscapesWholeCellsAndPutsExactlyThoseBack) {
    CharCanvas canvas(7, 1);
    const char* row[] = {"<", "a", "&", "b", ">", "\"", "&lt;"};
    for (int c = 0; c < 7; ++c)
        canvas.setText(c, 0, row[c]);
    RecordingProgress progress;
    std::vector<EscapedCell> escaped;
    const TextLines lines = buildHtmlPlainLines(canvas, progress, escaped);
    EXPECT_EQ(lines, (TextLines{"&lt;a&amp;b&gt;&quot;&lt;"}));
    EXPECT_EQ(canvas.text(0, 0), "&lt;"); // held while the page is written
    EXPECT_EQ(htmlPlainBytes(lines), "<HTML><PRE>&lt;a&amp;b&gt;&quot;&lt;\r\n</PRE></HTML>\r\n");
    restoreHtmlEscapes(canvas, escaped);
    for (int c = 0; c < 7; ++c)
        EXPECT_EQ(canvas.text(c, 0), row[c]);
}

TEST(RichText, OneColourPerCharacterInTheCanvasFont) {
    CharCanvas canvas(3, 2);
    canvas.setText(0, 0, "a");
    canvas.setText(1, 0, "{");
    canvas.SetFontCell(1, 0, rgb(255, 0, 0));
    canvas.setText(2, 0, "\xE9");
    canvas.setText(0, 1, "\\");
    canvas.setText(1, 1, "\t");
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
    ASSERT_EQ(progress.calls.size(), 7u);
    EXPECT_EQ(progress.calls[0], "show Creating text ... / Step 1 of 2");
    EXPECT_EQ(progress.calls[4], "show Saving ... / Step 2 of 2");
}

TEST(TextFileReader, ReadsLinesAndRefusesWhatCannotFit) {
    test::TempDir dir;
    test::writeBytes(dir / "t.txt", std::string("x\0\ty\n", 5) + "z");
    EXPECT_EQ(readTextFileLines(dir / "t.txt").lines,
              (TextLines{std::string("x\0\ty", 4), "z"}));
    const TextFileLines missing = readTextFileLines(dir / "missing.txt");
    EXPECT_FALSE(missing.lines || missing.tooLarge);
    // 102 KB whose longest line by its line count exceeds the canvas: too large, not unreadable.
    std::string wide(100000, 'x');
    for (int i = 0; i < 700; ++i)
        wide += "\nab";
    test::writeBytes(dir / "wide.txt", wide);
    const TextFileLines tooWide = readTextFileLines(dir / "wide.txt");
    EXPECT_TRUE(!tooWide.lines && tooWide.tooLarge);
    // One line too long for any canvas is refused from its size alone.
    EXPECT_FALSE(textFitsCanvas({std::string(CharCanvas::kMaxCells + 1, 'x')}));
    EXPECT_TRUE(textFitsCanvas({}));
}

} // namespace
} // namespace glyphora
