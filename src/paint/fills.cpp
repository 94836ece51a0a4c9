#include "paint/fills.h"

#include "platform/text_case.h"
#include "platform/text_file.h"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace glyphora {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kBlank = " ";
// Pattern files are small drawings; anything larger is not one.
constexpr std::uintmax_t kMaxPatternFileBytes = 4 * 1024 * 1024;

struct Span {
    int left;
    int right;
    int row;
};

// Looks at a cell as a fill does: an empty cell becomes " " first.
bool holds(CharCanvas& canvas, int x, int y, std::string_view text) {
    if (canvas.text(x, y).empty())
        canvas.setText(x, y, kBlank);
    return canvas.text(x, y) == text;
}

// Span fill: each seed grows to the widest run of its row, and the rows above and below the
// run are looked at cell by cell, so every neighbour of the area is visited. open(x, y)
// tells whether a cell belongs to the area and is not taken yet; take(left, right, row)
// takes a run, after which its cells are no longer open. The work list replaces recursion,
// since the area may be the whole canvas.
template <typename Open, typename Take>
long long spanFill(const CharCanvas& canvas, int x, int y, Open open, Take take) {
    long long filled = 0;
    std::vector<std::pair<int, int>> seeds{{x, y}};
    while (!seeds.empty()) {
        const auto [sx, sy] = seeds.back();
        seeds.pop_back();
        if (!open(sx, sy))
            continue; // taken meanwhile from another seed
        Span span{sx, sx, sy};
        while (span.left > 0 && open(span.left - 1, sy))
            --span.left;
        while (span.right + 1 < canvas.colCount() && open(span.right + 1, sy))
            ++span.right;
        take(span.left, span.right, sy);
        filled += span.right - span.left + 1;
        for (const int ny : {sy - 1, sy + 1}) {
            if (ny < 0 || ny >= canvas.rowCount())
                continue;
            bool inRun = false;
            for (int cx = span.left; cx <= span.right; ++cx) {
                const bool isOpen = open(cx, ny);
                if (isOpen && !inRun)
                    seeds.push_back({cx, ny});
                inRun = isOpen;
            }
        }
    }
    return filled;
}

// Tiles the pattern over the cells selected(x, y) names; see tilePattern.
template <typename Selected>
bool tileCells(CharCanvas& canvas, const PatternLines& pattern, Selected selected) {
    if (pattern.empty())
        return false;
    const int rows = canvas.rowCount();
    const int cols = canvas.colCount();
    // The file is read again from its start until the rows are used up; a pass may run past
    // the last row, and an empty line met there still ends the tiling as an error.
    int y = 0;
    while (y < rows) {
        for (const std::string& line : pattern) {
            if (line.empty())
                return false;
            if (y < rows) {
                const std::size_t m = line.size();
                for (int x = 0; x < cols; ++x) {
                    if (selected(x, y))
                        canvas.setText(x, y,
                                       std::string_view(&line[static_cast<std::size_t>(x) % m], 1));
                }
            }
            ++y;
        }
    }
    return true;
}

} // namespace

long long Floodfill(CharCanvas& canvas, int x, int y, std::string_view newText,
                    std::string_view oldText) {
    if (newText.empty())
        newText = kBlank;
    if (!canvas.contains(x, y) || !holds(canvas, x, y, oldText) || newText == oldText)
        return 0;
    return spanFill(
        canvas, x, y, [&](int cx, int cy) { return holds(canvas, cx, cy, oldText); },
        [&](int left, int right, int row) {
            for (int cx = left; cx <= right; ++cx)
                canvas.setText(cx, row, newText);
        });
}

CellMask floodArea(CharCanvas& canvas, int x, int y) {
    CellMask mask{canvas.colCount(), canvas.rowCount(), {}};
    mask.cells.assign(static_cast<std::size_t>(mask.cols) * static_cast<std::size_t>(mask.rows), 0);
    if (!canvas.contains(x, y))
        return mask;
    if (canvas.text(x, y).empty())
        canvas.setText(x, y, kBlank);
    const std::string oldText(canvas.text(x, y));
    const auto at = [&](int cx, int cy) -> std::uint8_t& {
        return mask.cells[static_cast<std::size_t>(cy) * static_cast<std::size_t>(mask.cols) +
                          static_cast<std::size_t>(cx)];
    };
    spanFill(
        canvas, x, y, [&](int cx, int cy) { return !at(cx, cy) && holds(canvas, cx, cy, oldText); },
        [&](int left, int right, int row) {
            for (int cx = left; cx <= right; ++cx)
                at(cx, row) = 1;
        });
    return mask;
}

void blankEmptyCells(CharCanvas& canvas) {
    for (int y = 0; y < canvas.rowCount(); ++y) {
        for (int x = 0; x < canvas.colCount(); ++x) {
            if (canvas.text(x, y).empty())
                canvas.setText(x, y, kBlank);
        }
    }
}

std::optional<PatternLines> readPatternFile(const fs::path& path) {
    std::optional<PatternLines> lines = readUserDataFileLines(path, kMaxPatternFileBytes);
    if (!lines || lines->empty())
        return std::nullopt;
    return lines;
}

bool tilePattern(CharCanvas& canvas, const PatternLines& pattern, std::string_view background) {
    return tileCells(canvas, pattern,
                     [&](int x, int y) { return canvas.text(x, y) == background; });
}

bool tilePattern(CharCanvas& canvas, const PatternLines& pattern, const CellMask& area) {
    return tileCells(canvas, pattern, [&](int x, int y) { return area.contains(x, y); });
}

fs::path patternDirectory(const fs::path& programDir) {
    return findDirectoryIgnoringCase(programDir, kPatternFolder)
        .value_or(programDir / kPatternFolder);
}

std::vector<std::string> listPatternFiles(const fs::path& directory) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(directory, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (equalsIgnoringCase(it->path().extension().string(), kPatternExtension) &&
            it->is_regular_file(ec))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace glyphora
