#include "edit/transforms.h"

#include "platform/rounding.h"

#include <algorithm>

namespace glyphora {

namespace {

constexpr std::string_view kBlank = " ";
constexpr double kHalf = 0.5;

// Texts are copied out before a write: a view into one cell does not survive writes to
// another (long texts share the canvas's storage).
void swapTexts(CharCanvas& canvas, int x1, int y1, int x2, int y2) {
    const std::string first(canvas.text(x1, y1));
    const std::string second(canvas.text(x2, y2));
    canvas.setText(x1, y1, second);
    canvas.setText(x2, y2, first);
}

} // namespace

CellRect clippedRect(const CharCanvas& canvas, CellRect rect) {
    rect.left = std::max(rect.left, 0);
    rect.top = std::max(rect.top, 0);
    rect.right = std::min(rect.right, canvas.colCount() - 1);
    rect.bottom = std::min(rect.bottom, canvas.rowCount() - 1);
    return rect;
}

void mirrorVertical(CharCanvas& canvas, const CellRect& area) {
    const CellRect rect = clippedRect(canvas, area);
    for (int top = rect.top, bottom = rect.bottom; top < bottom; ++top, --bottom) {
        for (int x = rect.left; x <= rect.right; ++x)
            swapTexts(canvas, x, top, x, bottom);
    }
}

void mirrorHorizontal(CharCanvas& canvas, const CellRect& area) {
    const CellRect rect = clippedRect(canvas, area);
    for (int y = rect.top; y <= rect.bottom; ++y) {
        for (int left = rect.left, right = rect.right; left < right; ++left, --right)
            swapTexts(canvas, left, y, right, y);
    }
}

CellBlock rotatedClockwise(const CharCanvas& canvas, const CellRect& rect) {
    CellBlock block(static_cast<std::size_t>(rect.width()),
                    std::vector<std::string>(static_cast<std::size_t>(rect.height())));
    for (int r = rect.top; r <= rect.bottom; ++r) {
        for (int c = rect.left; c <= rect.right; ++c) {
            block[static_cast<std::size_t>(c - rect.left)]
                 [static_cast<std::size_t>(rect.bottom - r)] =
                     std::string(canvas.text(c, r).substr(0, 1));
        }
    }
    return block;
}

void cropTo(CharCanvas& canvas, const CellRect& area) {
    const CellRect rect = clippedRect(canvas, area);
    if (rect.right < rect.left || rect.bottom < rect.top)
        return;
    // Targets lie up and left of their sources, so row order never reads a written cell.
    for (int r = rect.top; r <= rect.bottom; ++r) {
        for (int c = rect.left; c <= rect.right; ++c) {
            const int x = c - rect.left;
            const int y = r - rect.top;
            canvas.setText(x, y, std::string(canvas.text(c, r)));
            canvas.SetFontCell(x, y, canvas.FontCell(c, r));
            canvas.SetColorCell(x, y, canvas.ColorCell(c, r));
        }
    }
    canvas.setSize(rect.width(), rect.height());
}

void centerRows(CharCanvas& canvas, const CellRect& area) {
    const CellRect rect = clippedRect(canvas, area);
    const int width = rect.width();
    for (int y = rect.top; y <= rect.bottom; ++y) {
        std::string joined;
        for (int x = rect.left; x <= rect.right; ++x) {
            if (canvas.text(x, y).empty())
                canvas.setText(x, y, kBlank);
            joined += canvas.text(x, y);
        }
        const std::size_t first = joined.find_first_not_of(' ');
        const std::string_view text =
            first == std::string::npos
                ? std::string_view()
                : std::string_view(joined).substr(first, joined.find_last_not_of(' ') - first + 1);
        const int length = static_cast<int>(text.size());
        if (length > width)
            continue;
        // The free cells before the text: half of them, but never pushing its end out.
        const int free = width - 1 - length;
        const int before = std::min(static_cast<int>(roundHalfEven(free * kHalf)), free);
        for (int x = rect.left; x <= rect.right; ++x)
            canvas.setText(x, y, kBlank);
        for (int k = 0; k < length; ++k)
            canvas.setText(rect.left + 1 + k + before, y,
                           text.substr(static_cast<std::size_t>(k), 1));
    }
}

void deleteRows(CharCanvas& canvas, int top, int bottom) {
    for (int y = std::min(bottom, canvas.rowCount() - 1); y >= std::max(top, 0); --y)
        canvas.DeleteRow(y);
}

void deleteCols(CharCanvas& canvas, int left, int right) {
    for (int x = std::min(right, canvas.colCount() - 1); x >= std::max(left, 0); --x)
        canvas.DeleteColumn(x);
}

void setCanvasSize(CharCanvas& canvas, int cols, int rows, Color newCellBackground) {
    const int oldCols = canvas.colCount();
    const int oldRows = canvas.rowCount();
    canvas.setSize(cols, rows);
    const auto prepare = [&](int x, int y) {
        canvas.setText(x, y, kBlank);
        canvas.SetColorCell(x, y, newCellBackground);
        canvas.SetFontCell(x, y, canvas.defaultFontColor());
    };
    for (int x = oldCols; x < canvas.colCount(); ++x) {
        for (int y = 0; y < canvas.rowCount(); ++y)
            prepare(x, y);
    }
    for (int y = oldRows; y < canvas.rowCount(); ++y) {
        for (int x = 0; x < canvas.colCount(); ++x)
            prepare(x, y);
    }
}

void renewCanvas(CharCanvas& canvas, int cols, int rows) {
    for (int y = 0; y < canvas.rowCount(); ++y) {
        for (int x = 0; x < canvas.colCount(); ++x)
            canvas.setText(x, y, kBlank);
    }
    canvas.setSize(cols, rows);
}

void resampleCanvas(CharCanvas& canvas, int cols, int rows) {
    const CharCanvas old = canvas;
    canvas.setSize(cols, rows);
    const double fx = static_cast<double>(old.colCount()) / canvas.colCount();
    const double fy = static_cast<double>(old.rowCount()) / canvas.rowCount();
    // Growing more than twofold rounds the last indices up to the old size: hold them inside.
    const auto source = [](double f, int i, int limit) {
        return static_cast<int>(std::min<long long>(roundHalfEven(f * i), limit - 1));
    };
    for (int y = 0; y < canvas.rowCount(); ++y) {
        const int sy = source(fy, y, old.rowCount());
        for (int x = 0; x < canvas.colCount(); ++x)
            canvas.setText(x, y, old.text(source(fx, x, old.colCount()), sy));
    }
}

} // namespace glyphora
