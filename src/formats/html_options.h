#pragma once

#include "platform/text_font.h"
#include "platform/ui.h"

#include <optional>
#include <string>

namespace glyphora {

// The font and table border of the HTML pages. They live for the whole run: each export
// presets them from the canvas font and shows them on the options form, whose values are
// kept; only the table border is the user's own from one export to the next.
struct HtmlOptions {
    static constexpr int kMinFontSize = 1;
    static constexpr int kMaxFontSize = 30;
    static constexpr int kMinTableBorder = 0;
    static constexpr int kMaxTableBorder = 4;

    std::string fontFamily = "Courier New";
    int fontSize = 10; // points
    int tableBorder = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    bool operator==(const HtmlOptions&) const = default;
};

// The canvas font's name, size and style become the options; the table border stays.
void presetHtmlOptions(HtmlOptions& options, const TextFont& canvasFont);

HtmlOptionsForm toHtmlOptionsForm(const HtmlOptions& options);
// The form's values, or nothing when its size or border is not a whole number in its range:
// the pages then fall back to their default style.
std::optional<HtmlOptions> readHtmlOptionsForm(const HtmlOptionsForm& form);

} // namespace glyphora
