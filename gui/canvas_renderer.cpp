#include "canvas_renderer.h"

#include "platform/text_codec.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace glyphora {

namespace {

constexpr QRgb kSelectionTint = 0xFF3070D0;
constexpr int kSelectionAlpha = 90; // of 255
constexpr QRgb kSelectionEdge = 0xFF2050B0;
constexpr int kGridLineContrast = 43; // of 255: white turns into 0xD4D4D4
constexpr int kDarkBelowLuma = 128;

QRgb toRgb(Color c) {
    return qRgb(redOf(c), greenOf(c), blueOf(c));
}

inline QRgb mix(QRgb over, QRgb under, int alpha) {
    const int rest = 255 - alpha;
    const auto channel = [&](int shift) {
        return (((over >> shift) & 0xFF) * alpha + ((under >> shift) & 0xFF) * rest + 127) / 255;
    };
    return 0xFF000000u | (channel(16) << 16) | (channel(8) << 8) | channel(0);
}

void fillRect(QImage& image, int x, int y, int w, int h, QRgb color) {
    x = std::max(x, 0);
    y = std::max(y, 0);
    w = std::min(w, image.width() - x);
    h = std::min(h, image.height() - y);
    for (int row = 0; row < h; ++row) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y + row)) + x;
        std::fill(line, line + std::max(w, 0), color);
    }
}

// Block elements (halves, eighths, shades) fill their share of the cell exactly, so that
// neighbouring blocks join without seams whatever the font would draw. Nothing for other
// characters.
bool drawBlockElement(char32_t ch, int w, int h, std::vector<unsigned char>& mask) {
    if (ch < 0x2580 || ch > 0x2595)
        return false;
    const auto share = [](int size, int eighths) { return (size * eighths + 4) / 8; };
    int left = 0, top = 0, right = w, bottom = h;
    unsigned char coverage = 255;
    if (ch == 0x2580) {
        bottom = h - share(h, 4); // the complement of the lower half
    } else if (ch <= 0x2588) {
        top = h - share(h, static_cast<int>(ch - 0x2580));
    } else if (ch <= 0x258F) {
        right = share(w, static_cast<int>(0x2590 - ch));
    } else if (ch == 0x2590) {
        left = share(w, 4);
    } else if (ch <= 0x2593) {
        coverage = static_cast<unsigned char>(64 * (ch - 0x2590)); // light, medium, dark
    } else if (ch == 0x2594) {
        bottom = share(h, 1);
    } else {
        left = w - share(w, 1);
    }
    mask.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);
    for (int y = top; y < bottom; ++y)
        std::fill_n(mask.begin() + y * w + left, std::max(right - left, 0), coverage);
    return true;
}

} // namespace

QColor toQColor(Color color) {
    return QColor(redOf(color), greenOf(color), blueOf(color));
}

QFont toQFont(const TextFont& from) {
    QFont font(QString::fromStdString(cp1252ToUtf8(from.name)));
    font.setPointSize(std::max(from.size, 1));
    font.setBold(from.bold);
    font.setItalic(from.italic);
    font.setUnderline(from.underline);
    font.setStrikeOut(from.strikeOut);
    font.setStyleHint(QFont::Monospace);
    return font;
}

QRgb CanvasRenderer::gridLineColor(Color background) {
    const QRgb bg = toRgb(background);
    const int luma = (299 * qRed(bg) + 587 * qGreen(bg) + 114 * qBlue(bg)) / 1000;
    return mix(luma < kDarkBelowLuma ? 0xFFFFFFFFu : 0xFF000000u, bg, kGridLineContrast);
}

void CanvasRenderer::prepareGlyphs(const TextFont& font, const CellMetrics& metrics,
                                   CharSet glyphSet) {
    TextFont key = font;
    key.color = 0; // colours are applied per cell
    if (ready_ && key == font_ && maskWidth_ == metrics.colWidth &&
        maskHeight_ == metrics.rowHeight && glyphSet_ == glyphSet)
        return;
    font_ = key;
    glyphSet_ = glyphSet;
    maskWidth_ = std::max(metrics.colWidth, 1);
    maskHeight_ = std::max(metrics.rowHeight, 1);
    qfont_ = toQFont(font);
    const QFontMetrics fm(qfont_);
    // The character sits centred in the cell; the expansion leaves a margin around it.
    textOrigin_ = QPoint((maskWidth_ - fm.horizontalAdvance(QLatin1Char('A'))) / 2,
                         (maskHeight_ - fm.height()) / 2 + fm.ascent());

    QImage glyph(maskWidth_, maskHeight_, QImage::Format_ARGB32_Premultiplied);
    for (int byte = 0; byte < 256; ++byte) {
        const char32_t ch = byteToUnicode(static_cast<unsigned char>(byte), glyphSet);
        std::vector<unsigned char>& mask = masks_[static_cast<std::size_t>(byte)];
        if (drawBlockElement(ch, maskWidth_, maskHeight_, mask)) {
            blank_[static_cast<std::size_t>(byte)] = false;
            continue;
        }
        glyph.fill(Qt::transparent);
        if (byte > ' ') {
            QPainter painter(&glyph);
            painter.setFont(qfont_);
            painter.setPen(Qt::white);
            painter.drawText(textOrigin_, QString::fromUcs4(&ch, 1));
        }
        mask.resize(static_cast<std::size_t>(maskWidth_) * static_cast<std::size_t>(maskHeight_));
        bool blank = true;
        for (int y = 0; y < maskHeight_; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(glyph.constScanLine(y));
            for (int x = 0; x < maskWidth_; ++x) {
                const unsigned char a = static_cast<unsigned char>(qAlpha(line[x]));
                mask[static_cast<std::size_t>(y * maskWidth_ + x)] = a;
                blank &= a == 0;
            }
        }
        blank_[static_cast<std::size_t>(byte)] = blank;
    }
    ready_ = true;
}

