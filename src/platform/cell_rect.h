#pragma once

namespace glyphora {

// Inclusive rectangle of cells.
struct CellRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left + 1; }
    int height() const { return bottom - top + 1; }
    bool operator==(const CellRect&) const = default;
};

} // namespace glyphora
