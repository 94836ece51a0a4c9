#pragma once

#include "canvas/char_canvas.h"

#include <string>
#include <vector>

namespace glyphora::test {

// An empty cell in a drawing; the character occurs in none of the tables and rules.
inline constexpr char kEmptyCell = '@';

// A canvas drawn as text rows: one character per cell, kEmptyCell for an empty cell and "*"
// for a cell holding more than one byte.
inline std::vector<std::string> picture(const CharCanvas& canvas) {
    std::vector<std::string> rows;
    for (int y = 0; y < canvas.rowCount(); ++y) {
        std::string row;
        for (int x = 0; x < canvas.colCount(); ++x) {
            const std::string_view text = canvas.text(x, y);
            row += text.empty() ? kEmptyCell : text.size() == 1 ? text[0] : '*';
        }
        rows.push_back(row);
    }
    return rows;
}

// Sizes the canvas to the rows and writes them, kEmptyCell giving an empty cell.
inline void draw(CharCanvas& canvas, const std::vector<std::string>& rows) {
    canvas.setSize(static_cast<int>(rows.empty() ? 1 : rows[0].size()),
                   static_cast<int>(rows.size()));
    for (int y = 0; y < canvas.rowCount(); ++y) {
        for (int x = 0; x < canvas.colCount(); ++x) {
            const char ch = rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
            canvas.setText(x, y,
                           ch == kEmptyCell ? std::string_view("") : std::string_view(&ch, 1));
        }
    }
}

} // namespace glyphora::test
