#pragma once

#include "canvas/char_canvas.h"

#include <string>
#include <string_view>

namespace glyphora {

// Line art drawn the way character art is drawn by hand, into a normalised selection
// rectangle (inclusive). Only cell texts are written.

void LineArtHorz(CharCanvas& canvas, const CellRect& rect, std::string_view text);
void LineArtVert(CharCanvas& canvas, const CellRect& rect, std::string_view text);
// Sides with horz and vert, then the corners (left, top), (right, bottom), (left, bottom),
// (right, top).
void LineArtRectangle(CharCanvas& canvas, const CellRect& rect, std::string_view horz,
                      std::string_view vert, std::string_view corner);

// The texts of a diagonal: the first cell of each run, the further cells of a run along a
// row, and of a run down a column.
struct DiagonalChars {
    std::string diagonal;
    std::string horz;
    std::string vert;
};

// Whether the diagonal over the rectangle runs along rows (one cell per column).
bool diagonalIsFlat(const CellRect& rect);

// "\" and "/" with runs. In dot mode the line is drawn with "\" or "/", "_" and "|" and
// then the ends of its runs are rewritten with lighter punctuation; the rules read and
// write neighbours outside the rectangle too.
void LineArtFalling(CharCanvas& canvas, const CellRect& rect, const DiagonalChars& chars,
                    bool dotMode);
void LineArtRising(CharCanvas& canvas, const CellRect& rect, const DiagonalChars& chars,
                   bool dotMode);

} // namespace glyphora
