#pragma once

#include "app/editor.h"
#include "platform/input.h"

namespace glyphora {

// Keyboard and mouse on the canvas. Cells change only through these and the commands;
// there is no in-place cell editor.

// A typed character (a byte of the code page): the redefined digit keys, control codes
// ignored, the manual colour switches, then the typewriter advance with wrap to (0, 0).
void canvasTypeCharacter(Editor& editor, unsigned char ch);
// Any key on the canvas: the fields take the grid's selection before the grid moves.
void canvasKeyDown(Editor& editor);
// The grid selects a cell (click or arrow key): cursor and current corner take the new
// cell at once, the other corner the previous selection's bottom-right.
void canvasSelectCell(Editor& editor, CellPos cell);
// An arrow key: the current cell moves; with Shift the selection stretches from its anchor.
void canvasArrowKey(Editor& editor, int dCol, int dRow, bool shift);
// The grid's other moves of the current cell: PgUp / PgDn, Home / End and Ctrl+Home /
// Ctrl+End.
enum class GridMove { PageUp, PageDown, RowStart, RowEnd, CanvasStart, CanvasEnd };
// A move key, taken like an arrow key (Shift extends). A page is the view's visible rows,
// and the view scrolls by as much, so the current cell keeps its place on the screen.
void canvasMoveKey(Editor& editor, GridMove move, bool shift);
// A mouse button pressed over a cell: the left button selects it (Shift extends), then
// the preview clicks and the Ctrl+click block of the clipboard's size.
void canvasMousePress(Editor& editor, CellPos cell, MouseButton button, Modifiers mods);
void canvasMouseDown(Editor& editor, MouseButton button, Modifiers mods);
// The mouse button released: the fields take the grid's selection as the drag left it.
void canvasMouseRelease(Editor& editor);
// The mouse over a cell (which may lie beyond the canvas): with the left button held it
// drags the selection; the fields follow the grid; with Shift held the manual painting
// switches paint the cell; a running paste preview follows the pointer.
void canvasMouseMove(Editor& editor, CellPos cell, bool leftHeld, Modifiers mods);
// Colours the cursor cell with the active colours the mode allows.
void canvasDoubleClick(Editor& editor);
// A mouse press on the paint bar.
void paintBarMouseDown(Editor& editor);

void ToggleKeyRedefinition(Editor& editor);

} // namespace glyphora
