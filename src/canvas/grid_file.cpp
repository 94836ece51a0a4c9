#include "canvas/grid_file.h"

#include <algorithm>
#include <limits>

namespace glyphora {

namespace {

constexpr char kSpace = ' ';

} // namespace

std::string gridToBytes(const CharCanvas& canvas, GridArea area, char separator,
                        std::size_t* spacedBytes) {
    const int left = std::max(area.left, 0);
    const int top = std::max(area.top, 0);
    int right = area.right;
    int bottom = area.bottom;
    if (right < left || right < 0)
        right = canvas.colCount() - 1;
    if (bottom < top || bottom < 0)
        bottom = canvas.rowCount() - 1;
    right = std::min(right, canvas.colCount() - 1);
    bottom = std::min(bottom, canvas.rowCount() - 1);

    std::string out;
    std::size_t spaced = 0;
    if (spacedBytes)
        *spacedBytes = 0;
    if (left > right || top > bottom)
        return out;
    out.reserve(static_cast<std::size_t>(bottom - top + 1) *
                (static_cast<std::size_t>(right - left + 1) * 2 + 2));
    for (int r = top; r <= bottom; ++r) {
        for (int c = left; c <= right; ++c) {
            const std::size_t start = out.size();
            out += canvas.text(c, r);
            for (std::size_t i = start; i < out.size(); ++i) {
                const char ch = out[i];
                if (ch == separator || ch == '\r' || ch == '\n' || ch == '\0') {
                    out[i] = kSpace;
                    ++spaced;
                }
            }
            out += separator;
        }
        out += "\r\n";
    }
    if (spacedBytes)
        *spacedBytes = spaced;
    return out;
}

namespace {

struct ReadLimits {
    int left;
    int top;
    long long rowLimit; // -1: no limit
    int colLimit;
};

ReadLimits limitsOf(GridArea area) {
    const int left = std::max(area.left, 0);
    const int top = std::max(area.top, 0);
    return {left, top, area.bottom < top ? -1 : static_cast<long long>(area.bottom) - top + 1,
            area.right < left ? std::numeric_limits<int>::max() - left : area.right - left + 1};
}

// Walks a grid text in one pass: onCell(row, col, text) for each cell within the limits,
// onLine(row, cells) after each line with the number of cells it gave. Lines end at CR LF, a
// lone CR or a lone LF (a line end at the very end starts no further line) and the text at its
// first byte 0. A line's cells are its pieces between separators, the last piece only when
// it is not empty: "a<sep>b" and "a<sep>b<sep>" both give two cells.
template <typename OnCell, typename OnLine>
void scanGrid(std::string_view bytes, char separator, const ReadLimits& limits, OnCell onCell,
              OnLine onLine) {
    bytes = bytes.substr(0, bytes.find('\0'));
    const char* p = bytes.data();
    const char* const end = p + bytes.size();
    for (long long row = 0; p != end && (limits.rowLimit < 0 || row < limits.rowLimit); ++row) {
        int col = 0;
        const char* cell = p;
        const auto endCell = [&] {
            if (col < limits.colLimit)
                onCell(row, col++, std::string_view(cell, static_cast<std::size_t>(p - cell)));
            cell = p + 1;
        };
        for (; p != end && *p != '\r' && *p != '\n'; ++p) {
            if (*p == separator)
                endCell();
        }
        if (p != cell)
            endCell();
        onLine(row, col);
        if (p == end)
            break;
        if (*p == '\r' && end - p > 1 && p[1] == '\n')
            ++p;
        ++p;
    }
}

} // namespace

GridExtent measureGridBytes(std::string_view bytes, GridArea area, char separator) {
    const ReadLimits limits = limitsOf(area);
    long long lines = 0;
    int widest = 0;
    scanGrid(
        bytes, separator, limits, [](long long, int, std::string_view) {},
        [&](long long, int cells) {
            ++lines;
            widest = std::max(widest, cells);
        });
    if (lines == 0)
        return {};
    return {widest > 0 ? static_cast<long long>(limits.left) + widest : 0, limits.top + lines};
}

bool readGridBytes(CharCanvas& canvas, std::string_view bytes, GridArea area, char separator) {
    const GridExtent extent = measureGridBytes(bytes, area, separator);
    const long long cols = std::max<long long>(canvas.colCount(), extent.cols);
    const long long rows = std::max<long long>(canvas.rowCount(), extent.rows);
    if (!CharCanvas::sizeFits(cols, rows))
        return false;
    // Grow once instead of cell by cell.
    canvas.setSize(static_cast<int>(cols), static_cast<int>(rows));

    const ReadLimits limits = limitsOf(area);
    scanGrid(
        bytes, separator, limits,
        [&](long long row, int col, std::string_view text) {
            canvas.setText(limits.left + col, limits.top + static_cast<int>(row), text);
        },
        [](long long, int) {});
    return true;
}

} // namespace glyphora
