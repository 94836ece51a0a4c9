#include "edit/clipboard.h"

#include "platform/text_file.h"

#include <algorithm>

namespace glyphora {

namespace {

constexpr int kMaxLines = 500;
constexpr int kMaxChars = 500;

bool isBlank(std::string_view text) {
    return text.empty() || text == " ";
}

} // namespace

std::string_view TextClip::at(int col, int row) const {
    const std::size_t i = index(col, row);
    return !filled_.empty() && filled_[i] ? std::string_view(&chars_[i], 1) : std::string_view();
}

void TextClip::set(int col, int row, std::string_view text) {
    const std::size_t i = index(col, row);
    if (filled_.empty()) {
        chars_.assign(static_cast<std::size_t>(kSize) * kSize, 0);
        filled_.assign(static_cast<std::size_t>(kSize) * kSize, false);
    }
    filled_[i] = !text.empty();
    chars_[i] = text.empty() ? 0 : text.front();
}

void copyToTextClip(CharCanvas& canvas, const CellRect& block, TextClip& clip, bool blank) {
    for (int r = block.top; r <= block.bottom; ++r) {
        for (int c = block.left; c <= block.right; ++c) {
            clip.set(c - block.left, r - block.top, canvas.text(c, r).substr(0, 1));
            if (blank)
                canvas.setText(c, r, " ");
        }
    }
    clip.ClipLastCol = block.right - block.left;
    clip.ClipLastRow = block.bottom - block.top;
    clip.ClipboardFilled = true;
}

std::string blockRowsToText(TextClip& clip) {
    std::string text;
    for (int r = 0; r <= clip.ClipLastRow; ++r) {
        bool metCharacter = false;
        for (int c = clip.ClipLastCol; c >= 0; --c) {
            const std::string_view cell = clip.at(c, r);
            if (!metCharacter) {
                if (isBlank(cell))
                    clip.set(c, r, "");
                else
                    metCharacter = true;
            } else if (cell.empty()) {
                clip.set(c, r, " ");
            }
        }
        if (r > 0)
            text += "\r\n";
        for (int c = 0; c <= clip.ClipLastCol; ++c)
            text += clip.at(c, r);
    }
    return text;
}

bool readClipboardText(std::string_view text, TextClip& clip) {
    // Only the first 500 lines are kept; the rest is not even looked at.
    std::vector<std::string_view> lines;
    forEachTextLine(text, [&](std::string_view line) {
        lines.push_back(line);
        return static_cast<int>(lines.size()) < kMaxLines;
    });
    if (lines.empty())
        return false;
    std::size_t longest = 0;
    for (const std::string_view line : lines)
        longest = std::max(longest, line.size());
    const int lastCol =
        longest == 0 ? 0 : static_cast<int>(std::min<std::size_t>(longest - 1, TextClip::kMaxLast));
    const int lastRow = std::min(static_cast<int>(lines.size()) - 1, TextClip::kMaxLast);
    for (int c = 0; c <= lastCol; ++c)
        for (int r = 0; r <= lastRow; ++r)
            clip.set(c, r, " ");
    for (int r = 0; r <= lastRow; ++r) {
        const std::string_view line = lines[static_cast<std::size_t>(r)];
        const int count =
            std::min(static_cast<int>(std::min<std::size_t>(line.size(), kMaxChars)), lastCol + 1);
        for (int c = 0; c < count; ++c)
            clip.set(c, r, line.substr(static_cast<std::size_t>(c), 1));
    }
    clip.ClipLastCol = lastCol;
    clip.ClipLastRow = lastRow;
    clip.ClipboardFilled = true;
    return true;
}

bool growToFit(CharCanvas& canvas, int col, int row, int lastCol, int lastRow, Color fg, Color bg) {
    bool grew = false;
    const auto prepare = [&](int c, int r) {
        canvas.setText(c, r, " ");
        canvas.SetFontCell(c, r, fg);
        canvas.SetColorCell(c, r, bg);
    };
    const int oldCols = canvas.colCount();
    if (col + lastCol > oldCols - 1) {
        canvas.setColCount(col + lastCol + 1);
        for (int r = 0; r < canvas.rowCount(); ++r)
            for (int c = oldCols; c < canvas.colCount(); ++c)
                prepare(c, r);
        grew = true;
    }
    const int oldRows = canvas.rowCount();
    if (row + lastRow > oldRows - 1) {
        canvas.setRowCount(row + lastRow + 1);
        for (int r = oldRows; r < canvas.rowCount(); ++r)
            for (int c = 0; c < canvas.colCount(); ++c)
                prepare(c, r);
        grew = true;
    }
    if (grew)
        canvas.updateSizeFields();
    return grew;
}

void writeBlock(CharCanvas& canvas, const TextClip& clip, int col, int row, PasteMode mode) {
    for (int y = 0; y <= clip.ClipLastRow; ++y) {
        for (int x = 0; x <= clip.ClipLastCol; ++x) {
            const std::string_view source = clip.at(x, y);
            const int c = col + x;
            const int r = row + y;
            switch (mode) {
            case PasteMode::Plain:
                canvas.setText(c, r, source);
                break;
            case PasteMode::Over:
                if (!isBlank(source))
                    canvas.setText(c, r, source);
                break;
            case PasteMode::Under:
                if (isBlank(canvas.text(c, r)))
                    canvas.setText(c, r, source);
                break;
            }
        }
    }
}

std::string copyToColorClip(CharCanvas& canvas, const CellRect& block, ColorClip& clip) {
    std::string text;
    for (int r = block.top; r <= block.bottom; ++r) {
        if (r > block.top)
            text += "\r\n";
        for (int c = block.left; c <= block.right; ++c) {
            const std::string_view cell = canvas.text(c, r);
            ColorClip::Entry& entry = clip.at(c - block.left, r - block.top);
            entry.hasChar = !cell.empty();
            entry.ch = cell.empty() ? 0 : cell.front();
            entry.fg = canvas.FontCell(c, r);
            entry.bg = canvas.ColorCell(c, r);
            text += cell;
        }
    }
    clip.ColorClipLastCol = block.right - block.left;
    clip.ColorClipLastRow = block.bottom - block.top;
    clip.ColorClipFilled = true;
    return text;
}

void writeColorBlock(CharCanvas& canvas, const ColorClip& clip, int col, int row) {
    for (int y = 0; y <= clip.ColorClipLastRow; ++y) {
        for (int x = 0; x <= clip.ColorClipLastCol; ++x) {
            const ColorClip::Entry& entry = clip.at(x, y);
            canvas.setText(col + x, row + y,
                           entry.hasChar ? std::string_view(&entry.ch, 1) : std::string_view());
            canvas.SetFontCell(col + x, row + y, entry.fg);
            canvas.SetColorCell(col + x, row + y, entry.bg);
        }
    }
}

} // namespace glyphora
