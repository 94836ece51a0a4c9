// BMP files of our own: read 1, 4 and 8 bit with a palette (also run-length coded), 16, 24
// and 32 bit, rows bottom-up or top-down; written as 24 bit.
#include "platform/picture_io.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <vector>

namespace glyphora {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12; // the OS/2 header with 16-bit sizes
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kMaxHeaderSize = 4096;
enum Compression : std::uint32_t {
    kRgb = 0,
    kRle8 = 1,
    kRle4 = 2,
    kBitFields = 3,
    kAlphaBitFields = 6,
};
constexpr std::uint32_t kMaxPaletteEntries = 256;

std::uint32_t le16(std::string_view b, std::size_t at) {
    return static_cast<std::uint8_t>(b[at]) | static_cast<std::uint8_t>(b[at + 1]) << 8;
}
std::uint32_t le32(std::string_view b, std::size_t at) {
    return le16(b, at) | le16(b, at + 2) << 16;
}

struct BmpLayout {
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bitsPerPixel = 0;
    std::uint32_t compression = kRgb;
    std::uint32_t dataOffset = 0;
    std::array<std::uint32_t, 3> masks{}; // red, green, blue for 16 and 32 bit
    std::vector<std::array<std::uint8_t, 3>> palette;
};

// Everything but the pixels; false for a header that is cut off or makes no sense.
bool parseLayout(std::string_view b, BmpLayout& layout) {
    if (b.size() < kFileHeaderSize + 4 || b.substr(0, 2) != "BM")
        return false;
    layout.dataOffset = le32(b, 10);
    const std::uint32_t headerSize = le32(b, kFileHeaderSize);
    if (headerSize < kCoreHeaderSize || headerSize > kMaxHeaderSize ||
        b.size() < kFileHeaderSize + headerSize)
        return false;
    const std::size_t h = kFileHeaderSize;
    long long height = 0;
    std::size_t paletteEntrySize = 4;
    std::uint32_t colorsUsed = 0;
    if (headerSize == kCoreHeaderSize) {
        layout.width = static_cast<int>(le16(b, h + 4));
        height = le16(b, h + 6);
        layout.bitsPerPixel = static_cast<int>(le16(b, h + 10));
        paletteEntrySize = 3;
    } else {
        if (headerSize < kInfoHeaderSize)
            return false;
        layout.width = static_cast<std::int32_t>(le32(b, h + 4));
        height = static_cast<std::int32_t>(le32(b, h + 8));
        layout.bitsPerPixel = static_cast<int>(le16(b, h + 14));
        layout.compression = le32(b, h + 16);
        colorsUsed = le32(b, h + 32);
    }
    layout.topDown = height < 0;
    height = height < 0 ? -height : height;
    if (layout.width <= 0 || height <= 0 || height > kMaxPictureSide)
        return false;
    layout.height = static_cast<int>(height);

    const int bpp = layout.bitsPerPixel;
    switch (layout.compression) {
    case kRgb:
        if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32)
            return false;
        if (bpp == 16)
            layout.masks = {0x7C00, 0x03E0, 0x001F};
        if (bpp == 32)
            layout.masks = {0xFF0000, 0x00FF00, 0x0000FF};
        break;
    case kRle8:
    case kRle4:
        if (bpp != (layout.compression == kRle8 ? 8 : 4) || layout.topDown)
            return false;
        break;
    case kBitFields:
    case kAlphaBitFields: {
        if (bpp != 16 && bpp != 32)
            return false;
        // The masks follow a 40-byte header and are part of the larger ones.
        const std::size_t at = h + kInfoHeaderSize;
        if (b.size() < at + 12)
            return false;
        layout.masks = {le32(b, at), le32(b, at + 4), le32(b, at + 8)};
        break;
    }
    default:
        return false;
    }

    if (bpp <= 8) {
        const std::uint32_t most = 1u << bpp;
        const std::uint32_t count = colorsUsed == 0 ? most : std::min(colorsUsed, most);
        std::size_t at = h + headerSize;
        if (headerSize == kInfoHeaderSize &&
            (layout.compression == kBitFields || layout.compression == kAlphaBitFields))
            at += 12;
        if (count > kMaxPaletteEntries || b.size() < at + count * paletteEntrySize)
            return false;
        for (std::uint32_t i = 0; i < count; ++i, at += paletteEntrySize) {
            layout.palette.push_back({static_cast<std::uint8_t>(b[at + 2]),
                                      static_cast<std::uint8_t>(b[at + 1]),
                                      static_cast<std::uint8_t>(b[at])});
        }
    }
    return layout.dataOffset < b.size();
}

