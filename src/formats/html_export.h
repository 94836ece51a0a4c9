#pragma once

#include "canvas/char_canvas.h"
#include "canvas/text_conversion.h"
#include "formats/html_options.h"
#include "platform/progress.h"

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace glyphora {

// The coloured HTML pages. Each is written from the canvas as it is, which stays unchanged:
// the texts a page needs in place of cells (entities, "&nbsp;", "-" for unreadable cells)
// exist only in the file. Lines end in CR LF; bytes are written as they are, except that
// with cp437Glyphs set, bytes 128-255 of cell texts become numeric character references of
// their code page 437 characters, so DOS art shows its own glyphs in a browser.
enum class HtmlFlavour {
    Colored,    // one pre block, colour runs as font elements
    Table,      // one table cell per canvas cell, each with its colours
    CssColored, // one pre block, colour runs as u elements of colour classes
    CssTable,   // one table, backgrounds as colour classes
    IeTable,    // one table per row, background and text colour classes
};

struct ColorCount {
    Color color = kBlack;
    long long count = 0;
};

// A colour count as the pages keep it: at most 256 colours, each found colour counting 1 more
// than it occurs (a new one starts at 2); when the table is full, the last entry takes a new
// colour's place. After sorting, the first 26 colours are the classes "A" to "Z".
class ColorTable {
public:
    static constexpr std::size_t kMaxEntries = 256;
    static constexpr std::size_t kClassLetters = 26;

    ColorTable() = default;
    // A table whose first entry is that colour, counted once.
    explicit ColorTable(Color first);

    void add(Color color);
    // Most frequent first; equal counts keep their order.
    void sortByCount();

    const std::vector<ColorCount>& entries() const { return entries_; }
    // The first entry with the highest count; nothing for an empty table.
    std::optional<Color> mostFrequent() const;
    std::size_t classCount() const { return std::min(entries_.size(), kClassLetters); }
    bool hasMoreColorsThanLetters() const { return entries_.size() > kClassLetters; }
    // "A" to "Z" by position, nothing for a colour without a class.
    std::optional<char> letterOf(Color color) const;

private:
    void append(Color color, long long count);

    std::vector<ColorCount> entries_;
    std::unordered_map<Color, std::size_t> positions_;
};

// Called before each row of a count; false stops the count there.
using BeforeRow = std::function<bool(int row)>;
// "HTML colored (CSS)": the text colours of the cells up to each row's last non-empty one,
// starting with cell (0, 0)'s colour; sorted.
ColorTable countTextColors(const CharCanvas& canvas, const BeforeRow& beforeRow = {});
// "HTML table (CSS)": the backgrounds the same way.
ColorTable countBackgroundColors(const CharCanvas& canvas, const BeforeRow& beforeRow = {});

struct HtmlPage {
    // Between "<title>" and "</title>".
    std::string title;
    // The body line's colours; the CSS pre page uses its most frequent colour instead.
    Color mainFont = kBlack;
    Color mainBack = kWhite;
    // Nothing when the options could not be read: each page then has its default style.
    std::optional<HtmlOptions> options;
    bool cp437Glyphs = false;
    // CssColored: countTextColors; CssTable: countBackgroundColors.
    ColorTable classes;
};

// The title of a page written to the path: its file name in upper case.
std::string htmlTitle(std::string_view path);

// The page's bytes, showing progress by rows.
std::string encodeHtml(HtmlFlavour flavour, const CharCanvas& canvas, const HtmlPage& page,
                       Progress& progress);
// Writes the page in pieces, so that a huge canvas never becomes one string; a failure leaves
// an existing file as it was.
bool writeHtml(const std::filesystem::path& path, HtmlFlavour flavour, const CharCanvas& canvas,
               const HtmlPage& page, Progress& progress);

// "Export to browser": the lines in one pre block, not escaped.
std::string browserPageBytes(const TextLines& lines, bool cp437Glyphs);

} // namespace glyphora
