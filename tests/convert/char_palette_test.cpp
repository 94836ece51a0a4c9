#include "canvas/text_conversion.h"
#include "convert/char_palette.h"
#include "formats/recording_progress.h"
#include "paint/canvas_picture.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

using test::RecordingProgress;

char at(int position) {
    return kBrightnessRamp[static_cast<std::size_t>(position - 1)];
}

// What the map makes of the character at a ramp position (as a ramp position).
int mappedPosition(const CharMap& map, int position) {
    const int to = map[static_cast<unsigned char>(at(position))];
    return to < 0 ? position : rampPosition(static_cast<char>(to));
}

UsedCharacters usedOf(std::string_view characters) {
    CharCanvas canvas(static_cast<int>(characters.size()), 1);
    for (std::size_t i = 0; i < characters.size(); ++i)
        canvas.setText(static_cast<int>(i), 0, characters.substr(i, 1));
    return countUsedCharacters(canvas);
}

TEST(UsedCharacters, CountsRampCharactersOnceLeavingTheSpaceOut) {
    CharCanvas canvas = test::drawn({"#.# ", "\xE9"});
    canvas.setText(1, 1, ".x"); // by its first character
    const UsedCharacters used = countUsedCharacters(canvas);
    EXPECT_EQ(used.count, 2);
    EXPECT_EQ(used.marker[1], '.');
    EXPECT_EQ(used.marker[94], '#');
    EXPECT_EQ(used.marker[0], ' ');
    EXPECT_EQ(rampPosition('\xE9'), 0);
    EXPECT_EQ(canvas.text(2, 1), " "); // empty cells became spaces
}

TEST(PaletteReduction, GlobalSegmentsOverlapByOneAndTakeTheirMiddle) {
    // Three colours: q = Round(31.67) = 32, segments from positions 1, 32 and 64.
    const CharMap three = paletteReductionMap({3, PaletteSource::Global, false}, {});
    EXPECT_EQ(mappedPosition(three, 1), 16);
    EXPECT_EQ(mappedPosition(three, 32), 16); // in segments 0 and 1; 16 is in no later one
    EXPECT_EQ(mappedPosition(three, 33), 47);
    EXPECT_EQ(mappedPosition(three, 95), 79);
    EXPECT_EQ(three[0xE9], -1);

    // Four: q = Round(23.75) = 24, so a blank becomes the ramp's twelfth character.
    const CharMap four = paletteReductionMap({4, PaletteSource::Global, false}, {});
    EXPECT_EQ(four[' '], '"');
    const CharMap blackWhite = paletteReductionMap({4, PaletteSource::Global, true}, {});
    EXPECT_EQ(blackWhite[' '], ' ');
    EXPECT_EQ(blackWhite[static_cast<unsigned char>(at(80))], '#');
    EXPECT_EQ(mappedPosition(blackWhite, 50), 48 + 12 - 1);

    // Many colours: one-character segments take their only character.
    const CharMap many = paletteReductionMap({94, PaletteSource::Global, false}, {});
    EXPECT_EQ(mappedPosition(many, 40), 40);
}

TEST(PaletteReduction, CurrentSegmentsUseTheCharactersFoundOnTheCanvas) {
    const UsedCharacters used = usedOf(".:ox#"); // positions 2, 10, 43, 46, 95
    ASSERT_EQ(used.count, 5);
    const CharMap map = paletteReductionMap({3, PaletteSource::Current, false}, used);
    EXPECT_EQ(map[':'], '.'); // segment 0's first used character
    EXPECT_EQ(map[' '], '.'); // the blank is in segment 0's match set
    EXPECT_EQ(map['x'], 'o'); // segment 1 (32..63): its first used character is "o"
    // Segment 2 (64..95) uses only "#", its last position, which the scan leaves out: the
    // ramp's character at 64 stands in.
    EXPECT_EQ(map['#'], at(64));
}

TEST(PaletteReduction, SegmentsPastTheRampEndOrOfOneCharacterStayBounded) {
    // 57 colours: q = 2, segments from i = 48 on start past position 95 and hold nothing.
    std::string all(kBrightnessRamp.substr(1));
    const UsedCharacters used = usedOf(all);
    ASSERT_EQ(used.count, 94);
    const CharMap map57 = paletteReductionMap({57, PaletteSource::Current, false}, used);
    EXPECT_EQ(mappedPosition(map57, 95), 94); // segment 47: positions 94 and 95
    // 20 colours: q = 5, segment 19 is position 95 alone and has no position to scan.
    const CharMap map20 = paletteReductionMap({20, PaletteSource::Current, false}, used);
    EXPECT_EQ(map20['#'], '#');
    EXPECT_EQ(mappedPosition(map20, 94), 90);
}

TEST(CharBrightness, MovesAlongTheRampAndHoldsAtItsEnds) {
    EXPECT_EQ(brightnessMap(50)['#'], 's');
    EXPECT_EQ(brightnessMap(-50)[' '], 'p');
    EXPECT_EQ(brightnessMap(-1)['#'], '#');
    EXPECT_EQ(brightnessMap(20)[0xE9], -1);
    EXPECT_EQ(brightnessMap(0)['A'], 'A');
}

TEST(CharMapping, MappedCellsBecomeOneCharacterAndOthersStay) {
    CharCanvas canvas = test::drawn({"@@#@", "@@@@"});
    canvas.setText(0, 0, "##");
    canvas.setText(1, 0, "\xE9x");
    RecordingProgress progress;
    applyCharMap(canvas, brightnessMap(50), progress);
    EXPECT_EQ(canvas.text(0, 0), "s");
    EXPECT_EQ(canvas.text(1, 0), "\xE9x");
    EXPECT_EQ(canvas.text(3, 0), " "); // empty: a blank, moved towards the light end
    EXPECT_EQ(progress.calls.front(), "pos 0/1 Setting color ... / Finishing");
}

} // namespace
} // namespace glyphora
