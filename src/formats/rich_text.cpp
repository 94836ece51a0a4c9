#include "formats/rich_text.h"

#include "formats/text_exports.h"

#include <cstdio>
#include <unordered_map>
#include <vector>

namespace glyphora {

namespace {

constexpr int kHalfPointsPerPoint = 2;
constexpr unsigned char kFirstPlain = 0x20;
constexpr unsigned char kLastPlain = 0x7F;

void appendEscaped(std::string& out, unsigned char ch) {
    switch (ch) {
    case '\\':
    case '{':
    case '}':
        out += '\\';
        out += static_cast<char>(ch);
        return;
    case '\t':
        out += "\\tab ";
        return;
    default:
        break;
    }
    if (ch >= kFirstPlain && ch < kLastPlain) {
        out += static_cast<char>(ch);
        return;
    }
    char hex[8];
    std::snprintf(hex, sizeof hex, "\\'%02x", ch);
    out += hex;
}

void appendEscaped(std::string& out, std::string_view text) {
    for (const char ch : text)
        appendEscaped(out, static_cast<unsigned char>(ch));
}

} // namespace

std::string richTextBytes(CharCanvas& canvas, Progress& progress) {
    progress.showBar(kCreatingText, false, kStepOneOfTwo);
    const TextLines lines = buildTextLines(canvas, progress);
    progress.hideBar();
    progress.showBar(kSaving, false, kStepTwoOfTwo);

    // Colour table in order of first use; index 0 is the reader's automatic colour.
    std::vector<Color> colors;
    std::unordered_map<Color, int> indexOf;
    std::string body;
    int current = -1;
    const int lineCount = static_cast<int>(lines.size());
    for (int r = 0; r < lineCount; ++r) {
        progress.setBarPosition(r, lineCount - 1, kSaving, kStepTwoOfTwo);
        for (int c = 0; c < canvas.colCount(); ++c) {
            const Color color = canvas.foreground(c, r);
            auto [it, added] = indexOf.try_emplace(color, static_cast<int>(colors.size()) + 1);
            if (added)
                colors.push_back(color);
            if (it->second != current) {
                current = it->second;
                body += "\\cf" + std::to_string(current) + ' ';
            }
            appendEscaped(body, canvas.text(c, r));
        }
        body += "\\par\r\n";
    }

    const TextFont& font = canvas.font();
    std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fmodern\\fcharset0 ";
    appendEscaped(out, font.name);
    out += ";}}\r\n{\\colortbl ;";
    for (const Color color : colors) {
        out += "\\red" + std::to_string(redOf(color)) + "\\green" + std::to_string(greenOf(color)) +
               "\\blue" + std::to_string(blueOf(color)) + ';';
    }
    out += "}\r\n\\pard\\plain\\f0\\fs" + std::to_string(font.size * kHalfPointsPerPoint);
    if (font.bold)
        out += "\\b";
    if (font.italic)
        out += "\\i";
    if (font.underline)
        out += "\\ul";
    if (font.strikeOut)
        out += "\\strike";
    out += "\r\n" + body + "}\r\n";
    return out;
}

} // namespace glyphora
