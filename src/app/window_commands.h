#pragma once

namespace glyphora {

class Editor;

// The main window's own switches and commands.
void TogglePaintbar(Editor& editor);
void ToggleInfoMessages(Editor& editor);
void ToggleShowInTask(Editor& editor);
void ToggleStatusbar(Editor& editor);
void ToggleStayOnTop(Editor& editor);
void RefreshWindow(Editor& editor);
// Ends the program when the close query agrees.
void ExitProgram(Editor& editor);

// Asked whenever the window is to close: " Close program ? " while info messages are on.
bool closeQuery(Editor& editor);

} // namespace glyphora
