#include "canvas_picture_renderer.h"

#include <QFontMetrics>
#include <QImage>
#include <cstring>

namespace glyphora {

std::optional<Bitmap> QtCanvasPictureRenderer::render(const CharCanvas& canvas, CharSet glyphs,
                                                      int firstCol, int firstRow, int width,
                                                      int height) {
    QImage image(width, height, QImage::Format_RGB32);
    Bitmap picture(width, height);
    if (image.isNull() || picture.empty())
        return std::nullopt;
    renderer_.render(image, canvas, firstCol, firstRow, nullptr, glyphs);
    for (int y = 0; y < height; ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        std::uint8_t* to = picture.scanLine(y);
        for (int x = 0; x < width; ++x, to += 3) {
            to[0] = static_cast<std::uint8_t>(qRed(from[x]));
            to[1] = static_cast<std::uint8_t>(qGreen(from[x]));
            to[2] = static_cast<std::uint8_t>(qBlue(from[x]));
        }
    }
    return picture;
}

CharMetrics QtCanvasPictureRenderer::measure(const TextFont& font, char ch) {
    const QFontMetrics metrics(toQFont(font));
    const char32_t code = cp1252ToUnicode(static_cast<unsigned char>(ch));
    return {metrics.horizontalAdvance(QString::fromUcs4(&code, 1)), metrics.height()};
}

} // namespace glyphora
