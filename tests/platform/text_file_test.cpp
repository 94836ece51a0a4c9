#include "platform/text_file.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

using Lines = std::vector<std::string>;

TEST(TextFile, LinesEndAtCrLfLoneCrOrLoneLf) {
    const std::pair<const char*, Lines> cases[] = {{"", {}},
                                                   {"a\r\n\r\n", {"a", ""}},
                                                   {"a\rb\nc\r\nd", {"a", "b", "c", "d"}},
                                                   {"a\n\rb", {"a", "", "b"}}};
    for (const auto& [text, lines] : cases)
        EXPECT_EQ(splitTextLines(text), lines) << text;
}

TEST(TextFile, DataFilesAreReadWithinTheirLimit) {
    test::TempDir dir;
    test::writeBytes(dir / "t.dat", "ab\r\ncd\r\n");
    EXPECT_EQ(readDataFileLines(dir / "t.dat", 8), (Lines{"ab", "cd"}));
    EXPECT_FALSE(readDataFileLines(dir / "t.dat", 7)); // larger than allowed
    EXPECT_FALSE(readDataFileLines(dir / "none.dat", 100));
    EXPECT_FALSE(readDataFileLines(dir.path(), 100));
    test::writeBytes(dir / "bin.dat", std::string("a\0", 2));
    EXPECT_FALSE(readDataFileLines(dir / "bin.dat", 100));
    // Other control bytes are characters a cell may hold.
    test::writeBytes(dir / "ctl.dat", "\a\x1B[\x7F\tx\r\n\x01");
    EXPECT_EQ(readDataFileLines(dir / "ctl.dat", 100), (Lines{"\a\x1B[\x7F\tx", "\x01"}));
    test::writeBytes(dir / "empty.dat", "");
    EXPECT_EQ(readDataFileLines(dir / "empty.dat", 100), Lines{});
    // Files users write may be Unicode; the tables shipped with the program are bytes.
    const std::string wide("\xFF\xFE\x91\x25/\0\n\0", 8);
    test::writeBytes(dir / "u.pat", wide);
    EXPECT_EQ(readUserDataFileLines(dir / "u.pat", 100), Lines{"\xB0/"});
    EXPECT_FALSE(readDataFileLines(dir / "u.pat", 100));
}

} // namespace
} // namespace glyphora
