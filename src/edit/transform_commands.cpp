#include "edit/transform_commands.h"

#include "app/editor.h"
#include "canvas/canvas_commands.h"
#include "color/color_commands.h"
#include "edit/canvas_size_rules.h"
#include "edit/flip_tables.h"
#include "formats/open_save_commands.h"

namespace glyphora {

namespace {

constexpr const char* kConvertQuestion = "Convert \"/\" <=> \"\\\" ?";
constexpr const char* kNoInteger = "ERROR: No integer value.";
constexpr const char* kTooLarge = "ERROR: Canvas size too large.";

// Size fields and the grid selection follow a canvas whose size changed.
void sizeChanged(Editor& editor) {
    editor.canvas().updateSizeFields();
    editor.setGridSelection(editor.gridSelection());
}

void flipChars(Editor& editor, FlipDirection direction) {
    const std::string& name = direction == FlipDirection::Horizontal
                                  ? editor.settings().FlipHorzDataFile
                                  : editor.settings().FlipVertDataFile;
    std::optional<FlipTable> table;
    if (name != kInternTable)
        table = readFlipTable(editor.dataPath(name));
    if (!table) {
        table = builtInFlipTable(direction);
        if (name != kInternTable)
            editor.StatusMessage("ERROR: File: " + name + ". Using intern definition.");
    }
    editor.normalizeSelection();
    FlipChars(editor.canvas(), editor.sel().rect(), *table);
}

void mirror(Editor& editor, FlipDirection direction) {
    {
        BusyCursor busy(editor.ui());
        editor.normalizeSelection();
        if (direction == FlipDirection::Vertical)
            mirrorVertical(editor.canvas(), editor.sel().rect());
        else
            mirrorHorizontal(editor.canvas(), editor.sel().rect());
    }
    if (editor.ui().confirm(kConvertQuestion, Buttons::YesNo) != Answer::Yes)
        return;
    BusyCursor busy(editor.ui());
    // The character flip belongs to the same undo step as the mirror.
    const SnapshotSuspension oneStep(editor);
    flipChars(editor, direction);
}

// How a size dialog's answer is taken. Where the size fields take the typed values, a bad
// answer beeps and puts the fields back.
struct SizeQuestion {
    const char* title;
    bool fieldsTakeAnswer;
    bool reportError;
};

// Asks for a size; a good answer is snapshotted for and handed to change (which resizes the
// canvas), all under the busy cursor.
template <typename Change>
void askSizeAndChange(Editor& editor, const SizeQuestion& question, const std::string& width,
                      const std::string& height, Change change) {
    const std::optional<CanvasSizeReply> reply =
        editor.ui().canvasSize({question.title, width, height});
    if (!reply)
        return;
    BusyCursor busy(editor.ui());
    CharCanvas& canvas = editor.canvas();
    if (question.fieldsTakeAnswer) {
        canvas.widthField = reply->width;
        canvas.heightField = reply->height;
    }
    CanvasSize size;
    if (const SizeError error = parseCanvasSize(reply->width, reply->height, size);
        error != SizeError::None) {
        if (question.fieldsTakeAnswer)
            editor.ui().beep();
        if (question.reportError)
            editor.StatusMessage(error == SizeError::TooLarge ? kTooLarge : kNoInteger);
        if (question.fieldsTakeAnswer)
            canvas.updateSizeFields();
        return;
    }
    editor.takeUndoSnapshot();
    change(size);
    sizeChanged(editor);
}

} // namespace

void FlipVertical(Editor& editor) {
    mirror(editor, FlipDirection::Vertical);
}

void FlipHorizontal(Editor& editor) {
    mirror(editor, FlipDirection::Horizontal);
}

void FlipCharsHorz(Editor& editor) {
    BusyCursor busy(editor.ui());
    flipChars(editor, FlipDirection::Horizontal);
}

void FlipCharsVert(Editor& editor) {
    BusyCursor busy(editor.ui());
    flipChars(editor, FlipDirection::Vertical);
}

void Crop(Editor& editor) {
    BusyCursor busy(editor.ui());
    editor.takeUndoSnapshot();
    const SelectionFields& sel = editor.sel();
    if (sel.SelStartCol == sel.SelEndCol && sel.SelStartRow == sel.SelEndRow) {
        editor.ui().beep();
        return;
    }
    // The raw corners, not cut to the 500-cell limit of normalizeSelection.
    const CellRect rect{
        std::min(sel.SelStartCol, sel.SelEndCol), std::min(sel.SelStartRow, sel.SelEndRow),
        std::max(sel.SelStartCol, sel.SelEndCol), std::max(sel.SelStartRow, sel.SelEndRow)};
    cropTo(editor.canvas(), rect);
    sizeChanged(editor);
}

void CenterRows(Editor& editor) {
    BusyCursor busy(editor.ui());
    editor.normalizeSelection();
    centerRows(editor.canvas(), editor.sel().rect());
}

void DeleteSelectedRows(Editor& editor) {
    BusyCursor busy(editor.ui());
    editor.normalizeSelection();
    deleteRows(editor.canvas(), editor.sel().SelTop, editor.sel().SelBottom);
    sizeChanged(editor);
}

void DeleteSelectedCols(Editor& editor) {
    BusyCursor busy(editor.ui());
    editor.normalizeSelection();
    deleteCols(editor.canvas(), editor.sel().SelLeft, editor.sel().SelRight);
    sizeChanged(editor);
}

void InsertRowAtCursor(Editor& editor) {
    BusyCursor busy(editor.ui());
    editor.takeUndoSnapshot();
    editor.canvas().InsertRow(editor.sel().CursorRow);
    sizeChanged(editor);
}

void InsertColAtCursor(Editor& editor) {
    BusyCursor busy(editor.ui());
    editor.takeUndoSnapshot();
    editor.canvas().InsertColumn(editor.sel().CursorCol);
    sizeChanged(editor);
}

void SetCanvas(Editor& editor) {
    CharCanvas& canvas = editor.canvas();
    askSizeAndChange(editor, {"Set Canvas:", true, true}, canvas.widthField, canvas.heightField,
                     [&](CanvasSize size) {
                         setCanvasSize(canvas, size.cols, size.rows, editor.ActiveBackColor);
                     });
}

void ResizeCanvas(Editor& editor) {
    CharCanvas& canvas = editor.canvas();
    askSizeAndChange(editor, {"Resize Canvas:", true, false}, std::to_string(canvas.colCount()),
                     std::to_string(canvas.rowCount()),
                     [&](CanvasSize size) { resampleCanvas(canvas, size.cols, size.rows); });
}

void NewCanvas(Editor& editor) {
    CharCanvas& canvas = editor.canvas();
    askSizeAndChange(editor, {"New Canvas:", false, true}, std::to_string(canvas.colCount()),
                     std::to_string(canvas.rowCount()), [&](CanvasSize size) {
                         renewCanvas(canvas, size.cols, size.rows);
                         // A new document is plain and has no file (and "&Save" nothing to
                         // write to).
                         enterColorMode(editor, ColorMode::Plain, false);
                         ForgetDocumentFile(editor);
                         RefreshFont(editor);
                     });
}

CellBlock rotatedSelection(Editor& editor) {
    editor.normalizeSelectionWithoutSnapshot();
    return rotatedClockwise(editor.canvas(), editor.sel().rect());
}

} // namespace glyphora
