#pragma once

#include "color/color_window.h"

namespace glyphora {

class Editor;

// "Color &Dialog Window": opens the colour window and tells it the active colours, or
// closes it when it is open.
void ToggleColorWindow(Editor& editor);
bool isColorWindowChecked(const Editor& editor);
// The window was closed from its own system menu: the check mark goes.
void ColorWindowClosed(Editor& editor);

// What the user does in the open colour window; each posts its notifications to the main
// window. Nothing happens while the window is closed.
void ColorWindowClick(Editor& editor, ColorWindowImage image, int x, int y, MouseButton button);
// Tool button 1..6, left to right.
void ColorWindowToolButton(Editor& editor, int button);
// "Extended": the platform colour dialog fills the free-colour swatch; nothing is sent.
void ColorWindowExtended(Editor& editor);

// The main window's handling of one notification from the colour window: 1025 and 1026
// set the active colours, 1027 shows an error text, 1028 runs a command.
void ColorWindowNotification(Editor& editor, const ColorNotification& notification);
// Handles the posted notifications in order, in both directions, until none is left.
void DeliverColorNotifications(Editor& editor);

} // namespace glyphora
