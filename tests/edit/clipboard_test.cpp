#include "edit/clipboard.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

CharCanvas canvasOf(const std::vector<std::string>& rows) {
    CharCanvas canvas(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            canvas.setText(static_cast<int>(c), static_cast<int>(r), rows[r].substr(c, 1));
    return canvas;
}

std::string rowText(const CharCanvas& canvas, int row) {
    std::string text;
    for (int c = 0; c < canvas.colCount(); ++c)
        text += canvas.text(c, row);
    return text;
}

TEST(Clipboard, CopiedRowsEndAtTheirLastCharacterWithInteriorSpaces) {
    CharCanvas canvas = canvasOf({"ab  ", "    ", " c d"});
    canvas.setText(0, 2, ""); // an empty cell inside a row
    TextClip clip;
    copyToTextClip(canvas, {0, 0, 3, 2}, clip, false);
    EXPECT_EQ(blockRowsToText(clip), "ab\r\n\r\n c d");
    EXPECT_EQ(clip.at(2, 0), ""); // trailing blanks were emptied
    EXPECT_EQ(clip.at(0, 2), " ");
}

TEST(Clipboard, CutBlanksTheCellsButKeepsTheirColours) {
    CharCanvas canvas = canvasOf({"xyz"});
    canvas.SetColorCell(1, 0, 0x0000FF);
    TextClip clip;
    copyToTextClip(canvas, {1, 0, 2, 0}, clip, true);
    EXPECT_EQ(rowText(canvas, 0), "x  ");
    EXPECT_EQ(canvas.background(1, 0), 0x0000FFu);
    EXPECT_EQ(clip.ClipLastCol, 1);
    EXPECT_EQ(clip.at(0, 0), "y");
}

TEST(Clipboard, ReadingTextAcceptsEveryLineBreak) {
    TextClip clip;
    ASSERT_TRUE(readClipboardText("ab\r\ncde\rf\ng", clip));
    EXPECT_EQ(clip.ClipLastCol, 2);
    EXPECT_EQ(clip.ClipLastRow, 3);
    EXPECT_EQ(clip.at(2, 1), "e");
    EXPECT_EQ(clip.at(2, 0), " "); // short lines are padded with blanks
    EXPECT_EQ(clip.at(0, 3), "g");
    EXPECT_FALSE(readClipboardText("", clip));
    ASSERT_TRUE(readClipboardText("\r\n", clip)); // one empty line: a single blank cell
    EXPECT_EQ(clip.ClipLastCol, 0);
    EXPECT_EQ(clip.ClipLastRow, 0);
    EXPECT_EQ(clip.at(0, 0), " ");
}

TEST(Clipboard, HugeTextIsCutTo500By500) {
    TextClip clip;
    std::string wide(100000, 'w');
    ASSERT_TRUE(readClipboardText(wide, clip));
    EXPECT_EQ(clip.ClipLastCol, 499);
    EXPECT_EQ(clip.ClipLastRow, 0);

    std::string tall;
    for (int i = 0; i < 100000; ++i)
        tall += "t\n";
    ASSERT_TRUE(readClipboardText(tall, clip));
    EXPECT_EQ(clip.ClipLastRow, 499);
    EXPECT_EQ(clip.ClipLastCol, 0);

    std::string nul("a\0b", 3);
    ASSERT_TRUE(readClipboardText(nul, clip));
    EXPECT_EQ(clip.ClipLastCol, 2);
    EXPECT_EQ(clip.at(1, 0), std::string_view("\0", 1));
}

TEST(Clipboard, PasteModesDecideWhichBlanksCount) {
    TextClip clip;
    readClipboardText("a b", clip);
    CharCanvas canvas = canvasOf({"xyz"});
    writeBlock(canvas, clip, 0, 0, PasteMode::Over);
    EXPECT_EQ(rowText(canvas, 0), "ayb");

    canvas = canvasOf({"xyz"});
    writeBlock(canvas, clip, 0, 0, PasteMode::Under);
    EXPECT_EQ(rowText(canvas, 0), "xyz");

    canvas = canvasOf({"x z"});
    canvas.setText(2, 0, "");
    writeBlock(canvas, clip, 0, 0, PasteMode::Under);
    EXPECT_EQ(rowText(canvas, 0), "x b");

    canvas = canvasOf({"xyz"});
    writeBlock(canvas, clip, 0, 0, PasteMode::Plain);
    EXPECT_EQ(rowText(canvas, 0), "a b");
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
    CharCanvas canvas = canvasOf({"ab", "cd"});
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
