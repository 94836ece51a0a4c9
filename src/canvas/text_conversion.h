#pragma once

#include "canvas/char_canvas.h"

#include <string>
#include <vector>

namespace glyphora {

// Lines of bytes without line ends, as the text view holds them.
using TextLines = std::vector<std::string>;

// Resizes the canvas to the longest line by the number of lines (at least 1 x 1), empties
// every cell and puts one byte per cell. Colours stay where they are.
void TextToGrid(const TextLines& lines, CharCanvas& canvas);

// One line per row, one cell after another; an empty cell is first set to " " in the canvas,
// so every line has ColCount characters when cells hold one byte.
TextLines GridToText(CharCanvas& canvas);

// Outcome of trimming trailing spaces.
struct Reduction {
    long long total = 0;   // characters before
    long long removed = 0; // spaces removed
    // round(removed / total x 100) with halves to even; 0 for a text without characters.
    int percent() const;
};

// Strips trailing spaces (byte 32 only) from every line in place; no line is removed.
Reduction trimTrailingSpaces(TextLines& lines);

// "Size reduction: 50%"
std::string sizeReductionMessage(const Reduction& reduction);

} // namespace glyphora
