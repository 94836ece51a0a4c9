#pragma once

#include "platform/color.h"

#include <array>
#include <optional>
#include <string_view>

namespace glyphora {

// One of the 16 colours of ANSI art, with the SGR parameters that select it.
struct AnsiColor {
    std::string_view name;
    Color color;                 // 0x00BBGGRR
    std::string_view sgr;        // attribute and foreground, e.g. "1;31"
    std::string_view background; // "40".."47"; empty for the bright colours
    std::string_view field;      // the chooser's field, "f0".."f7", "ff0".."ff7"

    std::string_view attribute() const { return sgr.substr(0, 1); }
    std::string_view foreground() const { return sgr.substr(2); }
};

inline constexpr int kAnsiColorCount = 16;
// Only the first eight exist as backgrounds.
inline constexpr int kAnsiBackgroundCount = 8;

inline constexpr std::array<AnsiColor, kAnsiColorCount> kAnsiPalette = {{
    {"black", rgb(0x00, 0x00, 0x00), "0;30", "40", "f0"},
    {"red", rgb(0xA0, 0x00, 0x00), "0;31", "41", "f1"},
    {"green", rgb(0x00, 0xA0, 0x00), "0;32", "42", "f2"},
    {"brown", rgb(0xA0, 0x50, 0x00), "0;33", "43", "f3"},
    {"blue", rgb(0x00, 0x00, 0xA0), "0;34", "44", "f4"},
    {"magenta", rgb(0xA0, 0x00, 0xA0), "0;35", "45", "f5"},
    {"cyan", rgb(0x00, 0xA8, 0xA0), "0;36", "46", "f6"},
    {"light grey", rgb(0xA0, 0xA8, 0xA0), "0;37", "47", "f7"},
    {"dark grey", rgb(0x50, 0x50, 0x50), "1;30", "", "ff0"},
    {"light red", rgb(0xFF, 0x50, 0x50), "1;31", "", "ff1"},
    {"light green", rgb(0x50, 0xF8, 0x50), "1;32", "", "ff2"},
    {"yellow", rgb(0xFF, 0xF8, 0x50), "1;33", "", "ff3"},
    {"light blue", rgb(0x50, 0x50, 0xFF), "1;34", "", "ff4"},
    {"light magenta", rgb(0xFF, 0x50, 0xFF), "1;35", "", "ff5"},
    {"light cyan", rgb(0x50, 0xF8, 0xFF), "1;36", "", "ff6"},
    {"white", rgb(0xFF, 0xF8, 0xFF), "1;37", "", "ff7"},
}};

// The ANSI mode's canvas defaults: light grey on black.
inline constexpr Color kAnsiDefaultFont = kAnsiPalette[7].color;
inline constexpr Color kAnsiDefaultBack = kAnsiPalette[0].color;

// The palette index of a colour by exact RGB value, among all 16 or among the 8 that can
// be backgrounds.
std::optional<int> ansiForegroundIndex(Color color);
std::optional<int> ansiBackgroundIndex(Color color);

} // namespace glyphora
