#include "canvas/canvas_commands.h"

#include "app/editor.h"

#include <algorithm>

namespace glyphora {

namespace {

constexpr const char* kNoUndo = " No undo possible.";

} // namespace

void RefreshFont(Editor& editor) {
    // Cells keep their present colour; name, size and style are the canvas's anyway.
    editor.canvas().giveEveryCellOwnFont();
    editor.ui().repaintCanvas();
}

void ChooseFont(Editor& editor) {
    const std::optional<TextFont> chosen = editor.ui().chooseFont(editor.canvas().font());
    if (chosen)
        applyCanvasFont(editor, *chosen);
}

void applyCanvasFont(Editor& editor, TextFont font) {
    font.size = std::clamp(font.size, Editor::kMinFontSize, Editor::kMaxFontSize);
    // The default takes the chosen font and colour first; then every cell gets the new font
    // with the foreground it shows now, so all cells keep following one rule.
    editor.canvas().setFont(font);
    editor.canvas().giveEveryCellOwnFont();
    editor.updateCellSize();
    editor.ui().repaintCanvas();
}

void ToggleGrid(Editor& editor) {
    editor.setShowGrid(editor.canvas().metrics.gridLineWidth == 0);
}

void ToggleCp437Glyphs(Editor& editor) {
    editor.setGlyphSet(editor.glyphSet() == CharSet::Cp437 ? CharSet::Windows1252
                                                           : CharSet::Cp437);
}

void IncreaseFontSize(Editor& editor) {
    editor.ApplyFontSize(editor.canvas().font().size + 1);
}

void DecreaseFontSize(Editor& editor) {
    editor.ApplyFontSize(editor.canvas().font().size - 1);
}

void ToggleCellExpansion(Editor& editor) {
    editor.cellExpansionDisabled = !editor.cellExpansionDisabled;
    editor.updateCellSize();
}

void ToggleTextView(Editor& editor) {
    BusyCursor busy(editor.ui());
    TextView& view = editor.textView();
    if (view.visible) {
        TextToGrid(view.lines, editor.canvas());
        view.visible = false;
    } else {
        view.lines = GridToText(editor.canvas());
        view.visible = true;
    }
}

void ToggleSaveOptimized(Editor& editor) {
    editor.settings().SaveOptimized = !editor.settings().SaveOptimized;
}

void Undo(Editor& editor) {
    if (!editor.settings().EnableUndo)
        return;
    BusyCursor busy(editor.ui());
    const int col = editor.firstVisibleCol;
    const int row = editor.firstVisibleRow;
    if (!editor.undoRing().undo(editor.canvas(), editor.settings().UndoSteps)) {
        editor.StatusMessage(kNoUndo);
        return;
    }
    editor.Refresh();
    editor.scrollTo(col, row);
}

void ToggleUndo(Editor& editor) {
    editor.settings().EnableUndo = !editor.settings().EnableUndo;
}

} // namespace glyphora
