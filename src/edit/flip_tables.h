#pragma once

#include "canvas/char_canvas.h"

#include <filesystem>
#include <optional>
#include <string>

namespace glyphora {

// Character flip table: a character equal to from[i] becomes to[i]. Characters of the
// longer string without a counterpart in the other are not swapped.
struct FlipTable {
    std::string from;
    std::string to;
    bool operator==(const FlipTable&) const = default;
};

// Horizontal mirrors left-right, vertical top-bottom.
enum class FlipDirection { Horizontal, Vertical };

// The tables used when no table file can be read.
const FlipTable& builtInFlipTable(FlipDirection direction);

// A table file: line 1 the characters to replace, line 2 their replacements. Nothing when
// the file is missing, unreadable, not plain text or has fewer than two lines.
std::optional<FlipTable> readFlipTable(const std::filesystem::path& path);

// Swaps the first character of each cell of the rectangle by the table; the cell text
// becomes that one character. When a character stands in the table more than once, the
// last entry wins. Empty cells and characters not in the table are unchanged.
void FlipChars(CharCanvas& canvas, const CellRect& rect, const FlipTable& table);

} // namespace glyphora
