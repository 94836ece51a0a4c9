#pragma once

#include "canvas/char_canvas.h"
#include "platform/bitmap.h"
#include "platform/progress.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>

namespace glyphora {

// Grey: g = (77 R + 151 G + 28 B) >> 8 in every channel.
Color GreyLevel(Color color);
int greyOf(const std::uint8_t* rgb);
// Replaces every pixel by its grey level.
void greyPicture(Bitmap& picture);

// The brightness value of a grey pixel: its colour as a 24-bit number, g x 65793.
inline constexpr long long kGreyBrightnessStep = 65793;

// The 96 characters of the picture-to-art table, brightest first; entry k is [k - 1].
using CharacterRamp = std::array<char, 96>;
inline constexpr int kRampSize = 96;
// The table file's first 96 bytes; nothing when the file is missing or shorter.
std::optional<CharacterRamp> readCharacterRamp(const std::filesystem::path& file);

// The character every grey level becomes, for the absolute and the relative mapping, with
// the table or with the built-in ramp (no table). The relative mapping stretches the
// grey levels between the picture's darkest and brightest; it has no characters when they
// are equal (the step of the ramp would be 0).
using GreyCharacters = std::array<char, 256>;
GreyCharacters absoluteCharacters(const CharacterRamp* table);
std::optional<GreyCharacters> relativeCharacters(const CharacterRamp* table, int darkestGrey,
                                                 int brightestGrey);

struct GreyRange {
    int darkest = 255;
    int brightest = 0;
};
GreyRange greyRange(const Bitmap& greyPicture);

// Writes one character per pixel of the grey picture into the canvas, which has the
// picture's size: column by column, "Converting ..." / "Step 3 of 3" per column against the
// given maximum. Cell colours stay.
void writeArt(const Bitmap& greyPicture, const GreyCharacters& characters, CharCanvas& canvas,
              Progress& progress, int progressMaximum);

} // namespace glyphora
