#include "canvas_renderer.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QPainter>
#include <algorithm>

#include "platform/text_codec.h"

namespace glyphora {

namespace {

constexpr QRgb kSelectionFill = 0x5A3070D0; // translucent blue over the cells
constexpr QRgb kSelectionEdge = 0xFF2050B0;

} // namespace

QColor toQColor(Color color) { return QColor(redOf(color), greenOf(color), blueOf(color)); }

QFont toQFont(const FontSpec& spec) {
    QFont font(QString::fromStdString(cp1252ToUtf8(spec.name)));
    font.setPointSize(std::max(spec.size, 1));
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    font.setStrikeOut(spec.strikeOut);
    font.setStyleHint(QFont::Monospace);
    return font;
}

void CanvasRenderer::setFont(const FontSpec& spec) {
    FontSpec key = spec;
    key.color = 0; // colours are drawn per cell
    if (ready_ && key == spec_)
        return;
    spec_ = key;
    font_ = toQFont(spec);
    rawFont_ = QRawFont::fromFont(font_);
    const QFontMetrics metrics(font_);
    ascent_ = metrics.ascent();
    advance_ = metrics.horizontalAdvance(QLatin1Char('A'));
    height_ = metrics.height();
    for (int byte = 0; byte < 256; ++byte) {
        const char32_t ch = cp1252ToUnicode(static_cast<unsigned char>(byte));
        const QString text = QString::fromUcs4(&ch, 1);
        const QList<quint32> indexes = rawFont_.glyphIndexesForString(text);
        glyphs_[static_cast<std::size_t>(byte)] = indexes.isEmpty() ? 0 : indexes.front();
    }
    ready_ = true;
}

void CanvasRenderer::paint(QPainter& painter, const CharCanvas& canvas, QSize viewport,
                           int firstCol, int firstRow, const CellRect* selection) const {
    const CellMetrics& m = canvas.metrics;
    const int colPitch = std::max(columnPitch(m), 1);
    const int rowPitchPx = std::max(rowPitch(m), 1);
    firstCol = std::clamp(firstCol, 0, canvas.colCount() - 1);
    firstRow = std::clamp(firstRow, 0, canvas.rowCount() - 1);
    const int lastCol =
        std::min(canvas.colCount() - 1, firstCol + (viewport.width() + colPitch - 1) / colPitch);
    const int lastRow = std::min(canvas.rowCount() - 1,
                                 firstRow + (viewport.height() + rowPitchPx - 1) / rowPitchPx);
    const int usedWidth = (lastCol - firstCol + 1) * colPitch;
    const int usedHeight = (lastRow - firstRow + 1) * rowPitchPx;

    // Grid lines show through the gaps between cell rectangles.
    if (m.gridLineWidth > 0)
        painter.fillRect(0, 0, usedWidth, usedHeight, QColor::fromRgba(kGridLineColor));

    // Backgrounds, one rectangle per run of equal colour.
    for (int row = firstRow; row <= lastRow; ++row) {
        const int y = (row - firstRow) * rowPitchPx;
        int runStart = firstCol;
        Color runColor = canvas.background(firstCol, row);
        for (int col = firstCol + 1; col <= lastCol + 1; ++col) {
            const Color color = col <= lastCol ? canvas.background(col, row) : ~runColor;
            if (color == runColor)
                continue;
            const int x = (runStart - firstCol) * colPitch;
            const int w = (col - runStart) * colPitch - m.gridLineWidth;
            painter.fillRect(x, y, w, m.rowHeight, toQColor(runColor));
            runStart = col;
            runColor = color;
        }
    }

    painter.setFont(font_);
    for (int row = firstRow; row <= lastRow; ++row)
        drawRowText(painter, canvas, row, firstCol, lastCol, (row - firstRow) * rowPitchPx);

    if (selection) {
        const int left = std::max(selection->left, firstCol);
        const int top = std::max(selection->top, firstRow);
        const int right = std::min(selection->right, lastCol);
        const int bottom = std::min(selection->bottom, lastRow);
        if (left <= right && top <= bottom) {
            const QRect area((left - firstCol) * colPitch, (top - firstRow) * rowPitchPx,
                             (right - left + 1) * colPitch - m.gridLineWidth,
                             (bottom - top + 1) * rowPitchPx - m.gridLineWidth);
            painter.fillRect(area, QColor::fromRgba(kSelectionFill));
            painter.setPen(QColor::fromRgba(kSelectionEdge));
            painter.drawRect(area.adjusted(0, 0, -1, -1));
        }
    }
}

void CanvasRenderer::drawRowText(QPainter& painter, const CharCanvas& canvas, int row,
                                 int firstCol, int lastCol, int y) const {
    const CellMetrics& m = canvas.metrics;
    const int colPitch = columnPitch(m);
    const int inset = (m.colWidth - advance_) / 2;
    const qreal baseline = y + (m.rowHeight - height_) / 2 + ascent_;

    const auto flush = [&](Color color) {
        if (runGlyphs_.empty())
            return;
        QGlyphRun run;
        run.setRawFont(rawFont_);
        run.setGlyphIndexes(QList<quint32>(runGlyphs_.begin(), runGlyphs_.end()));
        run.setPositions(QList<QPointF>(runPositions_.begin(), runPositions_.end()));
        run.setUnderline(spec_.underline);
        run.setStrikeOut(spec_.strikeOut);
        painter.setPen(toQColor(color));
        painter.drawGlyphRun(QPointF(0, 0), run);
        runGlyphs_.clear();
        runPositions_.clear();
    };

    Color runColor = canvas.foreground(firstCol, row);
    for (int col = firstCol; col <= lastCol; ++col) {
        const std::string_view text = canvas.text(col, row);
        if (text.empty() || (text.size() == 1 && text[0] == ' '))
            continue;
        const Color color = canvas.foreground(col, row);
        if (color != runColor) {
            flush(runColor);
            runColor = color;
        }
        const int x = (col - firstCol) * colPitch;
        if (text.size() == 1) {
            runGlyphs_.push_back(glyphs_[static_cast<unsigned char>(text[0])]);
            runPositions_.emplace_back(x + inset, baseline);
            continue;
        }
        // Longer texts are rare; they are clipped to their cell like a grid does.
        flush(runColor);
        painter.save();
        painter.setClipRect(QRect(x, y, m.colWidth, m.rowHeight));
        painter.setPen(toQColor(color));
        painter.drawText(QPointF(x + inset, baseline),
                         QString::fromStdString(cp1252ToUtf8(text)));
        painter.restore();
    }
    flush(runColor);
}

} // namespace glyphora
