#include "canvas/char_canvas.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

namespace glyphora {

static_assert(sizeof(Cell) == 16, "a one-byte cell with colours must stay at 16 bytes");
static_assert(std::is_trivially_copyable_v<Cell>, "rows of cells are moved as bytes");

namespace {

// Moves cells within the block; the old and new places of a row may overlap.
void moveCells(const Cell* from, std::size_t count, Cell* to) {
    if (count > 0 && from != to)
        std::memmove(static_cast<void*>(to), from, count * sizeof(Cell));
}

} // namespace

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
    if (rows < rows_) {
        releaseRange(index(0, rows), cells_.size());
        cells_.resize(static_cast<std::size_t>(cols_) * static_cast<std::size_t>(rows));
        rows_ = rows;
    }
    if (cols != cols_) {
        // Room for the final size at once when both sides grow.
        cells_.reserve(static_cast<std::size_t>(cols) * static_cast<std::size_t>(rows));
        if (cols < cols_)
            spliceColumns(cols, cols_ - cols, 0);
        else
            spliceColumns(cols_, 0, cols - cols_);
    }
    if (rows > rows_) {
        cells_.resize(static_cast<std::size_t>(cols_) * static_cast<std::size_t>(rows));
        rows_ = rows;
    }
}

void CharCanvas::spliceColumns(int at, int removed, int added) {
    if (removed > 0) {
        for (int r = 0; r < rows_; ++r)
            releaseRange(index(at, r), index(at + removed, r));
    }
    const auto oldCols = static_cast<std::size_t>(cols_);
    const auto newCols = static_cast<std::size_t>(cols_ - removed + added);
    const auto rows = static_cast<std::size_t>(rows_);
    const auto head = static_cast<std::size_t>(at);
    const std::size_t tailFrom = head + static_cast<std::size_t>(removed);
    const std::size_t tailTo = head + static_cast<std::size_t>(added);
    const std::size_t tail = oldCols - tailFrom;
    const auto placeRow = [&](std::size_t r) {
        const Cell* const from = cells_.data() + r * oldCols;
        Cell* const to = cells_.data() + r * newCols;
        // The part that moves farther goes first, so neither overwrites the other.
        if (tailTo > tailFrom) {
            moveCells(from + tailFrom, tail, to + tailTo);
            moveCells(from, head, to);
        } else {
            moveCells(from, head, to);
            moveCells(from + tailFrom, tail, to + tailTo);
        }
        std::fill(to + head, to + tailTo, Cell{});
    };
    // Growing rows move towards the end of the block, so they are placed from the last one
    // back; shrinking rows from the first one on. Either way no row is overwritten before it
    // has moved.
    if (newCols > oldCols) {
        cells_.resize(newCols * rows);
        for (std::size_t r = rows; r-- > 0;)
            placeRow(r);
    } else {
        for (std::size_t r = 0; r < rows; ++r)
            placeRow(r);
        cells_.resize(newCols * rows);
    }
    cols_ = static_cast<int>(newCols);
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
        cell.setInline(text);
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

void CharCanvas::clearTexts() {
    for (Cell& cell : cells_)
        cell.len_ = 0;
    longTexts_.clear();
    freeLongSlots_.clear();
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
    spliceColumns(std::clamp(at, 0, cols_), 0, 1);
}

void CharCanvas::InsertRow(int at) {
    at = std::clamp(at, 0, rows_);
    setSize(cols_, rows_ + 1);
    const auto width = static_cast<std::size_t>(cols_);
    Cell* const first = cells_.data() + index(0, at);
    moveCells(first, cells_.size() - index(0, at) - width, first + width);
    std::fill(first, first + width, Cell{});
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
    spliceColumns(at, 1, 0);
}

void CharCanvas::DeleteRow(int at) {
    if (at < 0 || at >= rows_)
        return;
    const auto width = static_cast<std::size_t>(cols_);
    releaseRange(index(0, at), index(0, at) + width);
    if (rows_ == 1) {
        std::fill(cells_.begin(), cells_.end(), Cell{});
        return;
    }
    Cell* const first = cells_.data() + index(0, at);
    moveCells(first + width, cells_.size() - index(0, at) - width, first);
    cells_.resize(cells_.size() - width);
    --rows_;
}

} // namespace glyphora
