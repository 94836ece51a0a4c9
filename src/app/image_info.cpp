#include "app/image_info.h"

#include <array>

namespace glyphora {

namespace {

constexpr unsigned char kLastPlainCode = 126;
constexpr unsigned char kFirstPrintableCode = 32;
constexpr int kCharacterCodes = 256;
constexpr std::uint64_t kKilobyte = 1024;

} // namespace

ImageStatistics countImageStatistics(CharCanvas& canvas) {
    ImageStatistics figures;
    figures.rows = canvas.rowCount();
    figures.cols = canvas.colCount();
    // Cells are told apart by their first character: a longer text left by "Replace All"
    // counts as the character it starts with.
    std::array<bool, kCharacterCodes> seen{};
    for (int r = 0; r < figures.rows; ++r) {
        for (int c = 0; c < figures.cols; ++c) {
            if (canvas.text(c, r).empty())
                canvas.setText(c, r, " ");
            const auto code = static_cast<unsigned char>(canvas.text(c, r).front());
            if (code > kLastPlainCode)
                ++figures.extended;
            else if (code < kFirstPrintableCode)
                ++figures.control;
            if (!seen[code]) {
                seen[code] = true;
                ++figures.distinct;
            }
        }
    }
    return figures;
}

int bitFigure(int distinct) {
    int bits = 1;
    // 4, 8, 16, ... 256: each doubling of the characters takes one bit more.
    for (int limit = 4; bits < 8 && distinct >= limit; limit *= 2)
        ++bits;
    return bits;
}

std::string imageInfoText(const ImageStatistics& figures, std::uint64_t allocatedBytes) {
    const long long cells = static_cast<long long>(figures.rows) * figures.cols;
    std::string text = "Statistic:\r\rRows: ";
    text += std::to_string(figures.rows);
    text += "\rCols: ";
    text += std::to_string(figures.cols);
    text += "\rChar.: ";
    text += std::to_string(cells);
    text += "\r\rDifferent char.: ";
    text += std::to_string(figures.distinct);
    text += "\r( = ";
    text += std::to_string(bitFigure(figures.distinct) + 1);
    text += "Bit)\r\rExtended char. (>126): ";
    text += std::to_string(figures.extended);
    text += "\rControl char. (<32): ";
    text += std::to_string(figures.control);
    text += "\r\rAllocated Mem.Size: ";
    text += std::to_string(allocatedBytes / kKilobyte);
    text += "Kb";
    return text;
}

} // namespace glyphora
