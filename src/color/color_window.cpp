#include "color/color_window.h"

#include <charconv>

namespace glyphora {

namespace {

constexpr int kHexBase = 16;

std::vector<ColorNotification> one(int code, std::uint32_t value) {
    return {ColorNotification{code, value}};
}

std::vector<ColorNotification> error(ColorWindowError number) {
    return one(kNotifyError, number);
}

template <std::size_t N>
void fillSwatches(std::array<Color, N>& swatches, std::string_view text, bool byColumn, int rows) {
    const std::vector<Color> entries = parsePaletteText(text);
    swatches.fill(kBlack);
    for (std::size_t i = 0; i < entries.size() && i < N; ++i) {
        const int n = static_cast<int>(i);
        const int col = byColumn ? n / rows : n % ColorWindowModel::kColumns;
        const int row = byColumn ? n % rows : n / ColorWindowModel::kColumns;
        swatches[static_cast<std::size_t>(row * ColorWindowModel::kColumns + col)] = entries[i];
    }
}

} // namespace

std::optional<ColorNotification> NotificationQueue::take() {
    if (queue_.empty())
        return std::nullopt;
    const ColorNotification next = queue_.front();
    queue_.pop_front();
    return next;
}

std::string_view colorWindowErrorText(std::uint32_t number) {
    switch (number) {
    case kErrRgbColors:
        return "No RGB colors allowed - Wrong color mode.";
    case kErrRgbBackColors:
        return "No RGB bgcolors allowed - Wrong color mode.";
    case kErrAnsiColors:
        return "No ANSI colors allowed - Wrong color mode.";
    case kErrAnsiBackColors:
        return "No ANSI bgcolors allowed - Wrong color mode.";
    case kErrColors:
        return "No colors allowed - Wrong color mode.";
    case kErrBackColors:
        return "No bgcolors allowed - Wrong color mode.";
    default:
        return " ColorDlg Error (internal-#1)";
    }
}

std::vector<Color> parsePaletteText(std::string_view text) {
    std::vector<Color> colors;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(',', start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view entry = text.substr(start, end - start);
        Color value = 0;
        const auto [ptr, ec] =
            std::from_chars(entry.data(), entry.data() + entry.size(), value, kHexBase);
        if (ec != std::errc() || ptr != entry.data() + entry.size())
            value = kBlack;
        if (!entry.empty())
            colors.push_back(value & kWhite);
        start = end + 1;
    }
    return colors;
}

ColorWindowModel::ColorWindowModel() {
    fillSwatches(rgb_, kRgbPaletteText, true, kRgbRows);
    fillSwatches(ansi_, kAnsiPaletteText, false, kAnsiRows);
}

Color ColorWindowModel::rgbSwatch(int col, int row) const {
    return rgb_[static_cast<std::size_t>(row * kColumns + col)];
}

Color ColorWindowModel::ansiSwatch(int col, int row) const {
    return ansi_[static_cast<std::size_t>(row * kColumns + col)];
}

int ColorWindowModel::imageWidth(ColorWindowImage image) {
    return image == ColorWindowImage::FreeColor ? kSwatch : kColumns * kSwatch;
}

int ColorWindowModel::imageHeight(ColorWindowImage image) {
    switch (image) {
    case ColorWindowImage::RgbPalette:
        return kRgbRows * kSwatch;
    case ColorWindowImage::AnsiPalette:
        return kAnsiRows * kSwatch;
    case ColorWindowImage::FreeColor:
        break;
    }
    return kSwatch;
}

std::optional<Color> ColorWindowModel::colorAt(ColorWindowImage image, int x, int y) const {
    if (x < 0 || y < 0 || x >= imageWidth(image) || y >= imageHeight(image))
        return std::nullopt;
    switch (image) {
    case ColorWindowImage::RgbPalette:
        return rgbSwatch(x / kSwatch, y / kSwatch);
    case ColorWindowImage::AnsiPalette:
        return ansiSwatch(x / kSwatch, y / kSwatch);
    case ColorWindowImage::FreeColor:
        break;
    }
    return freeColor_;
}

std::vector<ColorNotification> ColorWindowModel::click(ColorWindowImage image, int x, int y,
                                                       MouseButton button, ColorMode mode) {
    const std::optional<Color> color = colorAt(image, x, y);
    if (!color)
        return {};
    const bool left = button == MouseButton::Left;
    if (image == ColorWindowImage::AnsiPalette) {
        if (mode == ColorMode::Plain)
            return error(kErrAnsiColors);
        if (left) {
            sampleFont_ = *color;
            return one(kNotifyFontColor, *color);
        }
        if (mode == ColorMode::FontColored)
            return error(kErrAnsiBackColors);
        sampleBack_ = *color;
        return one(kNotifyBackColor, *color);
    }
    // The RGB palette and the free colour.
    if (mode == ColorMode::Plain || mode == ColorMode::Ansi)
        return error(kErrRgbColors);
    if (left) {
        sampleFont_ = *color;
        return one(kNotifyFontColor, *color);
    }
    if (mode != ColorMode::FullColored)
        return error(kErrRgbBackColors);
    sampleBack_ = *color;
    return one(kNotifyBackColor, *color);
}

std::vector<ColorNotification> ColorWindowModel::toolButton(int button, ColorMode mode) const {
    switch (button) {
    case 1:
        return one(kNotifyCommand, kCmdActiveFontToCell);
    case 2:
        return one(kNotifyCommand, kCmdActiveBackToCell);
    case 3:
        if (mode == ColorMode::Plain)
            return error(kErrColors);
        return one(kNotifyCommand, kCmdColorSelectionFont);
    case 4:
        if (mode != ColorMode::FullColored && mode != ColorMode::Ansi)
            return error(kErrBackColors);
        return one(kNotifyCommand, kCmdColorSelectionBack);
    case 5:
        return one(kNotifyCommand, kCmdCopyWithColor);
    case 6:
        return one(kNotifyCommand, kCmdPasteWithColor);
    default:
        return {};
    }
}

void ColorWindowModel::receive(const ColorNotification& notification) {
    if (notification.code == kNotifyFontColor)
        sampleFont_ = notification.value & kWhite;
    else if (notification.code == kNotifyBackColor)
        sampleBack_ = notification.value & kWhite;
}

} // namespace glyphora
