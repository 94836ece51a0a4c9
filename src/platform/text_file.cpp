#include "platform/text_file.h"

#include "platform/text_case.h"
#include "platform/text_encoding.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <system_error>

namespace glyphora {

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

} // namespace

FileRead readFileBytes(const std::filesystem::path& path, std::string& bytes,
                       std::uintmax_t maxBytes) {
    File file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return FileRead::Unreadable;
    // The size the file has now is read in one piece, without growing the string step by
    // step; a file that grows meanwhile or tells no size is read on to its end.
    std::string data;
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (!ec && size > maxBytes)
        return FileRead::TooLarge;
    if (!ec) {
        data.resize(static_cast<std::size_t>(size));
        data.resize(std::fread(data.data(), 1, data.size(), file.get()));
    }
    char buffer[1 << 16];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        if (got > maxBytes - data.size())
            return FileRead::TooLarge;
        data.append(buffer, got);
    }
    if (std::ferror(file.get()))
        return FileRead::Unreadable;
    bytes = std::move(data);
    return FileRead::Read;
}

bool readFileBytes(const std::filesystem::path& path, std::string& bytes) {
    return readFileBytes(path, bytes, std::string().max_size()) == FileRead::Read;
}

bool writeFileBytes(const std::filesystem::path& path, std::string_view bytes) {
    File file(std::fopen(path.c_str(), "wb"));
    if (!file)
        return false;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
        return false;
    return std::fclose(file.release()) == 0;
}

std::vector<std::string> splitTextLines(std::string_view bytes) {
    std::vector<std::string> lines;
    forEachTextLine(bytes, [&](std::string_view line) {
        lines.emplace_back(line);
        return true;
    });
    return lines;
}

namespace {

std::optional<std::vector<std::string>> readLines(const std::filesystem::path& path,
                                                  std::uintmax_t maxBytes, bool decode) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return std::nullopt;
    std::string bytes;
    if (readFileBytes(path, bytes, maxBytes) != FileRead::Read)
        return std::nullopt;
    if (decode)
        bytes = decodeTextFile(bytes).bytes;
    if (bytes.find('\0') != std::string::npos)
        return std::nullopt;
    return splitTextLines(bytes);
}

} // namespace

std::optional<std::vector<std::string>> readDataFileLines(const std::filesystem::path& path,
                                                          std::uintmax_t maxBytes) {
    return readLines(path, maxBytes, false);
}

std::optional<std::vector<std::string>> readUserDataFileLines(const std::filesystem::path& path,
                                                              std::uintmax_t maxBytes) {
    return readLines(path, maxBytes, true);
}

namespace {

// The sorted names of the folder's entries that pass the test.
template <typename Keep>
std::vector<std::string> listEntries(const std::filesystem::path& directory, Keep keep) {
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(directory, ec), end; !ec && it != end;
         it.increment(ec)) {
        if (keep(*it))
            names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

std::vector<std::string>
listFilesWithExtensions(const std::filesystem::path& directory,
                        std::initializer_list<std::string_view> extensions) {
    return listEntries(directory, [&](const std::filesystem::directory_entry& entry) {
        const std::string extension = entry.path().extension().string();
        std::error_code ec;
        return std::any_of(extensions.begin(), extensions.end(),
                           [&](std::string_view wanted) {
                               return equalsIgnoringCase(extension, wanted);
                           }) &&
               entry.is_regular_file(ec);
    });
}

std::vector<std::string> listSubfolders(const std::filesystem::path& directory) {
    return listEntries(directory, [](const std::filesystem::directory_entry& entry) {
        std::error_code ec;
        return entry.is_directory(ec);
    });
}

} // namespace glyphora
