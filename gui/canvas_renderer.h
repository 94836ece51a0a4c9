#pragma once

#include <QColor>
#include <QFont>
#include <QRawFont>
#include <QSize>
#include <array>
#include <vector>

#include "canvas/char_canvas.h"

class QPainter;

namespace glyphora {

QColor toQColor(Color color);

// Draws the visible part of a canvas: backgrounds, characters in their colours, grid lines
// and the selection. Work is proportional to the cells in view, never to the canvas size.
class CanvasRenderer {
public:
    static constexpr QRgb kGridLineColor = 0xFFC0C0C0;

    // Prepares glyphs for the canvas font; cheap when the font is unchanged.
    void setFont(const FontSpec& font);
    const QFont& font() const { return font_; }

    // Pixel pitch of one column and one row, grid line included.
    static int columnPitch(const CellMetrics& m) { return m.colWidth + m.gridLineWidth; }
    static int rowPitch(const CellMetrics& m) { return m.rowHeight + m.gridLineWidth; }

    // Paints the cells from (firstCol, firstRow) that fall into a viewport of the given
    // size, with the selection highlighted when one is given.
    void paint(QPainter& painter, const CharCanvas& canvas, QSize viewport, int firstCol,
               int firstRow, const CellRect* selection) const;

private:
    void drawRowText(QPainter& painter, const CharCanvas& canvas, int row, int firstCol,
                     int lastCol, int y) const;

    FontSpec spec_;
    bool ready_ = false;
    QFont font_;
    QRawFont rawFont_;
    std::array<quint32, 256> glyphs_{};
    int ascent_ = 0;
    int advance_ = 0;
    int height_ = 0;
    // Scratch buffers reused between rows.
    mutable std::vector<quint32> runGlyphs_;
    mutable std::vector<QPointF> runPositions_;
};

QFont toQFont(const FontSpec& spec);

} // namespace glyphora
