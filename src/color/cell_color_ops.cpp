#include "color/cell_color_ops.h"

#include "paint/span_fill.h"

#include <unordered_map>
#include <vector>

namespace glyphora {

namespace {

constexpr std::string_view kBlank = " ";
constexpr int kMainColorTableSize = 256;

// The cell's text, an empty one first stored as " ".
std::string_view textOrBlank(CharCanvas& canvas, int col, int row) {
    if (canvas.text(col, row).empty())
        canvas.setText(col, row, kBlank);
    return canvas.text(col, row);
}

// Colours the area of cells belongs(col, row) accepts around a start cell that belongs. A
// coloured cell no longer belongs, and belongs is asked only of the area's cells and their
// neighbours, whatever the order the area is found in.
template <class Belongs>
std::int64_t fillArea(CharCanvas& canvas, int col, int row, ColorLayer layer, Color active,
                      Belongs belongs) {
    return spanFill(canvas.colCount(), canvas.rowCount(), col, row, belongs,
                    [&](int left, int right, int r) {
                        for (int c = left; c <= right; ++c)
                            writeCellColor(canvas, c, r, layer, active);
                    });
}

} // namespace

void ColorSelection(CharCanvas& canvas, const CellRect& rect, ColorLayer layer, Color active) {
    const CellRect area = clipToCanvas(canvas, rect);
    for (int r = area.top; r <= area.bottom; ++r) {
        for (int c = area.left; c <= area.right; ++c)
            writeCellColor(canvas, c, r, layer, active);
    }
}

void ResetSelectionColor(CharCanvas& canvas, const CellRect& rect, ColorLayer layer) {
    const CellRect area = clipToCanvas(canvas, rect);
    for (int r = area.top; r <= area.bottom; ++r) {
        for (int c = area.left; c <= area.right; ++c) {
            if (layer == ColorLayer::Foreground)
                canvas.ResetFontCell(c, r);
            else
                canvas.ResetColorCell(c, r);
        }
    }
}

FillResult FillByChar(CharCanvas& canvas, int col, int row, ColorLayer layer, Color active) {
    if (!canvas.contains(col, row))
        return {};
    active &= kWhite;
    const std::string start(textOrBlank(canvas, col, row));
    if (readCellColor(canvas, col, row, layer) == active)
        return {true, 0};
    const std::int64_t cells = fillArea(canvas, col, row, layer, active, [&](int c, int r) {
        return textOrBlank(canvas, c, r) == start && readCellColor(canvas, c, r, layer) != active;
    });
    return {false, cells};
}

FillResult FillByColor(CharCanvas& canvas, int col, int row, ColorLayer layer, Color active) {
    if (!canvas.contains(col, row))
        return {};
    active &= kWhite;
    const Color old = readCellColor(canvas, col, row, layer);
    if (old == active)
        return {true, 0};
    const std::int64_t cells = fillArea(canvas, col, row, layer, active, [&](int c, int r) {
        return readCellColor(canvas, c, r, layer) == old;
    });
    return {false, cells};
}

std::int64_t ReplaceCharColor(CharCanvas& canvas, const CellRect& rect, ColorLayer layer,
                              std::string_view text, Color active) {
    const CellRect area = clipToCanvas(canvas, rect);
    std::int64_t changed = 0;
    for (int r = area.top; r <= area.bottom; ++r) {
        for (int c = area.left; c <= area.right; ++c) {
            if (canvas.text(c, r) == text) {
                writeCellColor(canvas, c, r, layer, active);
                ++changed;
            }
        }
    }
    return changed;
}

std::int64_t ReplaceColor(CharCanvas& canvas, const CellRect& rect, ColorLayer layer, Color old,
                          Color active) {
    const CellRect area = clipToCanvas(canvas, rect);
    old &= kWhite;
    std::int64_t changed = 0;
    for (int r = area.top; r <= area.bottom; ++r) {
        for (int c = area.left; c <= area.right; ++c) {
            if (readCellColor(canvas, c, r, layer) == old) {
                writeCellColor(canvas, c, r, layer, active);
                ++changed;
            }
        }
    }
    return changed;
}

MainColorScan FindMainColor(CharCanvas& canvas, const std::function<bool(int row)>& beforeRow) {
    struct Entry {
        Color color;
        int count;
    };
    // Entry 0 here is the first entry of the table; every count starts at 1.
    std::vector<Entry> table;
    table.reserve(kMainColorTableSize);
    std::unordered_map<Color, int> indexOf;
    Color last = canvas.FontCell(0, 0);
    table.push_back({last, 1});
    indexOf[last] = 0;

    MainColorScan scan;
    const int cols = canvas.colCount();
    for (int y = 0; y < canvas.rowCount(); ++y) {
        if (beforeRow && !beforeRow(y)) {
            scan.stopped = true;
            scan.stoppedAtRow = y;
            break;
        }
        // A cell is skipped when it and every cell to its right are empty, i.e. beyond the
        // row's last non-empty cell. Finding that cell once keeps the scan linear.
        int lastText = cols - 1;
        while (lastText >= 0 && canvas.text(lastText, y).empty())
            --lastText;
        for (int x = 0; x <= lastText; ++x) {
            const Color c = canvas.FontCell(x, y);
            if (textOrBlank(canvas, x, y) == kBlank || c == last)
                continue;
            if (const auto found = indexOf.find(c); found != indexOf.end()) {
                ++table[static_cast<std::size_t>(found->second)].count;
            } else if (static_cast<int>(table.size()) < kMainColorTableSize) {
                table.push_back({c, 2});
                indexOf[c] = static_cast<int>(table.size()) - 1;
            } else {
                // The full table's last entry takes the new colour and keeps counting.
                Entry& lastEntry = table.back();
                indexOf.erase(lastEntry.color);
                lastEntry.color = c;
                ++lastEntry.count;
                indexOf[c] = kMainColorTableSize - 1;
            }
            last = c;
        }
    }
    std::size_t best = 0;
    for (std::size_t i = 1; i < table.size(); ++i) {
        if (table[i].count > table[best].count)
            best = i;
    }
    scan.color = table[best].color;
    return scan;
}

} // namespace glyphora
