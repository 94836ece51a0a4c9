#include "convert/art_to_picture.h"

#include "platform/rounding.h"

#include <algorithm>

namespace glyphora {

namespace {

constexpr const char* kCreatingImage = "Creating Image ...";
constexpr const char* kOnlyStep = "Step 1 of 1";
constexpr std::string_view kBlackCharacters = "/\\_|#";

bool blank(std::string_view text) {
    return text.empty() || text.front() == ' ';
}

} // namespace

Bitmap charsToPicture(const CharCanvas& canvas, Progress& progress) {
    Bitmap picture(canvas.colCount(), canvas.rowCount());
    for (int x = 0; x < canvas.colCount(); ++x) {
        progress.setBarPosition(x, canvas.colCount(), kCreatingImage, kOnlyStep);
        for (int y = 0; y < canvas.rowCount(); ++y) {
            const std::string_view text = canvas.text(x, y);
            Color c = kWhite;
            if (!blank(text)) {
                const int code = static_cast<unsigned char>(text.front());
                c = kBlackCharacters.find(text.front()) != std::string_view::npos
                        ? kBlack
                        : rgb(code, code, code);
            }
            picture.setPixel(x, y, c);
        }
    }
    return picture;
}

Bitmap colorsToPicture(const CharCanvas& canvas, ColorSource source, Progress& progress) {
    Bitmap picture(canvas.colCount(), canvas.rowCount());
    for (int x = 0; x < canvas.colCount(); ++x) {
        progress.setBarPosition(x, canvas.colCount() - 1, kCreatingImage, kOnlyStep);
        for (int y = 0; y < canvas.rowCount(); ++y) {
            const bool font = source == ColorSource::Font && !blank(canvas.text(x, y));
            picture.setPixel(x, y, font ? canvas.foreground(x, y) : canvas.background(x, y));
        }
    }
    return picture;
}

Bitmap magnifiedPicture(const Bitmap& picture, int zoom, double ratio) {
    zoom = std::max(zoom, 1);
    const long double step = static_cast<long double>(zoom) * ratio;
    const int height = static_cast<int>(roundHalfEven(step * picture.height()));
    Bitmap display(zoom * picture.width(), std::max(height, 1));
    for (int y = 0; y < picture.height(); ++y) {
        const int top = static_cast<int>(roundHalfEven(step * y));
        const int bottom = static_cast<int>(roundHalfEven(step * y + step));
        for (int x = 0; x < picture.width(); ++x)
            display.fillRect(zoom * x, top, zoom * x + zoom, bottom, picture.pixel(x, y));
    }
    return display;
}

void layTextOnPicture(const Bitmap& picture, std::string_view text, char formChar,
                      CharCanvas& canvas) {
    std::size_t next = 0;
    const std::string_view form(&formChar, 1);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.pixel(x, y) != kBlack) {
                canvas.setText(x, y, form);
                continue;
            }
            if (text.empty())
                continue;
            const char byte = text[next];
            next = (next + 1) % text.size();
            if (static_cast<unsigned char>(byte) >= ' ')
                canvas.setText(x, y, std::string_view(&byte, 1));
        }
    }
}

} // namespace glyphora
