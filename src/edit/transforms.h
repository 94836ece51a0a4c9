#pragma once

#include "canvas/char_canvas.h"
#include "platform/color.h"

#include <string>
#include <vector>

namespace glyphora {

// Rearrangements of the canvas characters. Unless said otherwise only texts move; every
// position keeps its own colours.

// The rectangle cut to the canvas; one lying outside it comes back empty (right < left or
// bottom < top).
CellRect clippedRect(const CharCanvas& canvas, CellRect rect);

// Row top + k receives row bottom - k inside the rectangle.
void mirrorVertical(CharCanvas& canvas, const CellRect& rect);
// Column left + k receives column right - k inside the rectangle.
void mirrorHorizontal(CharCanvas& canvas, const CellRect& rect);

// A block of cell texts by rows: block[row][col].
using CellBlock = std::vector<std::vector<std::string>>;
// The rectangle turned 90 degrees clockwise, one character (or nothing) per cell: the
// block's first column is the rectangle's bottom row read left to right. Characters are
// not changed (a "|" stays a "|").
CellBlock rotatedClockwise(const CharCanvas& canvas, const CellRect& rect);

// Keeps the rectangle (clipped to the canvas) as the whole canvas: texts, foreground and
// background colours move to the top-left; both the source and the target cell end with
// an own font, and the target with an own background.
void cropTo(CharCanvas& canvas, const CellRect& rect);

// Centres the text of each row of the rectangle: empty cells become " ", the row's text
// without its leading and trailing blanks is written one character per cell with half the
// free cells before it (rounded, halves to even), the rest blanks. A text as wide as the
// rectangle stays where it is; a longer one (from cells holding several characters) leaves
// its row as it is.
void centerRows(CharCanvas& canvas, const CellRect& rect);

// Deletes rows top..bottom (columns left..right), texts and colours together; the canvas
// stays at least 1 x 1.
void deleteRows(CharCanvas& canvas, int top, int bottom);
void deleteCols(CharCanvas& canvas, int left, int right);

// Sets the size; every cell of a new column, then of a new row, gets " ", the given
// background and an own font of the default colour. Sizes below 1 give 1.
void setCanvasSize(CharCanvas& canvas, int cols, int rows, Color newCellBackground);

// Blanks every cell, then sets the size; cells added by growing are empty.
void renewCanvas(CharCanvas& canvas, int cols, int rows);

// Nearest-neighbour resampling of the texts to the new size: new cell (x, y) takes the old
// text at (round(x * oldCols / cols), round(y * oldRows / rows)), halves to even, held
// inside the old canvas. Colours are not resampled.
void resampleCanvas(CharCanvas& canvas, int cols, int rows);

} // namespace glyphora
