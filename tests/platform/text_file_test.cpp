#include "platform/text_file.h"
#include "test_support.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>

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

TEST(TextFile, FilesAreReadWholeWhateverSizeTheyTell) {
    test::TempDir dir;
    std::string bytes;
    for (int i = 0; i < 200'000; ++i) // more than any one read takes, every byte value
        bytes += static_cast<char>(i * 7);
    test::writeBytes(dir / "big.bin", bytes);
    std::string read = "left over";
    ASSERT_TRUE(readFileBytes(dir / "big.bin", read));
    EXPECT_EQ(read, bytes);
    test::writeBytes(dir / "empty.bin", "");
    ASSERT_TRUE(readFileBytes(dir / "empty.bin", read));
    EXPECT_EQ(read, "");
    read = "kept";
    EXPECT_FALSE(readFileBytes(dir / "none.bin", read));
    EXPECT_EQ(read, "kept");
    // The system's status files say they are empty and are not.
    const std::filesystem::path status = "/proc/self/status";
    if (std::filesystem::exists(status)) {
        ASSERT_TRUE(readFileBytes(status, read));
        EXPECT_TRUE(read.starts_with("Name:")) << read.substr(0, 40);
    }
}

TEST(TextFile, ALimitedReadRefusesWhatIsLargerOrKeepsOnGrowing) {
    test::TempDir dir;
    std::string read = "kept";
    test::writeBytes(dir / "f.bin", "12345");
    EXPECT_EQ(readFileBytes(dir / "f.bin", read, 5), FileRead::Read);
    EXPECT_EQ(read, "12345");
    read = "kept";
    EXPECT_EQ(readFileBytes(dir / "f.bin", read, 4), FileRead::TooLarge);
    EXPECT_EQ(read, "kept");
    EXPECT_EQ(readFileBytes(dir / "none.bin", read, 4), FileRead::Unreadable);
    // A pipe tells no size: it is read up to the limit and no further.
    const std::filesystem::path pipe = dir / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const auto previous = std::signal(SIGPIPE, SIG_IGN); // the reader leaves the pipe early
    std::thread writer([&] {
        std::FILE* out = std::fopen(pipe.c_str(), "wb");
        const std::string chunk(1 << 16, 'p');
        for (int i = 0; i < 64 && out && std::fwrite(chunk.data(), 1, chunk.size(), out); ++i) {
        }
        if (out)
            std::fclose(out);
    });
    EXPECT_EQ(readFileBytes(pipe, read, 1 << 20), FileRead::TooLarge);
    writer.join();
    std::signal(SIGPIPE, previous);
    EXPECT_EQ(read, "kept");
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
