#include "platform/text_case.h"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace glyphora {

namespace fs = std::filesystem;

namespace {

char upperChar(char ch) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
}

char lowerChar(char ch) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
}

} // namespace

std::string lowerCase(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), lowerChar);
    return out;
}

std::string upperCase(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), upperChar);
    return out;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return upperChar(x) == upperChar(y);
           });
}

bool containsIgnoringCase(std::string_view text, std::string_view needle) {
    return upperCase(text).find(upperCase(needle)) != std::string::npos;
}

std::optional<fs::path> findDirectoryIgnoringCase(const fs::path& parent, std::string_view name) {
    std::error_code ec;
    const fs::path exact = parent / name;
    if (fs::is_directory(exact, ec))
        return exact;
    for (fs::directory_iterator it(parent, ec), end; !ec && it != end; it.increment(ec)) {
        if (equalsIgnoringCase(it->path().filename().string(), name) && it->is_directory(ec))
            return it->path();
    }
    return std::nullopt;
}

} // namespace glyphora
