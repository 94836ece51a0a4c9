#include "edit/clipboard.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

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

} // namespace
} // namespace glyphora
