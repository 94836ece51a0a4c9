#pragma once

#include "canvas/text_conversion.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace glyphora {

// Lines of a text file: a line ends at CR LF, a lone CR or a lone LF; a line end at the end
// of the text starts no further line. Bytes are kept as they are.
TextLines splitTextLines(std::string_view bytes);

// Whether the lines fit on a canvas (longest line by line count).
bool textFitsCanvas(const TextLines& lines);

// The file's lines, or nothing when it cannot be read or could never fit on a canvas:
// a canvas holds at most CharCanvas::kMaxCells cells, and every three bytes of a text
// yield at least one cell, so a larger file is refused before it is read.
std::optional<TextLines> readTextFileLines(const std::filesystem::path& file);

} // namespace glyphora
