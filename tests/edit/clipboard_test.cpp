#include "edit/clipboard.h"
#include "paint/canvas_picture.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

using test::drawn;
using test::picture;
using test::Rows;

TEST(Clipboard, CopiedRowsEndAtTheirLastCharacterAndACutBlanksTheCells) {
    CharCanvas canvas = drawn({"ab  ", "    ", "@c d"}); // '@': an empty cell inside a row
    TextClip clip;
    copyToTextClip(canvas, {0, 0, 3, 2}, clip, false);
    EXPECT_EQ(blockRowsToText(clip), "ab\r\n\r\n c d");
    EXPECT_EQ(clip.at(2, 0), ""); // trailing blanks were emptied
    EXPECT_EQ(clip.at(0, 2), " ");
    EXPECT_EQ(picture(canvas)[0], "ab  "); // a copy leaves the canvas alone

    // A cut blanks the cells but keeps their colours.
    canvas = drawn({"xyz"});
    canvas.SetColorCell(1, 0, 0x0000FF);
    copyToTextClip(canvas, {1, 0, 2, 0}, clip, true);
    EXPECT_EQ(picture(canvas), Rows{"x  "});
    EXPECT_EQ(canvas.background(1, 0), 0x0000FFu);
    EXPECT_EQ(clip.ClipLastCol, 1);
    EXPECT_EQ(clip.at(0, 0), "y");
}

TEST(Clipboard, ReadingTextAcceptsEveryLineBreakAndCutsTo500By500) {
    TextClip clip;
    ASSERT_TRUE(readClipboardText("ab\r\ncde\rf\ng", clip));
    EXPECT_EQ(clip.ClipLastCol, 2);
    EXPECT_EQ(clip.ClipLastRow, 3);
    EXPECT_EQ(clip.at(2, 1), "e");
    EXPECT_EQ(clip.at(2, 0), " "); // short lines are padded with blanks
    EXPECT_EQ(clip.at(0, 3), "g");
    EXPECT_FALSE(readClipboardText("", clip));
    EXPECT_EQ(clip.ClipLastRow, 3);               // left alone
    ASSERT_TRUE(readClipboardText("\r\n", clip)); // one empty line: a single blank cell
    EXPECT_EQ(clip.ClipLastCol, 0);
    EXPECT_EQ(clip.ClipLastRow, 0);
    EXPECT_EQ(clip.at(0, 0), " ");
    ASSERT_TRUE(readClipboardText(std::string("a\0b", 3), clip));
    EXPECT_EQ(clip.ClipLastCol, 2);
    EXPECT_EQ(clip.at(1, 0), std::string_view("\0", 1));

    ASSERT_TRUE(readClipboardText(std::string(100000, 'w'), clip));
    EXPECT_EQ(clip.ClipLastCol, 499);
    EXPECT_EQ(clip.ClipLastRow, 0);
    std::string tall;
    for (int i = 0; i < 100000; ++i)
        tall += "t\n";
    ASSERT_TRUE(readClipboardText(tall, clip));
    EXPECT_EQ(clip.ClipLastRow, 499);
    EXPECT_EQ(clip.ClipLastCol, 0);
}

TEST(Clipboard, PasteModesDecideWhichBlanksCount) {
    TextClip clip;
    readClipboardText("a bc", clip);
    // Over: the block's blanks are transparent; under: only the canvas's blanks (empty or
    // a space) take the block's characters.
    const std::pair<PasteMode, std::string> cases[] = {
        {PasteMode::Plain, "a bc"}, {PasteMode::Over, "aybc"}, {PasteMode::Under, "xybc"}};
    for (const auto& [mode, expected] : cases) {
        CharCanvas canvas = drawn({"xy@ "});
        writeBlock(canvas, clip, 0, 0, mode);
        EXPECT_EQ(picture(canvas), Rows{expected}) << static_cast<int>(mode);
    }
}

TEST(Clipboard, GrowingGivesNewCellsBlanksAndTheActiveColours) {
    CharCanvas canvas(80, 5);
    ASSERT_TRUE(growToFit(canvas, 75, 3, 9, 2, 0x0000FF, 0x00FF00));
    EXPECT_EQ(canvas.colCount(), 85);
    EXPECT_EQ(canvas.rowCount(), 6);
    EXPECT_EQ(canvas.widthField, "85");
    EXPECT_EQ(canvas.text(84, 0), " ");
    EXPECT_EQ(canvas.foreground(80, 4), 0x0000FFu);
    EXPECT_EQ(canvas.background(0, 5), 0x00FF00u); // the new row across the new width
    EXPECT_FALSE(canvas.hasOwnBrush(79, 4));       // old cells untouched
    EXPECT_FALSE(growToFit(canvas, 0, 0, 9, 2, 0, 0));
}

TEST(Clipboard, ColourBlocksCarryCharactersAndColours) {
    CharCanvas canvas = drawn({"ab", "cd"});
    canvas.SetFontCell(1, 1, 0x0000FF);
    canvas.SetColorCell(0, 1, 0x00FF00);
    ColorClip clip;
    EXPECT_EQ(copyToColorClip(canvas, {0, 0, 1, 1}, clip), "ab\r\ncd");
    EXPECT_TRUE(canvas.hasOwnFont(0, 0)); // reading the colour gave it an own font

    CharCanvas target(1, 1);
    growToFit(target, 0, 0, clip.ColorClipLastCol, clip.ColorClipLastRow, 0, 0xFFFFFF);
    writeColorBlock(target, clip, 0, 0);
    EXPECT_EQ(target.text(1, 1), "d");
    EXPECT_EQ(target.foreground(1, 1), 0x0000FFu);
    EXPECT_EQ(target.background(0, 1), 0x00FF00u);
    EXPECT_EQ(target.background(1, 0), kWhite);
}

} // namespace
} // namespace glyphora
