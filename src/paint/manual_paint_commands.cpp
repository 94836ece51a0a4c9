#include "paint/manual_paint_commands.h"

#include "app/editor.h"
#include "color/color_commands.h"
#include "paint/manual_paint.h"

namespace glyphora {

void ManualPaintChar(Editor& editor) {
    editor.colorState().ManualPaintChar = !editor.colorState().ManualPaintChar;
}

void ManualPaintFont(Editor& editor) {
    editor.colorState().ManualPaintFont = !editor.colorState().ManualPaintFont;
}

void ManualPaintBack(Editor& editor) {
    editor.colorState().ManualPaintBack = !editor.colorState().ManualPaintBack;
}

bool isManualPaintCharChecked(const Editor& editor) {
    return editor.colorState().ManualPaintChar;
}

bool isManualPaintFontChecked(const Editor& editor) {
    return editor.colorState().ManualPaintFont;
}

bool isManualPaintBackChecked(const Editor& editor) {
    return editor.colorState().ManualPaintBack;
}

bool manualPaintFontActive(const Editor& editor) {
    return editor.colorState().ManualPaintFont && isFontColorToolsEnabled(editor);
}

bool manualPaintBackActive(const Editor& editor) {
    return editor.colorState().ManualPaintBack && isBackColorToolsEnabled(editor);
}

bool ShiftMouseMovePaint(Editor& editor, int col, int row) {
    const std::string& solid = editor.settings().SolidChar;
    ManualPaintBrush brush;
    brush.font = manualPaintFontActive(editor);
    brush.back = manualPaintBackActive(editor);
    brush.character = editor.colorState().ManualPaintChar;
    brush.fontColor = editor.ActiveFontColor;
    brush.backColor = editor.ActiveBackColor;
    brush.text = std::string_view(solid).substr(0, solid.empty() ? 0 : 1);
    if (!brush.font && !brush.back && !brush.character)
        return false;
    return ManualPaintCell(editor.canvas(), col, row, brush);
}

} // namespace glyphora
