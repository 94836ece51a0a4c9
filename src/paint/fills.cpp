#include "paint/fills.h"

#include "paint/span_fill.h"
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

// Looks at a cell as a fill does: an empty cell becomes " " first.
bool holds(CharCanvas& canvas, int x, int y, std::string_view text) {
    const std::string_view cell = canvas.text(x, y);
    if (cell.empty()) {
        canvas.setText(x, y, kBlank);
        return text == kBlank;
    }
    // Cells nearly always hold one byte: compared without a library call.
    if (cell.size() != text.size())
        return false;
    return cell.size() == 1 ? cell[0] == text[0] : cell == text;
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
        canvas.colCount(), canvas.rowCount(), x, y,
        [&](int cx, int cy) { return holds(canvas, cx, cy, oldText); },
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
        mask.cols, mask.rows, x, y,
        [&](int cx, int cy) { return !at(cx, cy) && holds(canvas, cx, cy, oldText); },
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
    return listFilesWithExtensions(directory, {kPatternExtension});
}

} // namespace glyphora
