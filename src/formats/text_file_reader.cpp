#include "formats/text_file_reader.h"

#include "canvas/grid_file.h"

#include <algorithm>
#include <system_error>

namespace glyphora {

namespace {

// A line end takes at most two bytes and every line at least one cell.
constexpr std::uintmax_t kMaxTextFileBytes = 3 * static_cast<std::uintmax_t>(CharCanvas::kMaxCells);

} // namespace

bool textFitsCanvas(const TextLines& lines) {
    std::size_t width = 0;
    for (const std::string& line : lines)
        width = std::max(width, line.size());
    return CharCanvas::sizeFits(static_cast<long long>(std::max<std::size_t>(width, 1)),
                                static_cast<long long>(std::max<std::size_t>(lines.size(), 1)));
}

TextFileLines readTextFileLines(const std::filesystem::path& file) {
    TextFileLines tooLarge;
    tooLarge.tooLarge = true;
    // Only a file that tells its size: a pipe is no text document.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        return {};
    std::string bytes;
    const FileRead read = readFileBytes(file, bytes, kMaxTextFileBytes);
    if (read == FileRead::TooLarge)
        return tooLarge;
    if (read != FileRead::Read)
        return {};
    DecodedText decoded = decodeTextFile(bytes);
    bytes = std::string();
    TextLines lines = splitTextLines(decoded.bytes);
    if (!textFitsCanvas(lines))
        return tooLarge;
    return {std::move(lines), false, decoded.style, decoded.unmapped};
}

} // namespace glyphora
