#pragma once

#include "canvas/char_canvas.h"
#include "platform/progress.h"

#include <string>

namespace glyphora {

// Rich text (.rtf): the canvas text in the canvas font, each character in the foreground
// colour of its cell (the text of a cell holding several bytes all takes that cell's
// colour). Backgrounds and per-cell fonts are not written. Every line ends with a paragraph
// mark. Empty cells are set to " " in the canvas first, as for every text export.
// Progress: "Creating text ..." per row (step 1 of 2), then "Saving ..." per line
// (step 2 of 2), with the bar shown anew between the two.
std::string richTextBytes(CharCanvas& canvas, Progress& progress);

} // namespace glyphora
