#pragma once

#include "convert/canvas_picture.h"
#include "canvas_renderer.h"
#include "platform/ui.h"

namespace glyphora {

// The canvas view's own renderer drawing into a picture, so a capture has the very pixels
// of the screen: the whole canvas in one piece, no page-by-page screen grabs.
class QtCanvasPictureRenderer : public CanvasPictureRenderer {
public:
    std::optional<Bitmap> render(const CharCanvas& canvas, CharSet glyphs, int firstCol,
                                 int firstRow, int width, int height) override;
    // The size of a character in the font, as the window measures it.
    static CharMetrics measure(const TextFont& font, char ch);

private:
    CanvasRenderer renderer_;
};

} // namespace glyphora
