#pragma once

#include "canvas/char_canvas.h"
#include "canvas/text_conversion.h"

#include <functional>
#include <iosfwd>
#include <string_view>

namespace glyphora {

// Word-wraps the lines of a text into a rectangle: a row per source line at least, breaks
// at blanks within the rectangle's width, a word longer than the width broken at its edge.
// Text is taken only while it is shorter than width x height cells (the rectangle's
// right - left and bottom - top); the fill ends once the rows run out, also when a line
// break would lead past the last row. Cells the text does not reach stay as they are.
void fillRectWithText(CharCanvas& canvas, const CellRect& rect, const TextLines& lines);

// Writes the bytes of a text, one after another, into every cell holding target, row by row
// (an empty cell counts as a space); control bytes below 32 are written as spaces. Cells
// after the text ran out keep target. onRow is called at the start of each row.
void fillMatchingCells(CharCanvas& canvas, std::string_view target, std::istream& text,
                       const std::function<void(int row)>& onRow);

// Writes the lines at a cell: line i into row + i, character j into col + j; characters
// beyond the canvas are dropped.
void stampLines(CharCanvas& canvas, int col, int row, const TextLines& lines);

} // namespace glyphora
