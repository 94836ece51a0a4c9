#pragma once

#include "canvas/char_canvas.h"
#include "platform/progress.h"

#include <array>
#include <string>
#include <string_view>

namespace glyphora {

// The 95 printable characters ordered from light (position 1, the space) to dark
// (position 95, "#"): the grey levels the palette and brightness commands work on.
inline constexpr std::string_view kBrightnessRamp =
    " .`,'_~-^:;\"*!{}|<>()?\\/=+[]icf1jltr&vneaouzsxbhdkpqygmw$IJC7LT23SV45HNUDYAP69BG0OR8QEF"
    "ZKX%MW@#";
inline constexpr int kRampLength = 95;

// The ramp position (1..95) of a character, or 0 when it is not on the ramp.
int rampPosition(char ch);

// The characters of the ramp found on the canvas: position k of the marker string holds
// ramp character k once it was seen, a space otherwise. Empty cells become spaces on the
// way, and the space itself is never counted.
struct UsedCharacters {
    std::string marker = std::string(kRampLength, ' ');
    int count = 0;
};
UsedCharacters countUsedCharacters(CharCanvas& canvas);

enum class PaletteSource { Global, Current };

struct PaletteChoice {
    int colors = 0; // n, the number of segments
    PaletteSource source = PaletteSource::Global;
    bool forceBlackWhite = false;
};

// What every byte becomes under the reduction, -1 for "unchanged": the ramp is cut into n
// segments of q = Round(95 / n) characters (segment i starting at position max(q x i, 1),
// so neighbours share a character), and a character is replaced by the representative of
// each segment that holds it, the segments tried in order on the character as it stands.
using CharMap = std::array<int, 256>;
CharMap paletteReductionMap(const PaletteChoice& choice, const UsedCharacters& used);

// Moves every ramp character by -steps along the ramp (a positive step lightens), held at
// the ends; other characters are unchanged.
CharMap brightnessMap(int steps);

// Applies a map to the first character of every cell (empty cells count as spaces), row by
// row with the progress bar; a cell that changes keeps only the new character.
void applyCharMap(CharCanvas& canvas, const CharMap& map, Progress& progress);

} // namespace glyphora
