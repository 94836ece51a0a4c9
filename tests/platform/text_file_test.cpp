#include "platform/text_file.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

using Lines = std::vector<std::string>;

TEST(TextFile, LinesEndAtCrLfLoneCrOrLoneLfAndControlBytesAreNotText) {
    const std::pair<const char*, Lines> cases[] = {{"", {}},
                                                   {"a\r\n\r\n", {"a", ""}},
                                                   {"a\rb\nc\r\nd", {"a", "b", "c", "d"}},
                                                   {"a\n\rb", {"a", "", "b"}}};
    for (const auto& [text, lines] : cases)
        EXPECT_EQ(splitTextLines(text), lines) << text;
    EXPECT_TRUE(isPlainText("a\tb\r\n\xDB\xFF"));
    for (const std::string& bad :
         {std::string("a\0b", 3), std::string("a\x07"), std::string("\x1B[0m")})
        EXPECT_FALSE(isPlainText(bad)) << bad;
}

TEST(TextFile, DataFilesAreReadWithinTheirLimit) {
    test::TempDir dir;
    test::writeBytes(dir / "t.dat", "ab\r\ncd\r\n");
    EXPECT_EQ(readDataFileLines(dir / "t.dat", 8), (Lines{"ab", "cd"}));
    EXPECT_FALSE(readDataFileLines(dir / "t.dat", 7)); // larger than allowed
    EXPECT_FALSE(readDataFileLines(dir / "none.dat", 100));
    EXPECT_FALSE(readDataFileLines(dir.path(), 100));
    test::writeBytes(dir / "bin.dat", std::string("\0\0", 2));
    EXPECT_FALSE(readDataFileLines(dir / "bin.dat", 100));
    test::writeBytes(dir / "empty.dat", "");
    EXPECT_EQ(readDataFileLines(dir / "empty.dat", 100), Lines{});
}

} // namespace
} // namespace glyphora
