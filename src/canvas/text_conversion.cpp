#include "canvas/text_conversion.h"

#include <algorithm>

namespace glyphora {

void TextToGrid(const TextLines& lines, CharCanvas& canvas) {
    std::size_t width = 0;
    for (const std::string& line : lines)
        width = std::max(width, line.size());
    canvas.setSize(static_cast<int>(width), static_cast<int>(lines.size()));
    canvas.updateSizeFields();
    canvas.clearTexts();
    for (std::size_t row = 0; row < lines.size(); ++row) {
        const std::string& line = lines[row];
        for (std::size_t col = 0; col < line.size(); ++col)
            canvas.setText(static_cast<int>(col), static_cast<int>(row),
                           std::string_view(&line[col], 1));
    }
}

TextLines GridToText(CharCanvas& canvas) {
    TextLines lines;
    lines.reserve(static_cast<std::size_t>(canvas.rowCount()));
    for (int row = 0; row < canvas.rowCount(); ++row) {
        std::string line;
        line.reserve(static_cast<std::size_t>(canvas.colCount()));
        for (int col = 0; col < canvas.colCount(); ++col) {
            std::string_view text = canvas.text(col, row);
            if (text.empty()) {
                canvas.setText(col, row, " ");
                text = " ";
            }
            line += text;
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

int Reduction::percent() const {
    if (total == 0)
        return 0;
    // Exact integer rounding, halves to the even neighbour.
    const long long scaled = removed * 100;
    long long quotient = scaled / total;
    const long long twiceRest = 2 * (scaled % total);
    if (twiceRest > total || (twiceRest == total && quotient % 2 != 0))
        ++quotient;
    return static_cast<int>(quotient);
}

Reduction trimTrailingSpaces(TextLines& lines) {
    Reduction reduction;
    for (std::string& line : lines) {
        reduction.total += static_cast<long long>(line.size());
        const std::size_t kept = line.find_last_not_of(' ');
        const std::size_t newSize = kept == std::string::npos ? 0 : kept + 1;
        reduction.removed += static_cast<long long>(line.size() - newSize);
        line.resize(newSize);
    }
    return reduction;
}

std::string sizeReductionMessage(const Reduction& reduction) {
    return "Size reduction: " + std::to_string(reduction.percent()) + "%";
}

} // namespace glyphora
