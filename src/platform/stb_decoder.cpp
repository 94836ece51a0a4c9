// GIF, TGA, PSD, PNM, PIC and HDR through stb_image (the first frame of an animation).
#include "platform/picture_io.h"

#include <memory>

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wall"
#pragma GCC diagnostic ignored "-Wextra"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wunused-but-set-variable"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_NO_STDIO
#define STBI_NO_JPEG
#define STBI_NO_PNG
#define STBI_NO_BMP
#define STBI_NO_FAILURE_STRINGS
#define STBI_MAX_DIMENSIONS 65535
#include <stb_image.h>
#pragma GCC diagnostic pop

namespace glyphora {

namespace {

constexpr int kRgba = 4; // the most channels a picture has
constexpr long long kMaxPixelsPerByte = 4096;

struct StbFree {
    void operator()(stbi_uc* pixels) const { stbi_image_free(pixels); }
};

int lengthOf(std::string_view bytes) {
    return bytes.size() > static_cast<std::size_t>(INT32_MAX) ? INT32_MAX
                                                              : static_cast<int>(bytes.size());
}

bool isPnmBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// stb_image reads the three numbers of a binary PNM header into an int without a bound, so
// a number of more than nine digits overflows it. Counted as it reads them: blanks and
// "#" comments, then digits.
bool pnmNumbersFit(std::string_view bytes) {
    if (bytes.size() < 2 || bytes[0] != 'P' || (bytes[1] != '5' && bytes[1] != '6'))
        return true;
    std::size_t i = 2;
    for (int number = 0; number < 3; ++number) {
        for (;;) {
            while (i < bytes.size() && isPnmBlank(bytes[i]))
                ++i;
            if (i >= bytes.size() || bytes[i] != '#')
                break;
            while (i < bytes.size() && bytes[i] != '\n' && bytes[i] != '\r')
                ++i;
        }
        int digits = 0;
        for (; i < bytes.size() && bytes[i] >= '0' && bytes[i] <= '9'; ++i)
            ++digits;
        if (digits > 9)
            return false;
    }
    return true;
}

} // namespace

bool readOtherHeader(std::string_view bytes, PictureHeader& header) {
    if (!pnmNumbersFit(bytes))
        return false;
    int w = 0, h = 0, channels = 0;
    if (!stbi_info_from_memory(reinterpret_cast<const stbi_uc*>(bytes.data()), lengthOf(bytes), &w,
                               &h, &channels))
        return false;
    header.type = PictureType::Other;
    header.width = w;
    header.height = h;
    return true;
}

PictureError decodeOther(std::string_view bytes, PictureRowSink& sink) {
    PictureHeader header;
    if (!readOtherHeader(bytes, header))
        return PictureError::NotPicture;
    // Checked before stb_image takes the memory for the whole picture.
    if (!pictureSizeFits(header.width, header.height))
        return PictureError::TooLarge;
    // stb_image fills the whole picture before it decodes a byte, so a tiny file claiming a
    // large size would cost its full memory. None of its formats packs more pixels into a
    // byte than GIF's longest string per 12-bit code: a header beyond that is forged.
    if (static_cast<long long>(header.width) * header.height >
        static_cast<long long>(bytes.size()) * kMaxPixelsPerByte)
        return PictureError::Corrupt;
    // The file's own channels are asked for and widened here: stb_image's conversion of a
    // 16-bit PNM to other channels runs over the end of its buffer.
    int w = 0, h = 0, channels = 0;
    const std::unique_ptr<stbi_uc, StbFree> pixels(stbi_load_from_memory(
        reinterpret_cast<const stbi_uc*>(bytes.data()), lengthOf(bytes), &w, &h, &channels, 0));
    if (!pixels || !pictureSizeFits(w, h) || channels < 1 || channels > kRgba)
        return PictureError::Corrupt;
    if (!sink.begin(w, h))
        return PictureError::TooLarge;
    const bool grey = channels <= 2;
    const bool alpha = channels == 2 || channels == 4;
    const stbi_uc* in = pixels.get();
    for (int y = 0; y < h; ++y) {
        std::uint8_t* rgb = sink.rowBuffer(y);
        for (int x = 0; x < w; ++x, in += channels, rgb += 3) {
            const stbi_uc opacity = alpha ? in[channels - 1] : 255;
            rgb[0] = overWhite(in[0], opacity);
            rgb[1] = overWhite(in[grey ? 0 : 1], opacity);
            rgb[2] = overWhite(in[grey ? 0 : 2], opacity);
        }
        sink.rowDone(y);
    }
    return PictureError::None;
}

} // namespace glyphora
