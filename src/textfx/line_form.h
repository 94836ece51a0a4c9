#pragma once

#include "canvas/char_canvas.h"
#include "canvas/text_conversion.h"

#include <iosfwd>
#include <optional>

namespace glyphora {

// The path character of a line-form file (".tf"), "§" in Windows-1252.
inline constexpr char kLineFormPath = '\xA7';

// Where a line-form file's path starts: line 2 holds the column, line 4 the row, both
// counted from 1 over the whole file (its four header lines included).
struct LineFormStart {
    int col = 0;
    int row = 0;
};

// The start of a form loaded as lines; nothing when a header line is missing or not a
// number, or the start lies outside the canvas the lines make.
std::optional<LineFormStart> parseLineFormStart(const TextLines& lines);

// Pours bytes of a text along the path of a form that stands on the canvas (file line L as
// row L - 1): from the start cell each printable byte (32..126; others are skipped) takes the
// next path cell, a space becoming a line character that follows its neighbours; a straight
// horizontal stretch takes every second cell with "-" between. Cells outside the canvas
// count as blank. Afterwards the four header rows are removed and every empty cell is a
// space. Returns whether the path ran out (the text was too large for it, or just fitted).
bool pourTextAlongForm(CharCanvas& canvas, const LineFormStart& start, std::istream& text);

} // namespace glyphora
