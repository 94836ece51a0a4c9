#include "convert/resample.h"
#include "platform/picture_io.h"
#include "test_support.h"

#include <csetjmp>
#include <cstdio>
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <png.h>
#include <string>
#include <vector>
#include <zlib.h>

namespace glyphora {
namespace {

std::string le16(unsigned v) {
    return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)};
}
std::string le32(std::uint32_t v) {
    return le16(v & 0xFFFF) + le16(v >> 16);
}

// A BMP with a 40-byte header; extra goes between header and pixels (palette, masks).
std::string bmp(int width, int height, int bpp, std::uint32_t compression, const std::string& extra,
                const std::string& pixels, std::uint32_t colors = 0) {
    const std::uint32_t offset = 14 + 40 + static_cast<std::uint32_t>(extra.size());
    return "BM" + le32(offset + static_cast<std::uint32_t>(pixels.size())) + le32(0) +
           le32(offset) + le32(40) + le32(static_cast<std::uint32_t>(width)) +
           le32(static_cast<std::uint32_t>(height)) + le16(1) + le16(static_cast<unsigned>(bpp)) +
           le32(compression) + le32(static_cast<std::uint32_t>(pixels.size())) + le32(0) + le32(0) +
           le32(colors) + le32(0) + extra + pixels;
}

// Palette entries are blue, green, red, reserved.
std::string entry(Color c) {
    return {static_cast<char>(blueOf(c)), static_cast<char>(greenOf(c)),
            static_cast<char>(redOf(c)), '\0'};
}

std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (const int v : values)
        out.push_back(static_cast<char>(v));
    return out;
}

Bitmap decoded(const std::string& data, PictureError expected = PictureError::None) {
    BitmapSink sink;
    EXPECT_EQ(decodePicture(data, sink), expected);
    return sink.bitmap;
}

using Colors = std::vector<Color>;

Colors pixels(const Bitmap& b) {
    Colors out;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            out.push_back(b.pixel(x, y));
    return out;
}

constexpr Color kRed = rgb(255, 0, 0);
constexpr Color kGreen = rgb(0, 255, 0);
constexpr Color kBlue = rgb(0, 0, 255);

TEST(BmpCodec, ReadsTrueColourRowsBottomUpAndTopDown) {
    // 2 x 2, 24 bit: each row 6 bytes + 2 padding; the file's first row is the bottom one.
    const std::string rows = bytes({0, 0, 255, 0, 255, 0, 0, 0}) +    // red, green
                             bytes({255, 0, 0, 255, 255, 255, 0, 0}); // blue, white
    EXPECT_EQ(pixels(decoded(bmp(2, 2, 24, 0, "", rows))), (Colors{kBlue, kWhite, kRed, kGreen}));
    EXPECT_EQ(pixels(decoded(bmp(2, -2, 24, 0, "", rows))), (Colors{kRed, kGreen, kBlue, kWhite}));

    // 32 bit without masks is blue, green, red, unused.
    EXPECT_EQ(pixels(decoded(bmp(1, 1, 32, 0, "", bytes({10, 20, 30, 99})))),
              (Colors{rgb(30, 20, 10)}));
    // 32 bit with masks in another order: red in the low byte.
    const std::string masks = le32(0x000000FF) + le32(0x0000FF00) + le32(0x00FF0000);
    EXPECT_EQ(pixels(decoded(bmp(1, 1, 32, 3, masks, bytes({10, 20, 30, 0})))),
              (Colors{rgb(10, 20, 30)}));
    // 16 bit: 5-5-5 by default, 5-6-5 through masks; full channels become 255.
    EXPECT_EQ(pixels(decoded(bmp(1, 1, 16, 0, "", le16(0x7C00) + le16(0)))), (Colors{kRed}));
    const std::string masks565 = le32(0xF800) + le32(0x07E0) + le32(0x001F);
    EXPECT_EQ(pixels(decoded(bmp(2, 1, 16, 3, masks565, le16(0x07E0) + le16(0x001F)))),
              (Colors{kGreen, kBlue}));
}