// A channel extracted by its mask and scaled to 0..255.
struct MaskChannel {
    int shift = 0;
    int bits = 0;
    std::uint32_t mask = 0;

    explicit MaskChannel(std::uint32_t m) : mask(m) {
        if (m == 0)
            return;
        shift = std::countr_zero(m);
        bits = std::min(std::popcount(m >> shift), 16);
    }
    std::uint8_t operator()(std::uint32_t value) const {
        if (bits == 0)
            return 0;
        const std::uint32_t v = (value & mask) >> shift;
        const std::uint32_t top = (1u << bits) - 1;
        return static_cast<std::uint8_t>((std::min(v, top) * 255u + top / 2) / top);
    }
};

// Uncompressed rows; false when the file ends before the last row.
bool readRows(std::string_view b, const BmpLayout& layout, Bitmap& out) {
    const long long rowBytes =
        ((static_cast<long long>(layout.width) * layout.bitsPerPixel + 31) / 32) * 4;
    if (static_cast<long long>(layout.dataOffset) + rowBytes * layout.height >
        static_cast<long long>(b.size()))
        return false;
    const MaskChannel red(layout.masks[0]);
    const MaskChannel green(layout.masks[1]);
    const MaskChannel blue(layout.masks[2]);
    const auto paletteColor = [&](unsigned index, std::uint8_t* p) {
        static constexpr std::array<std::uint8_t, 3> kOutside{0, 0, 0};
        const auto& c = index < layout.palette.size() ? layout.palette[index] : kOutside;
        std::memcpy(p, c.data(), 3);
    };
    for (int fileRow = 0; fileRow < layout.height; ++fileRow) {
        const int y = layout.topDown ? fileRow : layout.height - 1 - fileRow;
        const auto* src = reinterpret_cast<const std::uint8_t*>(b.data()) + layout.dataOffset +
                          rowBytes * fileRow;
        std::uint8_t* dst = out.scanLine(y);
        for (int x = 0; x < layout.width; ++x, dst += 3) {
            switch (layout.bitsPerPixel) {
            case 1:
                paletteColor((src[x >> 3] >> (7 - (x & 7))) & 1u, dst);
                break;
            case 4:
                paletteColor((src[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xFu, dst);
                break;
            case 8:
                paletteColor(src[x], dst);
                break;
            case 16: {
                const std::uint32_t v = src[2 * x] | src[2 * x + 1] << 8;
                dst[0] = red(v);
                dst[1] = green(v);
                dst[2] = blue(v);
                break;
            }
            case 24:
                dst[0] = src[3 * x + 2];
                dst[1] = src[3 * x + 1];
                dst[2] = src[3 * x];
                break;
            default: {
                std::uint32_t v;
                std::memcpy(&v, src + 4 * x, 4);
                dst[0] = red(v);
                dst[1] = green(v);
                dst[2] = blue(v);
                break;
            }
            }
        }
    }
    return true;
}

// Run-length coded rows (bottom-up). Pixels the runs skip stay black; runs reaching past a
// row's end are cut there. False when the data ends before the last row is reached.
bool readRunLengthRows(std::string_view b, const BmpLayout& layout, Bitmap& out) {
    const bool nibbles = layout.compression == kRle4;
    std::size_t at = layout.dataOffset;
    int x = 0;
    int fileRow = 0;
    const auto put = [&](unsigned index) {
        if (x < layout.width && fileRow < layout.height) {
            static constexpr std::array<std::uint8_t, 3> kOutside{0, 0, 0};
            const auto& c = index < layout.palette.size() ? layout.palette[index] : kOutside;
            std::memcpy(out.scanLine(layout.height - 1 - fileRow) + 3 * x, c.data(), 3);
        }
        ++x;
    };
    out.fillRect(0, 0, out.width(), out.height(), kBlack);
    while (fileRow < layout.height) {
        if (at + 2 > b.size())
            return false;
        const unsigned count = static_cast<std::uint8_t>(b[at]);
        const unsigned value = static_cast<std::uint8_t>(b[at + 1]);
        at += 2;
        if (count > 0) {
            for (unsigned i = 0; i < count && x < layout.width; ++i)
                put(nibbles ? ((i & 1) ? value & 0xF : value >> 4) : value);
            continue;
        }
        switch (value) {
        case 0: // end of line
            x = 0;
            ++fileRow;
            break;
        case 1: // end of picture
            return true;
        case 2: // move right and up
            if (at + 2 > b.size())
                return false;
            x += static_cast<std::uint8_t>(b[at]);
            fileRow += static_cast<std::uint8_t>(b[at + 1]);
            at += 2;
            break;
        default: { // absolute run, padded to a 16-bit boundary
            const std::size_t bytes = nibbles ? (value + 1) / 2 : value;
            if (at + bytes > b.size())
                return false;
            for (unsigned i = 0; i < value; ++i) {
                const unsigned byte = static_cast<std::uint8_t>(b[at + (nibbles ? i / 2 : i)]);
                put(nibbles ? ((i & 1) ? byte & 0xF : byte >> 4) : byte);
            }
            at += bytes + (bytes & 1);
            break;
        }
        }
        x = std::min(x, layout.width);
    }
    return true;
}

void putLe16(std::string& out, std::uint32_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>((v >> 8) & 0xFF));
}
void putLe32(std::string& out, std::uint32_t v) {
    putLe16(out, v & 0xFFFF);
    putLe16(out, v >> 16);
}

} // namespace

