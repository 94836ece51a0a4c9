#pragma once

#include "canvas/char_canvas.h"
#include "canvas/text_conversion.h"
#include "platform/progress.h"

#include <string>
#include <vector>

namespace glyphora {

// The content of the plain text file types. Building lines walks the canvas row by row
// (setBarPosition per row), and an empty cell is set to " " in the canvas first, so no empty cell
// is left afterwards. The file names, questions and the order of steps are the save
// dispatcher's.

inline constexpr const char* kCreatingText = "Creating text ...";
inline constexpr const char* kSaving = "Saving ...";
inline constexpr const char* kStepOneOfOne = "Step 1 of 1";
inline constexpr const char* kStepOneOfTwo = "Step 1 of 2";
inline constexpr const char* kStepTwoOfTwo = "Step 2 of 2";

// Windows text, Pattern, User defined; with csv each cell is followed by ";" (the last
// one included).
TextLines buildTextLines(CharCanvas& canvas, Progress& progress, bool csv = false);

// Standard ASCII text: a cell whose first byte is above 126 or below 32 becomes "?" in the
// canvas, counted as extended or control character.
struct AsciiLines {
    TextLines lines;
    long long extended = 0;
    long long control = 0;
};
AsciiLines buildAsciiLines(CharCanvas& canvas, Progress& progress);
// "Extended char. (>126): 1" CR "Control char. (<32): 1" CR CR "Conversion to "?" ..."
std::string asciiStatisticsMessage(long long extended, long long control);

// HTML plaintext: a cell whose whole text is <, >, " or & holds its entity while the page
// is written; restoreHtmlEscapes puts exactly those cells back.
struct EscapedCell {
    int col = 0;
    int row = 0;
    char original = 0;
};
TextLines buildHtmlPlainLines(CharCanvas& canvas, Progress& progress,
                              std::vector<EscapedCell>& escaped);
void restoreHtmlEscapes(CharCanvas& canvas, const std::vector<EscapedCell>& escaped);
// "<HTML><PRE>" before the first line, "</PRE></HTML>" after the last, CR LF line ends.
std::string htmlPlainBytes(const TextLines& lines);

// The lines with CR LF after every one.
std::string textFileBytes(const TextLines& lines);

} // namespace glyphora
