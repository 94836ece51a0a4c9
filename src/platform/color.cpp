#include "platform/color.h"

#include <cctype>
namespace glyphora {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

int hexValue(char ch) {
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    return 0;
}

int pairAt(std::string_view text, std::size_t at) {
    const char hi = at < text.size() ? text[at] : '0';
    const char lo = at + 1 < text.size() ? text[at + 1] : '0';
    return hexValue(hi) * 16 + hexValue(lo);
}

} // namespace

std::string colorToHex(Color c) {
    std::string out(6, '0');
    const int channels[3] = {redOf(c), greenOf(c), blueOf(c)};
    for (int i = 0; i < 3; ++i) {
        out[2 * i] = kHexDigits[channels[i] >> 4];
        out[2 * i + 1] = kHexDigits[channels[i] & 0xF];
    }
    return out;
}

bool isColorText(std::string_view text) {
    if (text.size() != 6)
        return false;
    for (const char ch : text) {
        if (!std::isxdigit(static_cast<unsigned char>(ch)))
            return false;
    }
    return true;
}

Color hexToColor(std::string_view text) {
    return rgb(pairAt(text, 0), pairAt(text, 2), pairAt(text, 4));
}

} // namespace glyphora
