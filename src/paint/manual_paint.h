#pragma once

#include "canvas/char_canvas.h"

#include <string_view>

namespace glyphora {

// What a cell touched by Shift + mouse movement gets, in this order: the foreground, the
// background, the text. A switch that is off leaves its part alone.
struct ManualPaintBrush {
    bool font = false;
    bool back = false;
    bool character = false;
    Color fontColor = kBlack;
    Color backColor = kWhite;
    // The first character of the SOLID character, or the empty text when that is empty.
    std::string_view text;
};

// Paints the cell; a position outside the canvas changes nothing. Returns whether the cell
// was inside.
bool ManualPaintCell(CharCanvas& canvas, int col, int row, const ManualPaintBrush& brush);

} // namespace glyphora
