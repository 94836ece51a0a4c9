#pragma once

#include "canvas/char_canvas.h"

#include <optional>
#include <string_view>

namespace glyphora {

// The main colours a mode starts with; the active colours take the same values.
struct ModeDefaults {
    Color mainFont;
    Color mainBack;
};

// Nothing for FullColored, which keeps whatever the document holds.
std::optional<ModeDefaults> colorModeDefaults(ColorMode mode);

// What entering a mode does to the canvas: Plain and Ansi drop every own colour,
// FontColored every own background, FullColored nothing; then the mode's main colours.
void applyColorModeEntry(CharCanvas& canvas, ColorMode mode);

// The question asked before entering a mode while info messages are on; empty for
// FullColored, which asks nothing.
std::string_view modeSwitchQuestion(ColorMode mode);

// The enabling table of the colouring menu items by mode.
// "Special" submenu, grey scale and the foreground transforms.
bool colorSpecialEnabled(ColorMode mode);
// The background transforms and the foreground/background swap.
bool backgroundSpecialEnabled(ColorMode mode);
// The colour window and the "F O N T :" group: colour selection, active font colour, fill,
// replace, manual painting and reset of the foreground.
bool fontColorToolsEnabled(ColorMode mode);
// The "BACKGROUND:" group.
bool backColorToolsEnabled(ColorMode mode);
// "Main font color" and "Main background color".
bool mainColorsEnabled(ColorMode mode);

// The colour bar's visibility after the mode's menus are updated: hidden in Plain, shown
// with the paint bar, otherwise as it was.
bool colorBarShownAfterUpdate(ColorMode mode, bool paintbarChecked, bool shownBefore);

} // namespace glyphora
