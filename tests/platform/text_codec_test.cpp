#include "platform/text_codec.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

TEST(TextCodec, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
    // The Latin-1 view maps bytes one to one.
    EXPECT_EQ(latin1ToUtf8(std::string("\x07\x80\xFF", 3)), "\x07\xC2\x80\xC3\xBF");
}

TEST(TextCodec, TheHighControlRangeMapsToTypographicCharacters) {
    EXPECT_EQ(cp1252ToUnicode(0x80), U'\u20AC');
    EXPECT_EQ(cp1252ToUnicode(0x96), U'\u2013');
    EXPECT_EQ(cp1252ToUnicode(0xC4), U'\u00C4');
    EXPECT_EQ(unicodeToCp1252(U'\u2122'), 0x99);
    EXPECT_EQ(cp1252ToUtf8("\x80"), "\xE2\x82\xAC");
}

TEST(TextCodec, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_FALSE(unicodeToCp1252(U'\u0416').has_value()); // Cyrillic Zhe
    EXPECT_EQ(utf8ToCp1252("a\xD0\x96"
                           "b\xF0\x9F\x98\x80"
                           "c"),
              "a?b?c");
    EXPECT_EQ(utf8ToCp1252("\xFF\xC3"), "??"); // malformed UTF-8
}

} // namespace
} // namespace glyphora
