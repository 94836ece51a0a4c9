#pragma once

#include "canvas/char_canvas.h"
#include "platform/progress.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace glyphora {

// ANSI art ".ans": text for a DOS-style text screen, with escape sequences that move the
// cursor, clear the screen and select one of the 16 palette colours.

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

// The metadata record many files end with: "SAUCE00" in the last 128 bytes, optionally
// after a "COMNT" block, with a byte 26 before them both.
struct SauceRecord {
    bool present = false;
    // Where the art ends: before the byte 26 that precedes the record, or the whole file.
    std::size_t artEnd = 0;
    // Columns of a character file, as the record states them (0 when it states none).
    int width = 0;
    // The font name begins "IBM ": the art is in the DOS character set, never UTF-8.
    bool ibmFont = false;
};
SauceRecord findSauceRecord(std::string_view bytes);

enum class AnsiReadStatus {
    Complete,
    // The cursor went below the last row the canvas limit allows: the canvas holds the art
    // up to the last row drawn on before that.
    TooTall,
};

struct AnsiReadResult {
    AnsiReadStatus status = AnsiReadStatus::Complete;
    // The colours in force at the end of the file.
    Color activeFont = 0;
    Color activeBack = 0;
    // The emulated screen's width: 80, or wider when the record says so.
    int width = 0;
    // The art was UTF-8 and was read as the DOS character set.
    bool decodedUtf8 = false;
};

// The art's screen colours outside the palette: the start grey, and the grey after a lone
// reset parameter.
inline constexpr Color kAnsiStartGrey = rgb(0xA0, 0xA0, 0xA0);
inline constexpr Color kAnsiResetGrey = rgb(0xAA, 0xAA, 0xAA);

// The largest art file read: far beyond any art, and refused before it is read.
inline constexpr std::uintmax_t kMaxAnsiFileBytes = std::uintmax_t{256} << 20;

// Replaces the canvas with the art the file draws on an emulated text screen: 80 columns
// (or the record's width), 25 rows that grow downwards as the cursor goes. Every cell gets
// its own colours. The canvas keeps the rows a line end has finished, and the last row
// when something was drawn on it. maxCells bounds the screen, and with it the memory used.
AnsiReadResult readAnsi(std::string_view bytes, CharCanvas& canvas,
                        long long maxCells = CharCanvas::kMaxCells);

// The palette colour nearest to an RGB colour by squared distance, the lowest index on
// ties, among all 16 or among the 8 that can be backgrounds.
int nearestAnsiIndex(Color color, bool background);
// A colour of the 256-colour table: the 16 palette colours, the 6 x 6 x 6 cube, 24 greys.
Color colorOf256Index(int index);

} // namespace glyphora
