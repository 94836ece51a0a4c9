#pragma once

#include <string_view>

namespace glyphora {

// The text without any of the blanks at its start.
inline std::string_view trimmedLeft(std::string_view text, std::string_view blanks = " \t") {
    const std::size_t first = text.find_first_not_of(blanks);
    return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

// The text without any of the blanks at either end.
inline std::string_view trimmed(std::string_view text, std::string_view blanks = " \t") {
    text = trimmedLeft(text, blanks);
    return text.substr(0, text.find_last_not_of(blanks) + 1);
}

} // namespace glyphora