TEST(BmpCodec, ReadsPalettedRowsOfOneFourAndEightBits) {
    const std::string palette = entry(kBlack) + entry(kRed) + entry(kGreen) + entry(kBlue);
    // 1 bit, 10 pixels: 1010000011 -> padded row of 4 bytes.
    const Bitmap one = decoded(
        bmp(10, 1, 1, 0, entry(kWhite) + entry(kBlack), bytes({0b10100000, 0b11000000, 0, 0}), 2));
    EXPECT_EQ(pixels(one), (Colors{kBlack, kWhite, kBlack, kWhite, kWhite, kWhite, kWhite, kWhite,
                                   kBlack, kBlack}));
    // 4 bit: the high nibble first; 3 pixels.
    EXPECT_EQ(pixels(decoded(bmp(3, 1, 4, 0, palette, bytes({0x12, 0x30, 0, 0}), 4))),
              (Colors{kRed, kGreen, kBlue}));
    // 8 bit; an index past the palette reads black instead of memory beyond it.
    EXPECT_EQ(pixels(decoded(bmp(3, 1, 8, 0, palette, bytes({3, 1, 200, 0}), 4))),
              (Colors{kBlue, kRed, kBlack}));
}

TEST(BmpCodec, ReadsRunLengthRowsWithDeltasAndAbsoluteRuns) {
    const std::string palette = entry(kBlack) + entry(kRed) + entry(kGreen) + entry(kBlue);
    // 4 x 3 RLE8, bottom-up. Bottom row: 2 red, absolute run (green, blue, red) cut at the
    // row's end; middle row: a delta skips to (1, 2), the top row; 1 blue; end of picture.
    const std::string rle8 = bytes({2, 1, 0, 3, 2, 3, 1, 0, 0, 0, // row 0
                                    0, 2, 1, 1, 1, 3, 0, 1});     // delta, blue, end
    EXPECT_EQ(pixels(decoded(bmp(4, 3, 8, 1, palette, rle8, 4))),
              (Colors{kBlack, kBlue, kBlack, kBlack,  // top row
                      kBlack, kBlack, kBlack, kBlack, // skipped row
                      kRed, kRed, kGreen, kBlue}));   // bottom row
    // RLE4: a run alternates the two nibbles; an absolute run of 3 nibbles pads to 2 bytes.
    const std::string rle4 = bytes({5, 0x12, 0, 0, 0, 3, 0x32, 0x10, 0, 1});
    EXPECT_EQ(pixels(decoded(bmp(5, 2, 4, 2, palette, rle4, 4))),
              (Colors{kBlue, kGreen, kRed, kBlack, kBlack, // top row
                      kRed, kGreen, kRed, kGreen, kRed}));
}

TEST(BmpCodec, WritesTwentyFourBitThatReadsBack) {
    Bitmap picture(3, 2);
    picture.setPixel(0, 0, kRed);
    picture.setPixel(2, 1, rgb(1, 2, 3));
    const std::string file = encodeBmp(picture);
    // 54 header bytes, rows of 9 bytes padded to 12, the bottom row first.
    ASSERT_EQ(file.size(), 54u + 2 * 12);
    EXPECT_EQ(file.substr(0, 2), "BM");
    EXPECT_EQ(file.substr(54 + 6, 3), bytes({3, 2, 1}));
    EXPECT_EQ(file.substr(54 + 12, 3), bytes({0, 0, 255}));
    EXPECT_EQ(decoded(file), picture);
}

