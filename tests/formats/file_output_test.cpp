#include "formats/file_output.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

namespace fs = std::filesystem;

using Names = std::vector<std::string>;

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
    EXPECT_EQ(test::fileNamesIn(dir.path()), Names{"a.txt"});

    ASSERT_TRUE(writeFileSafely(target, std::string_view("new\r\n")));
    EXPECT_EQ(test::readBytes(target), "new\r\n");
    EXPECT_EQ(test::fileNamesIn(dir.path()), Names{"a.txt"});
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    // No folder to write into, or a folder in the target's place.
    EXPECT_FALSE(writeFileSafely(dir / "missing" / "b.txt", std::string_view("x")));
    fs::create_directory(dir / "taken");
    EXPECT_FALSE(writeFileSafely(dir / "taken", std::string_view("x")));
    EXPECT_EQ(test::fileNamesIn(dir.path()), (Names{"a.txt", "taken"})); // no temporary left
    EXPECT_TRUE(writeFileSafely(dir / "empty.txt", std::string_view()));
    EXPECT_EQ(test::readBytes(dir / "empty.txt"), "");
}

TEST(FileOutput, AnInjectedFaultFailsTheWriteAtItsByteAndEndsWithItsScope) {
    test::TempDir dir;
    const fs::path target = dir / "a.txt";
    test::writeBytes(target, "old");
    const std::string bytes(10000, 'n'); // larger than a stream buffer: fails mid-write too
    for (const std::uint64_t failAt : {0ull, 1ull, 4096ull, 9999ull}) {
        test::WriteFault fault(failAt);
        EXPECT_FALSE(writeFileSafely(target, bytes)) << failAt;
        EXPECT_EQ(test::readBytes(target), "old") << failAt;
        EXPECT_EQ(test::fileNamesIn(dir.path()), Names{"a.txt"}) << failAt;
    }
    {
        // A budget as large as the content is no fault.
        test::WriteFault fault(bytes.size());
        EXPECT_TRUE(writeFileSafely(target, bytes));
        EXPECT_EQ(test::readBytes(target), bytes);
    }
    EXPECT_TRUE(writeFileSafely(target, std::string_view("later")));
    EXPECT_EQ(test::readBytes(target), "later");
}

TEST(FileOutput, ABackupIsACopyMadeOnceAndTheOriginalKeepsItsName) {
    test::TempDir dir;
    const fs::path target = dir / "a.txt";
    test::writeBytes(target, "first");
    ASSERT_TRUE(backupFile(target));
    EXPECT_EQ(test::readBytes(target), "first");
    EXPECT_EQ(test::readBytes(dir / "a.txt.bak"), "first");

    // An older backup is kept.
    test::writeBytes(target, "second");
    EXPECT_FALSE(backupFile(target));
    EXPECT_EQ(test::readBytes(dir / "a.txt.bak"), "first");
    EXPECT_EQ(test::fileNamesIn(dir.path()), (Names{"a.txt", "a.txt.bak"}));

    // Nothing to copy: no backup and no stray file.
    EXPECT_FALSE(backupFile(dir / "missing.txt"));
    EXPECT_EQ(test::fileNamesIn(dir.path()), (Names{"a.txt", "a.txt.bak"}));
}

} // namespace
} // namespace glyphora
