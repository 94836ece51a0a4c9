#include "platform/bitmap.h"

#include <cmath>
#include <gtest/gtest.h>
#include <queue>
#include <string>
#include <vector>

namespace glyphora {
namespace {

std::vector<std::string> picture(const Bitmap& bitmap) {
    std::vector<std::string> rows;
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

bool eightConnected(const Bitmap& b) {
    std::vector<char> seen(static_cast<std::size_t>(b.width() * b.height()), 0);
    int total = 0;
    int startX = -1;
    int startY = -1;
    for (int y = 0; y < b.height(); ++y) {
        for (int x = 0; x < b.width(); ++x) {
            if (b.pixel(x, y) == kBlack) {
                ++total;
                startX = x;
                startY = y;
            }
        }
    }
    if (total == 0)
        return false;
    std::queue<std::pair<int, int>> work;
    work.push({startX, startY});
    seen[static_cast<std::size_t>(startY * b.width() + startX)] = 1;
    int reached = 0;
    while (!work.empty()) {
        const auto [x, y] = work.front();
        work.pop();
        ++reached;
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const int nx = x + dx;
                const int ny = y + dy;
                if (!b.contains(nx, ny) || b.pixel(nx, ny) != kBlack)
                    continue;
                char& mark = seen[static_cast<std::size_t>(ny * b.width() + nx)];
                if (!mark) {
                    mark = 1;
                    work.push({nx, ny});
                }
            }
        }
    }
    return reached == total;
}

// The distance from a pixel centre to the ellipse through the centres of the box's edge
// pixels, from a fine sampling of the curve.
double distanceToCurve(int x, int y, double a, double b) {
    const int samples = 64 * static_cast<int>(a + b + 2);
    const double pi = std::acos(-1.0);
    double best = 1e9;
    for (int i = 0; i < samples; ++i) {
        const double t = 2 * pi * i / samples;
        best = std::min(best, std::hypot(x - a - a * std::cos(t), y - b - b * std::sin(t)));
    }
    return best;
}

// How close outline pixels stay to the true curve: half a pixel, the nearest pixel of a row
// or column.
constexpr double kNear = 0.5 + 1e-6;

TEST(Bitmap, PixelsKeepTheirColourInRgbByteOrder) {
    Bitmap bitmap(3, 2);
    EXPECT_EQ(bitmap.pixel(2, 1), kWhite);
    bitmap.setPixel(1, 1, rgb(0x12, 0x34, 0x56));
    EXPECT_EQ(bitmap.pixel(1, 1), rgb(0x12, 0x34, 0x56));
    const std::uint8_t* row = bitmap.scanLine(1);
    EXPECT_EQ(row[3], 0x12);
    EXPECT_EQ(row[4], 0x34);
    EXPECT_EQ(row[5], 0x56);
    // Outside: writes ignored, reads black.
    bitmap.setPixel(3, 0, kBlack);
    bitmap.setPixel(-1, 0, kBlack);
    EXPECT_EQ(bitmap.pixel(3, 0), kBlack);
    EXPECT_EQ(picture(bitmap), (std::vector<std::string>{"...", "..."}));
}

TEST(Bitmap, SizesThatCannotBeHeldGiveAnEmptyBitmap) {
    EXPECT_TRUE(Bitmap(-4, 5).empty());
    EXPECT_TRUE(Bitmap(1 << 20, 1 << 20).empty());
    EXPECT_EQ(Bitmap(1 << 20, 1 << 20).width(), 0);
    Bitmap none;
    none.setPixel(0, 0, kBlack);
    none.fillRect(-5, -5, 5, 5, kBlack);
    none.ellipseOutline(0, 0, 10, 10, kBlack);
    EXPECT_TRUE(none.empty());
}

TEST(Bitmap, FillRectIsClippedAndExclusiveAtRightAndBottom) {
    Bitmap bitmap(4, 3, rgb(1, 2, 3));
    bitmap.fillRect(2, -1, 9, 2, kBlack);
    EXPECT_EQ(picture(bitmap), (std::vector<std::string>{"..##", "..##", "...."}));
    EXPECT_EQ(bitmap.pixel(0, 0), rgb(1, 2, 3));
}

TEST(Bitmap, SmallEllipses) {
    EXPECT_EQ(picture(ellipse(1, 1)), (std::vector<std::string>{"#"}));
    EXPECT_EQ(picture(ellipse(2, 2)), (std::vector<std::string>{"##", "##"}));
    EXPECT_EQ(picture(ellipse(4, 1)), (std::vector<std::string>{"####"}));
    EXPECT_EQ(picture(ellipse(1, 3)), (std::vector<std::string>{"#", "#", "#"}));
    EXPECT_EQ(picture(ellipse(3, 3)), (std::vector<std::string>{".#.", "#.#", ".#."}));
    EXPECT_EQ(picture(ellipse(5, 5)),
              (std::vector<std::string>{".###.", "#...#", "#...#", "#...#", ".###."}));
    EXPECT_EQ(picture(ellipse(8, 4)),
              (std::vector<std::string>{".######.", "#......#", "#......#", ".######."}));
}

TEST(Bitmap, EllipseOutlineIsThinConnectedSymmetricAndTouchesTheBox) {
    std::vector<std::pair<int, int>> sizes;
    for (int w = 1; w <= 24; ++w) {
        for (int h = 1; h <= 24; ++h)
            sizes.push_back({w, h});
    }
    sizes.insert(sizes.end(), {{200, 57}, {57, 200}, {120, 120}, {499, 2}, {3, 300}});
    for (const auto& [w, h] : sizes) {
        SCOPED_TRACE(std::to_string(w) + " x " + std::to_string(h));
        const Bitmap b = ellipse(w, h);
        ASSERT_TRUE(eightConnected(b));
        bool top = false, bottom = false, left = false, right = false;
        for (int x = 0; x < w; ++x) {
            top = top || b.pixel(x, 0) == kBlack;
            bottom = bottom || b.pixel(x, h - 1) == kBlack;
        }
        for (int y = 0; y < h; ++y) {
            left = left || b.pixel(0, y) == kBlack;
            right = right || b.pixel(w - 1, y) == kBlack;
        }
        ASSERT_TRUE(top && bottom && left && right);
        const double cx = (w - 1) / 2.0;
        const double cy = (h - 1) / 2.0;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const bool on = b.pixel(x, y) == kBlack;
                ASSERT_EQ(on, b.pixel(w - 1 - x, y) == kBlack);
                ASSERT_EQ(on, b.pixel(x, h - 1 - y) == kBlack);
                if (w < 3 || h < 3)
                    continue;
                // No solid 2 x 2 block: the outline is one pixel wide. Only across an axis
                // of an even-sized box do the two mirrored halves meet side by side.
                const bool acrossAxis =
                    (w % 2 == 0 && x == w / 2 - 1) || (h % 2 == 0 && y == h / 2 - 1);
                if (!acrossAxis && x + 1 < w && y + 1 < h) {
                    ASSERT_FALSE(on && b.pixel(x + 1, y) == kBlack && b.pixel(x, y + 1) == kBlack &&
                                 b.pixel(x + 1, y + 1) == kBlack);
                }
                // Every outline pixel lies near the ellipse.
                if (on) {
                    ASSERT_LT(distanceToCurve(x, y, cx, cy), kNear) << x << "," << y;
                }
            }
        }
        // The centre stays white once there is an inside.
        if (w >= 3 && h >= 3) {
            ASSERT_NE(b.pixel(w / 2, h / 2), kBlack);
        }
    }
}

TEST(Bitmap, EllipseIsDrawnAtItsBoxAndClipped) {
    Bitmap bitmap(6, 5);
    bitmap.ellipseOutline(2, 1, 5, 4, kBlack);
    EXPECT_EQ(picture(bitmap),
              (std::vector<std::string>{"......", "...#..", "..#.#.", "...#..", "......"}));
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
