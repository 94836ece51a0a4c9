#pragma once

#include "app/editor.h"

namespace glyphora {

// Block clipboard commands: cut, copy, the three text pastes (read from the system
// clipboard), delete, selection helpers, the colour clipboard and the paste preview.
void CutBlock(Editor& editor);
void CopyBlock(Editor& editor);
void PasteBlock(Editor& editor);
void PasteOver(Editor& editor);
void PasteUnder(Editor& editor);
void DeleteBlock(Editor& editor);
void SelectAll(Editor& editor);
void CopyAll(Editor& editor);
void CompleteCols(Editor& editor);
void CompleteRows(Editor& editor);
void CopyColorBlock(Editor& editor);
void PasteColorBlock(Editor& editor);
void TogglePastePreview(Editor& editor);
// The selection turned a quarter clockwise into the block clipboard (and as text onto the
// system clipboard); the canvas stays as it is.
void CopyRotated(Editor& editor);

// Starts the preview of the selected block (clipped to what the view shows).
void StartPastePreview(Editor& editor);
// Ends a running preview: "Paste preview deactivated.".
void stopPastePreview(Editor& editor);

// The selection navigator's buttons.
enum class NavStep {
    MoveLeft,
    MoveRight,
    MoveUp,
    MoveDown,
    LeftEdgeLeft,
    LeftEdgeRight,
    RightEdgeLeft,
    RightEdgeRight,
    TopEdgeUp,
    TopEdgeDown,
    BottomEdgeUp,
    BottomEdgeDown,
    CompleteRows, // "=="
    CompleteCols, // the two vertical bars
    None,         // "O"
};
// A step that would leave the canvas or turn the rectangle inside out is not taken.
void navigateSelection(Editor& editor, NavStep step);
void ShowSelectionNavigator(Editor& editor);

} // namespace glyphora
