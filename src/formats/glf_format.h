#pragma once

#include "canvas/char_canvas.h"
#include "platform/progress.h"

#include <cstdint>
#include <filesystem>

namespace glyphora {

// The full-attribute document ".glf": 3-byte records, no signature. Five header records
// (width, mode; height, font size; cell width, cell height, grid line width; default
// background; default foreground), then three records per cell in row order: foreground
// red green blue, background red green blue, the character byte and two zeros.
inline constexpr std::uint64_t kGlfHeaderBytes = 15;
inline constexpr std::uint64_t kGlfCellBytes = 9;
// Width and height are stored in two bytes each.
inline constexpr int kGlfMaxSide = 0xFFFF;

std::uint64_t glfFileSize(std::uint64_t width, std::uint64_t height);
// 1 Plain, 2 FontColored, 3 FullColored, 4 Ansi; any other byte reads as FullColored.
std::uint8_t glfModeByte(ColorMode mode);
ColorMode glfModeFromByte(std::uint8_t byte);

// Writes the canvas. Every cell's foreground is read through the creating accessor, so all
// cells have own fonts afterwards, and empty cells are stored as " " in the canvas too. In
// Plain mode the two defaults are written as white and black. The file is first written
// beside the target and then put in its place, so a failed save leaves an existing file as
// it was. False when the file could not be written or the canvas is too large for the
// format's two-byte sizes.
bool writeGlf(const std::filesystem::path& path, CharCanvas& canvas, ColorMode mode,
              Progress& progress);

enum class GlfReadStatus {
    Complete,
    // Missing, unreadable, or a header that does not fit the file (a file longer than the
    // header says, a zero or unholdable size): nothing was changed.
    Refused,
    // The file ended early: the canvas has the header's width and the header's height,
    // but never more rows than the file reaches plus one; it holds the cells read so far,
    // and cells not reached keep their previous text and colours.
    CutShort,
};

struct GlfReadResult {
    GlfReadStatus status = GlfReadStatus::Refused;
    // From the header, valid unless refused.
    ColorMode mode = ColorMode::FullColored;
    Color defaultFont = kBlack;
    Color defaultBack = kWhite;
};

// Reads the file into the canvas: size, font size (kept within 2..30), cell size, the two
// defaults and every cell. A cell gets an own font in every mode (in Plain mode with the
// default colour) and, outside Plain mode, an own background; in Plain mode its own
// background is removed so it shows the file's white default.
GlfReadResult readGlf(const std::filesystem::path& path, CharCanvas& canvas, Progress& progress);

} // namespace glyphora
