#include "platform/text_codec.h"

#include <algorithm>
#include <array>
#include <utility>

namespace glyphora {

namespace {

// Unicode of bytes 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Unicode of bytes 0x80..0xFF of code page 437.
constexpr std::array<char32_t, 128> kCp437High = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF,
    0x00EE, 0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA,
    0x00F1, 0x00D1, 0x00AA, 0x00BA, 0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557,
    0x255D, 0x255C, 0x255B, 0x2510, 0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559,
    0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4, 0x03A6, 0x0398, 0x03A9, 0x03B4,
    0x221E, 0x03C6, 0x03B5, 0x2229, 0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248,
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,
};

} // namespace

void appendUtf8(std::string& out, char32_t ch) {
    if (ch < 0x80) {
        out += static_cast<char>(ch);
    } else if (ch < 0x800) {
        out += static_cast<char>(0xC0 | (ch >> 6));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else if (ch < 0x10000) {
        out += static_cast<char>(0xE0 | (ch >> 12));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (ch >> 18));
        out += static_cast<char>(0x80 | ((ch >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    }
}

std::optional<char32_t> nextUtf8(std::string_view s, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(s[pos++]);
    int extra = 0;
    char32_t ch = 0;
    if (lead < 0x80)
        return lead;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        ch = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        ch = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        ch = lead & 0x07;
    } else {
        return std::nullopt;
    }
    for (int i = 0; i < extra; ++i) {
        if (pos >= s.size() || (static_cast<unsigned char>(s[pos]) & 0xC0) != 0x80)
            return std::nullopt;
        ch = (ch << 6) | (static_cast<unsigned char>(s[pos++]) & 0x3F);
    }
    static constexpr char32_t kSmallestOf[] = {0, 0x80, 0x800, 0x10000};
    if (ch < kSmallestOf[extra] || ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF))
        return std::nullopt;
    return ch;
}

char32_t cp1252ToUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return kHighControls[byte - 0x80];
    return byte;
}

std::optional<unsigned char> unicodeToCp1252(char32_t ch) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return static_cast<unsigned char>(ch);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == ch)
            return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

std::string cp1252ToUtf8(std::string_view bytes) {
    return bytesToUtf8(bytes, CharSet::Windows1252);
}

std::string utf8ToCp1252(std::string_view utf8) {
    return utf8ToBytes(utf8, CharSet::Windows1252);
}

char32_t byteToUnicode(unsigned char byte, CharSet set) {
    return set == CharSet::Cp437 ? cp437ToUnicode(byte) : cp1252ToUnicode(byte);
}

std::optional<unsigned char> unicodeToByte(char32_t ch, CharSet set) {
    return set == CharSet::Cp437 ? unicodeToCp437(ch) : unicodeToCp1252(ch);
}

std::string bytesToUtf8(std::string_view bytes, CharSet set) {
    std::string out;
    out.reserve(bytes.size());
    for (const char b : bytes)
        appendUtf8(out, byteToUnicode(static_cast<unsigned char>(b), set));
    return out;
}

std::string utf8ToBytes(std::string_view utf8, CharSet set) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::optional<char32_t> ch = nextUtf8(utf8, pos);
        const auto byte = ch ? unicodeToByte(*ch, set) : std::nullopt;
        out += byte ? static_cast<char>(*byte) : '?';
    }
    return out;
}

ExactCp1252 utf8ToCp1252Exact(std::string_view utf8) {
    ExactCp1252 result;
    result.bytes.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::size_t at = pos;
        const std::optional<char32_t> ch = nextUtf8(utf8, pos);
        const auto byte = ch ? unicodeToCp1252(*ch) : std::nullopt;
        if (!byte) {
            result.failedAt = at;
            result.unmapped = ch.value_or(0);
            return result;
        }
        result.bytes += static_cast<char>(*byte);
    }
    return result;
}

std::string latin1ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char b : bytes)
        appendUtf8(out, static_cast<unsigned char>(b));
    return out;
}

char32_t cp437ToUnicode(unsigned char byte) {
    return byte < 0x80 ? byte : kCp437High[byte - 0x80];
}

std::optional<unsigned char> unicodeToCp437(char32_t ch) {
    if (ch < 0x80)
        return static_cast<unsigned char>(ch);
    // Every character of UTF-8 art passes here: look it up in the table sorted by Unicode.
    using Entry = std::pair<char32_t, unsigned char>;
    static const std::array<Entry, kCp437High.size()> byUnicode = [] {
        std::array<Entry, kCp437High.size()> table{};
        for (std::size_t i = 0; i < table.size(); ++i)
            table[i] = {kCp437High[i], static_cast<unsigned char>(0x80 + i)};
        std::sort(table.begin(), table.end());
        return table;
    }();
    const auto it = std::lower_bound(byUnicode.begin(), byUnicode.end(), Entry{ch, 0});
    if (it != byUnicode.end() && it->first == ch)
        return it->second;
    return std::nullopt;
}

std::optional<std::string> validUtf8ToCp437(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::optional<char32_t> ch = nextUtf8(utf8, pos);
        if (!ch)
            return std::nullopt;
        out += static_cast<char>(unicodeToCp437(*ch).value_or('?'));
    }
    return out;
}

} // namespace glyphora
