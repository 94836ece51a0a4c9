#pragma once

#include "canvas/char_canvas.h"
#include "platform/bitmap.h"
#include "platform/progress.h"

#include <string_view>

namespace glyphora {

// One pixel per cell from its character: white for an empty cell or a space, black for
// "/", "\", "_", "|" and "#", otherwise the grey of the first byte's code.
// "Creating Image ..." / "Step 1 of 1" per column.
Bitmap charsToPicture(const CharCanvas& canvas, Progress& progress);

// One pixel per cell from its colours: the background, or for the font colour picture the
// font colour of cells that are neither empty nor a space.
enum class ColorSource { Font, Cell };
Bitmap colorsToPicture(const CharCanvas& canvas, ColorSource source, Progress& progress);

// The picture viewer's display image: each pixel a block zoom wide and zoom x ratio high
// (the rows placed at Round(zoom x ratio x y)).
Bitmap magnifiedPicture(const Bitmap& picture, int zoom, double ratio);

// Lays the text's bytes onto the black pixels of the picture, row by row, starting again
// at the text's start when it runs out; a byte below 32 is used up and leaves the cell as
// it was. Every other pixel's cell becomes the form character. The canvas has the
// picture's size.
void layTextOnPicture(const Bitmap& picture, std::string_view text, char formChar,
                      CharCanvas& canvas);

} // namespace glyphora
