#include "formats/html_page.h"

#include "platform/text_codec.h"

#include <array>
#include <charconv>

namespace glyphora::html {

namespace {

constexpr std::size_t kHandOnSize = 1 << 16;
constexpr unsigned char kFirstHighByte = 0x80;
constexpr const char* kHexDigits = "0123456789ABCDEF";

struct Entity {
    std::string_view text;
    std::string_view entity;
};
constexpr std::array<Entity, 4> kEntities = {{
    {"<", "&lt;"},
    {">", "&gt;"},
    {"\"", "&quot;"},
    {"&", "&amp;"},
}};

constexpr std::array<std::string_view, 4> kHeadStart = {
    "<html>",
    "<head>",
    R"(<meta HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=iso-8859-1">)",
    R"meta(<meta NAME="GENERATOR" CONTENT="Glyphora 4.1 BETA (Orvel)">)meta",
};
constexpr std::array<std::string_view, 3> kFooter = {
    R"(<p align="center"><font color="#0080C0" size="1">(Created with Glyphora 4.1)</font></p>)",
    "</body>",
    "</html>",
};

// "&#9617;" for the shade byte 0xB0, and so on for every byte from 0x80.
const std::array<std::string, 128>& cp437References() {
    static const std::array<std::string, 128> references = [] {
        std::array<std::string, 128> out;
        for (std::size_t i = 0; i < out.size(); ++i) {
            const auto byte = static_cast<unsigned char>(kFirstHighByte + i);
            out[i] = "&#" + std::to_string(static_cast<unsigned long>(cp437ToUnicode(byte))) + ";";
        }
        return out;
    }();
    return references;
}

} // namespace

void PageOut::hex(Color color) {
    const int channels[3] = {redOf(color), greenOf(color), blueOf(color)};
    for (const int value : channels) {
        buffer_ += kHexDigits[value >> 4];
        buffer_ += kHexDigits[value & 0xF];
    }
}

void PageOut::decimal(long long value) {
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    buffer_.append(digits, result.ptr);
}

void PageOut::cellText(std::string_view text) {
    if (!cp437_) {
        buffer_ += text;
        return;
    }
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte < kFirstHighByte)
            buffer_ += ch;
        else
            buffer_ += cp437References()[byte - kFirstHighByte];
    }
}

bool PageOut::handOn() {
    if (!receiver_)
        return true;
    if (!failed_ && !buffer_.empty())
        failed_ = !receiver_(buffer_);
    buffer_.clear();
    return !failed_;
}

bool PageOut::rowDone() {
    if (!receiver_ || buffer_.size() < kHandOnSize)
        return !failed_;
    return handOn();
}

bool PageOut::finish() {
    return handOn();
}

std::string_view escaped(std::string_view text) {
    if (text.size() == 1) {
        for (const Entity& entry : kEntities) {
            if (entry.text == text)
                return entry.entity;
        }
    }
    return text;
}

int lastWrittenColumn(const CharCanvas& canvas, int row, bool blankEnds) {
    int col = canvas.colCount() - 1;
    while (col >= 0) {
        const std::string_view text = canvas.text(col, row);
        if (blankEnds ? !isBlank(text) : !text.empty())
            break;
        --col;
    }
    return col;
}

void writeHeadStart(PageOut& out) {
    for (const std::string_view line : kHeadStart)
        out.line(line);
}

void writeHead(PageOut& out, std::string_view title) {
    writeHeadStart(out);
    out << "<title>" << title << "</title>";
    out.endLine();
    out.line("</head>");
}

void writeBodyLine(PageOut& out, Color font, Color back) {
    out << "<body text=\"#";
    out.hex(font);
    out << "\" bgcolor=\"#";
    out.hex(back);
    out << "\">";
    out.endLine();
}

void writeFooter(PageOut& out) {
    for (const std::string_view line : kFooter)
        out.line(line);
}

void showRow(Progress& progress, int row, int rows) {
    progress.setBarPosition(row, rows - 1, kSaving, kOneStep);
}

} // namespace glyphora::html
