#include "canvas/grid_file.h"

#include <algorithm>
#include <limits>

namespace glyphora {

namespace {

constexpr char kSpace = ' ';

// Calls visit(lineIndex, line) for every line of the text, which ends at the first byte 0.
template <typename Visit> void forEachLine(std::string_view bytes, Visit visit) {
    std::size_t lineIndex = 0;
    forEachTextLine(bytes.substr(0, bytes.find('\0')),
                    [&](std::string_view line) { return visit(lineIndex++, line); });
}

// Number of cells a line yields: the line plus one extra separator is cut at separators
// while at least two bytes are left.
template <typename Visit>
void forEachCell(std::string_view line, char separator, int maxCells, Visit visit) {
    std::size_t pos = 0;
    const std::size_t workSize = line.size() + 1; // the extra separator
    for (int c = 0; c < maxCells && workSize - pos >= 2; ++c) {
        std::size_t end = line.find(separator, pos);
        if (end == std::string_view::npos)
            end = line.size();
        visit(c, line.substr(pos, end - pos));
        pos = end + 1;
    }
}

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

} // namespace

GridExtent measureGridBytes(std::string_view bytes, GridArea area, char separator) {
    const ReadLimits limits = limitsOf(area);
    long long lines = 0;
    int widest = 0;
    forEachLine(bytes, [&](std::size_t i, std::string_view line) {
        if (limits.rowLimit >= 0 && static_cast<long long>(i) >= limits.rowLimit)
            return false;
        ++lines;
        int count = 0;
        forEachCell(line, separator, limits.colLimit, [&](int, std::string_view) { ++count; });
        widest = std::max(widest, count);
        return true;
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
    forEachLine(bytes, [&](std::size_t i, std::string_view line) {
        if (limits.rowLimit >= 0 && static_cast<long long>(i) >= limits.rowLimit)
            return false;
        const int row = limits.top + static_cast<int>(i);
        forEachCell(line, separator, limits.colLimit, [&](int c, std::string_view text) {
            canvas.setText(limits.left + c, row, text);
        });
        return true;
    });
    return true;
}

} // namespace glyphora
