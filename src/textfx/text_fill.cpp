#include "textfx/text_fill.h"

#include <algorithm>
#include <istream>
#include <vector>

namespace glyphora {

namespace {

// The text as tokens: bytes, and two marks that no byte can be confused with.
constexpr int kLineBreak = 256;
constexpr int kBreakPoint = 257; // a blank chosen for a line break
constexpr int kBlank = ' ';

} // namespace

void fillRectWithText(CharCanvas& canvas, const CellRect& rect, const TextLines& lines) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const std::size_t enough = static_cast<std::size_t>(std::max(width, 0)) *
                               static_cast<std::size_t>(std::max(height, 0));
    std::vector<int> text;
    for (const std::string& line : lines) {
        if (text.size() > enough)
            break;
        text.push_back(kLineBreak);
        for (const char ch : line)
            text.push_back(static_cast<unsigned char>(ch));
    }
    text.push_back(kBlank);

    std::size_t head = 0;      // the text before head is written
    std::size_t blankScan = 0; // no blank before this index
    std::size_t breakPoints = 0;
    const auto firstBlank = [&] {
        blankScan = std::max(blankScan, head);
        while (blankScan < text.size() && text[blankScan] != kBlank)
            ++blankScan;
        return blankScan;
    };
    int row = 0;
    int col = 0;
    while (row < height && head < text.size()) {
        // Break points: the first blank, then every further blank within the width.
        for (std::size_t at = firstBlank(); at < text.size(); at = firstBlank()) {
            text[at] = kBreakPoint;
            ++breakPoints;
            const std::size_t next = firstBlank();
            if (next >= text.size() || next - head + 1 > static_cast<std::size_t>(width))
                break;
        }
        while (breakPoints > 0 && col <= width) {
            const int token = text[head];
            if (token == kLineBreak) {
                ++row;
                col = 0;
                ++head;
                continue;
            }
            if (row > height)
                return; // the line breaks led past the last row
            const char ch = token == kBreakPoint ? ' ' : static_cast<char>(token);
            canvas.setText(rect.left + col, rect.top + row, std::string_view(&ch, 1));
            if (token == kBreakPoint)
                --breakPoints;
            ++head;
            ++col;
        }
        ++row;
        col = 0;
    }
}

void fillMatchingCells(CharCanvas& canvas, std::string_view target, std::istream& text,
                       const std::function<void(int row)>& onRow) {
    bool textLeft = true;
    for (int y = 0; y < canvas.rowCount(); ++y) {
        if (onRow)
            onRow(y);
        for (int x = 0; x < canvas.colCount(); ++x) {
            if (canvas.text(x, y).empty())
                canvas.setText(x, y, " ");
            if (!textLeft || canvas.text(x, y) != target)
                continue;
            const int byte = text.get();
            if (byte == std::char_traits<char>::eof()) {
                textLeft = false;
                continue;
            }
            const char ch = byte < kBlank ? ' ' : static_cast<char>(byte);
            canvas.setText(x, y, std::string_view(&ch, 1));
        }
    }
}

void stampLines(CharCanvas& canvas, int col, int row, const TextLines& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i)
        for (std::size_t j = 0; j < lines[i].size(); ++j)
            canvas.setText(col + static_cast<int>(j), row + static_cast<int>(i),
                           std::string_view(&lines[i][j], 1));
}

} // namespace glyphora
