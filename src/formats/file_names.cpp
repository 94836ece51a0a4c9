#include "formats/file_names.h"

#include <algorithm>
#include <cctype>

namespace glyphora {

namespace {

std::size_t nameStart(std::string_view path) {
    const std::size_t separator = path.find_last_of("/\\");
    return separator == std::string_view::npos ? 0 : separator + 1;
}

} // namespace

std::string_view fileNameOf(std::string_view path) {
    return path.substr(nameStart(path));
}

std::string_view directoryOf(std::string_view path) {
    const std::size_t start = nameStart(path);
    if (start == 0)
        return {};
    // The root keeps its separator.
    return path.substr(0, start == 1 ? 1 : start - 1);
}

std::string upperExtension(std::string_view path) {
    const std::string_view name = fileNameOf(path);
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string() : upperCase(name.substr(dot));
}

bool isPictureName(std::string_view path) {
    return containsIgnoringCase(path, ".BMP") || hasPictureExtension(path);
}

bool hasPictureExtension(std::string_view path) {
    const std::string extension = upperExtension(path);
    for (const std::string_view picture : kPictureExtensions) {
        if (extension == picture)
            return true;
    }
    return false;
}

} // namespace glyphora