void CanvasRenderer::blendCell(QImage& image, int x, int y, unsigned char byte, QRgb fg,
                               QRgb bg) const {
    const int w = std::min(maskWidth_, image.width() - x);
    const int h = std::min(maskHeight_, image.height() - y);
    if (w <= 0 || h <= 0)
        return;
    if (blank_[byte]) {
        fillRect(image, x, y, w, h, bg);
        return;
    }
    const unsigned char* mask = masks_[byte].data();
    for (int row = 0; row < h; ++row) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y + row)) + x;
        const unsigned char* coverage = mask + row * maskWidth_;
        for (int col = 0; col < w; ++col) {
            const int a = coverage[col];
            line[col] = a == 0 ? bg : a == 255 ? fg : mix(fg, bg, a);
        }
    }
}

void CanvasRenderer::render(QImage& image, const CharCanvas& canvas, int firstCol, int firstRow,
                            const CellRect* selection, CharSet glyphSet) {
    const CellMetrics& m = canvas.metrics;
    prepareGlyphs(canvas.font(), m, glyphSet);
    const int colPitch = std::max(columnPitch(m), 1);
    const int rowPitchPx = std::max(rowPitch(m), 1);
    firstCol = std::clamp(firstCol, 0, canvas.colCount() - 1);
    firstRow = std::clamp(firstRow, 0, canvas.rowCount() - 1);
    const int lastCol =
        std::min(canvas.colCount() - 1, firstCol + (image.width() + colPitch - 1) / colPitch);
    const int lastRow =
        std::min(canvas.rowCount() - 1, firstRow + (image.height() + rowPitchPx - 1) / rowPitchPx);
    const int usedWidth = (lastCol - firstCol + 1) * colPitch;
    const int usedHeight = (lastRow - firstRow + 1) * rowPitchPx;

    image.fill(kOutsideColor);
    // Grid lines show through the gaps between the cells.
    fillRect(image, 0, 0, usedWidth, usedHeight, gridLineColor(canvas.defaultColor()));

    std::vector<std::pair<QPoint, std::string_view>> longTexts;
    for (int row = firstRow; row <= lastRow; ++row) {
        const int y = (row - firstRow) * rowPitchPx;
        for (int col = firstCol; col <= lastCol; ++col) {
            const int x = (col - firstCol) * colPitch;
            const std::string_view text = canvas.text(col, row);
            const QRgb bg = toRgb(canvas.background(col, row));
            if (text.size() == 1) {
                blendCell(image, x, y, static_cast<unsigned char>(text[0]),
                          toRgb(canvas.foreground(col, row)), bg);
                continue;
            }
            fillRect(image, x, y, maskWidth_, maskHeight_, bg);
            if (!text.empty())
                longTexts.emplace_back(QPoint(col, row), text);
        }
    }

    // Texts of several bytes are rare; they are clipped to their cell as a grid does.
    if (!longTexts.empty()) {
        QPainter painter(&image);
        painter.setFont(qfont_);
        for (const auto& [cell, text] : longTexts) {
            const int x = (cell.x() - firstCol) * colPitch;
            const int y = (cell.y() - firstRow) * rowPitchPx;
            painter.setClipRect(QRect(x, y, maskWidth_, maskHeight_));
            painter.setPen(toQColor(canvas.foreground(cell.x(), cell.y())));
            painter.drawText(QPoint(x, y) + textOrigin_,
                             QString::fromStdString(bytesToUtf8(text, glyphSet)));
        }
    }

    if (!selection)
        return;
    const int left = std::max(selection->left, firstCol);
    const int top = std::max(selection->top, firstRow);
    const int right = std::min(selection->right, lastCol);
    const int bottom = std::min(selection->bottom, lastRow);
    if (left > right || top > bottom)
        return;
    const QRect area((left - firstCol) * colPitch, (top - firstRow) * rowPitchPx,
                     (right - left + 1) * colPitch - m.gridLineWidth,
                     (bottom - top + 1) * rowPitchPx - m.gridLineWidth);
    const QRect clipped = area & image.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            const bool edge =
                x == area.left() || x == area.right() || y == area.top() || y == area.bottom();
            line[x] = edge ? kSelectionEdge : mix(kSelectionTint, line[x], kSelectionAlpha);
        }
    }
}

} // namespace glyphora
