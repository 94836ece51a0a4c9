#include "formats/file_output.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> namesIn(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(FileOutput, ReplacesTheTargetOnlyWhenEveryByteWasWritten) {
    test::TempDir dir;
    const fs::path target = dir / "a.txt";
    test::writeBytes(target, "old");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    // A writer that fails half way: the old file stays and nothing is left behind.
    EXPECT_FALSE(writeFileSafely(target, [](std::FILE* file) {
        std::fputs("partial", file);
        return false;
    }));
    EXPECT_EQ(test::readBytes(target), "old");
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"a.txt"});

    ASSERT_TRUE(writeFileSafely(target, std::string_view("new\r\n")));
    EXPECT_EQ(test::readBytes(target), "new\r\n");
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"a.txt"});
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    // No folder to write into.
    EXPECT_FALSE(writeFileSafely(dir / "missing" / "b.txt", std::string_view("x")));
    EXPECT_TRUE(writeFileSafely(dir / "empty.txt", std::string_view()));
    EXPECT_EQ(test::readBytes(dir / "empty.txt"), "");
}

} // namespace
} // namespace glyphora
