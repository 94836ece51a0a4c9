#include "platform/text_encoding.h"
#include "platform/text_file.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

constexpr TextFileStyle kProgramStyle{};

// Files as they come from other programs, what their cells hold, and how they are written.
struct DecodeCase {
    const char* name;
    std::string file;
    std::string cells;
    TextFileStyle style;
};

TEST(TextEncoding, FilesDecodeToCellBytesAndWriteBackUnchanged) {
    using enum TextEncoding;
    const auto style = [](TextEncoding e, CharSet set, LineEnding end, bool ended) {
        return TextFileStyle{e, set, end, ended};
    };
    const std::vector<DecodeCase> cases = {
        {"Windows-1252 bytes", "caf\xE9\r\nx\r\n", "caf\xE9\r\nx\r\n", kProgramStyle},
        {"ASCII stays bytes", "plain\nascii", "plain\nascii",
         style(Bytes, CharSet::Windows1252, LineEnding::Lf, false)},
        {"DOS bytes stay bytes", "\xB0\xB1\xDB\r\n", "\xB0\xB1\xDB\r\n", kProgramStyle},
        {"UTF-8 with Latin letters", "\xC3\xB7 \xE2\x82\xAC\n", "\xF7 \x80\n",
         style(Utf8, CharSet::Windows1252, LineEnding::Lf, true)},
        {"UTF-8 art in DOS glyphs", "\xE2\x96\x91\xE2\x96\x88\xE2\x94\x8C\xC3\xA9\r\n",
         "\xB0\xDB\xDA\x82\r\n", style(Utf8, CharSet::Cp437, LineEnding::CrLf, true)},
        {"UTF-8 with a mark", "\xEF\xBB\xBFna\xC3\xAFve", "na\xEFve",
         style(Utf8WithMark, CharSet::Windows1252, LineEnding::CrLf, false)},
        {"UTF-16 LE", std::string("\xFF\xFEh\0\xE9\0\x88\x25\n\0", 10), "h\x82\xDB\n",
         style(Utf16Le, CharSet::Cp437, LineEnding::Lf, true)},
        {"UTF-16 BE", std::string("\xFE\xFF\0h\0\xE9\0\r\0\n", 10), "h\xE9\r\n",
         style(Utf16Be, CharSet::Windows1252, LineEnding::CrLf, true)},
    };
    for (const DecodeCase& c : cases) {
        SCOPED_TRACE(c.name);
        const DecodedText decoded = decodeTextFile(c.file);
        EXPECT_EQ(decoded.bytes, c.cells);
        EXPECT_EQ(decoded.style, c.style);
        EXPECT_EQ(decoded.unmapped, 0u);
        std::vector<std::string> lines;
        forEachTextLine(decoded.bytes, [&](std::string_view line) {
            lines.emplace_back(line);
            return true;
        });
        const EncodedText back = encodeTextFile(lines, decoded.style.byteSet, decoded.style);
        EXPECT_EQ(back.bytes, c.file);
        EXPECT_EQ(back.unmapped, 0u);
    }
}

TEST(TextEncoding, CharactersNeitherSetHoldsBecomeQuestionMarksAndAreCounted) {
    // A block beside a Greek letter CP437 lacks: no byte set holds both, Windows-1252 wins.
    DecodedText decoded = decodeTextFile("\xE2\x96\x88\xCE\xBB\xC3\xA9");
    EXPECT_EQ(decoded.bytes, "??\xE9");
    EXPECT_EQ(decoded.style.byteSet, CharSet::Windows1252);
    EXPECT_EQ(decoded.unmapped, 2u);
    // Malformed UTF-8 behind a mark, an unpaired surrogate and a stray byte in UTF-16.
    decoded = decodeTextFile("\xEF\xBB\xBF"
                             "a\xFF"
                             "b");
    EXPECT_EQ(decoded.bytes, "a?b");
    decoded = decodeTextFile(std::string("\xFF\xFE\x00\xD8x\0z", 7));
    EXPECT_EQ(decoded.bytes, "?x?");
    EXPECT_EQ(decoded.unmapped, 2u);
    // A character beyond the Basic Multilingual Plane is one character, one "?".
    decoded = decodeTextFile(std::string("\xFF\xFE\x3D\xD8\x00\xDE!\0", 8));
    EXPECT_EQ(decoded.bytes, "?!");
}

TEST(TextEncoding, CellsAreTranslatedIntoAnotherByteSetOrUnicode) {
    const std::vector<std::string> art = {
        "\xB0\xDB\x9C"}; // light shade, full block, pound sign in CP437
    TextFileStyle target;
    target.byteSet = CharSet::Windows1252;
    EncodedText out = encodeTextFile(art, CharSet::Cp437, target);
    EXPECT_EQ(out.bytes, "??\xA3\r\n");
    EXPECT_EQ(out.unmapped, 2u);
    target.encoding = TextEncoding::Utf8;
    target.lineEnding = LineEnding::Lf;
    EXPECT_EQ(encodeTextFile(art, CharSet::Cp437, target).bytes,
              "\xE2\x96\x91\xE2\x96\x88\xC2\xA3\n");
    target.encoding = TextEncoding::Utf16Be;
    target.lastLineEnded = false;
    EXPECT_EQ(encodeTextFile({"a", ""}, CharSet::Cp437, target).bytes,
              std::string("\xFE\xFF\0a\0\n", 6));
    EXPECT_EQ(textEncodingName(target), "UTF-16 BE");
    EXPECT_EQ(textEncodingName(TextFileStyle{TextEncoding::Bytes, CharSet::Cp437}), "CP437");
}

} // namespace
} // namespace glyphora
