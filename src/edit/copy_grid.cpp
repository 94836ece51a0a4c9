#include "edit/copy_grid.h"

#include "platform/text_case.h"

#include <algorithm>

namespace glyphora {

namespace {

constexpr Color kSilver = rgb(0xC0, 0xC0, 0xC0);
constexpr std::string_view kTextExtension = ".txt";
constexpr int kBlockLimit = TextClip::kMaxLast + 1;

} // namespace

CopyGrid::CopyGrid() : cells_(kInitialCols, kInitialRows) {
    TextFont font;
    font.size = kFontSize;
    cells_.setFont(font);
    cells_.setDefaultColor(kSilver);
    cells_.metrics.colWidth = kCellWidth;
    cells_.metrics.rowHeight = kCellHeight;
}

void CopyGrid::setSelection(CellRect rect) {
    const auto clampCol = [&](int c) { return std::clamp(c, 0, cells_.colCount() - 1); };
    const auto clampRow = [&](int r) { return std::clamp(r, 0, cells_.rowCount() - 1); };
    selection_ = {
        clampCol(std::min(rect.left, rect.right)), clampRow(std::min(rect.top, rect.bottom)),
        clampCol(std::max(rect.left, rect.right)), clampRow(std::max(rect.top, rect.bottom))};
}

void CopyGrid::selectAll() {
    selection_ = {0, 0, cells_.colCount() - 1, cells_.rowCount() - 1};
}

void CopyGrid::load(const TextLines& lines) {
    TextToGrid(lines, cells_);
    setSelection(selection_);
}

void CopyGrid::renew(int cols, int rows) {
    cells_.setSize(cols, rows);
    for (int r = 0; r < cells_.rowCount(); ++r)
        for (int c = 0; c < cells_.colCount(); ++c)
            cells_.setText(c, r, " ");
    setSelection(selection_);
}

TextLines CopyGrid::lines() {
    return GridToText(cells_);
}

void CopyGrid::copyTo(TextClip& clip) {
    CellRect block = selection_;
    block.right = std::min(block.right, block.left + kBlockLimit - 1);
    block.bottom = std::min(block.bottom, block.top + kBlockLimit - 1);
    copyToTextClip(cells_, block, clip, false);
}

void CopyGrid::pasteFrom(const TextClip& clip) {
    writeBlock(cells_, clip, selection_.left, selection_.top, PasteMode::Plain);
}

void CopyGrid::blankSelection() {
    for (int r = selection_.top; r <= selection_.bottom; ++r)
        for (int c = selection_.left; c <= selection_.right; ++c)
            cells_.setText(c, r, " ");
}

std::string copyGridFileName(std::string_view chosen) {
    std::string name(chosen);
    if (!containsIgnoringCase(name, kTextExtension))
        name += kTextExtension;
    return name;
}

} // namespace glyphora
