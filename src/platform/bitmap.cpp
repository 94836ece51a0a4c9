#include "platform/bitmap.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace glyphora {

namespace {

struct Point {
    int x;
    int y;
};

bool touching(Point a, Point b) {
    return std::abs(a.x - b.x) <= 1 && std::abs(a.y - b.y) <= 1;
}

// Drops each inner point whose neighbours on the path touch each other already (the
// corner of an L where the path turns from a row into a column), keeping it 8-connected.
std::vector<Point> thinned(const std::vector<Point>& path) {
    std::vector<Point> thin{path.front()};
    for (std::size_t i = 1; i + 1 < path.size(); ++i) {
        if (!touching(thin.back(), path[i + 1]))
            thin.push_back(path[i]);
    }
    if (path.size() > 1)
        thin.push_back(path.back());
    return thin;
}

// One quarter of the outline of a w x h box (both at least 2), from the top pixel right of
// the centre line to the right-hand pixel above the middle. Pixel centres sit at whole
// coordinates and the ellipse passes through the centres of the box's edge pixels. Every
// column of the quarter gets the pixel nearest to the curve in that column, and every row
// the pixel nearest to it in that row; the curve falls monotonically there, so the points
// sorted by column and row form an 8-connected staircase. Where it turns from a row into a
// column an L corner is left; that pixel is dropped.
std::vector<Point> ellipseQuarter(int w, int h) {
    const double cx = (w - 1) / 2.0;
    const double cy = (h - 1) / 2.0;
    const int firstX = w / 2;
    const int lastX = w - 1;
    const int lastY = (h - 1) / 2;
    const auto along = [](double offset) {
        return std::sqrt(std::max(0.0, 1.0 - offset * offset));
    };
    std::vector<Point> points;
    for (int x = firstX; x <= lastX; ++x) {
        const double y = cy - cy * along((x - cx) / cx);
        points.push_back({x, std::clamp(static_cast<int>(std::lround(y)), 0, lastY)});
    }
    for (int y = 0; y <= lastY; ++y) {
        const double x = cx + cx * along((y - cy) / cy);
        points.push_back({std::clamp(static_cast<int>(std::lround(x)), firstX, lastX), y});
    }
    std::sort(points.begin(), points.end(),
              [](Point a, Point b) { return a.x != b.x ? a.x < b.x : a.y < b.y; });
    points.erase(std::unique(points.begin(), points.end(),
                             [](Point a, Point b) { return a.x == b.x && a.y == b.y; }),
                 points.end());
    return thinned(points);
}

} // namespace

Bitmap::Bitmap(int width, int height, Color fill) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (!sizeFits(width, height))
        return;
    width_ = width;
    height_ = height;
    pixels_.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) *
                   kBytesPerPixel);
    fillRect(0, 0, width_, height_, fill);
}

Color Bitmap::pixel(int x, int y) const {
    if (!contains(x, y))
        return kBlack;
    const std::uint8_t* p = pixels_.data() + pixelOffset(x, y);
    return rgb(p[0], p[1], p[2]);
}

void Bitmap::setPixel(int x, int y, Color color) {
    if (!contains(x, y))
        return;
    std::uint8_t* p = pixels_.data() + pixelOffset(x, y);
    p[0] = static_cast<std::uint8_t>(redOf(color));
    p[1] = static_cast<std::uint8_t>(greenOf(color));
    p[2] = static_cast<std::uint8_t>(blueOf(color));
}

void Bitmap::fillRect(int left, int top, int right, int bottom, Color color) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, width_);
    bottom = std::min(bottom, height_);
    if (left >= right || top >= bottom)
        return;
    // The first row pixel by pixel, the others copied from it.
    for (int x = left; x < right; ++x)
        setPixel(x, top, color);
    const std::size_t bytes = static_cast<std::size_t>(right - left) * kBytesPerPixel;
    for (int y = top + 1; y < bottom; ++y)
        std::memcpy(pixels_.data() + pixelOffset(left, y), pixels_.data() + pixelOffset(left, top),
                    bytes);
}

void Bitmap::ellipseOutline(int left, int top, int right, int bottom, Color pen) {
    const int w = right - left;
    const int h = bottom - top;
    if (w <= 0 || h <= 0)
        return;
    if (w == 1 || h == 1) {
        fillRect(left, top, right, bottom, pen);
        return;
    }
    for (const Point p : ellipseQuarter(w, h)) {
        setPixel(left + p.x, top + p.y, pen);
        setPixel(left + w - 1 - p.x, top + p.y, pen);
        setPixel(left + p.x, top + h - 1 - p.y, pen);
        setPixel(left + w - 1 - p.x, top + h - 1 - p.y, pen);
    }
}

} // namespace glyphora
