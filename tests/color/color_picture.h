#pragma once

#include "color/color_layer.h"
#include "paint/canvas_picture.h"

#include <array>
#include <cctype>
#include <utility>

namespace glyphora::test {

// A colour layer drawn as text rows, one letter per cell: k, w, r, g and b for black, white,
// red, green and blue, '?' for any other colour; upper case where the cell holds the colour
// as its own rather than following the canvas default.
inline Rows colours(const CharCanvas& canvas, ColorLayer layer) {
    constexpr std::array<std::pair<Color, char>, 5> kNames = {
        {{kBlack, 'k'}, {kWhite, 'w'}, {0x0000FF, 'r'}, {0x00FF00, 'g'}, {0xFF0000, 'b'}}};
    const bool fg = layer == ColorLayer::Foreground;
    Rows rows(static_cast<std::size_t>(canvas.rowCount()));
    for (int r = 0; r < canvas.rowCount(); ++r) {
        for (int c = 0; c < canvas.colCount(); ++c) {
            const Color color = fg ? canvas.foreground(c, r) : canvas.background(c, r);
            char letter = '?';
            for (const auto& [known, name] : kNames)
                letter = color == known ? name : letter;
            const bool own = fg ? canvas.hasOwnFont(c, r) : canvas.hasOwnBrush(c, r);
            rows[static_cast<std::size_t>(r)] +=
                own ? static_cast<char>(std::toupper(letter)) : letter;
        }
    }
    return rows;
}

} // namespace glyphora::test
