#pragma once

#include "color/color_window.h"
#include "platform/color.h"

#include <optional>

namespace glyphora {

class Editor;

// The main window's colouring state beyond the canvas and the active colours: the manual
// painting switches, the colour bar, the colour dialog's memory and the colour window with
// its link.
struct ColorState {
    // The three manual painting switches (check marks), off at start and not stored.
    bool ManualPaintChar = false;
    bool ManualPaintFont = false;
    bool ManualPaintBack = false;

    // The colour bar above the canvas.
    bool colorBarShown = false;

    // The colour the platform colour dialog holds: it presets the next showing unless the
    // command presets it itself, and takes the chosen colour on OK.
    Color dialogColor = kBlack;

    // The colour dialog window while it is open ("Color &Dialog Window" is checked then).
    std::optional<ColorWindowModel> colorWindow;
    // Notifications posted and not yet handled, one queue per receiver.
    NotificationQueue toColorWindow;
    NotificationQueue toMainWindow;
};

} // namespace glyphora
