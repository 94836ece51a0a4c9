#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace glyphora {

// UTF-8, one character at a time. nextUtf8 decodes the sequence at pos and advances past it;
// nothing for a malformed one (a stray or missing continuation byte, an overlong form, a
// surrogate, beyond U+10FFFF), pos then past the bytes it looked at.
void appendUtf8(std::string& out, char32_t ch);
std::optional<char32_t> nextUtf8(std::string_view s, std::size_t& pos);

// Cells and files hold bytes. The shells show them, and exchange them with the system
// clipboard, as Windows-1252 text. The five bytes that code page leaves undefined map to
// the C1 controls of the same value, so every byte survives a round trip.
char32_t cp1252ToUnicode(unsigned char byte);
// The byte for a character, or nothing when Windows-1252 has no such character.
std::optional<unsigned char> unicodeToCp1252(char32_t ch);

// Whole texts, UTF-8 on the Unicode side. Characters without a byte become "?".
std::string cp1252ToUtf8(std::string_view bytes);
std::string utf8ToCp1252(std::string_view utf8);

// For input that must arrive exactly: the conversion stops at the first malformed UTF-8
// sequence or character without a byte.
struct ExactCp1252 {
    std::string bytes; // the whole text when nothing failed, else the part before failedAt
    std::optional<std::size_t> failedAt; // byte offset in the UTF-8 text
    char32_t unmapped = 0;               // the character without a byte; 0 for bad UTF-8
};
ExactCp1252 utf8ToCp1252Exact(std::string_view utf8);

// Bytes mapped one to one onto U+0000..U+00FF, encoded as UTF-8 (and back); used where a
// text must carry arbitrary bytes, such as the JSON state dump.
std::string latin1ToUtf8(std::string_view bytes);

// DOS art is drawn in code page 437. Bytes below 0x80 are ASCII in both directions.
char32_t cp437ToUnicode(unsigned char byte);
// The byte for a character, or nothing when code page 437 has no such character.
std::optional<unsigned char> unicodeToCp437(char32_t ch);
// A UTF-8 text as code page 437 bytes, characters without a byte as "?"; nothing when the
// text is not valid UTF-8.
std::optional<std::string> validUtf8ToCp437(std::string_view utf8);

// The byte set cells are shown, typed and exchanged with the clipboard in: Windows-1252, or
// code page 437 for DOS art. The bytes in the cells stay the same either way.
enum class CharSet { Windows1252, Cp437 };
char32_t byteToUnicode(unsigned char byte, CharSet set);
std::optional<unsigned char> unicodeToByte(char32_t ch, CharSet set);
// Whole texts, UTF-8 on the Unicode side; characters without a byte become "?".
std::string bytesToUtf8(std::string_view bytes, CharSet set);
std::string utf8ToBytes(std::string_view utf8, CharSet set);

} // namespace glyphora
