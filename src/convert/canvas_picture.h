#pragma once

#include "canvas/char_canvas.h"
#include "platform/bitmap.h"
#include "platform/text_codec.h"

#include <optional>

namespace glyphora {

// Draws cells of a canvas into a picture exactly as the window's canvas view draws them
// (font, cell size, grid lines, colours, the byte set's glyphs), without cursor or
// selection. The shells provide it: the window with its own renderer, the command-line
// tool by loading that renderer only when a picture is asked for.
class CanvasPictureRenderer {
public:
    virtual ~CanvasPictureRenderer() = default;
    // The block of cells from (firstCol, firstRow) as far as width x height pixels reach;
    // nothing when the picture cannot be made.
    virtual std::optional<Bitmap> render(const CharCanvas& canvas, CharSet glyphs, int firstCol,
                                         int firstRow, int width, int height) = 0;
};

} // namespace glyphora
