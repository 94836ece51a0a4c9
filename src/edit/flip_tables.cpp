#include "edit/flip_tables.h"

#include "platform/text_file.h"

#include <algorithm>
#include <array>

namespace glyphora {

namespace {

// A flip table is two short lines; anything larger is not one.
constexpr std::uintmax_t kMaxFlipFileBytes = 64 * 1024;
constexpr std::size_t kByteValues = 256;

// Pairs in order: ";" to ":", "!" to "i", ... (47 pairs).
const FlipTable kVertical{";!~_`.,'\"^/\\AFJLMPSTUVWYZabdfghimnpqrstuvwyz257",
                          ":i_~,`'..v\\/VL7TWb2LAAMASgPqtay!wubdtzfn^mhsSZJ"};
// Pairs in order: "(" to ")", ")" to "(", ... (35 pairs).
const FlipTable kHorizontal{"(){}[]/\\,.`'LJ7F2Z5SE39PKjtdbqpsz<>",
                            ")(}{][\\/.,'`JLF7SSZZ3EP9Xtjbdpqzs><"};

} // namespace

const FlipTable& builtInFlipTable(FlipDirection direction) {
    return direction == FlipDirection::Vertical ? kVertical : kHorizontal;
}

std::optional<FlipTable> readFlipTable(const std::filesystem::path& path) {
    const std::optional<std::vector<std::string>> lines =
        readDataFileLines(path, kMaxFlipFileBytes);
    if (!lines || lines->size() < 2)
        return std::nullopt;
    return FlipTable{(*lines)[0], (*lines)[1]};
}

void FlipChars(CharCanvas& canvas, const CellRect& rect, const FlipTable& table) {
    // -1: unchanged. Filled in table order, so a later entry for a character wins.
    std::array<int, kByteValues> swap;
    swap.fill(-1);
    const std::size_t pairs = std::min(table.from.size(), table.to.size());
    for (std::size_t i = 0; i < pairs; ++i)
        swap[static_cast<unsigned char>(table.from[i])] = static_cast<unsigned char>(table.to[i]);
    for (int y = rect.top; y <= rect.bottom; ++y) {
        for (int x = rect.left; x <= rect.right; ++x) {
            const std::string_view text = canvas.text(x, y);
            if (text.empty())
                continue;
            const int to = swap[static_cast<unsigned char>(text[0])];
            if (to >= 0) {
                const char ch = static_cast<char>(to);
                canvas.setText(x, y, std::string_view(&ch, 1));
            }
        }
    }
}

} // namespace glyphora
