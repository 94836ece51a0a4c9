#pragma once

#include "canvas/char_canvas.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace glyphora {

// The folder of the program directory that holds the "*.pat" files.
inline constexpr std::string_view kPatternFolder = "pattern";
inline constexpr std::string_view kPatternExtension = ".pat";

// Region fill: the 4-connected cells whose text equals oldText, reached from (x, y), get
// newText. A fill reads an empty cell as " " and stores " " into it, also where the cell
// is only looked at (the neighbours around the area). The area may be the whole canvas:
// the fill keeps its own work list. An empty newText is stored as " ". Returns the number
// of cells filled; nothing is filled when newText equals oldText.
long long Floodfill(CharCanvas& canvas, int x, int y, std::string_view newText,
                    std::string_view oldText);

// The cells of a flood area, row by row over the whole canvas.
struct CellMask {
    int cols = 0;
    int rows = 0;
    std::vector<std::uint8_t> cells;
    bool contains(int x, int y) const {
        return x >= 0 && y >= 0 && x < cols && y < rows &&
               cells[static_cast<std::size_t>(y) * static_cast<std::size_t>(cols) +
                     static_cast<std::size_t>(x)] != 0;
    }
};

// The area Floodfill would fill from (x, y) with the cell's own text as oldText, marked in
// a mask instead of written. Empty cells looked at become " " as in Floodfill.
CellMask floodArea(CharCanvas& canvas, int x, int y);

// Every empty cell of the canvas becomes " ".
void blankEmptyCells(CharCanvas& canvas);

// A pattern: one line per pattern row, lines may differ in length.
using PatternLines = std::vector<std::string>;

// Lines of a pattern file, or nothing for a missing, unreadable, binary or empty file.
std::optional<PatternLines> readPatternFile(const std::filesystem::path& path);

// Tiles the pattern, anchored at cell (0, 0), over every cell whose text equals
// background: cell (x, y) gets character x mod m of line y mod n. Rows are done top to
// bottom; an empty pattern line (or no line at all) stops the tiling there and gives false,
// leaving the rows done so far filled.
bool tilePattern(CharCanvas& canvas, const PatternLines& pattern, std::string_view background);
// The same over the cells of the mask.
bool tilePattern(CharCanvas& canvas, const PatternLines& pattern, const CellMask& area);

// The pattern folder of the program directory. On file systems that tell case apart, the
// folder "pattern" is preferred and any other spelling of it (such as "Pattern") found.
std::filesystem::path patternDirectory(const std::filesystem::path& programDir);

// The names of the "*.pat" files in the folder (extension in any case), sorted.
std::vector<std::string> listPatternFiles(const std::filesystem::path& directory);

} // namespace glyphora
