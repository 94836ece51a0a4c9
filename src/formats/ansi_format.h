#pragma once

#include "canvas/char_canvas.h"
#include "platform/progress.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace glyphora {

// ANSI art ".ans": text for a DOS-style text screen, with escape sequences that select one
// of the 16 palette colours.

// At most this many columns of a row are written; a DOS screen wraps at the 80th.
inline constexpr int kAnsiWrittenColumns = 79;
// What the start text is unless the user gives another: mode 3, clear screen and the ESC
// that the first colour sequence follows.
inline constexpr std::string_view kAnsiStartPreset = "\x1b[=3h\x1b[2J\x1b";

// The file's bytes: the start text, "[0;37;40m", then every row (its first 79 columns) with
// a colour sequence wherever the colours differ from the last one written, even across
// rows, and CR LF after each row. Only in Ansi mode are the cells' colours looked up in the
// palette; elsewhere every cell is written as light grey on black. Empty cells are written
// as spaces and hold " " afterwards.
std::string encodeAnsi(CharCanvas& canvas, ColorMode mode, std::string_view startText,
                       Progress& progress);

struct AnsiWriteResult {
    bool written = false;
    // Columns beyond the 79th that no row carries.
    int droppedColumns = 0;
};
// Writes encodeAnsi's bytes so that a failed save leaves an existing file as it was.
AnsiWriteResult writeAnsi(const std::filesystem::path& path, CharCanvas& canvas, ColorMode mode,
                          std::string_view startText, Progress& progress);

} // namespace glyphora