TEST(BmpCodec, RefusesForgedAndTruncatedFilesWithoutTakingTheirMemory) {
    const std::string row = bytes({1, 2, 3, 0});
    // Absurd sizes: 65535 x 65535 with a tiny body, a width past every limit, 0 x 0.
    EXPECT_EQ(decoded(bmp(65535, 65535, 24, 0, "", row), PictureError::TooLarge).width(), 0);
    decoded(bmp(0x7FFFFFFF, 1, 24, 0, "", row), PictureError::TooLarge);
    decoded(bmp(0, 0, 24, 0, "", ""), PictureError::Corrupt);
    // A body shorter than the rows, and a pixel offset past the end of the file.
    decoded(bmp(4, 4, 24, 0, "", row), PictureError::Corrupt);
    std::string farOffset = bmp(1, 1, 24, 0, "", row);
    farOffset.replace(10, 4, le32(0x7FFFFFF0));
    decoded(farOffset, PictureError::Corrupt);
    // A header cut off, an unknown depth, RLE that ends before its rows do, and RLE that
    // runs far past the row and the picture.
    decoded(bmp(1, 1, 24, 0, "", row).substr(0, 30), PictureError::Corrupt);
    decoded(bmp(1, 1, 7, 0, "", row), PictureError::Corrupt);
    const std::string palette = entry(kRed);
    decoded(bmp(4, 4, 8, 1, palette, bytes({4, 0, 0, 0}), 1), PictureError::Corrupt);
    const Bitmap overrun =
        decoded(bmp(2, 1, 8, 1, palette, bytes({255, 0, 0, 2, 200, 200, 0, 250, 0, 0, 0, 1}), 1));
    EXPECT_EQ(pixels(overrun), (Colors{kRed, kRed}));
}

