#include "fuzz_support.h"

#include <cstdio>
#include <map>
#include <unistd.h>

namespace glyphora::fuzz {

namespace {

// Removes this process's input files when the fuzzer ends normally.
struct InputFiles {
    std::map<std::string, std::filesystem::path, std::less<>> paths;
    ~InputFiles() {
        std::error_code ec;
        for (const auto& [extension, path] : paths)
            std::filesystem::remove(path, ec);
    }
};

} // namespace

const std::filesystem::path& asFile(std::string_view bytes, std::string_view extension) {
    static InputFiles files;
    auto found = files.paths.find(extension);
    if (found == files.paths.end()) {
        const std::string name =
            "glyphora-fuzz-" + std::to_string(::getpid()) + std::string(extension);
        found = files.paths
                    .emplace(std::string(extension), std::filesystem::temp_directory_path() / name)
                    .first;
    }
    std::FILE* file = std::fopen(found->second.c_str(), "wb");
    if (file) {
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
    return found->second;
}

} // namespace glyphora::fuzz
