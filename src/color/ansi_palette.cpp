#include "color/ansi_palette.h"

namespace glyphora {

namespace {

std::optional<int> indexAmong(Color color, int count) {
    color &= kWhite;
    for (int i = 0; i < count; ++i) {
        if (kAnsiPalette[static_cast<std::size_t>(i)].color == color)
            return i;
    }
    return std::nullopt;
}

} // namespace

std::optional<int> ansiForegroundIndex(Color color) {
    return indexAmong(color, kAnsiColorCount);
}

std::optional<int> ansiBackgroundIndex(Color color) {
    return indexAmong(color, kAnsiBackgroundCount);
}

} // namespace glyphora
