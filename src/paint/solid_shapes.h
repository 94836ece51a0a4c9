#pragma once

#include "canvas/char_canvas.h"

#include <string_view>

namespace glyphora {

// Shapes drawn with one text into a normalised selection rectangle (inclusive). Only cell
// texts are written; colours stay as they are. Cells are written one at a time in the
// order given, so a later write to a cell wins.

// The rectangle's top row.
void PaintHorzLine(CharCanvas& canvas, const CellRect& rect, std::string_view text);
// The rectangle's left column.
void PaintVertLine(CharCanvas& canvas, const CellRect& rect, std::string_view text);
// The outline: top row, left column, bottom row, right column.
void PaintRectangle(CharCanvas& canvas, const CellRect& rect, std::string_view text);
void PaintFilledRectangle(CharCanvas& canvas, const CellRect& rect, std::string_view text);
// "\" from the top-left to the bottom-right corner: one cell per column when the rectangle
// is flatter than 45 degrees, else one cell per row.
void PaintFallingLine(CharCanvas& canvas, const CellRect& rect, std::string_view text);
// "/" from the bottom-left to the top-right corner, the same way.
void PaintRisingLine(CharCanvas& canvas, const CellRect& rect, std::string_view text);
// The outline of the ellipse inscribed in the rectangle, one pixel per cell.
void PaintCircle(CharCanvas& canvas, const CellRect& rect, std::string_view text);

} // namespace glyphora
