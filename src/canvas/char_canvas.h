#pragma once

#include "platform/cell_rect.h"
#include "platform/color.h"
#include "platform/large_block.h"
#include "platform/text_font.h"

#include <climits>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace glyphora {

// How much colour a document may carry; the digit is what the settings file stores.
enum class ColorMode { Plain = 1, FontColored = 2, FullColored = 3, Ansi = 4 };

// One grid cell, 16 bytes: the text inline when it fits in 7 bytes (nearly always one
// byte), otherwise an index into the canvas's table of long texts; the own foreground
// and background colours, or kNoOwnColor when the cell follows the canvas defaults.
class Cell {
public:
    static constexpr Color kNoOwnColor = 0xFF000000u;
    static constexpr std::size_t kInlineCapacity = 7;

    bool hasOwnFont() const { return fg_ != kNoOwnColor; }
    bool hasOwnBrush() const { return bg_ != kNoOwnColor; }
    Color ownFontColor() const { return fg_; }
    Color ownBrushColor() const { return bg_; }

private:
    friend class CharCanvas;
    static constexpr std::uint8_t kLongText = 0xFF;

    bool isLong() const { return len_ == kLongText; }
    std::uint32_t longIndex() const;
    void setLongIndex(std::uint32_t index);

    char bytes_[kInlineCapacity] = {};
    std::uint8_t len_ = 0;
    Color fg_ = kNoOwnColor;
    Color bg_ = kNoOwnColor;
};

// Cell size on screen and the grid-line width.
struct CellMetrics {
    int colWidth = 14;
    int rowHeight = 14;
    int gridLineWidth = 1;
};

// The document: a rectangle of cells, at least 1 x 1, stored row by row in one block.
class CharCanvas {
public:
    explicit CharCanvas(int cols = 80, int rows = 50);

    int colCount() const { return cols_; }
    int rowCount() const { return rows_; }
    // Sizes below 1 give 1. Growing adds empty cells without own colours; shrinking drops
    // the cells outside.
    void setColCount(int cols) { setSize(cols, rows_); }
    void setRowCount(int rows) { setSize(cols_, rows); }
    void setSize(int cols, int rows);
    // Whether a canvas of that size can be held at all; readers and size dialogs refuse
    // larger ones rather than exhaust memory.
    static constexpr long long kMaxCells = 64LL * 1024 * 1024;
    static bool sizeFits(long long cols, long long rows) {
        return cols <= INT32_MAX && rows <= INT32_MAX && cols * rows <= kMaxCells;
    }
    bool contains(int col, int row) const {
        return col >= 0 && row >= 0 && col < cols_ && row < rows_;
    }

    // The cell's text; the empty text outside the canvas. Writes outside are ignored.
    std::string_view text(int col, int row) const;
    void setText(int col, int row, std::string_view text);
    // Sets every cell's text to the empty string; colours stay.
    void clearTexts();

    const Cell& cell(int col, int row) const { return cells_[index(col, row)]; }

    // Canvas defaults: the main font (name, size and style are the same for every cell, so a
    // cell's own font differs from it only in colour) (with the main font colour) and the main grid
    // colour.
    const TextFont& font() const { return font_; }
    void setFont(const TextFont& font) { font_ = font; }
    Color defaultFontColor() const { return font_.color; }
    void setDefaultFontColor(Color c) { font_.color = c; }
    Color defaultColor() const { return defaultColor_; }
    void setDefaultColor(Color c) { defaultColor_ = c; }

    // The creating accessor: a cell without an own font gets one with the present default
    // colour, so it stops following later default changes. Outside the canvas it returns
    // the default without creating anything.
    Color FontCell(int col, int row);
    void SetFontCell(int col, int row, Color color);
    void ResetFontCell(int col, int row);
    // Background: own brush colour, else the default colour.
    Color ColorCell(int col, int row) const;
    void SetColorCell(int col, int row, Color color);
    void ResetColorCell(int col, int row);

    // Non-creating reads for drawing and writing files.
    Color foreground(int col, int row) const;
    Color background(int col, int row) const { return ColorCell(col, row); }
    bool hasOwnFont(int col, int row) const;
    bool hasOwnBrush(int col, int row) const;

    void removeAllOwnFonts();
    void removeAllOwnBrushes();
    // Gives every cell without an own font one with the present default colour.
    void giveEveryCellOwnFont();

    // Texts and colours move together.
    void InsertColumn(int at);
    void InsertRow(int at);
    // Deleting the only column or row empties it instead: the canvas stays at least 1 x 1.
    void DeleteColumn(int at);
    void DeleteRow(int at);

    CellMetrics metrics;
    // The width and height fields: the size as decimal text, written by every command that
    // changes the size and read by the size dialogs as their proposal.
    std::string widthField = "80";
    std::string heightField = "50";
    void updateSizeFields();

    std::size_t longTextCount() const { return longTexts_.size() - freeLongSlots_.size(); }

private:
    std::size_t index(int col, int row) const {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) +
               static_cast<std::size_t>(col);
    }
    std::string_view textOf(const Cell& cell) const;
    void assignText(Cell& cell, std::string_view text);
    void releaseText(Cell& cell);
    void releaseRange(std::size_t first, std::size_t last);

    int cols_;
    int rows_;
    std::vector<Cell, LargeBlockAllocator<Cell>> cells_;
    std::vector<std::string> longTexts_;
    std::vector<std::uint32_t> freeLongSlots_;
    TextFont font_;
    Color defaultColor_ = kWhite;
};

} // namespace glyphora
