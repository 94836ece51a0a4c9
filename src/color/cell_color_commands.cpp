#include "color/cell_color_commands.h"

#include "app/editor.h"
#include "color/cell_color_ops.h"
#include "color/color_commands.h"

namespace glyphora {

namespace {

constexpr const char* kNoChange = "No change, Floodfill old and new color are identically .";
constexpr const char* kWrongMode = "Wrong Colormode.";
constexpr const char* kSearchTitle = "Search ...";
constexpr const char* kSearchPrompt = "Character:";
constexpr std::size_t kMaxSearchText = 255;
constexpr const char* kReadingLine = "READING LINE ... ";
constexpr const char* kMainFontMessage = "Main font color: #";
constexpr const char* kBreakMessage = "BREAK ! Main(?) font color: #";
// A scan stopped before this many rows from the end reports the break.
constexpr int kBreakRowsFromEnd = 2;

Color activeColor(const Editor& editor, ColorLayer layer) {
    return layer == ColorLayer::Foreground ? editor.ActiveFontColor : editor.ActiveBackColor;
}

// The selection normalised without an undo snapshot: colours are not undoable.
CellRect selectionWithoutSnapshot(Editor& editor) {
    editor.normalizeSelectionWithoutSnapshot();
    return editor.sel().rect();
}

void colorSelection(Editor& editor, ColorLayer layer) {
    BusyCursor busy(editor.ui());
    ColorSelection(editor.canvas(), selectionWithoutSnapshot(editor), layer,
                   activeColor(editor, layer));
}

void resetSelection(Editor& editor, ColorLayer layer) {
    BusyCursor busy(editor.ui());
    ResetSelectionColor(editor.canvas(), selectionWithoutSnapshot(editor), layer);
}

void reportFill(Editor& editor, const FillResult& result) {
    if (result.noChange)
        editor.StatusMessage(kNoChange);
}

void fillByChar(Editor& editor, ColorLayer layer) {
    BusyCursor busy(editor.ui());
    reportFill(editor, FillByChar(editor.canvas(), editor.sel().SelEndCol, editor.sel().SelEndRow,
                                  layer, activeColor(editor, layer)));
}

// The background version starts at the selection's top-left after normalising.
void fillByColor(Editor& editor, ColorLayer layer) {
    BusyCursor busy(editor.ui());
    int col = editor.sel().SelEndCol;
    int row = editor.sel().SelEndRow;
    if (layer == ColorLayer::Background) {
        const CellRect rect = selectionWithoutSnapshot(editor);
        col = rect.left;
        row = rect.top;
    }
    reportFill(editor, FillByColor(editor.canvas(), col, row, layer, activeColor(editor, layer)));
}

void replaceCharColor(Editor& editor, ColorLayer layer, bool wholeCanvas) {
    std::optional<std::string> text = editor.ui().inputBox(kSearchTitle, kSearchPrompt, "");
    if (!text || text->empty())
        return;
    if (text->size() > kMaxSearchText)
        text->resize(kMaxSearchText);
    BusyCursor busy(editor.ui());
    const CharCanvas& canvas = editor.canvas();
    const CellRect rect = wholeCanvas ? CellRect{0, 0, canvas.colCount() - 1, canvas.rowCount() - 1}
                                      : selectionWithoutSnapshot(editor);
    ReplaceCharColor(editor.canvas(), rect, layer, *text, activeColor(editor, layer));
}

void replaceColor(Editor& editor, ColorLayer layer) {
    // The standard dialog in every mode, as it was last left.
    const std::optional<Color> old = pickStandardColor(editor, std::nullopt);
    if (!old)
        return;
    BusyCursor busy(editor.ui());
    ReplaceColor(editor.canvas(), selectionWithoutSnapshot(editor), layer, *old,
                 activeColor(editor, layer));
}

// A colour button of the paint bar runs its command only while the font or background
// colour tools of the menu are enabled.
void paintBarButton(Editor& editor, ColorLayer layer, void (*command)(Editor&)) {
    const bool enabled = layer == ColorLayer::Foreground ? isFontColorToolsEnabled(editor)
                                                         : isBackColorToolsEnabled(editor);
    if (enabled)
        command(editor);
    else
        editor.StatusMessage(kWrongMode);
    editor.ui().setCursor(AppCursor::Normal);
}

} // namespace

void ColorSelectionFg(Editor& editor) {
    colorSelection(editor, ColorLayer::Foreground);
}

void ColorSelectionBg(Editor& editor) {
    colorSelection(editor, ColorLayer::Background);
}

void ResetSelectionColorFg(Editor& editor) {
    resetSelection(editor, ColorLayer::Foreground);
}

void ResetSelectionColorBg(Editor& editor) {
    resetSelection(editor, ColorLayer::Background);
}

void FillByCharFg(Editor& editor) {
    fillByChar(editor, ColorLayer::Foreground);
}

void FillByCharBg(Editor& editor) {
    fillByChar(editor, ColorLayer::Background);
}

void FillByColorFg(Editor& editor) {
    fillByColor(editor, ColorLayer::Foreground);
}

void FillByColorBg(Editor& editor) {
    fillByColor(editor, ColorLayer::Background);
}

void ReplaceCharColorAllFg(Editor& editor) {
    replaceCharColor(editor, ColorLayer::Foreground, true);
}

void ReplaceCharColorAllBg(Editor& editor) {
    replaceCharColor(editor, ColorLayer::Background, true);
}

void ReplaceCharColorSelFg(Editor& editor) {
    replaceCharColor(editor, ColorLayer::Foreground, false);
}

void ReplaceCharColorSelBg(Editor& editor) {
    replaceCharColor(editor, ColorLayer::Background, false);
}

void ReplaceColorSelFg(Editor& editor) {
    replaceColor(editor, ColorLayer::Foreground);
}

void ReplaceColorSelBg(Editor& editor) {
    replaceColor(editor, ColorLayer::Background);
}

void FindMainColor(Editor& editor) {
    CharCanvas& canvas = editor.canvas();
    const MainColorScan scan = FindMainColor(canvas, [&editor](int row) {
        editor.StatusMessage(kReadingLine + std::to_string(row));
        return !editor.ui().escapeDown();
    });
    canvas.setDefaultFontColor(scan.color);
    const bool early = scan.stopped && scan.stoppedAtRow < canvas.rowCount() - kBreakRowsFromEnd;
    editor.StatusMessage((early ? kBreakMessage : kMainFontMessage) + colorToHex(scan.color));
}

void FloodfillFontButton(Editor& editor) {
    paintBarButton(editor, ColorLayer::Foreground, FillByCharFg);
}

void ReplaceCharColorFontButton(Editor& editor) {
    paintBarButton(editor, ColorLayer::Foreground, ReplaceCharColorSelFg);
}

void ColorSelectionFontButton(Editor& editor) {
    paintBarButton(editor, ColorLayer::Foreground, ColorSelectionFg);
}

void ResetSelectionFontButton(Editor& editor) {
    paintBarButton(editor, ColorLayer::Foreground, ResetSelectionColorFg);
}

void FloodfillBackButton(Editor& editor) {
    paintBarButton(editor, ColorLayer::Background, FillByCharBg);
}

void ReplaceCharColorBackButton(Editor& editor) {
    paintBarButton(editor, ColorLayer::Background, ReplaceCharColorSelBg);
}

void ColorSelectionBackButton(Editor& editor) {
    paintBarButton(editor, ColorLayer::Background, ColorSelectionBg);
}

void ResetSelectionBackButton(Editor& editor) {
    paintBarButton(editor, ColorLayer::Background, ResetSelectionColorBg);
}

} // namespace glyphora
