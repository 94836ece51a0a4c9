#pragma once

#include "canvas/char_canvas.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace glyphora {

// The page area the import reads at most: a column beyond this or a row beyond the next
// ends it.
inline constexpr int kHtmlImportMaxColumn = 1000;
inline constexpr int kHtmlImportMaxRow = 2000;
// The largest page imported; a larger one is refused before it is read.
inline constexpr std::uintmax_t kHtmlImportMaxBytes = std::uintmax_t{256} << 20;

struct HtmlImportHooks {
    // Polled before each byte of a block; true stops the import where it is.
    std::function<bool()> escapeDown;
    // Called with the row each line feed of a block moves to.
    std::function<void(int row)> lineStarted;
};

struct HtmlImportResult {
    enum class End { Complete, TooLarge, Break };
    End end = End::Complete;
    // Whether any pre-like block start tag was found.
    bool blockFound = false;
    // The body tag's colours, as they became the canvas defaults.
    std::optional<Color> background;
    std::optional<Color> text;
    // The first font family and font size text mentioned in a block's tags.
    std::optional<std::string> fontFamily;
    std::optional<std::string> fontSize;
};

// Reads the preformatted blocks of an HTML page ("<PRE>", "<LISTING>", "<XMP>",
// "<PLAINTEXT>" without attributes) into the canvas: one cell per byte, coloured by font
// tags, line feeds starting rows, two blank rows after each block; entities become their
// character ("&lt;" "&gt;" "&quot;" "&amp;") or a blank. The canvas becomes as wide as the
// widest row and as tall as the rows reached (at least 1 x 1), every cell read having its
// own font colour. The body tag's colours become the canvas defaults. Memory is bounded by
// the page area, not by the page.
HtmlImportResult importHtml(std::string_view page, CharCanvas& canvas,
                            const HtmlImportHooks& hooks = {});

} // namespace glyphora
