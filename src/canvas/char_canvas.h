#pragma once

#include "platform/cell_rect.h"
#include "platform/color.h"
#include "platform/large_block.h"
#include "platform/text_font.h"

#include <climits>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

// The canvas cell limit; the fuzzing build lowers it, where a legal but huge canvas is no
// finding.
#ifndef GLYPHORA_MAX_CELLS
#define GLYPHORA_MAX_CELLS (64LL * 1024 * 1024)
#endif

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
    // A text of at most kInlineCapacity bytes into a cell that holds no long text.
    void setInline(std::string_view text) {
        if (text.size() == 1) // nearly every cell: no copy loop for it
            bytes_[0] = text[0];
        else if (!text.empty()) // an empty view may carry no pointer at all
            std::memcpy(bytes_, text.data(), text.size());
        len_ = static_cast<std::uint8_t>(text.size());
    }

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
    static constexpr long long kMaxCells = GLYPHORA_MAX_CELLS;
    static bool sizeFits(long long cols, long long rows) {
        return cols <= INT32_MAX && rows <= INT32_MAX && cols * rows <= kMaxCells;
    }
    bool contains(int col, int row) const {
        return col >= 0 && row >= 0 && col < cols_ && row < rows_;
    }

    // The cell's text; the empty text outside the canvas. Writes outside are ignored.
    std::string_view text(int col, int row) const {
        return contains(col, row) ? textOf(cells_[index(col, row)]) : std::string_view();
    }
    void setText(int col, int row, std::string_view text) {
        if (!contains(col, row))
            return;
        Cell& cell = cells_[index(col, row)];
        if (text.size() <= Cell::kInlineCapacity && !cell.isLong())
            cell.setInline(text);
        else
            assignText(cell, text);
    }
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
    Color FontCell(int col, int row) {
        if (!contains(col, row))
            return font_.color;
        Cell& cell = cells_[index(col, row)];
        if (!cell.hasOwnFont())
            cell.fg_ = font_.color;
        return cell.fg_;
    }
    void SetFontCell(int col, int row, Color color) {
        if (contains(col, row))
            cells_[index(col, row)].fg_ = color & kWhite;
    }
    void ResetFontCell(int col, int row) {
        if (contains(col, row))
            cells_[index(col, row)].fg_ = Cell::kNoOwnColor;
    }
    // Background: own brush colour, else the default colour.
    Color ColorCell(int col, int row) const {
        if (!contains(col, row))
            return defaultColor_;
        const Cell& cell = cells_[index(col, row)];
        return cell.hasOwnBrush() ? cell.bg_ : defaultColor_;
    }
    void SetColorCell(int col, int row, Color color) {
        if (contains(col, row))
            cells_[index(col, row)].bg_ = color & kWhite;
    }
    void ResetColorCell(int col, int row) {
        if (contains(col, row))
            cells_[index(col, row)].bg_ = Cell::kNoOwnColor;
    }

    // Non-creating reads for drawing and writing files.
    Color foreground(int col, int row) const {
        if (!contains(col, row))
            return font_.color;
        const Cell& cell = cells_[index(col, row)];
        return cell.hasOwnFont() ? cell.fg_ : font_.color;
    }
    Color background(int col, int row) const { return ColorCell(col, row); }
    bool hasOwnFont(int col, int row) const {
        return contains(col, row) && cells_[index(col, row)].hasOwnFont();
    }
    bool hasOwnBrush(int col, int row) const {
        return contains(col, row) && cells_[index(col, row)].hasOwnBrush();
    }

    void removeAllOwnFonts();
    void removeAllOwnBrushes();
    // Gives every cell without an own font one with the present default colour.
    void giveEveryCellOwnFont();

    // Texts and colours move together, each row as one block. The cell storage is kept when
    // the canvas shrinks, so growing back, reloading or inserting after a delete need no new
    // memory.
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
    std::string_view textOf(const Cell& cell) const {
        if (cell.isLong())
            return longTexts_[cell.longIndex()];
        return {cell.bytes_, cell.len_};
    }
    void assignText(Cell& cell, std::string_view text);
    void releaseText(Cell& cell);
    void releaseRange(std::size_t first, std::size_t last);
    // Every row loses `removed` cells from column `at` on and gets `added` empty cells there.
    void spliceColumns(int at, int removed, int added);

    int cols_;
    int rows_;
    std::vector<Cell, LargeBlockAllocator<Cell>> cells_;
    std::vector<std::string> longTexts_;
    std::vector<std::uint32_t> freeLongSlots_;
    TextFont font_;
    Color defaultColor_ = kWhite;
};

} // namespace glyphora
