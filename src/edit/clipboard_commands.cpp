#include "edit/clipboard_commands.h"

#include "edit/transform_commands.h"

#include <algorithm>

namespace glyphora {

namespace {

constexpr const char* kPreviewHint =
    "Click = paste, Ctrl+Click = paste over, Alt+Click = paste under";
constexpr const char* kPreviewEnded = "Paste preview deactivated.";

// The block clipped to the canvas, since fields may point beyond a canvas that shrank.
CellRect clippedToCanvas(const Editor& editor, CellRect block) {
    block.right = std::min(block.right, editor.canvas().colCount() - 1);
    block.bottom = std::min(block.bottom, editor.canvas().rowCount() - 1);
    return block;
}

// The system clipboard holds text; cells hold bytes, read through the view's byte set so
// that a shade copied in the CP437 view comes back as the same byte.
void putOnSystemClipboard(Editor& editor, std::string_view bytes) {
    editor.ui().setClipboardText(bytesToUtf8(bytes, editor.glyphSet()));
}

void copyOrCut(Editor& editor, bool cut) {
    BusyCursor busy(editor.ui());
    if (cut)
        editor.normalizeSelection();
    else
        editor.normalizeSelectionWithoutSnapshot();
    const CellRect block = clippedToCanvas(editor, editor.sel().rect());
    // The preview shows the block as it was, before a cut blanks it.
    if (editor.settings().PastePreview)
        StartPastePreview(editor);
    copyToTextClip(editor.canvas(), block, editor.textClip, cut);
    putOnSystemClipboard(editor, blockRowsToText(editor.textClip));
}

void pasteText(Editor& editor, PasteMode mode) {
    BusyCursor busy(editor.ui());
    editor.takeUndoSnapshot();
    if (!readClipboardText(utf8ToBytes(editor.ui().clipboardText(), editor.glyphSet()),
                           editor.textClip))
        return;
    const int col = editor.sel().CursorCol;
    const int row = editor.sel().CursorRow;
    growToFit(editor.canvas(), col, row, editor.textClip.ClipLastCol, editor.textClip.ClipLastRow,
              editor.ActiveFontColor, editor.ActiveBackColor);
    writeBlock(editor.canvas(), editor.textClip, col, row, mode);
}

} // namespace

void CutBlock(Editor& editor) {
    copyOrCut(editor, true);
}
void CopyBlock(Editor& editor) {
    copyOrCut(editor, false);
    // A copy ends a locked picture overlay.
    if (editor.overlay.mode == PictureOverlay::Mode::Locked) {
        editor.overlay.clear();
        editor.ui().repaintCanvas();
    }
}
void PasteBlock(Editor& editor) {
    pasteText(editor, PasteMode::Plain);
}
void PasteOver(Editor& editor) {
    pasteText(editor, PasteMode::Over);
}
void PasteUnder(Editor& editor) {
    pasteText(editor, PasteMode::Under);
}

void DeleteBlock(Editor& editor) {
    editor.normalizeSelection();
    const CellRect block = clippedToCanvas(editor, editor.sel().rect());
    for (int r = block.top; r <= block.bottom; ++r)
        for (int c = block.left; c <= block.right; ++c)
            editor.canvas().setText(c, r, " ");
}

void SelectAll(Editor& editor) {
    editor.setGridSelection({0, 0, editor.canvas().colCount() - 1, editor.canvas().rowCount() - 1});
}

void CopyAll(Editor& editor) {
    SelectAll(editor);
    CopyBlock(editor);
}

void CompleteCols(Editor& editor) {
    editor.normalizeSelectionWithoutSnapshot();
    const SelectionFields& sel = editor.sel();
    editor.setGridSelection({sel.SelLeft, 0, sel.SelRight, editor.canvas().rowCount() - 1});
}

void CompleteRows(Editor& editor) {
    editor.normalizeSelectionWithoutSnapshot();
    const SelectionFields& sel = editor.sel();
    editor.setGridSelection({0, sel.SelTop, editor.canvas().colCount() - 1, sel.SelBottom});
}

void CopyColorBlock(Editor& editor) {
    BusyCursor busy(editor.ui());
    editor.normalizeSelectionWithoutSnapshot();
    editor.preview.PasteWithColor = true;
    const CellRect block = clippedToCanvas(editor, editor.sel().rect());
    putOnSystemClipboard(editor, copyToColorClip(editor.canvas(), block, editor.colorClip));
    if (editor.settings().PastePreview)
        StartPastePreview(editor);
}

void PasteColorBlock(Editor& editor) {
    const ColorClip& clip = editor.colorClip;
    if (!clip.ColorClipFilled)
        return;
    const int col = editor.sel().CursorCol;
    const int row = editor.sel().CursorRow;
    growToFit(editor.canvas(), col, row, clip.ColorClipLastCol, clip.ColorClipLastRow,
              editor.ActiveFontColor, editor.ActiveBackColor);
    writeColorBlock(editor.canvas(), clip, col, row);
    editor.preview.PasteWithColor = false;
}

void CopyRotated(Editor& editor) {
    BusyCursor busy(editor.ui());
    const CellBlock block = rotatedSelection(editor);
    if (block.empty() || block.front().empty())
        return;
    TextClip& clip = editor.textClip;
    for (std::size_t r = 0; r < block.size(); ++r) {
        for (std::size_t c = 0; c < block[r].size(); ++c)
            clip.set(static_cast<int>(c), static_cast<int>(r),
                     std::string_view(block[r][c]).substr(0, 1));
    }
    clip.ClipLastCol = static_cast<int>(block.front().size()) - 1;
    clip.ClipLastRow = static_cast<int>(block.size()) - 1;
    clip.ClipboardFilled = true;
    putOnSystemClipboard(editor, blockRowsToText(clip));
}

void TogglePastePreview(Editor& editor) {
    editor.settings().PastePreview = !editor.settings().PastePreview;
    if (!editor.settings().PastePreview)
        stopPastePreview(editor);
}

void StartPastePreview(Editor& editor) {
    editor.normalizeSelectionWithoutSnapshot();
    CellRect block = clippedToCanvas(editor, editor.sel().rect());
    // Only what the view can show at once goes into the image.
    block.right = std::min(block.right, block.left + std::max(editor.visibleCols, 1) - 1);
    block.bottom = std::min(block.bottom, block.top + std::max(editor.visibleRows, 1) - 1);
    editor.ui().capturePastePreview(block);
    PastePreview& preview = editor.preview;
    preview.block = block;
    preview.col = block.left;
    preview.row = block.top;
    preview.PreviewActive = true;
    editor.status().setField(StatusBar::kMessageField, kPreviewHint);
}

void stopPastePreview(Editor& editor) {
    PastePreview& preview = editor.preview;
    if (!preview.PreviewActive)
        return;
    preview.PreviewActive = false;
    preview.PasteWithColor = false;
    editor.ui().repaintCanvas();
    editor.StatusMessage(kPreviewEnded);
}

void navigateSelection(Editor& editor, NavStep step) {
    if (step == NavStep::CompleteRows) {
        CompleteRows(editor);
        return;
    }
    if (step == NavStep::CompleteCols) {
        CompleteCols(editor);
        return;
    }
    struct Delta {
        int left, top, right, bottom;
    };
    Delta d{0, 0, 0, 0};
    switch (step) {
    case NavStep::MoveLeft:
        d = {-1, 0, -1, 0};
        break;
    case NavStep::MoveRight:
        d = {1, 0, 1, 0};
        break;
    case NavStep::MoveUp:
        d = {0, -1, 0, -1};
        break;
    case NavStep::MoveDown:
        d = {0, 1, 0, 1};
        break;
    case NavStep::LeftEdgeLeft:
        d = {-1, 0, 0, 0};
        break;
    case NavStep::LeftEdgeRight:
        d = {1, 0, 0, 0};
        break;
    case NavStep::RightEdgeLeft:
        d = {0, 0, -1, 0};
        break;
    case NavStep::RightEdgeRight:
        d = {0, 0, 1, 0};
        break;
    case NavStep::TopEdgeUp:
        d = {0, -1, 0, 0};
        break;
    case NavStep::TopEdgeDown:
        d = {0, 1, 0, 0};
        break;
    case NavStep::BottomEdgeUp:
        d = {0, 0, 0, -1};
        break;
    case NavStep::BottomEdgeDown:
        d = {0, 0, 0, 1};
        break;
    default:
        return;
    }
    const CellRect from = editor.gridSelection();
    const CellRect to{from.left + d.left, from.top + d.top, from.right + d.right,
                      from.bottom + d.bottom};
    const bool inside = to.left >= 0 && to.top >= 0 && to.right < editor.canvas().colCount() &&
                        to.bottom < editor.canvas().rowCount();
    if (!inside || to.left > to.right || to.top > to.bottom)
        return;
    editor.setGridSelection(to);
}

void ShowSelectionNavigator(Editor& editor) {
    editor.ui().showSelectionNavigator();
}

} // namespace glyphora
