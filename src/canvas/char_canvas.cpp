#include "canvas/char_canvas.h"

#include <algorithm>
#include <cstring>

namespace glyphora {

static_assert(sizeof(Cell) == 16, "a one-byte cell with colours must stay at 16 bytes");

std::uint32_t Cell::longIndex() const {
    std::uint32_t index;
    std::memcpy(&index, bytes_, sizeof index);
    return index;
}

void Cell::setLongIndex(std::uint32_t index) {
    std::memcpy(bytes_, &index, sizeof index);
    len_ = kLongText;
}

CharCanvas::CharCanvas(int cols, int rows)
    : cols_(std::max(cols, 1)), rows_(std::max(rows, 1)),
      cells_(static_cast<std::size_t>(cols_) * static_cast<std::size_t>(rows_)) {
    updateSizeFields();
}

void CharCanvas::updateSizeFields() {
    widthField = std::to_string(cols_);
    heightField = std::to_string(rows_);
}

void CharCanvas::setSize(int cols, int rows) {
    cols = std::max(cols, 1);
    rows = std::max(rows, 1);
    if (cols == cols_ && rows == rows_)
        return;
    if (cols == cols_) {
        // Same row length: rows are appended or dropped at the end of the block.
        if (rows < rows_)
            releaseRange(index(0, rows), cells_.size());
        cells_.resize(static_cast<std::size_t>(cols) * static_cast<std::size_t>(rows));
        rows_ = rows;
        return;
    }
    if (cols < cols_) {
        for (int r = 0; r < rows_; ++r)
            releaseRange(index(cols, r), index(0, r) + static_cast<std::size_t>(cols_));
    }
    if (rows < rows_)
        releaseRange(index(0, rows), cells_.size());
    decltype(cells_) next(static_cast<std::size_t>(cols) * static_cast<std::size_t>(rows));
    const int keepCols = std::min(cols, cols_);
    const int keepRows = std::min(rows, rows_);
    for (int r = 0; r < keepRows; ++r) {
        const auto from = cells_.begin() + static_cast<std::ptrdiff_t>(index(0, r));
        std::copy(from, from + keepCols, next.begin() + static_cast<std::ptrdiff_t>(r) * cols);
    }
    cells_.swap(next);
    cols_ = cols;
    rows_ = rows;
}

std::string_view CharCanvas::textOf(const Cell& cell) const {
    if (cell.isLong())
        return longTexts_[cell.longIndex()];
    return {cell.bytes_, cell.len_};
}

std::string_view CharCanvas::text(int col, int row) const {
    if (!contains(col, row))
        return {};
    return textOf(cells_[index(col, row)]);
}

void CharCanvas::releaseText(Cell& cell) {
    if (cell.isLong()) {
        const std::uint32_t slot = cell.longIndex();
        longTexts_[slot].clear();
        longTexts_[slot].shrink_to_fit();
        freeLongSlots_.push_back(slot);
    }
    cell.len_ = 0;
}

void CharCanvas::releaseRange(std::size_t first, std::size_t last) {
    if (longTextCount() == 0)
        return;
    for (std::size_t i = first; i < last; ++i)
        releaseText(cells_[i]);
}

void CharCanvas::assignText(Cell& cell, std::string_view text) {
    if (text.size() <= Cell::kInlineCapacity) {
        releaseText(cell);
        if (!text.empty()) // an empty view may carry no pointer at all
            std::memcpy(cell.bytes_, text.data(), text.size());
        cell.len_ = static_cast<std::uint8_t>(text.size());
        return;
    }
    if (cell.isLong()) {
        longTexts_[cell.longIndex()].assign(text);
        return;
    }
    std::uint32_t slot;
    if (!freeLongSlots_.empty()) {
        slot = freeLongSlots_.back();
        freeLongSlots_.pop_back();
        longTexts_[slot].assign(text);
    } else {
        slot = static_cast<std::uint32_t>(longTexts_.size());
        longTexts_.emplace_back(text);
    }
    cell.setLongIndex(slot);
}

void CharCanvas::setText(int col, int row, std::string_view text) {
    if (contains(col, row))
        assignText(cells_[index(col, row)], text);
}

void CharCanvas::clearTexts() {
    for (Cell& cell : cells_)
        cell.len_ = 0;
    longTexts_.clear();
    freeLongSlots_.clear();
}

Color CharCanvas::FontCell(int col, int row) {
    if (!contains(col, row))
        return font_.color;
    Cell& cell = cells_[index(col, row)];
    if (!cell.hasOwnFont())
        cell.fg_ = font_.color;
    return cell.fg_;
}

void CharCanvas::SetFontCell(int col, int row, Color color) {
    if (contains(col, row))
        cells_[index(col, row)].fg_ = color & 0xFFFFFF;
}

void CharCanvas::ResetFontCell(int col, int row) {
    if (contains(col, row))
        cells_[index(col, row)].fg_ = Cell::kNoOwnColor;
}

Color CharCanvas::ColorCell(int col, int row) const {
    if (!contains(col, row))
        return defaultColor_;
    const Cell& cell = cells_[index(col, row)];
    return cell.hasOwnBrush() ? cell.bg_ : defaultColor_;
}

void CharCanvas::SetColorCell(int col, int row, Color color) {
    if (contains(col, row))
        cells_[index(col, row)].bg_ = color & 0xFFFFFF;
}

void CharCanvas::ResetColorCell(int col, int row) {
    if (contains(col, row))
        cells_[index(col, row)].bg_ = Cell::kNoOwnColor;
}

Color CharCanvas::foreground(int col, int row) const {
    if (!contains(col, row))
        return font_.color;
    const Cell& cell = cells_[index(col, row)];
    return cell.hasOwnFont() ? cell.fg_ : font_.color;
}

bool CharCanvas::hasOwnFont(int col, int row) const {
    return contains(col, row) && cells_[index(col, row)].hasOwnFont();
}

bool CharCanvas::hasOwnBrush(int col, int row) const {
    return contains(col, row) && cells_[index(col, row)].hasOwnBrush();
}

void CharCanvas::removeAllOwnFonts() {
    for (Cell& cell : cells_)
        cell.fg_ = Cell::kNoOwnColor;
}

void CharCanvas::removeAllOwnBrushes() {
    for (Cell& cell : cells_)
        cell.bg_ = Cell::kNoOwnColor;
}

void CharCanvas::giveEveryCellOwnFont() {
    for (Cell& cell : cells_) {
        if (!cell.hasOwnFont())
            cell.fg_ = font_.color;
    }
}

void CharCanvas::InsertColumn(int at) {
    at = std::clamp(at, 0, cols_);
    const int oldCols = cols_;
    setSize(cols_ + 1, rows_);
    for (int r = 0; r < rows_; ++r) {
        const auto row = cells_.begin() + static_cast<std::ptrdiff_t>(index(0, r));
        // The new cell sits at the end of the row after the resize; rotate it into place.
        std::rotate(row + at, row + oldCols, row + oldCols + 1);
    }
}

void CharCanvas::InsertRow(int at) {
    at = std::clamp(at, 0, rows_);
    setSize(cols_, rows_ + 1);
    const auto first = cells_.begin() + static_cast<std::ptrdiff_t>(index(0, at));
    std::rotate(first, cells_.end() - cols_, cells_.end());
}

void CharCanvas::DeleteColumn(int at) {
    if (at < 0 || at >= cols_)
        return;
    if (cols_ == 1) {
        for (int r = 0; r < rows_; ++r) {
            releaseText(cells_[index(0, r)]);
            cells_[index(0, r)] = Cell{};
        }
        return;
    }
    for (int r = 0; r < rows_; ++r) {
        const auto row = cells_.begin() + static_cast<std::ptrdiff_t>(index(0, r));
        std::rotate(row + at, row + at + 1, row + cols_);
    }
    setSize(cols_ - 1, rows_);
}

void CharCanvas::DeleteRow(int at) {
    if (at < 0 || at >= rows_)
        return;
    if (rows_ == 1) {
        for (int c = 0; c < cols_; ++c) {
            releaseText(cells_[index(c, 0)]);
            cells_[index(c, 0)] = Cell{};
        }
        return;
    }
    const auto first = cells_.begin() + static_cast<std::ptrdiff_t>(index(0, at));
    std::rotate(first, first + cols_, cells_.end());
    setSize(cols_, rows_ - 1);
}

} // namespace glyphora
