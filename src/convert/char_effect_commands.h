#pragma once

namespace glyphora {

class Editor;

// "&Effects" > "In&vert  selection": each cell of the selection becomes its visual opposite,
// by the invert table file of the settings or the built-in pattern.
void InvertSelection(Editor& editor);
// "&Special" > "&pre-convert to lineart": asks whether to thin lines first, then replaces
// the cells of filled shapes by line-art characters from the line-art table file.
void PreconvertLineArt(Editor& editor);
// "&Special" > the dot-line conversion.
void MakeDotLines(Editor& editor);
// "&Special" > "&convert to random art" > "&every character" / "&all different char.".
void RandomArtEvery(Editor& editor);
void RandomArtDistinct(Editor& editor);

// "&Image" > "Set palette": reduces the characters in use to fewer grey levels.
void SetPalette(Editor& editor);
// "&Image" > "&Brightness": moves every character along the brightness ramp.
void CharBrightness(Editor& editor);

} // namespace glyphora
