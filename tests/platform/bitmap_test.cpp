#include "platform/bitmap.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace glyphora {
namespace {

using Rows = std::vector<std::string>;

Rows picture(const Bitmap& bitmap) {
    Rows rows;
    for (int y = 0; y < bitmap.height(); ++y) {
        std::string row;
        for (int x = 0; x < bitmap.width(); ++x)
            row += bitmap.pixel(x, y) == kBlack ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

Bitmap ellipse(int w, int h) {
    Bitmap bitmap(w, h);
    bitmap.ellipseOutline(0, 0, w, h, kBlack);
    return bitmap;
}

bool black(const Bitmap& b, int x, int y) {
    return b.contains(x, y) && b.pixel(x, y) == kBlack;
}

// Whether the black pixels form one 8-connected piece.
bool eightConnected(const Bitmap& b) {
    std::set<std::pair<int, int>> reached;
    const std::function<void(int, int)> visit = [&](int x, int y) {
        if (!black(b, x, y) || !reached.insert({x, y}).second)
            return;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                visit(x + dx, y + dy);
    };
    std::size_t total = 0;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            if (black(b, x, y) && total++ == 0)
                visit(x, y);
    return total > 0 && reached.size() == total;
}

// The distance from a pixel centre to the ellipse through the centres of the box's edge
// pixels, from a fine sampling of the curve.
double distanceToCurve(int x, int y, double a, double b) {
    const int samples = 64 * static_cast<int>(a + b + 2);
    double best = 1e9;
    for (int i = 0; i < samples; ++i) {
        const double t = 2 * std::acos(-1.0) * i / samples;
        best = std::min(best, std::hypot(x - a - a * std::cos(t), y - b - b * std::sin(t)));
    }
    return best;
}

// How close outline pixels stay to the true curve: half a pixel, the nearest pixel of a row
// or column.
constexpr double kNear = 0.5 + 1e-6;

TEST(Bitmap, PixelsKeepTheirColourInRgbByteOrderOutsideIsIgnoredAndHugeSizesGiveNone) {
    Bitmap bitmap(4, 3, rgb(1, 2, 3));
    bitmap.setPixel(1, 1, rgb(0x12, 0x34, 0x56));
    const std::uint8_t* row = bitmap.scanLine(1);
    EXPECT_EQ((std::vector<int>{row[3], row[4], row[5]}), (std::vector<int>{0x12, 0x34, 0x56}));
    bitmap.setPixel(4, 2, kBlack); // outside: writes ignored, reads black
    bitmap.setPixel(-1, 0, kBlack);
    EXPECT_EQ(bitmap.pixel(4, 2), kBlack);
    bitmap.fillRect(2, -1, 9, 2, kBlack); // clipped, right and bottom exclusive
    EXPECT_EQ(picture(bitmap), (Rows{"..##", "..##", "...."}));
    EXPECT_EQ(bitmap.pixel(0, 0), rgb(1, 2, 3));
    EXPECT_EQ(Bitmap(1, 1).pixel(0, 0), kWhite);

    EXPECT_TRUE(Bitmap(-4, 5).empty());
    EXPECT_EQ(Bitmap(1 << 20, 1 << 20).width(), 0);
    Bitmap none;
    none.setPixel(0, 0, kBlack);
    none.fillRect(-5, -5, 5, 5, kBlack);
    none.ellipseOutline(0, 0, 10, 10, kBlack);
    EXPECT_TRUE(none.empty());
}

TEST(Bitmap, EllipseOutlineIsThinConnectedSymmetricAndTouchesTheBox) {
    std::vector<std::pair<int, int>> sizes{{200, 57}, {57, 200}, {120, 120}, {499, 2}, {3, 300}};
    for (int w = 1; w <= 24; ++w) {
        for (int h = 1; h <= 24; ++h)
            sizes.push_back({w, h});
    }
    for (const auto& [w, h] : sizes) {
        SCOPED_TRACE(std::to_string(w) + " x " + std::to_string(h));
        const Bitmap b = ellipse(w, h);
        ASSERT_TRUE(eightConnected(b));
        bool top = false, bottom = false, left = false, right = false;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const bool on = black(b, x, y);
                top = top || (on && y == 0);
                bottom = bottom || (on && y == h - 1);
                left = left || (on && x == 0);
                right = right || (on && x == w - 1);
                ASSERT_EQ(on, black(b, w - 1 - x, y));
                ASSERT_EQ(on, black(b, x, h - 1 - y));
                if (!on || w < 3 || h < 3)
                    continue;
                ASSERT_LT(distanceToCurve(x, y, (w - 1) / 2.0, (h - 1) / 2.0), kNear)
                    << x << "," << y;
                // No solid 2 x 2 block: the outline is one pixel wide. Only across an axis
                // of an even-sized box do the two mirrored halves meet side by side.
                const bool acrossAxis =
                    (w % 2 == 0 && x == w / 2 - 1) || (h % 2 == 0 && y == h / 2 - 1);
                ASSERT_FALSE(!acrossAxis && black(b, x + 1, y) && black(b, x, y + 1) &&
                             black(b, x + 1, y + 1));
            }
        }
        ASSERT_TRUE(top && bottom && left && right);
        // The centre stays white once there is an inside.
        ASSERT_TRUE(w < 3 || h < 3 || !black(b, w / 2, h / 2));
    }
}

TEST(Bitmap, EllipseIsDrawnAtItsBoxAndClipped) {
    // Partly outside: the part inside is the same as in a picture that holds it all.
    const Bitmap whole = ellipse(8, 8);
    Bitmap clipped(4, 4);
    clipped.ellipseOutline(-3, -3, 5, 5, kBlack);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(clipped.pixel(x, y), whole.pixel(x + 3, y + 3)) << x << "," << y;
    }
    const Bitmap before = clipped;
    clipped.ellipseOutline(3, 3, 3, 9, kBlack); // empty box: nothing
    clipped.ellipseOutline(3, 3, 1, 1, kBlack);
    EXPECT_EQ(clipped, before);
}

} // namespace
} // namespace glyphora
