#pragma once

#include "canvas/char_canvas.h"
#include "platform/progress.h"

#include <array>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace glyphora {

// Whether a loop that polls Escape ran to its end.
enum class EffectRun { Completed, Aborted };

// ---- Invert ----------------------------------------------------------------------------

// An invert table file: line k (from 1) holds in its third character what the character of
// code 31 + k becomes; a line shorter than three characters or a missing one gives an
// empty cell.
struct InvertTable {
    std::vector<std::string> lines;
};

// Nothing when the file is missing, unreadable or binary.
std::optional<InvertTable> readInvertTable(const std::filesystem::path& path);

// What the table makes of a cell: its first character (codes outside 32..126 count as "=",
// an empty cell as a space) looked up by line.
std::string invertedByTable(const InvertTable& table, std::string_view cell);
// The built-in pattern: visual opposites for a few characters, 158 - code for the rest of
// the printable ones, "8" for anything else.
std::string invertedBuiltIn(std::string_view cell);

// Inverts every cell of the rectangle, row by row, with the table or (without one) the
// built-in pattern. Escape is polled before every cell; work done stays.
EffectRun invertCells(CharCanvas& canvas, const CellRect& rect, const InvertTable* table,
                      Progress& progress);

// ---- Line-art pre-conversion ---------------------------------------------------------------

// One record of the line-art table: the 3 x 3 mask ("*" a non-blank cell, " " a blank one,
// row by row from the top left) and the character a matching cell becomes. A record with a
// pattern row shorter than three characters matches nothing.
struct LineArtRecord {
    std::string mask; // nine characters, or empty when the record matches nothing
    char replacement = ' ';
};

struct LineArtTable {
    std::vector<LineArtRecord> records;
    // For each of the 512 masks (bit 8 the top-left cell ... bit 0 the bottom-right one) the
    // character of the first matching record, or -1.
    std::array<int, 512> firstMatch{};
};

// Records of four lines (a separator, then three pattern rows; the second row's sixth
// character is the replacement) until a separator "END" or the end of the text.
LineArtTable parseLineArtTable(const std::vector<std::string>& lines);

// Thins lines to one cell: a non-blank cell with both a horizontal and a vertical non-blank
// neighbour becomes a space, judged on the canvas as it is being changed. Cells outside the
// canvas count as blank; empty cells become spaces first.
void reduceLineWidth(CharCanvas& canvas, Progress& progress);

// Replaces every non-blank cell whose neighbourhood matches a record by that record's
// character, row by row, in place (later cells see earlier replacements). Empty cells become
// spaces first; cells outside the canvas count as blank. Escape is polled before every cell.
EffectRun preconvertLineArt(CharCanvas& canvas, const LineArtTable& table, Progress& progress);

// ---- Dot lines and random art -----------------------------------------------------------

// Rewrites line art of "_", "/", "\" and "|" into dotted line art by nine neighbourhood
// rules, each on the canvas as it is being changed.
void makeDotLines(CharCanvas& canvas, Progress& progress);

// Draws a printable character: code 32 + Round(r x 94), r uniform in [0, 1).
char randomPrintable(std::mt19937& random);
// Every cell that is neither empty nor a space gets a random character.
void randomArtEvery(CharCanvas& canvas, std::mt19937& random);
// Each distinct single character other than space gets one random replacement, drawn in
// the order the characters first occur (row by row), and keeps it everywhere.
void randomArtDistinct(CharCanvas& canvas, std::mt19937& random);

} // namespace glyphora
