#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace glyphora {

// Comparisons that ignore the case of ASCII letters, as names and key words are compared.
std::string upperCase(std::string_view text);
std::string lowerCase(std::string_view text);
bool equalsIgnoringCase(std::string_view a, std::string_view b);
// Whether the upper-cased text contains the upper-cased needle anywhere.
bool containsIgnoringCase(std::string_view text, std::string_view needle);

// The folder of that name in the parent, in whichever spelling it exists; the exact
// spelling is preferred. Nothing when there is none.
std::optional<std::filesystem::path> findDirectoryIgnoringCase(const std::filesystem::path& parent,
                                                               std::string_view name);

} // namespace glyphora
