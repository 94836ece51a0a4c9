#pragma once

#include <charconv>
#include <optional>
#include <string_view>

namespace glyphora {

// The whole text as a decimal integer of type T (an optional minus sign, no blanks), or
// nothing when it is not one or does not fit.
template <typename T> std::optional<T> parseInteger(std::string_view text) {
    T value{};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace glyphora
