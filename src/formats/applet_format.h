#pragma once

#include "canvas/char_canvas.h"
#include "platform/progress.h"

#include <string>
#include <string_view>

namespace glyphora {

// The data a text-art viewer applet takes as a page parameter. Colours are coded as one
// decimal digit per channel, red first ("909" is full magenta), in codes that start with
// "\xA7": "\xA7" + digits + "f" for a foreground, + "F" for a background, written only where
// they change (across rows too). Each row ends with "\xE4" and CR LF. Empty cells are written
// as, and become, " ".
std::string encodeAppletData(CharCanvas& canvas, Progress& progress);

// The run-length form of the plain data: runs of three or more equal bytes as
// "\xA7" + count + "X" + the byte, colour codes copied, and no control bytes (no line ends).
std::string runLengthAppletData(std::string_view plain);

// The run-length form is written beside the plain data, under its name and this ending.
inline constexpr const char* kRunLengthCompanionSuffix = "_RLE";

// One digit 0..9 for a colour channel 0..255.
int appletColorDigit(int channel);

} // namespace glyphora
