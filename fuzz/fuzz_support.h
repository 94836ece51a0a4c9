#pragma once

#include "platform/progress.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace glyphora::fuzz {

// Writes the input to this process's own file (named with the extension) for the readers
// that take a path, and returns that path.
const std::filesystem::path& asFile(std::string_view bytes, std::string_view extension);

// A progress nobody watches and nobody aborts.
struct SilentProgress : Progress {
    void showBar(const std::string&, bool, const std::string&) override {}
    void setBarPosition(double, double, const std::string&, const std::string&) override {}
    void hideBar() override {}
    bool escapePressed() override { return false; }
};

} // namespace glyphora::fuzz
