#include "convert/picture_to_art.h"

#include "platform/rounding.h"
#include "platform/text_file.h"

#include <algorithm>

namespace glyphora {

namespace {

constexpr int kRedWeight = 77;
constexpr int kGreenWeight = 151;
constexpr int kBlueWeight = 28;

// Absolute mapping: brightness values below kBlackBelow are black ("#"), above
// kWhiteAbove white (" "); between them the table runs from entry 95 (dark) to 1.
constexpr long long kBlackBelow = 3000;
constexpr long long kWhiteAbove = 16770400;
constexpr int kDarkestTableEntry = 95;
constexpr double kTableStep = 176499.0;
constexpr double kBuiltInStep = 178481.0;
constexpr int kFirstPrintable = 32;
constexpr int kLastPrintable = 126;
constexpr int kRelativeBase = 31;
constexpr int kRampDivisions = 96;
constexpr const char* kConverting = "Converting ...";
constexpr const char* kLastStep = "Step 3 of 3";
constexpr int kBandColumns = 64;

long long brightness(int grey) {
    return grey * kGreyBrightnessStep;
}

char tableEntry(const CharacterRamp& table, long long entry) {
    return table[static_cast<std::size_t>(std::clamp(entry, 1LL, 96LL) - 1)];
}

char builtInAbsolute(long long c) {
    int k = static_cast<int>(std::clamp(
        kFirstPrintable + roundHalfEven(static_cast<long double>(c) / kBuiltInStep),
        static_cast<long long>(kFirstPrintable), static_cast<long long>(kLastPrintable)));
    // "#" is kept for black and the space for white.
    if (k == '#')
        k = '$';
    if (k == ' ')
        k = '%';
    return static_cast<char>(k);
}

} // namespace

int greyOf(const std::uint8_t* rgb) {
    return (kRedWeight * rgb[0] + kGreenWeight * rgb[1] + kBlueWeight * rgb[2]) >> 8;
}

Color GreyLevel(Color color) {
    const std::uint8_t channels[3] = {static_cast<std::uint8_t>(redOf(color)),
                                      static_cast<std::uint8_t>(greenOf(color)),
                                      static_cast<std::uint8_t>(blueOf(color))};
    const int g = greyOf(channels);
    return rgb(g, g, g);
}

void greyPicture(Bitmap& picture) {
    for (int y = 0; y < picture.height(); ++y) {
        std::uint8_t* p = picture.scanLine(y);
        for (int x = 0; x < picture.width(); ++x, p += 3) {
            const auto g = static_cast<std::uint8_t>(greyOf(p));
            p[0] = p[1] = p[2] = g;
        }
    }
}

std::optional<CharacterRamp> readCharacterRamp(const std::filesystem::path& file) {
    std::string bytes;
    if (!readFileBytes(file, bytes) || bytes.size() < kRampSize)
        return std::nullopt;
    CharacterRamp ramp;
    std::copy_n(bytes.begin(), kRampSize, ramp.begin());
    return ramp;
}

GreyCharacters absoluteCharacters(const CharacterRamp* table) {
    GreyCharacters out;
    for (int g = 0; g < 256; ++g) {
        const long long c = brightness(g);
        const bool black = c < kBlackBelow;
        const bool white = c > kWhiteAbove;
        char ch;
        if (black)
            ch = '#';
        else if (white)
            ch = ' ';
        else if (table)
            ch = tableEntry(
                *table, kDarkestTableEntry -
                            roundHalfEven(static_cast<long double>(c - kBlackBelow) / kTableStep));
        else
            ch = builtInAbsolute(c);
        out[static_cast<std::size_t>(g)] = ch;
    }
    return out;
}

std::optional<GreyCharacters> relativeCharacters(const CharacterRamp* table, int darkestGrey,
                                                 int brightestGrey) {
    const long long min = brightness(darkestGrey);
    const long long step = (brightness(brightestGrey) - min) / kRampDivisions;
    if (step <= 0)
        return std::nullopt;
    GreyCharacters out;
    for (int g = 0; g < 256; ++g) {
        const long long rank = roundHalfEven(static_cast<long double>(brightness(g) - min) / step);
        char ch;
        if (table) {
            ch = tableEntry(*table, kRampDivisions - rank);
        } else {
            int k = static_cast<int>(std::clamp(kRelativeBase + rank,
                                                static_cast<long long>(kFirstPrintable),
                                                static_cast<long long>(kLastPrintable)));
            // The darkest grey becomes "#" and the brightest a space; "$" stands in for "#".
            if (k == '#')
                k = '$';
            if (k == kLastPrintable)
                k = ' ';
            else if (k == ' ')
                k = '#';
            ch = static_cast<char>(k);
        }
        out[static_cast<std::size_t>(g)] = ch;
    }
    return out;
}

GreyRange greyRange(const Bitmap& picture) {
    GreyRange range;
    for (int y = 0; y < picture.height(); ++y) {
        const std::uint8_t* p = picture.scanLine(y);
        for (int x = 0; x < picture.width(); ++x, p += 3) {
            range.darkest = std::min<int>(range.darkest, p[0]);
            range.brightest = std::max<int>(range.brightest, p[0]);
        }
    }
    return range;
}

void writeArt(const Bitmap& picture, const GreyCharacters& characters, CharCanvas& canvas,
              Progress& progress, int progressMaximum) {
    const int width = std::min(picture.width(), canvas.colCount());
    const int height = std::min(picture.height(), canvas.rowCount());
    // Column by column as the panel counts, in bands of columns so that the cells, stored
    // row by row, are visited in runs.
    for (int band = 0; band < width; band += kBandColumns) {
        const int end = std::min(band + kBandColumns, width);
        progress.setBarPosition(end - 1, progressMaximum, kConverting, kLastStep);
        for (int y = 0; y < height; ++y) {
            const std::uint8_t* p = picture.scanLine(y) + 3 * band;
            for (int x = band; x < end; ++x, p += 3)
                canvas.setText(x, y, std::string_view(&characters[p[0]], 1));
        }
    }
}

} // namespace glyphora
