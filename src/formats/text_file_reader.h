#pragma once

#include "canvas/text_conversion.h"
#include "platform/text_encoding.h"
#include "platform/text_file.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace glyphora {

// Whether the lines fit on a canvas (longest line by line count).
bool textFitsCanvas(const TextLines& lines);

// A text file read as lines, or why it was not: it cannot be read, or its lines could
// never fit on a canvas (at most CharCanvas::kMaxCells cells, longest line by line count).
// Unicode files are decoded (see decodeTextFile), with their style and the count of characters
// that became "?".
struct TextFileLines {
    std::optional<TextLines> lines;
    bool tooLarge = false;
    TextFileStyle style;
    std::size_t unmapped = 0;
};
// Every three bytes of a text yield at least one cell, so a file larger than that is
// refused before it is read.
TextFileLines readTextFileLines(const std::filesystem::path& file);

} // namespace glyphora
