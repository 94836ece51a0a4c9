#include "paint_bar_icons.h"

#include <QPainter>
#include <QPixmap>

namespace glyphora {

namespace {

constexpr int kSize = 16;
const QColor kInk(0x20, 0x20, 0x20);
const QColor kFontBlue(0x20, 0x50, 0xC0);
const QColor kBackOrange(0xE0, 0x80, 0x20);

bool endsWith(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

// Character-art commands draw with characters; the rest with strokes.
void drawShape(QPainter& p, std::string_view id) {
    const bool lineArt = id.rfind("LineArt", 0) == 0;
    p.setPen(QPen(kInk, lineArt ? 1 : 2));
    if (id == "PaintHorzLine" || id == "LineArtHorz") {
        p.drawLine(2, 12, 14, 12);
    } else if (id == "PaintVertLine" || id == "LineArtVert") {
        p.drawLine(8, 2, 8, 14);
    } else if (id == "PaintFallingLine" || id == "LineArtFalling") {
        p.drawLine(2, 2, 14, 14);
    } else if (id == "PaintRisingLine" || id == "LineArtRising") {
        p.drawLine(2, 14, 14, 2);
    } else if (id == "PaintRectangle" || id == "LineArtRectangle") {
        p.drawRect(2, 3, 11, 10);
    } else if (id == "PaintFilledRectangle") {
        p.fillRect(2, 3, 12, 11, kInk);
    } else if (id == "PaintCircle") {
        p.drawEllipse(2, 2, 12, 12);
    } else if (id == "Floodfill") {
        p.fillRect(2, 8, 12, 6, kInk);
        p.drawLine(8, 2, 8, 7);
    } else if (id == "FillWithPattern") {
        for (int y = 2; y < 14; y += 4)
            for (int x = 2 + (y / 4 % 2) * 2; x < 14; x += 4)
                p.fillRect(x, y, 2, 2, kInk);
    } else {
        // Colour tools: a swatch in the colour of the plane they work on.
        const bool background = id.find("Back") != std::string_view::npos || endsWith(id, "Bg");
        const QColor plane = background ? kBackOrange : kFontBlue;
        p.fillRect(2, 2, 12, 12, plane);
        p.setPen(Qt::white);
        QFont font = p.font();
        font.setPixelSize(10);
        font.setBold(true);
        p.setFont(font);
        const char* mark = id.find("Reset") != std::string_view::npos     ? "x"
                           : id.find("Replace") != std::string_view::npos ? "r"
                           : id.find("Flood") != std::string_view::npos   ? "f"
                                                                          : "c";
        p.drawText(QRect(2, 2, 12, 12), Qt::AlignCenter, QString::fromLatin1(mark));
    }
}

} // namespace

QIcon paintBarIcon(std::string_view commandId) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    drawShape(painter, commandId);
    painter.end();
    return QIcon(pixmap);
}

} // namespace glyphora
