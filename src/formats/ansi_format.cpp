#include "formats/ansi_format.h"

#include "color/ansi_palette.h"
#include "formats/file_output.h"

#include <algorithm>
#include <optional>

namespace glyphora {

namespace {

constexpr const char* kSavingCaption = "Saving ...";
constexpr const char* kOneStep = "Step 1 of 1";
constexpr std::string_view kFirstColors = "[0;37;40m";
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kBlank = " ";
constexpr std::string_view kPlainAttribute = "0";
constexpr std::string_view kPlainForeground = "37";
constexpr std::string_view kPlainBackground = "40";

constexpr char kEsc = 27;

struct SgrState {
    std::string_view attribute = kPlainAttribute;
    std::string_view foreground = kPlainForeground;
    std::string_view background = kPlainBackground;
    bool operator==(const SgrState&) const = default;
};

SgrState cellState(const CharCanvas& canvas, int col, int row) {
    SgrState state;
    if (const std::optional<int> fg = ansiForegroundIndex(canvas.foreground(col, row))) {
        const AnsiColor& entry = kAnsiPalette[static_cast<std::size_t>(*fg)];
        state.attribute = entry.attribute();
        state.foreground = entry.foreground();
    }
    if (const std::optional<int> bg = ansiBackgroundIndex(canvas.background(col, row)))
        state.background = kAnsiPalette[static_cast<std::size_t>(*bg)].background;
    return state;
}

// Appends one row; the state carries over to the next.
void encodeRow(CharCanvas& canvas, int row, bool colored, SgrState& current, std::string& out) {
    const int cols = std::min(canvas.colCount(), kAnsiWrittenColumns);
    for (int c = 0; c < cols; ++c) {
        const SgrState wanted = colored ? cellState(canvas, c, row) : SgrState{};
        if (canvas.text(c, row).empty())
            canvas.setText(c, row, kBlank);
        if (!(wanted == current)) {
            out += static_cast<char>(kEsc);
            out += '[';
            out += wanted.attribute;
            out += ';';
            out += wanted.foreground;
            out += ';';
            out += wanted.background;
            out += 'm';
            current = wanted;
        }
        out += canvas.text(c, row);
    }
    out += kLineEnd;
}

template <typename Sink>
void encodeRows(CharCanvas& canvas, ColorMode mode, std::string_view startText, Progress& progress,
                Sink sink) {
    std::string out;
    out += startText;
    out += kFirstColors;
    SgrState current;
    const bool colored = mode == ColorMode::Ansi;
    const int rows = canvas.rowCount();
    for (int r = 0; r < rows; ++r) {
        progress.setBarPosition(r, rows - 1, kSavingCaption, kOneStep);
        encodeRow(canvas, r, colored, current, out);
        if (!sink(out))
            return;
        out.clear();
    }
}

} // namespace

std::string encodeAnsi(CharCanvas& canvas, ColorMode mode, std::string_view startText,
                       Progress& progress) {
    std::string bytes;
    encodeRows(canvas, mode, startText, progress, [&bytes](const std::string& part) {
        bytes += part;
        return true;
    });
    return bytes;
}

AnsiWriteResult writeAnsi(const std::filesystem::path& path, CharCanvas& canvas, ColorMode mode,
                          std::string_view startText, Progress& progress) {
    AnsiWriteResult result;
    progress.showBar(kSavingCaption, false, kOneStep);
    result.written = writeFileSafely(path, [&](std::FILE* file) {
        bool ok = true;
        encodeRows(canvas, mode, startText, progress, [&](const std::string& part) {
            ok = std::fwrite(part.data(), 1, part.size(), file) == part.size();
            return ok;
        });
        return ok;
    });
    result.droppedColumns = std::max(canvas.colCount() - kAnsiWrittenColumns, 0);
    progress.hideBar();
    return result;
}

} // namespace glyphora