bool readBmpHeader(std::string_view bytes, PictureHeader& header) {
    BmpLayout layout;
    if (!parseLayout(bytes, layout))
        return false;
    header.type = PictureType::Bmp;
    header.width = layout.width;
    header.height = layout.height;
    return true;
}

PictureError decodeBmp(std::string_view bytes, PictureRowSink& sink) {
    BmpLayout layout;
    if (!parseLayout(bytes, layout))
        return PictureError::Corrupt;
    if (!pictureSizeFits(layout.width, layout.height))
        return PictureError::TooLarge;
    // Rows come bottom-up and run-length data may skip about, so the picture is read whole
    // before the sink sees it.
    Bitmap picture(layout.width, layout.height, kBlack);
    if (picture.empty())
        return PictureError::TooLarge;
    const bool read = layout.compression == kRle8 || layout.compression == kRle4
                          ? readRunLengthRows(bytes, layout, picture)
                          : readRows(bytes, layout, picture);
    if (!read)
        return PictureError::Corrupt;
    return feedBitmap(picture, sink) ? PictureError::None : PictureError::TooLarge;
}

std::string encodeBmp(const Bitmap& bitmap) {
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(bitmap.width()) * 3 + 3) & ~3u;
    const std::uint32_t dataSize = rowBytes * static_cast<std::uint32_t>(bitmap.height());
    const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize;
    std::string out;
    out.reserve(offset + dataSize);
    out += "BM";
    putLe32(out, offset + dataSize);
    putLe32(out, 0);
    putLe32(out, offset);
    putLe32(out, kInfoHeaderSize);
    putLe32(out, static_cast<std::uint32_t>(bitmap.width()));
    putLe32(out, static_cast<std::uint32_t>(bitmap.height()));
    putLe16(out, 1);  // planes
    putLe16(out, 24); // bits per pixel
    putLe32(out, kRgb);
    putLe32(out, dataSize);
    putLe32(out, 0); // resolution
    putLe32(out, 0);
    putLe32(out, 0); // palette
    putLe32(out, 0);
    for (int y = bitmap.height() - 1; y >= 0; --y) {
        const std::uint8_t* p = bitmap.scanLine(y);
        for (int x = 0; x < bitmap.width(); ++x, p += 3) {
            out.push_back(static_cast<char>(p[2]));
            out.push_back(static_cast<char>(p[1]));
            out.push_back(static_cast<char>(p[0]));
        }
        out.append(rowBytes - static_cast<std::uint32_t>(bitmap.width()) * 3, '\0');
    }
    return out;
}

} // namespace glyphora
