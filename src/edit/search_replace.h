#pragma once

#include "canvas/char_canvas.h"

#include <optional>
#include <string>
#include <string_view>

namespace glyphora {

// Cell-text replacement: every cell of the area is read with an empty text taken as " "
// (and stored so); a cell whose whole text equals search (case-sensitive) gets replacement,
// exactly as given. Returns the number of cells replaced.
long long replaceCells(CharCanvas& canvas, const CellRect& area, std::string_view search,
                       std::string_view replacement);
// How many cells replaceCells would replace, without changing anything.
long long countCells(const CharCanvas& canvas, const CellRect& area, std::string_view search);

// ASCII case conversion; other bytes unchanged.
std::string upperAscii(std::string_view text);
std::string lowerAscii(std::string_view text);
void toUpperCase(CharCanvas& canvas, const CellRect& area);
void toLowerCase(CharCanvas& canvas, const CellRect& area);

// A string on the canvas: the texts of consecutive cells of one row (an empty cell adds
// nothing). A hit of a needle of L characters spans L cells from its start column.
struct TextHit {
    int col = 0;
    int row = 0;
    bool operator==(const TextHit&) const = default;
};

// Whether the L cells from (col, row) spell the needle, ignoring ASCII case (L = its length).
bool matchesAt(const CharCanvas& canvas, int col, int row, std::string_view needle);

// The next hit in row order from (col, row) on, start columns from left to right. Every
// window of L cells that fits the row is tried, the one ending in the last column too.
std::optional<TextHit> findText(const CharCanvas& canvas, std::string_view needle, int col,
                                int row);

// Writes the text one character per cell from (col, row) to the right.
void writeAcross(CharCanvas& canvas, int col, int row, std::string_view text);

} // namespace glyphora
