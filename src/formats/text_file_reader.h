#pragma once

#include "canvas/text_conversion.h"
#include "platform/text_file.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace glyphora {

// Whether the lines fit on a canvas (longest line by line count).
bool textFitsCanvas(const TextLines& lines);

// The file's lines, or nothing when it cannot be read or could never fit on a canvas:
// a canvas holds at most CharCanvas::kMaxCells cells, and every three bytes of a text
// yield at least one cell, so a larger file is refused before it is read.
std::optional<TextLines> readTextFileLines(const std::filesystem::path& file);

} // namespace glyphora