// A PNG of the given colour type written by libpng itself, from rows of raw samples.
std::string libpngFile(int width, int height, int colorType, int depth,
                       const std::vector<std::string>& rows, bool interlaced = false,
                       const std::string& paletteRgb = "", const std::string& alphas = "") {
    std::string out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(
        png, &out,
        [](png_structp p, png_bytep data, png_size_t n) {
            static_cast<std::string*>(png_get_io_ptr(p))->append(reinterpret_cast<char*>(data), n);
        },
        nullptr);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height),
                 depth, colorType, interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    std::vector<png_color> colors;
    for (std::size_t i = 0; i + 2 < paletteRgb.size(); i += 3)
        colors.push_back({static_cast<png_byte>(paletteRgb[i]),
                          static_cast<png_byte>(paletteRgb[i + 1]),
                          static_cast<png_byte>(paletteRgb[i + 2])});
    if (!colors.empty())
        png_set_PLTE(png, info, colors.data(), static_cast<int>(colors.size()));
    if (!alphas.empty())
        png_set_tRNS(png, info, reinterpret_cast<png_const_bytep>(alphas.data()),
                     static_cast<int>(alphas.size()), nullptr);
    png_write_info(png, info);
    std::vector<std::string> copies = rows;
    std::vector<png_bytep> pointers;
    for (std::string& r : copies)
        pointers.push_back(reinterpret_cast<png_bytep>(r.data()));
    png_write_image(png, pointers.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

TEST(PngCodec, ReadsEveryColourTypeAsRgbOverWhite) {
    // Grey 8 bit; grey + alpha (half-transparent black is mid grey over white).
    EXPECT_EQ(pixels(decoded(libpngFile(2, 1, PNG_COLOR_TYPE_GRAY, 8, {bytes({0, 200})}))),
              (Colors{kBlack, rgb(200, 200, 200)}));
    EXPECT_EQ(pixels(decoded(libpngFile(1, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 8, {bytes({0, 128})}))),
              (Colors{rgb(127, 127, 127)}));
    // 16-bit RGB keeps the high bytes; RGBA fully transparent is white.
    EXPECT_EQ(pixels(decoded(libpngFile(1, 1, PNG_COLOR_TYPE_RGB, 16,
                                        {bytes({0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC})}))),
              (Colors{rgb(0x12, 0x56, 0x9A)}));
    EXPECT_EQ(
        pixels(decoded(libpngFile(1, 1, PNG_COLOR_TYPE_RGB_ALPHA, 8, {bytes({255, 0, 0, 0})}))),
        (Colors{kWhite}));
    // Palette of 2 bits with a transparent second entry.
    EXPECT_EQ(
        pixels(decoded(libpngFile(3, 1, PNG_COLOR_TYPE_PALETTE, 2, {bytes({0b00011000})}, false,
                                  bytes({255, 0, 0, 0, 0, 255, 0, 255, 0}), bytes({255, 0})))),
        (Colors{kRed, kWhite, kGreen}));
}

TEST(PngCodec, InterlacedAndWrittenPicturesReadBackExactly) {
    std::vector<std::string> rows;
    Bitmap expected(9, 9);
    for (int y = 0; y < 9; ++y) {
        std::string r;
        for (int x = 0; x < 9; ++x) {
            const Color c = rgb(x * 20, y * 20, (x * y) & 0xFF);
            expected.setPixel(x, y, c);
            r += bytes({redOf(c), greenOf(c), blueOf(c)});
        }
        rows.push_back(r);
    }
    EXPECT_EQ(decoded(libpngFile(9, 9, PNG_COLOR_TYPE_RGB, 8, rows, true)), expected);
    const std::string written = encodePng(expected);
    EXPECT_EQ(written.substr(1, 3), "PNG");
    EXPECT_EQ(decoded(written), expected);
}

TEST(PngCodec, RefusesGarbageTruncationAndForgedSizes) {
    Bitmap picture(40, 30, kRed);
    picture.setPixel(5, 5, kBlue);
    const std::string file = encodePng(picture);
    decoded(file.substr(0, file.size() / 2), PictureError::Corrupt);
    decoded(file.substr(0, 20), PictureError::Corrupt);
    std::string garbage = file;
    for (std::size_t i = 40; i < garbage.size(); i += 3)
        garbage[i] = static_cast<char>(garbage[i] ^ 0x5A);
    decoded(garbage, PictureError::Corrupt);
    // A header claiming 65535 x 65535 (its checksum made right) over the same tiny body.
    std::string forged = file;
    forged.replace(16, 8, bytes({0, 0, 0xFF, 0xFF, 0, 0, 0xFF, 0xFF}));
    const std::uint32_t crc = static_cast<std::uint32_t>(
        crc32(0, reinterpret_cast<const Bytef*>(forged.data() + 12), 17));
    forged.replace(29, 4,
                   bytes({static_cast<int>(crc >> 24), static_cast<int>(crc >> 16) & 0xFF,
                          static_cast<int>(crc >> 8) & 0xFF, static_cast<int>(crc & 0xFF)}));
    decoded(forged, PictureError::TooLarge);
}

// A JPEG of the picture written by libjpeg at the best quality, its colour components
// sampled at h x v of the brightness's resolution (2 x 2 is libjpeg's default), with a
// restart marker every `restart` rows of blocks when asked.
std::string jpegFile(const Bitmap& picture, int h = 2, int v = 2, int restart = 0) {
    jpeg_compress_struct info{};
    jpeg_error_mgr err{};
    info.err = jpeg_std_error(&err);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(picture.width());
    info.image_height = static_cast<JDIMENSION>(picture.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    info.comp_info[0].h_samp_factor = h;
    info.comp_info[0].v_samp_factor = v;
    info.restart_in_rows = restart;
    jpeg_start_compress(&info, TRUE);
    for (int y = 0; y < picture.height(); ++y) {
        JSAMPROW row = const_cast<JSAMPROW>(picture.scanLine(y));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    std::string out(reinterpret_cast<char*>(buffer), size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return out;
}

TEST(JpegDecoder, ReadsRgbCloseToWhatWasWrittenAndRefusesDamage) {
    Bitmap picture(32, 16, rgb(200, 40, 40));
    picture.fillRect(16, 0, 32, 16, rgb(20, 20, 220));
    const std::string file = jpegFile(picture);
    PictureHeader header;
    PictureError error;
    ASSERT_TRUE(readPictureHeader(file, header, error));
    EXPECT_EQ(header.type, PictureType::Jpeg);
    EXPECT_EQ(header.width, 32);
    EXPECT_EQ(header.height, 16);
    const Bitmap read = decoded(file);
    ASSERT_EQ(read.width(), 32);
    for (const auto& [x, y] : {std::pair{2, 2}, std::pair{28, 12}}) {
        const Color want = picture.pixel(x, y);
        const Color got = read.pixel(x, y);
        EXPECT_NEAR(redOf(got), redOf(want), 4);
        EXPECT_NEAR(greenOf(got), greenOf(want), 4);
        EXPECT_NEAR(blueOf(got), blueOf(want), 4);
    }
    // Cut in the middle of the data, cut in the header, garbage after the signature.
    decoded(file.substr(0, file.size() * 2 / 3), PictureError::Corrupt);
    decoded(file.substr(0, 40), PictureError::Corrupt);
    decoded("\xFF\xD8\xFF" + std::string(500, '\x42'), PictureError::Corrupt);

    // The frame header claiming another size over the same small body: beyond the limit it
    // is refused at once; within it the decoder stops where the data ends, having taken
    // only the streaming resampler's rows.
    const std::size_t frame = file.find("\xFF\xC0");
    ASSERT_NE(frame, std::string::npos);
    std::string forged = file;
    forged.replace(frame + 5, 4, bytes({0xEA, 0x60, 0xEA, 0x60})); // 60000 x 60000
    decoded(forged, PictureError::TooLarge);
    forged.replace(frame + 5, 4, bytes({0x1F, 0x40, 0x1F, 0x40})); // 8000 x 8000
    PictureResampler small(20, 10, lanczos3, kLanczos3Support, true);
    EXPECT_EQ(decodePicture(forged, small), PictureError::Corrupt);
    EXPECT_TRUE(small.finish().empty());
}

// A sink that takes the rows in one band, in order.
struct InOrderSink : BitmapSink {
    bool takeTwoBands(int) override { return false; }
};

// Detail everywhere, so that every band and every chroma row matters.
Bitmap texturedPicture(int width, int height) {
    Bitmap picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, rgb((x * 7 + y * 3) % 256, (x * y) % 251, (x ^ y) % 256));
    return picture;
}

TEST(JpegDecoder, TwoBandsDecodeTheSameRowsAsOne) {
    // Large enough for the resampler's second thread; each sampling with a cut on a
    // boundary of decoded rows, one off it, and one row above the last.
    const Bitmap picture = texturedPicture(640, 413);
    struct Case {
        int h, v, restart;
    };
    for (const Case c : {Case{2, 2, 0}, Case{2, 1, 0}, Case{1, 1, 0}, Case{2, 2, 3}}) {
        const std::string file = jpegFile(picture, c.h, c.v, c.restart);
        InOrderSink whole;
        ASSERT_EQ(decodeJpegInBands(file, whole, 208), PictureError::None);
        PictureResampler inOrder(90, 40, lanczos3, kLanczos3Support, false);
        ASSERT_EQ(decodeJpeg(file, inOrder), PictureError::None);
        const Bitmap resampled = inOrder.finish();
        for (const int cut : {208, 250, 412}) {
            const std::string label = std::to_string(c.h) + "x" + std::to_string(c.v) + " " +
                                      std::to_string(c.restart) + " cut " + std::to_string(cut);
            BitmapSink bands;
            ASSERT_EQ(decodeJpegInBands(file, bands, cut), PictureError::None) << label;
            EXPECT_TRUE(bands.bitmap == whole.bitmap) << label;
            PictureResampler inBands(90, 40, lanczos3, kLanczos3Support, true);
            ASSERT_EQ(decodeJpegInBands(file, inBands, cut), PictureError::None) << label;
            EXPECT_TRUE(inBands.finish() == resampled) << label;
        }
    }
    // Widened, the kept work rows would outgrow the picture: one band then.
    PictureResampler narrowed(90, 40, lanczos3, kLanczos3Support, true);
    PictureResampler widened(700, 40, lanczos3, kLanczos3Support, true);
    ASSERT_TRUE(narrowed.begin(640, 413) && widened.begin(640, 413));
    EXPECT_TRUE(narrowed.takeTwoBands(208));
    EXPECT_FALSE(widened.takeTwoBands(208));
}

TEST(JpegDecoder, DamageInEitherBandFailsTheWholePicture) {
    const std::string file = jpegFile(texturedPicture(640, 413));
    for (const std::size_t kept : {file.size() / 4, file.size() * 3 / 4}) {
        BitmapSink bands;
        EXPECT_EQ(decodeJpegInBands(file.substr(0, kept), bands, 208), PictureError::Corrupt);
        PictureResampler resampler(90, 40, lanczos3, kLanczos3Support, true);
        EXPECT_EQ(decodeJpegInBands(file.substr(0, kept), resampler, 208), PictureError::Corrupt);
        EXPECT_TRUE(resampler.finish().empty());
    }
}

TEST(OtherPictures, GifAndTgaLoadThroughTheGeneralDecoder) {
    // A 1 x 1 GIF whose one colour is red.
    const std::string gif = "GIF89a" + bytes({1, 0, 1, 0, 0x80, 0, 0}) +
                            bytes({255, 0, 0, 0, 0, 0}) + bytes({0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0}) +
                            bytes({2, 2, 0x44, 0x01, 0}) + ";";
    EXPECT_EQ(pixels(decoded(gif)), (Colors{kRed}));
    // An uncompressed 24-bit TGA of 2 x 1 (blue, green, red order), origin at the top.
    const std::string tga = bytes({0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 1, 0, 24, 0x20}) +
                            bytes({0, 0, 255, 255, 0, 0});
    EXPECT_EQ(pixels(decoded(tga)), (Colors{kRed, kBlue}));
    // Grey and 16-bit PNM widen to RGB; a grey TGA with alpha lies over white.
    EXPECT_EQ(pixels(decoded("P5 2 1 65535\n" + bytes({0xFF, 0xFF, 0, 0}))),
              (Colors{kWhite, kBlack}));
    EXPECT_EQ(pixels(decoded("P6 1 1 255\n" + bytes({255, 0, 0}))), (Colors{kRed}));
    // A header number too long for an int is no picture (stb_image would overflow on it).
    decoded("P6 1 # comment\n 1 2550000000000\n" + bytes({255, 0, 0}), PictureError::NotPicture);
    const std::string greyAlpha = bytes({0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 0, 16, 0x28});
    EXPECT_EQ(pixels(decoded(greyAlpha + bytes({0, 0}))), (Colors{kWhite}));
    decoded("plain text, no picture at all", PictureError::NotPicture);
    decoded("", PictureError::NotPicture);
    // Forged sizes are refused before stb_image takes memory; a GIF cut after its header
    // is damaged.
    std::string hugeGif = gif;
    hugeGif.replace(6, 4, bytes({0xFF, 0xFF, 0xFF, 0xFF}));
    decoded(hugeGif, PictureError::TooLarge);
    std::string hugeTga = tga;
    hugeTga.replace(12, 4, bytes({0xFF, 0xFF, 0xFF, 0xFF}));
    decoded(hugeTga, PictureError::TooLarge);
    decoded(gif.substr(0, 10), PictureError::Corrupt);
    // A size within the limits that the file is far too small to hold is damaged too: the
    // general decoder would otherwise take and fill its memory before reading any pixel.
    std::string sparseGif = gif;
    sparseGif.replace(6, 4, bytes({0xD0, 0x07, 0xD0, 0x07})); // 2000 x 2000 over 30 bytes
    decoded(sparseGif, PictureError::Corrupt);
}

TEST(PictureFiles, WriteChoosesPngByNameAndReadsBack) {
    test::TempDir dir;
    Bitmap picture(5, 4, kGreen);
    picture.setPixel(4, 3, kRed);
    for (const char* name : {"a.PNG", "b.png.bmp"}) {
        test::writeBytes(dir / name, encodePictureFor(name, picture));
        Bitmap read;
        EXPECT_EQ(readPictureFile(dir / name, read), PictureError::None);
        EXPECT_EQ(read, picture);
    }
    EXPECT_EQ(test::readBytes(dir / "a.PNG").substr(1, 3), "PNG");
    EXPECT_EQ(test::readBytes(dir / "b.png.bmp").substr(0, 2), "BM");
    Bitmap none;
    EXPECT_EQ(readPictureFile(dir / "missing.png", none), PictureError::CannotRead);
}

} // namespace
} // namespace glyphora
