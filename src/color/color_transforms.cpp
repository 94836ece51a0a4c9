#include "color/color_transforms.h"

#include <algorithm>
#include <charconv>

namespace glyphora {

namespace {

constexpr int kRedWeight = 77;
constexpr int kGreenWeight = 151;
constexpr int kBlueWeight = 28;
constexpr int kWeightShift = 8; // the weights add up to 256
constexpr int kChannelMax = 255;
constexpr std::string_view kNothingAnswer = "0";
constexpr std::string_view kBlank = " ";

template <class Map> void mapLayer(CharCanvas& canvas, ColorLayer layer, Map map) {
    for (int r = 0; r < canvas.rowCount(); ++r) {
        for (int c = 0; c < canvas.colCount(); ++c)
            writeCellColor(canvas, c, r, layer, map(readCellColor(canvas, c, r, layer)));
    }
}

} // namespace

std::string_view channelOrderCaption(ChannelOrder order) {
    switch (order) {
    case ChannelOrder::RBG:
        return "RGB -> RBG";
    case ChannelOrder::BGR:
        return "RGB -> BGR";
    case ChannelOrder::BRG:
        return "RGB -> BRG";
    case ChannelOrder::GRB:
        return "RGB -> GRB";
    case ChannelOrder::GBR:
        return "RGB -> GBR";
    }
    return {};
}

Color grayOf(Color color) {
    const int v =
        (kRedWeight * redOf(color) + kGreenWeight * greenOf(color) + kBlueWeight * blueOf(color)) >>
        kWeightShift;
    return rgb(v, v, v);
}

Color negativeOf(Color color) {
    return kWhite - (color & kWhite);
}

Color permutedOf(Color color, ChannelOrder order) {
    const int r = redOf(color);
    const int g = greenOf(color);
    const int b = blueOf(color);
    switch (order) {
    case ChannelOrder::RBG:
        return rgb(r, b, g);
    case ChannelOrder::BGR:
        return rgb(b, g, r);
    case ChannelOrder::BRG:
        return rgb(g, b, r);
    case ChannelOrder::GRB:
        return rgb(g, r, b);
    case ChannelOrder::GBR:
        return rgb(b, r, g);
    }
    return color;
}

Color brightenedOf(Color color, int delta) {
    const auto channel = [delta](int v) { return std::clamp(v + delta, 0, kChannelMax); };
    return rgb(channel(redOf(color)), channel(greenOf(color)), channel(blueOf(color)));
}

void ColorToGray(CharCanvas& canvas) {
    for (int r = 0; r < canvas.rowCount(); ++r) {
        for (int c = 0; c < canvas.colCount(); ++c) {
            canvas.SetFontCell(c, r, grayOf(canvas.FontCell(c, r)));
            canvas.SetColorCell(c, r, grayOf(canvas.ColorCell(c, r)));
        }
    }
}

void Negative(CharCanvas& canvas, ColorLayer layer) {
    mapLayer(canvas, layer, negativeOf);
}

void Permute(CharCanvas& canvas, ColorLayer layer, ChannelOrder order) {
    mapLayer(canvas, layer, [order](Color c) { return permutedOf(c, order); });
}

void Brightness(CharCanvas& canvas, ColorLayer layer, int delta) {
    mapLayer(canvas, layer, [delta](Color c) { return brightenedOf(c, delta); });
}

void SwapFgBg(CharCanvas& canvas) {
    for (int r = 0; r < canvas.rowCount(); ++r) {
        for (int c = 0; c < canvas.colCount(); ++c) {
            const std::string_view text = canvas.text(c, r);
            if (text.empty() || text == kBlank)
                continue;
            const Color fg = canvas.FontCell(c, r);
            const Color bg = canvas.ColorCell(c, r);
            canvas.SetFontCell(c, r, bg);
            canvas.SetColorCell(c, r, fg);
        }
    }
}

BrightnessInput parseBrightness(const std::optional<std::string>& answer) {
    if (!answer || *answer == kNothingAnswer)
        return {};
    const std::string& text = *answer;
    std::size_t start = 0;
    // A leading plus is accepted like a minus; the digits must run to the end.
    if (!text.empty() && text[0] == '+')
        start = 1;
    // Anything outside a 32-bit integer is not a whole number to the box, as out of range
    // is kept for the values it can hold.
    int value = 0;
    const char* first = text.data() + start;
    const char* last = text.data() + text.size();
    const auto [end, ec] = std::from_chars(first, last, value);
    if (first == last || ec != std::errc() || end != last || (start == 1 && *first == '-'))
        return {std::nullopt, kNoIntegerError};
    if (value < -kMaxBrightnessStep || value > kMaxBrightnessStep)
        return {std::nullopt, kOutOfRangeError};
    return {static_cast<int>(value), {}};
}

} // namespace glyphora
