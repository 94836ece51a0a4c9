#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace glyphora {

// 24-bit colour with red in the low byte: 0x00BBGGRR. Black is 0, white 0xFFFFFF.
using Color = std::uint32_t;

inline constexpr Color kBlack = 0x000000;
inline constexpr Color kWhite = 0xFFFFFF;

constexpr Color rgb(int r, int g, int b) {
    return static_cast<Color>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int redOf(Color c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int greenOf(Color c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int blueOf(Color c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

// Six upper-case hex digits in red, green, blue order ("FF0000" is pure red).
std::string colorToHex(Color c);

// Reads the first six characters as RRGGBB pairs, case-insensitively. A character that is
// not a hex digit counts as 0; missing characters count as 0 too.
Color hexToColor(std::string_view text);

// Whether the text is exactly six hex digits, as a colour answer or setting must be.
bool isColorText(std::string_view text);

} // namespace glyphora
