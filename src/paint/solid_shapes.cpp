#include "paint/solid_shapes.h"

#include "platform/bitmap.h"
#include "platform/rounding.h"

namespace glyphora {

namespace {

constexpr Color kPen = kBlack;
constexpr Color kPaper = kWhite;

void horizontal(CharCanvas& canvas, int left, int right, int row, std::string_view text) {
    for (int x = left; x <= right; ++x)
        canvas.setText(x, row, text);
}

void vertical(CharCanvas& canvas, int top, int bottom, int col, std::string_view text) {
    for (int y = top; y <= bottom; ++y)
        canvas.setText(col, y, text);
}

// One cell per column (flat) or per row (steep); the rising line counts its offsets from
// the bottom and right edges.
void diagonal(CharCanvas& canvas, const CellRect& rect, std::string_view text, bool rising) {
    const int w = rect.right - rect.left;
    const int h = rect.bottom - rect.top;
    if (h < w) {
        const DiagonalRatio r(h, w);
        for (int x = rect.left; x <= rect.right; ++x) {
            const int offset = r.offset(x - rect.left);
            canvas.setText(x, rising ? rect.bottom - offset : rect.top + offset, text);
        }
    } else {
        const DiagonalRatio r(w, h);
        for (int y = rect.top; y <= rect.bottom; ++y) {
            const int offset = r.offset(y - rect.top);
            canvas.setText(rising ? rect.right - offset : rect.left + offset, y, text);
        }
    }
}

} // namespace

void PaintHorzLine(CharCanvas& canvas, const CellRect& rect, std::string_view text) {
    horizontal(canvas, rect.left, rect.right, rect.top, text);
}

void PaintVertLine(CharCanvas& canvas, const CellRect& rect, std::string_view text) {
    vertical(canvas, rect.top, rect.bottom, rect.left, text);
}

void PaintRectangle(CharCanvas& canvas, const CellRect& rect, std::string_view text) {
    horizontal(canvas, rect.left, rect.right, rect.top, text);
    vertical(canvas, rect.top, rect.bottom, rect.left, text);
    horizontal(canvas, rect.left, rect.right, rect.bottom, text);
    vertical(canvas, rect.top, rect.bottom, rect.right, text);
}

void PaintFilledRectangle(CharCanvas& canvas, const CellRect& rect, std::string_view text) {
    for (int y = rect.top; y <= rect.bottom; ++y)
        horizontal(canvas, rect.left, rect.right, y, text);
}

void PaintFallingLine(CharCanvas& canvas, const CellRect& rect, std::string_view text) {
    diagonal(canvas, rect, text, false);
}

void PaintRisingLine(CharCanvas& canvas, const CellRect& rect, std::string_view text) {
    diagonal(canvas, rect, text, true);
}

void PaintCircle(CharCanvas& canvas, const CellRect& rect, std::string_view text) {
    const int w = rect.width();
    const int h = rect.height();
    Bitmap bitmap(w, h, kPaper);
    bitmap.ellipseOutline(0, 0, w, h, kPen);
    for (int j = 0; j < bitmap.height(); ++j) {
        for (int i = 0; i < bitmap.width(); ++i) {
            if (bitmap.pixel(i, j) == kPen)
                canvas.setText(rect.left + i, rect.top + j, text);
        }
    }
}

} // namespace glyphora
