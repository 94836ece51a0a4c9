#pragma once

#include "canvas/char_canvas.h"

#include <algorithm>
#include <string>
#include <vector>

namespace glyphora::test {

using Rows = std::vector<std::string>;

// An empty cell in a drawing; the character occurs in none of the tables and rules.
inline constexpr char kEmptyCell = '@';

// A canvas drawn as text rows: one character per cell, kEmptyCell for an empty cell and "*"
// for a cell holding more than one byte.
inline Rows picture(const CharCanvas& canvas) {
    Rows rows(static_cast<std::size_t>(canvas.rowCount()));
    for (int y = 0; y < canvas.rowCount(); ++y) {
        for (int x = 0; x < canvas.colCount(); ++x) {
            const std::string_view text = canvas.text(x, y);
            rows[y] += text.empty() ? kEmptyCell : text.size() == 1 ? text[0] : '*';
        }
    }
    return rows;
}

// Sizes the canvas to the longest row by the number of rows and writes them, kEmptyCell
// and the cells right of a shorter row giving empty cells; colours stay.
inline void draw(CharCanvas& canvas, const Rows& rows) {
    std::size_t cols = 1;
    for (const std::string& row : rows)
        cols = std::max(cols, row.size());
    canvas.setSize(static_cast<int>(cols), static_cast<int>(rows.size()));
    canvas.clearTexts();
    for (std::size_t y = 0; y < rows.size(); ++y)
        for (std::size_t x = 0; x < rows[y].size(); ++x)
            if (rows[y][x] != kEmptyCell)
                canvas.setText(static_cast<int>(x), static_cast<int>(y), rows[y].substr(x, 1));
}

inline CharCanvas drawn(const Rows& rows) {
    CharCanvas canvas;
    draw(canvas, rows);
    return canvas;
}

// A canvas of blanks.
inline CharCanvas blank(int cols, int rows) {
    return drawn(
        Rows(static_cast<std::size_t>(rows), std::string(static_cast<std::size_t>(cols), ' ')));
}

} // namespace glyphora::test
