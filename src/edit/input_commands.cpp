#include "edit/input_commands.h"

#include "edit/clipboard_commands.h"
#include "paint/manual_paint_commands.h"

#include <algorithm>

namespace glyphora {

namespace {

constexpr unsigned char kLastControlCode = 31;

unsigned char redefined(unsigned char ch) {
    switch (ch) {
    case '1':
        return '/';
    case '2':
        return '\\';
    case '4':
        return '_';
    case '5':
        return '|';
    default:
        return ch;
    }
}

} // namespace

void canvasTypeCharacter(Editor& editor, unsigned char ch) {
    if (editor.settings().RedefineKeys)
        ch = redefined(ch);
    if (ch <= kLastControlCode)
        return;
    CharCanvas& canvas = editor.canvas();
    SelectionFields& sel = editor.sel();
    const int col = sel.CursorCol;
    const int row = sel.CursorRow;
    canvas.setText(col, row, std::string_view(reinterpret_cast<const char*>(&ch), 1));
    if (manualPaintFontActive(editor))
        canvas.SetFontCell(col, row, editor.ActiveFontColor);
    if (manualPaintBackActive(editor))
        canvas.SetColorCell(col, row, editor.ActiveBackColor);

    sel.CursorCol = col + 1;
    sel.CursorRow = row;
    if (sel.CursorCol >= canvas.colCount()) {
        sel.CursorCol = 0;
        if (++sel.CursorRow >= canvas.rowCount())
            sel.CursorRow = 0;
    }
    editor.moveGridTo({sel.CursorCol, sel.CursorRow}, false);
    editor.syncSelectionFields();
}

void canvasKeyDown(Editor& editor) {
    editor.syncSelectionFields();
}

void canvasSelectCell(Editor& editor, CellPos cell) {
    SelectionFields& sel = editor.sel();
    const CellRect previous = editor.gridSelection();
    sel.CursorCol = sel.SelEndCol = cell.col;
    sel.CursorRow = sel.SelEndRow = cell.row;
    sel.SelStartCol = previous.right;
    sel.SelStartRow = previous.bottom;
    editor.status().setField(StatusBar::kPositionField,
                             StatusBar::positionText(cell.col, cell.row));
}

void canvasArrowKey(Editor& editor, int dCol, int dRow, bool shift) {
    canvasKeyDown(editor);
    const CellPos from = editor.gridCurrent();
    const CellPos to{std::clamp(from.col + dCol, 0, editor.canvas().colCount() - 1),
                     std::clamp(from.row + dRow, 0, editor.canvas().rowCount() - 1)};
    if (to == from)
        return;
    canvasSelectCell(editor, to);
    editor.moveGridTo(to, shift);
}

void canvasMoveKey(Editor& editor, GridMove move, bool shift) {
    const CellPos from = editor.gridCurrent();
    const int lastCol = editor.canvas().colCount() - 1;
    const int lastRow = editor.canvas().rowCount() - 1;
    const int page = std::max(editor.visibleRows, 1);
    CellPos to = from;
    switch (move) {
    case GridMove::PageUp:
        to.row = std::max(from.row - page, 0);
        break;
    case GridMove::PageDown:
        to.row = std::min(from.row + page, lastRow);
        break;
    case GridMove::RowStart:
        to.col = 0;
        break;
    case GridMove::RowEnd:
        to.col = lastCol;
        break;
    case GridMove::CanvasStart:
        to = {0, 0};
        break;
    case GridMove::CanvasEnd:
        to = {lastCol, lastRow};
        break;
    }
    if (move == GridMove::PageUp || move == GridMove::PageDown) {
        const int step = move == GridMove::PageUp ? -page : page;
        const int lastTop = std::max(lastRow + 1 - page, 0);
        editor.scrollTo(editor.firstVisibleCol,
                        std::clamp(editor.firstVisibleRow + step, 0, lastTop));
    }
    canvasArrowKey(editor, to.col - from.col, to.row - from.row, shift);
}

void canvasMousePress(Editor& editor, CellPos cell, MouseButton button, Modifiers mods) {
    if (button == MouseButton::Left) {
        editor.moveGridTo(cell, mods.shift);
        // The fields take the highlighted rectangle at once, not at the next mouse move.
        editor.syncSelectionFields();
    }
    canvasMouseDown(editor, button, mods);
}

void canvasMouseRelease(Editor& editor) {
    editor.syncSelectionFields();
}

void canvasMouseDown(Editor& editor, MouseButton button, Modifiers mods) {
    PastePreview& preview = editor.preview;
    if (preview.PreviewActive) {
        if (button == MouseButton::Right) {
            stopPastePreview(editor);
            return;
        }
        if (button != MouseButton::Left)
            return;
        if (mods.ctrl)
            PasteOver(editor);
        else if (mods.alt)
            PasteUnder(editor);
        else if (preview.PasteWithColor)
            PasteColorBlock(editor);
        else
            PasteBlock(editor);
        stopPastePreview(editor);
        editor.status().setField(StatusBar::kMessageField, {});
        return;
    }
    if (button == MouseButton::Left && mods.ctrl && editor.textClip.ClipboardFilled) {
        editor.ui().beep();
        const SelectionFields& sel = editor.sel();
        editor.setGridSelection({sel.SelEndCol, sel.SelEndRow,
                                 sel.SelEndCol + editor.textClip.ClipLastCol,
                                 sel.SelEndRow + editor.textClip.ClipLastRow});
    }
}

void canvasMouseMove(Editor& editor, CellPos cell, bool leftHeld, Modifiers mods) {
    PastePreview& preview = editor.preview;
    if (leftHeld && !preview.PreviewActive)
        editor.moveGridTo(cell, true);
    editor.syncSelectionFields();
    if (mods.shift)
        ShiftMouseMovePaint(editor, cell.col, cell.row);
    if (preview.PreviewActive) {
        preview.col = std::clamp(cell.col, 0, editor.canvas().colCount() - 1);
        preview.row = std::clamp(cell.row, 0, editor.canvas().rowCount() - 1);
    }
}

void canvasDoubleClick(Editor& editor) {
    const ColorMode mode = editor.colorMode();
    if (mode == ColorMode::Plain)
        return;
    CharCanvas& canvas = editor.canvas();
    const int col = editor.sel().CursorCol;
    const int row = editor.sel().CursorRow;
    canvas.SetFontCell(col, row, editor.ActiveFontColor);
    if (mode == ColorMode::FullColored || mode == ColorMode::Ansi)
        canvas.SetColorCell(col, row, editor.ActiveBackColor);
}

void paintBarMouseDown(Editor& editor) {
    stopPastePreview(editor);
}

void ToggleKeyRedefinition(Editor& editor) {
    editor.settings().RedefineKeys = !editor.settings().RedefineKeys;
}

} // namespace glyphora
