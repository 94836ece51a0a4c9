#include "edit/clipboard.h"
#include "paint/canvas_picture.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

using test::drawn;
using test::picture;
using test::Rows;

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
    EXPECT_EQ(clip.ClipLastCol + clip.ClipLastRow, 0);
    EXPECT_EQ(clip.at(0, 0), " ");
    ASSERT_TRUE(readClipboardText(std::string("a\0b", 3), clip));
    EXPECT_EQ(clip.at(1, 0), std::string_view("\0", 1));

    std::string huge = std::string(100000, 'w');
    for (int i = 0; i < 100000; ++i)
        huge += "\nt";
    ASSERT_TRUE(readClipboardText(huge, clip));
    EXPECT_EQ(clip.ClipLastCol, 499);
    EXPECT_EQ(clip.ClipLastRow, 499);
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

} // namespace
} // namespace glyphora
