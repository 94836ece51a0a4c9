#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace glyphora::test {

// A fresh directory under the system's temporary folder, removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

std::string readBytes(const std::filesystem::path& path);
void writeBytes(const std::filesystem::path& path, const std::string& bytes);
// The names of the folder's entries, sorted.
std::vector<std::string> fileNamesIn(const std::filesystem::path& dir);

// While it lives, every file written safely accepts only that many bytes and then fails.
class WriteFault {
public:
    explicit WriteFault(std::uint64_t failAfterBytes);
    ~WriteFault();
    WriteFault(const WriteFault&) = delete;
    WriteFault& operator=(const WriteFault&) = delete;
};

} // namespace glyphora::test
