#pragma once

#include "platform/ui.h"

namespace glyphora {

class Editor;

// The main window's own switches and commands.
void TogglePaintbar(Editor& editor);
void ToggleInfoMessages(Editor& editor);
void ToggleShowInTask(Editor& editor);
void ToggleStatusbar(Editor& editor);
void ToggleStayOnTop(Editor& editor);
void RefreshWindow(Editor& editor);
// Ends the program when the close query agrees (which also writes the settings and
// removes the temporary and undo files).
void ExitProgram(Editor& editor);

// A window timer fired: the status timer clears the status message; the autosave timer saves the
// document while "Autosav&e" is checked.
void onTimer(Editor& editor, TimerId id);

} // namespace glyphora
