#pragma once

#include "platform/text_font.h"

namespace glyphora {

class Editor;

// Commands on the canvas view, the text view and undo.
void RefreshFont(Editor& editor);
void ChooseFont(Editor& editor);
// What a font chosen in the font dialog does: the canvas default takes it (size clamped),
// then every cell, keeping the foreground it shows.
void applyCanvasFont(Editor& editor, TextFont font);
void ToggleGrid(Editor& editor);
void ToggleCp437Glyphs(Editor& editor);
void IncreaseFontSize(Editor& editor);
void DecreaseFontSize(Editor& editor);
void ToggleCellExpansion(Editor& editor);
void ToggleTextView(Editor& editor);
void ToggleSaveOptimized(Editor& editor);
void Undo(Editor& editor);
void ToggleUndo(Editor& editor);

} // namespace glyphora
