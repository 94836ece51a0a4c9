#include "color/color_bar.h"

#include "color/ansi_palette.h"

namespace glyphora {

namespace {

void paintSwatches(ColorStrip& strip, auto colorOf) {
    for (int x = 0; x < kStripWidth; ++x)
        strip.columns[static_cast<std::size_t>(x)] = colorOf(x / kStripSwatchWidth);
}

} // namespace

std::optional<Color> ColorStrip::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= kStripWidth || y >= kStripHeight)
        return std::nullopt;
    return columns[static_cast<std::size_t>(x)];
}

ColorPanelImage ColorPanel(ColorMode mode) {
    ColorPanelImage image;
    switch (mode) {
    case ColorMode::Ansi:
        paintSwatches(image.foreground,
                      [](int i) { return kAnsiPalette[static_cast<std::size_t>(i)].color; });
        image.background.columns = image.foreground.columns;
        for (int x = kAnsiBackgroundStripFrom; x < kStripWidth; ++x)
            image.background.columns[static_cast<std::size_t>(x)] = kAnsiBackgroundStripFill;
        image.foreground.visible = image.background.visible = true;
        break;
    case ColorMode::FontColored:
    case ColorMode::FullColored:
        paintSwatches(image.foreground,
                      [](int i) { return kWindowsPalette[static_cast<std::size_t>(i)]; });
        image.foreground.visible = true;
        if (mode == ColorMode::FullColored) {
            image.background.columns = image.foreground.columns;
            image.background.visible = true;
        }
        break;
    case ColorMode::Plain:
        break;
    }
    return image;
}

std::optional<Color> pickStripColor(const ColorStrip& strip, int x, int y) {
    if (!strip.visible)
        return std::nullopt;
    return strip.pixel(x, y);
}

std::string setbarText(Color font, Color back) {
    return "Font color=#" + colorToHex(font) + ",   Backgroundcolor=#" + colorToHex(back);
}

} // namespace glyphora
