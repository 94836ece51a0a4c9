#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace glyphora {

// A file's bytes mapped into memory read-only, so a large picture is decoded straight from
// the page cache without a copy. Files that cannot be mapped (empty ones, pipes) are read.
class MappedFile {
public:
    // False when the file cannot be opened or read.
    bool open(const std::filesystem::path& path);
    ~MappedFile();
    MappedFile() = default;
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    std::string_view bytes() const { return bytes_; }
    // Gives the memory back early.
    void close();

private:
    void* map_ = nullptr;
    std::size_t size_ = 0;
    std::string read_;
    std::string_view bytes_;
};

} // namespace glyphora
