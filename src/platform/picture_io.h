#pragma once

#include "platform/bitmap.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace glyphora {

// Picture files: BMP read and written by our own codec, PNG through libpng, JPEG through
// libjpeg-turbo, GIF, TGA, PSD, PNM and the rest through stb_image. The type is told by the
// file's first bytes, never by its name.

// A picture larger than this is refused before any pixel memory is taken, so a forged
// header cannot exhaust memory: 128 Mi pixels, 384 MiB as RGB. (The fuzzing build lowers
// it, as it lowers the canvas limit, so a legal but huge picture is no finding.)
#ifndef GLYPHORA_MAX_PICTURE_PIXELS
#define GLYPHORA_MAX_PICTURE_PIXELS (128LL * 1024 * 1024)
#endif
inline constexpr long long kMaxPicturePixels = GLYPHORA_MAX_PICTURE_PIXELS;
inline constexpr int kMaxPictureSide = 65535;

enum class PictureType { Bmp, Png, Jpeg, Other };

struct PictureHeader {
    PictureType type = PictureType::Other;
    int width = 0;
    int height = 0;
};

enum class PictureError {
    None,
    CannotRead, // the file could not be read
    NotPicture, // no decoder knows the bytes
    TooLarge,   // beyond kMaxPicturePixels, or a side of 0
    Corrupt,    // truncated or damaged data
};

// Receives a picture's rows as they are decoded, so a consumer can work on the first rows
// while later ones are still being decoded. Rows are 3 bytes per pixel, red, green, blue.
class PictureRowSink {
public:
    virtual ~PictureRowSink() = default;
    // Called once before any row with the picture's size; false refuses the picture.
    virtual bool begin(int width, int height) = 0;
    // Where row y (0 is the top) is to be decoded. Rows come top to bottom.
    virtual std::uint8_t* rowBuffer(int y) = 0;
    // Row y is complete in the buffer rowBuffer(y) gave.
    virtual void rowDone(int y) = 0;
    // Asked after begin() by a decoder that can decode two bands of rows at once: whether
    // the rows from the cut on may come on another thread while the rows above it come on
    // this one, each band top to bottom. Without it, every row comes in order on this thread.
    virtual bool takeTwoBands(int cut) {
        (void)cut;
        return false;
    }
};

// A sink that keeps the whole picture.
class BitmapSink : public PictureRowSink {
public:
    bool begin(int width, int height) override;
    std::uint8_t* rowBuffer(int y) override { return bitmap.scanLine(y); }
    void rowDone(int) override {}
    bool takeTwoBands(int) override { return true; }

    Bitmap bitmap;
};

// The type and size from the first bytes of a file, reading no pixels; false when no
// decoder knows them or the size is out of bounds (error says which).
bool readPictureHeader(std::string_view bytes, PictureHeader& header, PictureError& error);

// Decodes the bytes into the sink. Transparent pixels are laid over white.
PictureError decodePicture(std::string_view bytes, PictureRowSink& sink);

// Reads a picture file whole.
PictureError readPictureFile(const std::filesystem::path& path, Bitmap& bitmap);

// 24-bit BMP (bottom-up rows, each padded to 4 bytes) and 8-bit RGB PNG.
std::string encodeBmp(const Bitmap& bitmap);
std::string encodePng(const Bitmap& bitmap);
// Whether a picture written to the path is PNG: its name ends ".png" in any case.
bool writesPng(std::string_view path);
// The file's bytes for a picture written to the path: PNG for a name ending ".png", BMP
// otherwise; empty when it cannot be encoded.
std::string encodePictureFor(std::string_view path, const Bitmap& bitmap);

// ---- The decoders, for decodePicture and for tests of each format ----
PictureError decodeBmp(std::string_view bytes, PictureRowSink& sink);
PictureError decodePng(std::string_view bytes, PictureRowSink& sink);
PictureError decodeJpeg(std::string_view bytes, PictureRowSink& sink);
// A single-scan JPEG decoded in two bands at once, the lower one from the cut on, when the
// sink takes them (else in one); a cut of 0 lets the decoder choose, as decodeJpeg does,
// splitting only a large picture. Either way the rows are the same.
PictureError decodeJpegInBands(std::string_view bytes, PictureRowSink& sink, int cut);
PictureError decodeOther(std::string_view bytes, PictureRowSink& sink);
bool readBmpHeader(std::string_view bytes, PictureHeader& header);
bool readPngHeader(std::string_view bytes, PictureHeader& header);
bool readJpegHeader(std::string_view bytes, PictureHeader& header);
bool readOtherHeader(std::string_view bytes, PictureHeader& header);

// Whether the size is one a decoder accepts.
inline bool pictureSizeFits(long long width, long long height) {
    return width >= 1 && height >= 1 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
           width * height <= kMaxPicturePixels;
}

// Hands a whole bitmap to a sink row by row, for decoders that cannot stream.
bool feedBitmap(const Bitmap& bitmap, PictureRowSink& sink);

// Lays a pixel with alpha over white.
inline std::uint8_t overWhite(unsigned value, unsigned alpha) {
    return static_cast<std::uint8_t>((value * alpha + 255u * (255u - alpha) + 127u) / 255u);
}

} // namespace glyphora
