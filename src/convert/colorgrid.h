#pragma once

#include "canvas/char_canvas.h"
#include "platform/bitmap.h"
#include "platform/progress.h"

namespace glyphora {

// Which colour of the cells a picture sets.
enum class ColorTarget { Foreground, Background };

// Colours every cell from the picture stretched over the canvas: cell (x, y) takes the
// pixel at column Round(x x picture width / columns) and row Round(y x picture height /
// rows), halves to even and never past the picture's last pixel. Characters stay.
// "Setting color ..." / "Step 1 of 1" per row.
void colorGrid(const Bitmap& picture, CharCanvas& canvas, ColorTarget target, Progress& progress);

// Every own colour of the canvas becomes its nearest ANSI palette colour (foregrounds among
// all 16, backgrounds among the 8 normal ones), so the art can be written as ANSI art
// without losing its colours to grey.
void mapColorsToAnsiPalette(CharCanvas& canvas);

// The picture over the canvas view, as a tracing aid: Temporary until the view next
// changes, Locked until cleared. Nothing is stored in the cells.
struct PictureOverlay {
    enum class Mode { None, Temporary, Locked };
    Mode mode = Mode::None;
    Bitmap picture;

    bool shown() const { return mode != Mode::None && !picture.empty(); }
    void clear() {
        mode = Mode::None;
        picture = {};
    }
};

// The overlay laid over one pixel of the view: multiplied, so white leaves it as it is and
// dark parts darken it.
inline std::uint8_t overlaid(std::uint8_t view, std::uint8_t picture) {
    return static_cast<std::uint8_t>((view * picture + 127) / 255);
}

} // namespace glyphora
