#include "convert/picture_to_art.h"
#include "formats/recording_progress.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

// A table whose entry k is the byte 32 + k, so an entry's number can be read back.
CharacterRamp numberedTable() {
    CharacterRamp table;
    for (int k = 1; k <= kRampSize; ++k)
        table[static_cast<std::size_t>(k - 1)] = static_cast<char>(32 + k);
    return table;
}
int entryOf(char c) {
    return static_cast<unsigned char>(c) - 32;
}

TEST(PictureToArt, GreyLevelWeighsTheChannels) {
    EXPECT_EQ(GreyLevel(rgb(255, 0, 0)), rgb(76, 76, 76));    // 77 x 255 >> 8
    EXPECT_EQ(GreyLevel(rgb(0, 255, 0)), rgb(150, 150, 150)); // 151 x 255 >> 8
    EXPECT_EQ(GreyLevel(rgb(0, 0, 255)), rgb(27, 27, 27));
    EXPECT_EQ(GreyLevel(rgb(1, 1, 1)), rgb(1, 1, 1)); // the weights sum to 256
    Bitmap picture(2, 1, rgb(0, 255, 0));
    greyPicture(picture);
    EXPECT_EQ(picture.pixel(1, 0), rgb(150, 150, 150));
}

TEST(PictureToArt, AbsoluteKeepsHashForBlackAndSpaceForWhite) {
    const CharacterRamp table = numberedTable();
    const GreyCharacters withTable = absoluteCharacters(&table);
    const GreyCharacters builtIn = absoluteCharacters(nullptr);
    for (const GreyCharacters* chars : {&withTable, &builtIn}) {
        EXPECT_EQ((*chars)[0], '#');
        EXPECT_EQ((*chars)[255], ' ');
    }
    // Grey 1 and 254: entries 95 and 1, or "%" and "~".
    EXPECT_EQ(entryOf(withTable[1]), 95);
    EXPECT_EQ(entryOf(withTable[254]), 1);
    EXPECT_EQ(builtIn[1], '%');
    EXPECT_EQ(builtIn[254], '~');
    // Grey 8 is code 35 by its brightness (526344 / 178481 -> 3); "$" stands in for "#".
    EXPECT_EQ(builtIn[8], '$');
    // Grey 128 (8421504): entry 95 - Round(47.70) = 47; code 32 + Round(47.18).
    EXPECT_EQ(entryOf(withTable[128]), 47);
    EXPECT_EQ(builtIn[128], static_cast<char>(32 + 47));
    for (int g = 1; g < 255; ++g) {
        EXPECT_NE(builtIn[static_cast<std::size_t>(g)], '#');
        EXPECT_NE(builtIn[static_cast<std::size_t>(g)], ' ');
        // Entry 96 is never chosen here.
        EXPECT_NE(entryOf(withTable[static_cast<std::size_t>(g)]), 96);
    }
}

TEST(PictureToArt, RelativeStretchesTheRampBetweenThePicturesGreys) {
    // Two grey levels: the darker is "#" or entry 96, the brighter a space or entry 1.
    const CharacterRamp table = numberedTable();
    const auto two = relativeCharacters(nullptr, 40, 41);
    ASSERT_TRUE(two);
    EXPECT_EQ((*two)[40], '#');
    EXPECT_EQ((*two)[41], ' ');
    const auto twoTable = relativeCharacters(&table, 40, 41);
    EXPECT_EQ(entryOf((*twoTable)[40]), 96);
    EXPECT_EQ(entryOf((*twoTable)[41]), 1);
    // Low contrast (100..120) uses the whole ramp: step = 20 x 65793 div 96 = 13706;
    // grey 110 is 657930 / 13706 = 48.0 steps up: code 31 + 48, entry 96 - 48.
    const auto low = relativeCharacters(nullptr, 100, 120);
    EXPECT_EQ((*low)[100], '#');
    EXPECT_EQ((*low)[120], ' ');
    EXPECT_EQ((*low)[110], static_cast<char>(31 + 48));
    EXPECT_EQ(entryOf((*relativeCharacters(&table, 100, 120))[110]), 48);
    // Black and white get no special treatment: with the full range grey 0 is "#" by
    // its rank, grey 255 the space, and "$" stands in for "#" at code 35 (rank 4).
    const auto full = relativeCharacters(nullptr, 0, 255);
    EXPECT_EQ((*full)[0], '#');
    EXPECT_EQ((*full)[255], ' ');
    EXPECT_EQ((*full)[11], '$'); // 11 x 65793 / 174762 = 4.14
    // One grey level: no step, no characters.
    EXPECT_FALSE(relativeCharacters(nullptr, 77, 77));
    EXPECT_FALSE(relativeCharacters(&table, 0, 0));
}

TEST(PictureToArt, WritesCellsColumnByColumnWithProgressAndReadsTheTable) {
    Bitmap picture(3, 2, kWhite);
    picture.setPixel(1, 0, kBlack);
    picture.setPixel(2, 1, kBlack);
    CharCanvas canvas(3, 2);
    canvas.SetFontCell(0, 0, rgb(1, 2, 3));
    test::RecordingProgress progress;
    writeArt(picture, absoluteCharacters(nullptr), canvas, progress, 2);
    EXPECT_EQ(canvas.text(0, 0), " ");
    EXPECT_EQ(canvas.text(1, 0), "#");
    EXPECT_EQ(canvas.text(2, 1), "#");
    EXPECT_EQ(canvas.foreground(0, 0), rgb(1, 2, 3)); // colours are left alone
    EXPECT_EQ(progress.calls, (std::vector<std::string>{"pos 2/2 Converting ... / Step 3 of 3"}));

    test::TempDir dir;
    test::writeBytes(dir / "short.dat", std::string(95, 'x'));
    test::writeBytes(dir / "ramp.dat", std::string(96, 'a') + "ignored");
    EXPECT_FALSE(readCharacterRamp(dir / "short.dat"));
    EXPECT_FALSE(readCharacterRamp(dir / "missing.dat"));
    const auto ramp = readCharacterRamp(dir / "ramp.dat");
    ASSERT_TRUE(ramp);
    EXPECT_EQ((*ramp)[95], 'a');
}

TEST(PictureToArt, TheShippedTableRunsFromBrightToDark) {
    const auto ramp =
        readCharacterRamp(std::filesystem::path(GLYPHORA_SOURCE_DIR) / "data" / "bmp2ascii.dat");
    ASSERT_TRUE(ramp);
    EXPECT_EQ(ramp->front(), ' ');
    EXPECT_EQ(ramp->back(), '@');
    for (const char c : *ramp)
        EXPECT_TRUE(c >= ' ' && c <= '~') << "not printable: " << static_cast<int>(c);
}

} // namespace
} // namespace glyphora
