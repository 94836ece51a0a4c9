// The character tables read from their files: the flip table (the first byte chooses which
// table the rest is), the invert table and the line-art table, each applied to a canvas.
#include "convert/char_effects.h"
#include "edit/flip_tables.h"
#include "fuzz_targets.h"
#include "platform/text_file.h"

namespace {

constexpr std::uintmax_t kLineArtBytes = 4 * 1024 * 1024;

glyphora::CharCanvas sampleCanvas() {
    glyphora::CharCanvas canvas(12, 6);
    const char* rows[] = {" +--------+ ",  " |  /\\    | ", " | <  >   | ",
                          " |  \\/  # | ", " +--------+ ",  "   ~~~~     "};
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 12; ++c)
            canvas.setText(c, r, std::string_view(rows[r] + c, 1));
    return canvas;
}

} // namespace

int glyphora::fuzz::fuzzCharTables(std::string_view bytes) {
    if (bytes.empty())
        return 0;
    const std::filesystem::path& file = asFile(bytes.substr(1), ".dat");
    CharCanvas canvas = sampleCanvas();
    SilentProgress progress;
    switch (static_cast<unsigned char>(bytes[0]) % 3) {
    case 0:
        if (const std::optional<FlipTable> table = readFlipTable(file))
            FlipChars(canvas, {0, 0, canvas.colCount() - 1, canvas.rowCount() - 1}, *table);
        break;
    case 1:
        if (const std::optional<InvertTable> table = readInvertTable(file)) {
            for (int byte = 0; byte < 256; ++byte)
                invertedByTable(*table, std::string(1, static_cast<char>(byte)));
            invertCells(canvas, {0, 0, canvas.colCount() - 1, canvas.rowCount() - 1}, &*table,
                        progress);
        }
        break;
    default:
        if (const auto lines = readDataFileLines(file, kLineArtBytes))
            preconvertLineArt(canvas, parseLineArtTable(*lines), progress);
        break;
    }
    return 0;
}
