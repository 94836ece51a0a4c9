#include "platform/text_encoding.h"

#include <optional>

namespace glyphora {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

bool isUtf16(TextEncoding encoding) {
    return encoding == TextEncoding::Utf16Le || encoding == TextEncoding::Utf16Be;
}

// Calls visit(character) for each character of a Unicode text, with nothing for a malformed
// sequence (an unpaired surrogate, a stray byte at the end of UTF-16).
template <typename Visit>
void forEachCharacter(std::string_view text, TextEncoding encoding, Visit visit) {
    if (!isUtf16(encoding)) {
        std::size_t pos = 0;
        while (pos < text.size())
            visit(nextUtf8(text, pos));
        return;
    }
    const bool bigEndian = encoding == TextEncoding::Utf16Be;
    const auto unitAt = [&](std::size_t i) {
        const auto first = static_cast<unsigned char>(text[i]);
        const auto second = static_cast<unsigned char>(text[i + 1]);
        return static_cast<char32_t>(bigEndian ? first << 8 | second : second << 8 | first);
    };
    const auto isHigh = [](char32_t u) { return u >= 0xD800 && u <= 0xDBFF; };
    const auto isLow = [](char32_t u) { return u >= 0xDC00 && u <= 0xDFFF; };
    std::size_t i = 0;
    for (; i + 1 < text.size(); i += 2) {
        const char32_t unit = unitAt(i);
        if (isHigh(unit) && i + 3 < text.size() && isLow(unitAt(i + 2))) {
            visit(std::optional<char32_t>(0x10000 + ((unit - 0xD800) << 10) +
                                          (unitAt(i + 2) - 0xDC00)));
            i += 2;
        } else if (isHigh(unit) || isLow(unit)) {
            visit(std::optional<char32_t>());
        } else {
            visit(std::optional<char32_t>(unit));
        }
    }
    if (i < text.size())
        visit(std::optional<char32_t>());
}

// Valid UTF-8 with at least one character beyond ASCII: plain ASCII is read as it always was.
bool isMultiByteUtf8(std::string_view text) {
    bool multiByte = false;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::optional<char32_t> ch = nextUtf8(text, pos);
        if (!ch)
            return false;
        multiByte |= *ch >= 0x80;
    }
    return multiByte;
}

TextEncoding detectEncoding(std::string_view& file) {
    for (const auto& [mark, encoding] : {std::pair{kUtf8Mark, TextEncoding::Utf8WithMark},
                                         std::pair{kUtf16LeMark, TextEncoding::Utf16Le},
                                         std::pair{kUtf16BeMark, TextEncoding::Utf16Be}}) {
        if (file.starts_with(mark)) {
            file.remove_prefix(mark.size());
            return encoding;
        }
    }
    return isMultiByteUtf8(file) ? TextEncoding::Utf8 : TextEncoding::Bytes;
}

// Art saved as Unicode: blocks or box drawing that only CP437 has, and nothing CP437 lacks.
CharSet byteSetFor(std::string_view text, TextEncoding encoding) {
    bool onlyCp437Has = false;
    bool allInCp437 = true;
    forEachCharacter(text, encoding, [&](std::optional<char32_t> ch) {
        if (!ch || *ch < 0x80)
            return;
        const bool inCp437 = unicodeToCp437(*ch).has_value();
        onlyCp437Has |= inCp437 && !unicodeToCp1252(*ch);
        allInCp437 &= inCp437;
    });
    return onlyCp437Has && allInCp437 ? CharSet::Cp437 : CharSet::Windows1252;
}

void appendUtf16(std::string& out, char32_t ch, bool bigEndian) {
    const auto unit = [&](char32_t u) {
        const char high = static_cast<char>(u >> 8);
        const char low = static_cast<char>(u & 0xFF);
        out += bigEndian ? high : low;
        out += bigEndian ? low : high;
    };
    if (ch < 0x10000) {
        unit(ch);
    } else {
        unit(0xD800 + ((ch - 0x10000) >> 10));
        unit(0xDC00 + ((ch - 0x10000) & 0x3FF));
    }
}

} // namespace

std::string textEncodingName(const TextFileStyle& style) {
    switch (style.encoding) {
    case TextEncoding::Utf8:
        return "UTF-8";
    case TextEncoding::Utf8WithMark:
        return "UTF-8 with BOM";
    case TextEncoding::Utf16Le:
        return "UTF-16 LE";
    case TextEncoding::Utf16Be:
        return "UTF-16 BE";
    case TextEncoding::Bytes:
        break;
    }
    return style.byteSet == CharSet::Cp437 ? "CP437" : "Windows-1252";
}

DecodedText decodeTextFile(std::string_view file) {
    DecodedText decoded;
    std::string_view body = file;
    decoded.style.encoding = detectEncoding(body);
    if (decoded.style.encoding == TextEncoding::Bytes) {
        decoded.bytes = std::string(file);
    } else {
        const CharSet set = byteSetFor(body, decoded.style.encoding);
        decoded.style.byteSet = set;
        decoded.bytes.reserve(body.size());
        forEachCharacter(body, decoded.style.encoding, [&](std::optional<char32_t> ch) {
            const std::optional<unsigned char> byte = ch ? unicodeToByte(*ch, set) : std::nullopt;
            decoded.unmapped += !byte;
            decoded.bytes += byte ? static_cast<char>(*byte) : '?';
        });
    }
    const std::string& bytes = decoded.bytes;
    const std::size_t firstEnd = bytes.find_first_of("\r\n");
    if (firstEnd != std::string::npos && bytes[firstEnd] == '\n')
        decoded.style.lineEnding = LineEnding::Lf;
    if (!bytes.empty())
        decoded.style.lastLineEnded = bytes.back() == '\r' || bytes.back() == '\n';
    return decoded;
}

EncodedText encodeTextFile(const std::vector<std::string>& lines, CharSet cellSet,
                           const TextFileStyle& target) {
    const std::string_view lineEnd = target.lineEnding == LineEnding::Lf ? "\n" : "\r\n";
    std::size_t size = 0;
    for (const std::string& line : lines)
        size += line.size() + lineEnd.size();
    std::string text;
    text.reserve(size);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text += lines[i];
        if (i + 1 < lines.size() || target.lastLineEnded)
            text += lineEnd;
    }
    if (target.encoding == TextEncoding::Bytes && target.byteSet == cellSet)
        return {std::move(text), 0};

    // Built in a local string and moved out whole: GCC 12 at -O3 warns falsely (-Wrestrict)
    // about a short mark assigned to a string member.
    const bool bigEndian = target.encoding == TextEncoding::Utf16Be;
    std::string_view mark;
    if (target.encoding == TextEncoding::Utf8WithMark)
        mark = kUtf8Mark;
    else if (isUtf16(target.encoding))
        mark = bigEndian ? kUtf16BeMark : kUtf16LeMark;
    std::string bytes;
    bytes.reserve(mark.size() + text.size() * (isUtf16(target.encoding) ? 2 : 1));
    bytes.append(mark);
    std::size_t unmapped = 0;
    for (const char b : text) {
        const char32_t ch = byteToUnicode(static_cast<unsigned char>(b), cellSet);
        if (target.encoding == TextEncoding::Bytes) {
            const std::optional<unsigned char> byte = unicodeToByte(ch, target.byteSet);
            unmapped += !byte;
            bytes += byte ? static_cast<char>(*byte) : '?';
        } else if (isUtf16(target.encoding)) {
            appendUtf16(bytes, ch, bigEndian);
        } else {
            appendUtf8(bytes, ch);
        }
    }
    return {std::move(bytes), unmapped};
}

} // namespace glyphora
