#pragma once

#include "canvas/char_canvas.h"

#include <cstdint>
#include <string>

namespace glyphora {

// The figures "I&mage Info" reports about the canvas.
struct ImageStatistics {
    int rows = 0;
    int cols = 0;
    int distinct = 0;       // different first characters, at most 256
    long long extended = 0; // cells whose first character code is above 126
    long long control = 0;  // and below 32
};

// Counts over every cell; an empty cell is first set to a blank, as every tool that reads
// the canvas cell by cell does.
ImageStatistics countImageStatistics(CharCanvas& canvas);

// The bits a character of d different ones needs, as the message counts them: 1 below 4,
// 2 below 8, ... 7 below 256, else 8. The message shows one more.
int bitFigure(int distinct);

// The message text, lines broken by CR; allocatedBytes shown in whole kilobytes.
std::string imageInfoText(const ImageStatistics& figures, std::uint64_t allocatedBytes);

} // namespace glyphora
