#include "paint/manual_paint.h"

namespace glyphora {

bool ManualPaintCell(CharCanvas& canvas, int col, int row, const ManualPaintBrush& brush) {
    if (!canvas.contains(col, row))
        return false;
    if (brush.font)
        canvas.SetFontCell(col, row, brush.fontColor);
    if (brush.back)
        canvas.SetColorCell(col, row, brush.backColor);
    if (brush.character)
        canvas.setText(col, row, brush.text);
    return true;
}

} // namespace glyphora
