#pragma once

#include "canvas/char_canvas.h"
#include "color/color_layer.h"

#include <cstdint>
#include <functional>
#include <string_view>

namespace glyphora {

// Putting the active colours into cells: by selection, by region fill, by text or colour
// match, and finding the document's most frequent text colour. Rectangles are inclusive
// and cut to the canvas.

// Every cell of the rectangle gets the colour.
void ColorSelection(CharCanvas& canvas, const CellRect& rect, ColorLayer layer, Color active);

// Every cell of the rectangle loses its own colour of the layer and shows the default again.
void ResetSelectionColor(CharCanvas& canvas, const CellRect& rect, ColorLayer layer);

struct FillResult {
    // The start cell already had the active colour; nothing was changed.
    bool noChange = false;
    std::int64_t cells = 0;
};

// Colours the 4-connected area of cells that hold the start cell's text and do not yet
// have the active colour (an empty text counts as " " and is stored so). Cells that already
// carry the active colour stop the area.
FillResult FillByChar(CharCanvas& canvas, int col, int row, ColorLayer layer, Color active);

// Colours the 4-connected area of cells whose colour equals the start cell's, whatever
// their text.
FillResult FillByColor(CharCanvas& canvas, int col, int row, ColorLayer layer, Color active);

// Cells of the rectangle whose whole text equals the text get the active colour. Returns
// how many did.
std::int64_t ReplaceCharColor(CharCanvas& canvas, const CellRect& rect, ColorLayer layer,
                              std::string_view text, Color active);

// Cells of the rectangle whose colour equals the old one get the active colour.
std::int64_t ReplaceColor(CharCanvas& canvas, const CellRect& rect, ColorLayer layer, Color old,
                          Color active);

struct MainColorScan {
    Color color = kBlack;
    // The scan was stopped before row stoppedAtRow was read.
    bool stopped = false;
    int stoppedAtRow = 0;
};

// The most frequent text colour, counting each run of equally coloured non-blank
// characters of a row once, with the colour of cell (0, 0) counted once from the start.
// Blanks neither count nor end a run; empty cells at a row's end are not read, other empty
// cells become " ". beforeRow is called before each row and stops the scan by returning
// false. The table holds at most 256 colours; a newer one takes the last entry's place.
MainColorScan FindMainColor(CharCanvas& canvas, const std::function<bool(int row)>& beforeRow);

} // namespace glyphora
