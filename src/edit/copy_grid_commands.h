#pragma once

namespace glyphora {

class Editor;

// "&File > Open file in &copy grid", and "Close" of the grid's pop-up menu: shows the copy
// grid pane, or hides it when shown.
void ToggleCopyGridPane(Editor& editor);

// The copy grid's pop-up menu. None of them takes an undo snapshot: the grid has no undo.
// "Open": a text file into the grid, one character per cell.
void LoadCopyGridFile(Editor& editor);
// "Save": the grid as a text file of full-width lines; an existing file is replaced only
// after "File exists. Overwrite ?" and only once every byte is written.
void SaveCopyGridFile(Editor& editor);
// "New": a blank grid of the size asked for ("New Canvas:").
void RenewCopyGrid(Editor& editor);
// "Copy": the selection into the block clipboard and onto the system clipboard.
void CopyFromCopyGrid(Editor& editor);
// "Paste": the system clipboard's text at the selection, cut to the grid.
void PasteIntoCopyGrid(Editor& editor);
// "Delete": the selection's cells become blanks.
void BlankCopyGridSelection(Editor& editor);
// "Select All".
void SelectWholeCopyGrid(Editor& editor);

bool copyGridVisible(const Editor& editor);

} // namespace glyphora
