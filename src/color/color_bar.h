#pragma once

#include "canvas/char_canvas.h"

#include <array>
#include <optional>
#include <string>

namespace glyphora {

// The colour bar above the canvas: a "Foreground" and a "Background" strip of 16 swatches
// each, and the sample box "  Color" showing the active colours.
inline constexpr int kStripWidth = 320;
inline constexpr int kStripHeight = 24;
inline constexpr int kStripSwatchWidth = 20;
inline constexpr int kStripSwatchCount = 16;
// In Ansi mode the background strip offers only the eight normal colours: from here to
// its right end it is painted light grey.
inline constexpr int kAnsiBackgroundStripFrom = 140;
inline constexpr Color kAnsiBackgroundStripFill = 0xA0A8A0;

inline constexpr const char* kForegroundStripHint = "Foreground";
inline constexpr const char* kBackgroundStripHint = "Background";
inline constexpr const char* kSampleBoxText = "  Color";

// The swatches of the FontColored and FullColored modes: black, red, green, maroon, navy,
// purple, teal, silver, gray, olive, lime, yellow, blue, fuchsia, aqua, white.
inline constexpr std::array<Color, kStripSwatchCount> kWindowsPalette = {
    0x000000, 0x0000FF, 0x008000, 0x000080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
    0x808080, 0x008080, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};

// One strip: every pixel column has one colour from top to bottom.
struct ColorStrip {
    bool visible = false;
    std::array<Color, kStripWidth> columns{};

    // The colour of the pixel, nothing outside the strip.
    std::optional<Color> pixel(int x, int y) const;
};

struct ColorPanelImage {
    ColorStrip foreground;
    ColorStrip background;
};

// Draws the strips for a mode: Ansi gives the 16 ANSI colours and a background copy
// painted light grey from x = 140; FontColored shows the Windows palette as foreground only;
// FullColored shows it in both; Plain shows neither.
ColorPanelImage ColorPanel(ColorMode mode);

// The colour a click on a strip picks: the pixel under the mouse of a visible strip.
std::optional<Color> pickStripColor(const ColorStrip& strip, int x, int y);

// Status field 2: "Font color=#000000,   Backgroundcolor=#FFFFFF".
std::string setbarText(Color font, Color back);

} // namespace glyphora
