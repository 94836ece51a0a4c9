#include "formats/text_exports.h"

#include <array>

namespace glyphora {

namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr char kCsvSeparator = ';';
constexpr unsigned char kLastAscii = 126;
constexpr unsigned char kFirstPrintable = 32;
constexpr const char* kReplacement = "?";
constexpr const char* kHtmlStart = "<HTML><PRE>";
constexpr const char* kHtmlEnd = "</PRE></HTML>";

struct Entity {
    char ch;
    std::string_view text;
};
constexpr std::array<Entity, 4> kEntities = {{
    {'<', "&lt;"},
    {'>', "&gt;"},
    {'"', "&quot;"},
    {'&', "&amp;"},
}};

// The cell's text, an empty one first set to " " in the canvas.
std::string_view filledText(CharCanvas& canvas, int col, int row) {
    std::string_view text = canvas.text(col, row);
    if (text.empty()) {
        canvas.setText(col, row, " ");
        text = canvas.text(col, row);
    }
    return text;
}

template <typename Cell> TextLines buildLines(CharCanvas& canvas, Progress& progress, Cell cell) {
    TextLines lines;
    lines.reserve(static_cast<std::size_t>(canvas.rowCount()));
    for (int r = 0; r < canvas.rowCount(); ++r) {
        progress.setBarPosition(r, canvas.rowCount() - 1, kCreatingText, kStepOneOfTwo);
        std::string line;
        line.reserve(static_cast<std::size_t>(canvas.colCount()));
        for (int c = 0; c < canvas.colCount(); ++c)
            cell(line, c, r);
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace

TextLines buildTextLines(CharCanvas& canvas, Progress& progress, bool csv) {
    return buildLines(canvas, progress, [&](std::string& line, int c, int r) {
        line += filledText(canvas, c, r);
        if (csv)
            line += kCsvSeparator;
    });
}

AsciiLines buildAsciiLines(CharCanvas& canvas, Progress& progress) {
    AsciiLines result;
    result.lines = buildLines(canvas, progress, [&](std::string& line, int c, int r) {
        const auto first = static_cast<unsigned char>(filledText(canvas, c, r).front());
        if (first > kLastAscii) {
            ++result.extended;
            canvas.setText(c, r, kReplacement);
        } else if (first < kFirstPrintable) {
            ++result.control;
            canvas.setText(c, r, kReplacement);
        }
        line += canvas.text(c, r);
    });
    return result;
}

std::string asciiStatisticsMessage(long long extended, long long control) {
    return "Extended char. (>126): " + std::to_string(extended) + "\r" +
           "Control char. (<32): " + std::to_string(control) + "\r\r" + "Conversion to \"?\" ...";
}

TextLines buildHtmlPlainLines(CharCanvas& canvas, Progress& progress,
                              std::vector<EscapedCell>& escaped) {
    return buildLines(canvas, progress, [&](std::string& line, int c, int r) {
        const std::string_view text = filledText(canvas, c, r);
        if (text.size() == 1) {
            for (const Entity& entity : kEntities) {
                if (text.front() == entity.ch) {
                    escaped.push_back({c, r, entity.ch});
                    canvas.setText(c, r, entity.text);
                    break;
                }
            }
        }
        line += canvas.text(c, r);
    });
}

void restoreHtmlEscapes(CharCanvas& canvas, const std::vector<EscapedCell>& escaped) {
    for (const EscapedCell& cell : escaped)
        canvas.setText(cell.col, cell.row, std::string_view(&cell.original, 1));
}

std::string textFileBytes(const TextLines& lines) {
    std::size_t size = 0;
    for (const std::string& line : lines)
        size += line.size() + 2;
    std::string out;
    out.reserve(size);
    for (const std::string& line : lines) {
        out += line;
        out += kLineEnd;
    }
    return out;
}

std::string htmlPlainBytes(const TextLines& lines) {
    return kHtmlStart + textFileBytes(lines) + kHtmlEnd + kLineEnd;
}

} // namespace glyphora
