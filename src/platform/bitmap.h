#pragma once

#include "platform/color.h"

#include <cstdint>
#include <vector>

namespace glyphora {

// An offscreen picture of 24-bit pixels, stored row by row as red, green, blue byte triples
// without padding, so rows can be handed to picture codecs and to the shell's image type
// as they are. Coordinates outside the picture are ignored on writing.
class Bitmap {
public:
    static constexpr int kBytesPerPixel = 3;
    // A limit well above any photo, so a forged picture header cannot exhaust memory.
    static constexpr long long kMaxPixels = 256LL * 1024 * 1024;
    static bool sizeFits(long long width, long long height) {
        return width >= 0 && height >= 0 && width * height <= kMaxPixels;
    }

    Bitmap() = default;
    // Sizes below 0 give 0; a size that does not fit gives an empty bitmap.
    Bitmap(int width, int height, Color fill = kWhite);

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return width_ == 0 || height_ == 0; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    // Black outside the picture.
    Color pixel(int x, int y) const;
    void setPixel(int x, int y, Color color);
    // The rectangle [left, right) x [top, bottom), clipped to the picture.
    void fillRect(int left, int top, int right, int bottom, Color color);
    // The one-pixel, 8-connected outline of the axis-aligned ellipse inscribed in the box
    // [left, right) x [top, bottom): it touches all four sides of the box and is symmetric
    // about both of its axes. Boxes one pixel wide or high give a straight line.
    void ellipseOutline(int left, int top, int right, int bottom, Color pen);

    // Row y as width() byte triples (red, green, blue).
    std::uint8_t* scanLine(int y) { return pixels_.data() + rowOffset(y); }
    const std::uint8_t* scanLine(int y) const { return pixels_.data() + rowOffset(y); }

    bool operator==(const Bitmap&) const = default;

private:
    std::size_t rowOffset(int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) * kBytesPerPixel;
    }
    std::size_t pixelOffset(int x, int y) const {
        return rowOffset(y) + static_cast<std::size_t>(x) * kBytesPerPixel;
    }

    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> pixels_;
};

} // namespace glyphora
