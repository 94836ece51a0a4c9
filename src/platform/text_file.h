#pragma once

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace glyphora {

// The whole file as bytes, or false when it cannot be opened or read.
bool readFileBytes(const std::filesystem::path& path, std::string& bytes);
// The same for files from outside, refusing one larger than maxBytes before it is read (and
// any that grows past it while being read, or tells no size, like a pipe), so the memory
// taken is bounded by the limit and not by what the file claims to be.
enum class FileRead { Read, Unreadable, TooLarge };
FileRead readFileBytes(const std::filesystem::path& path, std::string& bytes,
                       std::uintmax_t maxBytes);
// Creates or truncates the file and writes the bytes in one piece.
bool writeFileBytes(const std::filesystem::path& path, std::string_view bytes);

// Calls visit(line) for each line of the text: lines end at CR LF, a lone CR or a lone LF;
// a line end at the very end starts no further line, and an empty text has no lines. The
// walk stops early when visit returns false.
template <typename Visit> void forEachTextLine(std::string_view bytes, Visit visit) {
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        if (!visit(bytes.substr(start, end - start)) || end == bytes.size())
            return;
        start = end + 1;
        if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n')
            ++start;
    }
}

// All lines of the text, as forEachTextLine splits them.
std::vector<std::string> splitTextLines(std::string_view bytes);

// The lines of a small data file (tables, patterns), or nothing when the file is missing,
// unreadable, larger than maxBytes or binary (holds a byte 0). Other control bytes are
// characters like any other: cells may hold them.
std::optional<std::vector<std::string>> readDataFileLines(const std::filesystem::path& path,
                                                          std::uintmax_t maxBytes);
// The same for files users write (patterns): Unicode files are decoded as documents are.
std::optional<std::vector<std::string>> readUserDataFileLines(const std::filesystem::path& path,
                                                              std::uintmax_t maxBytes);

// The names of the regular files in the folder whose extension (dot included, in any case)
// is one of those given, sorted; none when the folder cannot be read.
std::vector<std::string>
listFilesWithExtensions(const std::filesystem::path& directory,
                        std::initializer_list<std::string_view> extensions);
// The names of the folders in the folder, sorted.
std::vector<std::string> listSubfolders(const std::filesystem::path& directory);

} // namespace glyphora
