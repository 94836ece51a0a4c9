#include "convert/colorgrid.h"

#include "color/ansi_palette.h"
#include "formats/ansi_format.h"
#include "platform/rounding.h"

#include <algorithm>
#include <vector>

namespace glyphora {

namespace {

constexpr const char* kSettingColor = "Setting color ...";
constexpr const char* kOnlyStep = "Step 1 of 1";

// The picture's index for each cell index: Round(i / (cells / pixels)), inside the picture.
std::vector<int> samplePositions(int cells, int pixels) {
    const double cellsPerPixel = static_cast<double>(cells) / pixels;
    std::vector<int> at(static_cast<std::size_t>(cells));
    for (int i = 0; i < cells; ++i)
        at[static_cast<std::size_t>(i)] = static_cast<int>(
            std::clamp(roundHalfEven(i / cellsPerPixel), 0LL, static_cast<long long>(pixels - 1)));
    return at;
}

} // namespace

void colorGrid(const Bitmap& picture, CharCanvas& canvas, ColorTarget target, Progress& progress) {
    if (picture.empty())
        return;
    const int cols = canvas.colCount();
    const int rows = canvas.rowCount();
    const std::vector<int> columns = samplePositions(cols, picture.width());
    const std::vector<int> lines = samplePositions(rows, picture.height());
    for (int y = 0; y < rows; ++y) {
        progress.setBarPosition(y, rows - 1, kSettingColor, kOnlyStep);
        const int py = lines[static_cast<std::size_t>(y)];
        for (int x = 0; x < cols; ++x) {
            const Color c = picture.pixel(columns[static_cast<std::size_t>(x)], py);
            if (target == ColorTarget::Foreground)
                canvas.SetFontCell(x, y, c);
            else
                canvas.SetColorCell(x, y, c);
        }
    }
}

void mapColorsToAnsiPalette(CharCanvas& canvas) {
    const auto nearest = [](Color c, bool background) {
        return kAnsiPalette[static_cast<std::size_t>(nearestAnsiIndex(c, background))].color;
    };
    for (int y = 0; y < canvas.rowCount(); ++y) {
        for (int x = 0; x < canvas.colCount(); ++x) {
            if (canvas.hasOwnFont(x, y))
                canvas.SetFontCell(x, y, nearest(canvas.foreground(x, y), false));
            if (canvas.hasOwnBrush(x, y))
                canvas.SetColorCell(x, y, nearest(canvas.background(x, y), true));
        }
    }
    canvas.setDefaultFontColor(kAnsiDefaultFont);
    canvas.setDefaultColor(kAnsiDefaultBack);
}

} // namespace glyphora
