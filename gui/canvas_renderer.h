#pragma once

#include "canvas/char_canvas.h"
#include "platform/text_codec.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <array>
#include <vector>

namespace glyphora {

QColor toQColor(Color color);
QFont toQFont(const TextFont& font);

// Draws the visible part of a canvas into an image: backgrounds, characters in their
// colours, grid lines and the selection. Each byte's glyph is rasterised once per font and
// cell size into a coverage mask, then every cell is blended straight into the pixels, so
// painting costs the same for a canvas of any size and any number of colours.
class CanvasRenderer {
public:
    static constexpr QRgb kOutsideColor = 0xFF808080;

    // Grid lines stay in the background: the canvas background moved a little towards the
    // contrasting side (white gives light grey lines, black dark grey ones), so characters
    // in the usual colours stand out more than the lines.
    static QRgb gridLineColor(Color background);

    // Pixel pitch of one column and one row, grid line included.
    static int columnPitch(const CellMetrics& m) { return m.colWidth + m.gridLineWidth; }
    static int rowPitch(const CellMetrics& m) { return m.rowHeight + m.gridLineWidth; }

    // Fills the whole image (Format_RGB32): cells from (firstCol, firstRow) as far as they
    // reach, the rest in the outside colour.
    // Bytes are drawn as the characters of the given byte set.
    void render(QImage& image, const CharCanvas& canvas, int firstCol, int firstRow,
                const CellRect* selection, CharSet glyphSet);

private:
    void prepareGlyphs(const TextFont& font, const CellMetrics& metrics, CharSet glyphSet);
    void blendCell(QImage& image, int x, int y, unsigned char byte, QRgb fg, QRgb bg) const;

    // The font and cell size the masks were made for.
    TextFont font_;
    int maskWidth_ = 0;
    int maskHeight_ = 0;
    CharSet glyphSet_ = CharSet::Windows1252;
    bool ready_ = false;
    QFont qfont_;
    QPoint textOrigin_;
    std::array<std::vector<unsigned char>, 256> masks_;
    std::array<bool, 256> blank_{};
};

} // namespace glyphora
