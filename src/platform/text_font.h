#pragma once

#include "platform/color.h"

#include <string>

namespace glyphora {

// A font as the canvas, the font dialog and the text view use it.
struct TextFont {
    std::string name = "Courier New";
    int size = 6; // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    Color color = kBlack;

    bool operator==(const TextFont&) const = default;
};

} // namespace glyphora
