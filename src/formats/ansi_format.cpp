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
// Colours outside the palette are written as light grey on black, "0;37" and "40".
constexpr int kPlainForeground = 7;
constexpr int kPlainBackground = 0;

constexpr char kEsc = 27;

// The palette entries a colour sequence names.
struct SgrState {
    int foreground = kPlainForeground;
    int background = kPlainBackground;
    bool operator==(const SgrState&) const = default;
};

// Looks colours up only when they differ from the last cell's, as they mostly do not.
class SgrLookup {
public:
    SgrState stateOf(Color foreground, Color background) {
        if (foreground != foreground_ || !known_) {
            foreground_ = foreground;
            state_.foreground = ansiForegroundIndex(foreground).value_or(kPlainForeground);
        }
        if (background != background_ || !known_) {
            background_ = background;
            state_.background = ansiBackgroundIndex(background).value_or(kPlainBackground);
        }
        known_ = true;
        return state_;
    }

private:
    bool known_ = false;
    Color foreground_ = 0;
    Color background_ = 0;
    SgrState state_;
};

void appendSequence(const SgrState& state, std::string& out) {
    out += static_cast<char>(kEsc);
    out += '[';
    out += kAnsiPalette[static_cast<std::size_t>(state.foreground)].sgr;
    out += ';';
    out += kAnsiPalette[static_cast<std::size_t>(state.background)].background;
    out += 'm';
}

// Appends one row; the state carries over to the next.
void encodeRow(CharCanvas& canvas, int row, SgrLookup* colors, SgrState& current,
               std::string& out) {
    const int cols = std::min(canvas.colCount(), kAnsiWrittenColumns);
    for (int c = 0; c < cols; ++c) {
        const SgrState wanted =
            colors ? colors->stateOf(canvas.foreground(c, row), canvas.background(c, row))
                   : SgrState{};
        if (!(wanted == current)) {
            appendSequence(wanted, out);
            current = wanted;
        }
        const std::string_view text = canvas.text(c, row);
        if (text.empty()) {
            canvas.setText(c, row, kBlank);
            out += kBlank;
        } else {
            out += text;
        }
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
    SgrLookup lookup;
    SgrLookup* colors = mode == ColorMode::Ansi ? &lookup : nullptr;
    const int rows = canvas.rowCount();
    for (int r = 0; r < rows; ++r) {
        progress.setBarPosition(r, rows - 1, kSavingCaption, kOneStep);
        encodeRow(canvas, r, colors, current, out);
        if (!sink(out))
            return;
        out.clear();
    }
}

} // namespace

std::string encodeAnsi(CharCanvas& canvas, ColorMode mode, std::string_view startText,
                       Progress& progress) {
    std::string bytes;
    // Every row is at least its cells and its line end.
    bytes.reserve(static_cast<std::size_t>(canvas.rowCount()) *
                  static_cast<std::size_t>(std::min(canvas.colCount(), kAnsiWrittenColumns) + 2));
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
