#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace glyphora {

// The whole file as bytes, or false when it cannot be opened or read.
bool readFileBytes(const std::filesystem::path& path, std::string& bytes);
// Creates or truncates the file and writes the bytes in one piece.
bool writeFileBytes(const std::filesystem::path& path, std::string_view bytes);

// Splits at CR LF, a lone CR or a lone LF. A line end at the very end starts no further
// line; an empty text has no lines.
std::vector<std::string> splitTextLines(std::string_view bytes);

// Whether the bytes can stand in cells: no control byte other than tab and the line ends.
// A cell holding a control byte would break the grid files that undo writes.
bool isPlainText(std::string_view bytes);

// The lines of a small data file (tables, patterns), or nothing when the file is missing,
// unreadable, larger than maxBytes or not plain text.
std::optional<std::vector<std::string>> readDataFileLines(const std::filesystem::path& path,
                                                          std::uintmax_t maxBytes);

} // namespace glyphora
