#pragma once

#include "canvas/char_canvas.h"
#include "platform/text_file.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace glyphora {

// The grid text layout: one line per row ended by CR LF, each cell's text followed by a
// separator byte. Empty cells keep their place; long cells keep all their bytes, except the
// bytes the layout cannot carry inside a cell: the separator, CR, LF and 0 (which ends the
// text for the reader). Those are written as spaces; the cells keep them.
inline constexpr char kGridSeparator = 7;

// Rectangle edges of the general forms. Writing: a right or bottom edge below its left or
// top edge, or negative, means the last column or row; a negative left or top means 0.
// Reading: a negative left or top means 0; a right or bottom below its left or top means
// no limit.
struct GridArea {
    int left = 0;
    int top = 0;
    int right = -1;
    int bottom = -1;
};

// The largest grid file read: two bytes for each cell of the largest canvas leave room for
// line ends and longer cells. A larger file is refused before it is read.
inline constexpr std::uintmax_t kMaxGridFileBytes = 4 * CharCanvas::kMaxCells;

// spacedBytes, when given, receives the number of bytes written as spaces.
std::string gridToBytes(const CharCanvas& canvas, GridArea area = {},
                        char separator = kGridSeparator, std::size_t* spacedBytes = nullptr);

// The columns and rows (counted from 0, rectangle offset included) that reading the text
// would fill; 0 x 0 for a text without lines.
struct GridExtent {
    long long cols = 0;
    long long rows = 0;
};
GridExtent measureGridBytes(std::string_view bytes, GridArea area = {},
                            char separator = kGridSeparator);

// Reads lines split at CR LF, a lone CR or a lone LF, up to the first byte 0. The canvas
// only grows; cells outside the lines and columns present keep their text and colours.
// Returns false, changing nothing, when the text describes a canvas too large to hold.
bool readGridBytes(CharCanvas& canvas, std::string_view bytes, GridArea area = {},
                   char separator = kGridSeparator);

} // namespace glyphora
