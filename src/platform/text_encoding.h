#pragma once

#include "platform/text_codec.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace glyphora {

// How a text file was written, so that a document opened from it is saved back the same way.
// The default is how the program writes text of its own: the cells' bytes as they are, every
// line ended by CR LF.
enum class TextEncoding { Bytes, Utf8, Utf8WithMark, Utf16Le, Utf16Be };
enum class LineEnding { CrLf, Lf };
struct TextFileStyle {
    TextEncoding encoding = TextEncoding::Bytes;
    // The set the cells' bytes belong to: the characters of a Unicode file became bytes of it.
    CharSet byteSet = CharSet::Windows1252;
    LineEnding lineEnding = LineEnding::CrLf;
    bool lastLineEnded = true;
    bool operator==(const TextFileStyle&) const = default;
};

// "UTF-8", "UTF-16 LE", "Windows-1252", ...: the encoding a style writes, as the save-as
// browser names it.
std::string textEncodingName(const TextFileStyle& style);

// A file's text as cell bytes. A file with a byte-order mark, or valid UTF-8 holding at least
// one multi-byte sequence, is decoded; every other file is taken byte for byte. Decoded
// characters become Windows-1252 bytes, or CP437 bytes when the file holds characters only
// CP437 has and every non-ASCII character of the file is in CP437 (DOS art saved as Unicode).
// Characters in neither set become "?" and are counted.
struct DecodedText {
    std::string bytes;
    TextFileStyle style;
    std::size_t unmapped = 0;
};
DecodedText decodeTextFile(std::string_view file);

// The file bytes of lines whose cells hold bytes of cellSet, written in the target's style.
// A target of bytes in another set is translated through Unicode; characters the target
// lacks become "?" and are counted.
struct EncodedText {
    std::string bytes;
    std::size_t unmapped = 0;
};
EncodedText encodeTextFile(const std::vector<std::string>& lines, CharSet cellSet,
                           const TextFileStyle& target);

} // namespace glyphora
