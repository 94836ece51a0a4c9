#pragma once

#include "platform/cell_rect.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace glyphora {

// A FIGlet font file held as its lines, line 0 the header. Only the header's height and
// widest-glyph fields are read; glyphs are found by counting the lines that hold "@@".
class FigletFont {
public:
    FigletFont() = default;
    explicit FigletFont(std::vector<std::string> lines);

    // Nothing when the file is missing, unreadable, binary or larger than any font.
    static std::optional<FigletFont> load(const std::filesystem::path& path);

    const std::vector<std::string>& lines() const { return lines_; }
    // Header field 2 (the height) and field 4 (the widest glyph), fields separated by single
    // blanks and each ended by one; nothing when the field is missing, not a number, or not
    // a size a grid can take.
    std::optional<int> height() const;
    std::optional<int> maxWidth() const;
    // The line that ends the glyph of a character code: the (code - 31)-th line holding "@@".
    // Nothing when the font has fewer such lines.
    std::optional<std::size_t> glyphEnd(int code) const;

private:
    std::vector<std::string> lines_;
    std::vector<std::size_t> glyphEnds_;
};

// The text grid of the FigLet panel: one character or nothing per cell. Cells right of the
// column count may hold characters that show once the grid grows.
class FigletGrid {
public:
    static constexpr char kEmpty = '\0';

    int rowCount() const { return static_cast<int>(rows_.size()); }
    int colCount() const { return cols_; }
    void setRowCount(int rows);
    void setColCount(int cols) { cols_ = cols < 0 ? 0 : cols; }
    char at(int col, int row) const;
    // Writes outside the rows, or left of column 0, are skipped.
    void set(int col, int row, char ch);
    // Every cell empty, shown or not.
    void clear();

private:
    std::vector<std::string> rows_;
    int cols_ = 0;
};

// The warnings about a header without a height or width field.
inline constexpr const char* kFigletNoHeight =
    "No Information about font height found. Setting delault (20)!";
inline constexpr const char* kFigletNoWidth =
    "No Information about font widht found. Setting delault (20)!";

// What loading a font found in its header.
struct FigletLoadReport {
    bool heightMissing = false;
    bool widthMissing = false;
};

// The FigLet panel's state: the font, the text grid with its pen, the typing box and the
// label, the grid selection the mouse last passed over. The shell draws it.
class FigletPanel {
public:
    static constexpr int kFallbackSize = 20;
    static constexpr const char* kNoFont = "No Font Selected";
    static constexpr const char* kFontActive = "Font activ";
    static constexpr const char* kInitialTyping = "Hi";

    FigletPanel();

    bool visible() const { return visible_; }
    void setVisible(bool visible) { visible_ = visible; }
    const std::string& fontLabel() const { return fontLabel_; }
    const std::string& typing() const { return typing_; }
    void clearTyping() { typing_.clear(); }
    bool hasFont() const { return font_.has_value(); }
    const FigletGrid& grid() const { return grid_; }
    int pen() const { return pen_; }
    int rememberedWidth() const { return rememberedWidth_; }

    // Takes a loaded font: the label says so, the grid takes the font's height and width
    // (20 where the header lacks them). The grid is not reset here.
    FigletLoadReport setFont(FigletFont font);
    // Column count back to the remembered width, pen 0, every cell and the typing box empty.
    void reset();
    // Renders the glyph of a typed key (32..126) at the pen: a space only moves the pen by
    // three columns. Returns false, changing nothing visible, for other keys and for keys
    // without a glyph (no font, or too few glyphs).
    bool type(int key);

    // The rectangle the mouse last selected on the grid, as the grid reports it.
    const CellRect& selection() const { return selection_; }
    void setSelection(const CellRect& rect) { selection_ = rect; }
    // Every cell of the grid up to its column count.
    CellRect wholeGrid() const;
    // The rectangle "Copy Grid" takes: the selection, or the whole grid when only one cell is
    // selected (wholeGrid tells which); normalised and cut to the grid.
    CellRect copyRect(bool& wholeGrid) const;
    // The rows of a rectangle as text, each without its trailing blanks, empty cells inside a
    // row becoming spaces.
    std::vector<std::string> rowsText(const CellRect& rect) const;

private:
    bool visible_ = false;
    std::optional<FigletFont> font_;
    FigletGrid grid_;
    std::string fontLabel_ = kNoFont;
    std::string typing_ = kInitialTyping;
    int pen_ = 0;
    int rememberedWidth_ = kFallbackSize;
    CellRect selection_{0, 0, 0, 0};
};

} // namespace glyphora
