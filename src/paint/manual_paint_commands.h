#pragma once

namespace glyphora {

class Editor;

// The three "Manual (Shift+mousemove)" switches: "&Paint" (the SOLID character) and the
// font and background items of "&ColorTools". Each toggles its check mark.
void ManualPaintChar(Editor& editor);
void ManualPaintFont(Editor& editor);
void ManualPaintBack(Editor& editor);
bool isManualPaintCharChecked(const Editor& editor);
bool isManualPaintFontChecked(const Editor& editor);
bool isManualPaintBackChecked(const Editor& editor);

// Whether a colour switch acts: checked, and its item enabled in the present mode (a mode
// switch disables the item but leaves the check mark). Typing uses these too.
bool manualPaintFontActive(const Editor& editor);
bool manualPaintBackActive(const Editor& editor);

// The canvas view calls this for a mouse movement with Shift held over the cell (col, row):
// the switched-on parts are painted; a position outside the canvas changes nothing. No undo
// snapshot is taken. Returns whether a cell changed or could have.
bool ShiftMouseMovePaint(Editor& editor, int col, int row);

} // namespace glyphora
