#pragma once

#include "canvas/char_canvas.h"
#include "color/color_layer.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace glyphora {

// Whole-document colour transforms. Each visits every cell row by row and writes the cells'
// own colours, so afterwards the touched cells no longer follow the main colours.

// The five channel orders of "Flip colors", named by the channels that receive the old
// red, green and blue: RBG keeps red and swaps green and blue.
enum class ChannelOrder { RBG, BGR, BRG, GRB, GBR };
inline constexpr std::array<ChannelOrder, 5> kChannelOrders = {
    ChannelOrder::RBG, ChannelOrder::BGR, ChannelOrder::BRG, ChannelOrder::GRB, ChannelOrder::GBR};
// The menu item, e.g. "RGB -> BRG".
std::string_view channelOrderCaption(ChannelOrder order);

inline constexpr int kMaxBrightnessStep = 255;

// (77 R + 151 G + 28 B) div 256 in all three channels.
Color grayOf(Color color);
Color negativeOf(Color color);
Color permutedOf(Color color, ChannelOrder order);
// Adds delta to each channel, clamped to 0..255.
Color brightenedOf(Color color, int delta);

// Foreground, then background of every cell.
void ColorToGray(CharCanvas& canvas);
void Negative(CharCanvas& canvas, ColorLayer layer);
void Permute(CharCanvas& canvas, ColorLayer layer, ChannelOrder order);
void Brightness(CharCanvas& canvas, ColorLayer layer, int delta);
// Exchanges the two colours of every cell whose text is neither empty nor " ".
void SwapFgBg(CharCanvas& canvas);

// The brightness box's answer read: nothing to do (cancel or exactly "0"), an error text,
// or the step.
struct BrightnessInput {
    std::optional<int> delta;
    std::string_view error; // empty when there is nothing to report
};
inline constexpr std::string_view kNoIntegerError = "ERROR: No interger value";
inline constexpr std::string_view kOutOfRangeError = "ERROR: Value out of range.";
BrightnessInput parseBrightness(const std::optional<std::string>& answer);

} // namespace glyphora
