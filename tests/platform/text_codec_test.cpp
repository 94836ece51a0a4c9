#include "platform/text_codec.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

TEST(TextCodec, EveryByteSurvivesARoundTripAndTheHighControlsAreTypographic) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
    EXPECT_EQ(cp1252ToUtf8("\x80\x96\xC4"), "\xE2\x82\xAC\xE2\x80\x93\xC3\x84");
    EXPECT_EQ(unicodeToCp1252(U'\u2122'), 0x99);
    // The Latin-1 view maps bytes one to one.
    EXPECT_EQ(latin1ToUtf8(std::string("\x07\x80\xFF", 3)), "\x07\xC2\x80\xC3\xBF");
}

TEST(TextCodec, CharactersOutsideTheCodePageBecomeQuestionMarksOrStopAnExactConversion) {
    EXPECT_EQ(utf8ToCp1252("a\xD0\x96"
                           "b\xF0\x9F\x98\x80"
                           "c\xFF\xC3"),
              "a?b?c??");
    const ExactCp1252 good = utf8ToCp1252Exact("\xC3\xA9\xE2\x82\xAC\xC2\xB0\x01");
    EXPECT_EQ(good.bytes, "\xE9\x80\xB0\x01");
    EXPECT_FALSE(good.failedAt);
    const ExactCp1252 zhe = utf8ToCp1252Exact("ab\xD0\x96");
    EXPECT_EQ(zhe.failedAt, 2u);
    EXPECT_EQ(zhe.unmapped, U'\u0416');
    // Malformed: a lone continuation byte, a sequence cut short, an overlong "/", a
    // surrogate, a sequence cut by the end.
    for (const char* bad : {"x\x80", "x\xC3x", "x\xC0\xAF", "x\xED\xA0\x80", "x\xF0\x9F"}) {
        const ExactCp1252 r = utf8ToCp1252Exact(bad);
        EXPECT_EQ(r.failedAt, 1u) << bad;
        EXPECT_EQ(r.unmapped, 0u) << bad;
    }
}

TEST(TextCodec, DosArtMapsThroughCodePage437AndOnlyValidUtf8Converts) {
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        EXPECT_EQ(unicodeToCp437(cp437ToUnicode(byte)), byte) << b;
    }
    EXPECT_EQ(cp437ToUnicode(0xB0), U'\u2591');
    EXPECT_EQ(cp437ToUnicode(0xDB), U'\u2588');
    EXPECT_EQ(cp437ToUnicode(0xFF), U'\u00A0');
    // Full block, light shade, e acute, a box corner; a character outside becomes "?".
    EXPECT_EQ(validUtf8ToCp437("a\xE2\x96\x88\xE2\x96\x91\xC3\xA9\xE2\x94\x8C\xE2\x82\xAC"),
              "a\xDB\xB0\x82\xDA?");
    EXPECT_FALSE(validUtf8ToCp437("ok\xDB"));
    EXPECT_FALSE(validUtf8ToCp437("\xE2\x96"));
}

} // namespace
} // namespace glyphora
