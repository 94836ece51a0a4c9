// PNG through libpng: every colour type read as 8-bit RGB, transparency laid over white;
// written as 8-bit RGB.
#include "platform/picture_io.h"

#include <csetjmp>
#include <cstring>
#include <png.h>
#include <vector>

namespace glyphora {

namespace {

constexpr int kSignatureSize = 8;
// Fast compression: pictures of character art are mostly runs, which zlib's quickest level
// packs nearly as small as its slower ones.
constexpr int kCompressionLevel = 1;
constexpr png_alloc_size_t kMaxChunkBytes = 8u * 1024 * 1024;

struct Reader {
    std::string_view bytes;
    std::size_t at = 0;
};

void readFromMemory(png_structp png, png_bytep out, png_size_t count) {
    auto* reader = static_cast<Reader*>(png_get_io_ptr(png));
    if (reader->bytes.size() - reader->at < count)
        png_error(png, "truncated");
    std::memcpy(out, reader->bytes.data() + reader->at, count);
    reader->at += count;
}

void quietWarning(png_structp, png_const_charp) {}
void failWithJump(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}

// A row of RGBA to RGB over white.
void flatten(const std::uint8_t* rgba, std::uint8_t* rgb, int width) {
    for (int x = 0; x < width; ++x, rgba += 4, rgb += 3) {
        const unsigned a = rgba[3];
        rgb[0] = overWhite(rgba[0], a);
        rgb[1] = overWhite(rgba[1], a);
        rgb[2] = overWhite(rgba[2], a);
    }
}

// Only plain data and the row buffer (whose storage the caller owns) live in this frame.
PictureError decode(png_structp png, png_infop info, Reader* reader, PictureRowSink* sink,
                    PictureHeader* header, std::vector<std::uint8_t>* work) {
    if (setjmp(png_jmpbuf(png)))
        return PictureError::Corrupt;
    png_set_read_fn(png, reader, readFromMemory);
    png_set_user_limits(png, kMaxPictureSide, kMaxPictureSide);
    png_set_chunk_malloc_max(png, kMaxChunkBytes);
    png_read_info(png, info);
    const png_uint_32 width = png_get_image_width(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    if (header) {
        header->type = PictureType::Png;
        header->width = static_cast<int>(width);
        header->height = static_cast<int>(height);
        return PictureError::None;
    }
    if (!pictureSizeFits(width, height))
        return PictureError::TooLarge;
    const int w = static_cast<int>(width);
    const int h = static_cast<int>(height);
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != static_cast<png_size_t>(w) * 4)
        return PictureError::Corrupt;
    if (!sink->begin(w, h))
        return PictureError::TooLarge;
    const std::size_t rowBytes = static_cast<std::size_t>(w) * 4;
    if (passes == 1) {
        work->resize(rowBytes);
        for (int y = 0; y < h; ++y) {
            png_read_row(png, work->data(), nullptr);
            flatten(work->data(), sink->rowBuffer(y), w);
            sink->rowDone(y);
        }
    } else {
        // Interlaced rows are refined pass by pass: the whole picture is needed.
        work->resize(rowBytes * static_cast<std::size_t>(h));
        for (int pass = 0; pass < passes; ++pass) {
            for (int y = 0; y < h; ++y)
                png_read_row(png, work->data() + rowBytes * static_cast<std::size_t>(y), nullptr);
        }
        for (int y = 0; y < h; ++y) {
            flatten(work->data() + rowBytes * static_cast<std::size_t>(y), sink->rowBuffer(y), w);
            sink->rowDone(y);
        }
    }
    png_read_end(png, nullptr);
    return PictureError::None;
}

PictureError run(std::string_view bytes, PictureRowSink* sink, PictureHeader* header) {
    if (png_sig_cmp(reinterpret_cast<png_const_bytep>(bytes.data()), 0,
                    std::min<std::size_t>(bytes.size(), kSignatureSize)) != 0)
        return PictureError::NotPicture;
    png_structp png =
        png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, failWithJump, quietWarning);
    if (!png)
        return PictureError::Corrupt;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return PictureError::Corrupt;
    }
    Reader reader{bytes, 0};
    std::vector<std::uint8_t> work;
    const PictureError result = decode(png, info, &reader, sink, header, &work);
    png_destroy_read_struct(&png, &info, nullptr);
    return result;
}

struct Writer {
    std::string out;
};

void writeToMemory(png_structp png, png_bytep data, png_size_t count) {
    static_cast<Writer*>(png_get_io_ptr(png))
        ->out.append(reinterpret_cast<const char*>(data), count);
}
void flushNothing(png_structp) {}

bool encode(png_structp png, png_infop info, Writer* writer, const Bitmap* bitmap) {
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_write_fn(png, writer, writeToMemory, flushNothing);
    png_set_IHDR(png, info, static_cast<png_uint_32>(bitmap->width()),
                 static_cast<png_uint_32>(bitmap->height()), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, kCompressionLevel);
    png_write_info(png, info);
    for (int y = 0; y < bitmap->height(); ++y)
        png_write_row(png, bitmap->scanLine(y));
    png_write_end(png, nullptr);
    return true;
}

} // namespace

bool readPngHeader(std::string_view bytes, PictureHeader& header) {
    return run(bytes, nullptr, &header) == PictureError::None;
}

PictureError decodePng(std::string_view bytes, PictureRowSink& sink) {
    return run(bytes, &sink, nullptr);
}

std::string encodePng(const Bitmap& bitmap) {
    if (bitmap.empty())
        return {};
    png_structp png =
        png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, failWithJump, quietWarning);
    if (!png)
        return {};
    png_infop info = png_create_info_struct(png);
    Writer writer;
    const bool written = info && encode(png, info, &writer, &bitmap);
    png_destroy_write_struct(&png, &info);
    return written ? std::move(writer.out) : std::string();
}

} // namespace glyphora
