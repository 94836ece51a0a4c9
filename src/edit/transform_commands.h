#pragma once

#include "edit/transforms.h"
#include "platform/ui.h"

namespace glyphora {

class Editor;

// "Flip &vert." / "Flip &horz.": mirror the selection, then ask whether to flip the
// direction-dependent characters too. The whole command is one undo step.
void FlipVertical(Editor& editor);
void FlipHorizontal(Editor& editor);
// "Flip &char's" > "&horz." / "&vert.": the character flip alone, with the table file of
// the settings or the built-in table.
void FlipCharsHorz(Editor& editor);
void FlipCharsVert(Editor& editor);
void Crop(Editor& editor);
void CenterRows(Editor& editor);
void DeleteSelectedRows(Editor& editor);
void DeleteSelectedCols(Editor& editor);
void InsertRowAtCursor(Editor& editor);
void InsertColAtCursor(Editor& editor);
void SetCanvas(Editor& editor);
void ResizeCanvas(Editor& editor);
void NewCanvas(Editor& editor);

// The block "C&opy 90° rotated" copies: the normalised selection (no undo snapshot) turned
// clockwise, by rows. The command hands it to the internal clipboard and the system one.
CellBlock rotatedSelection(Editor& editor);

} // namespace glyphora
