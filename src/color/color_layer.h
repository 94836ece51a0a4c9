#pragma once

#include "canvas/char_canvas.h"

#include <algorithm>

namespace glyphora {

// Which of a cell's two colours a colouring command works on.
enum class ColorLayer { Foreground, Background };

// A cell's colour in the layer. The foreground is read through the creating accessor, so a
// cell without an own font gets one with the present default colour (nothing visible
// changes, but it stops following the main font colour).
inline Color readCellColor(CharCanvas& canvas, int col, int row, ColorLayer layer) {
    return layer == ColorLayer::Foreground ? canvas.FontCell(col, row) : canvas.ColorCell(col, row);
}

inline void writeCellColor(CharCanvas& canvas, int col, int row, ColorLayer layer, Color color) {
    if (layer == ColorLayer::Foreground)
        canvas.SetFontCell(col, row, color);
    else
        canvas.SetColorCell(col, row, color);
}

// The rectangle cut to the canvas; empty (right < left) when they do not meet.
inline CellRect clipToCanvas(const CharCanvas& canvas, CellRect rect) {
    rect.left = std::max(rect.left, 0);
    rect.top = std::max(rect.top, 0);
    rect.right = std::min(rect.right, canvas.colCount() - 1);
    rect.bottom = std::min(rect.bottom, canvas.rowCount() - 1);
    return rect;
}

} // namespace glyphora
