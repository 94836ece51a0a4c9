#pragma once

namespace glyphora {

class Editor;

// The cell colour commands of "&ColorTools", each for the foreground ("F O N T :") and the
// background ("BACKGROUND:"). None takes an undo snapshot.

void ColorSelectionFg(Editor& editor);
void ColorSelectionBg(Editor& editor);
void ResetSelectionColorFg(Editor& editor);
void ResetSelectionColorBg(Editor& editor);
void FillByCharFg(Editor& editor);
void FillByCharBg(Editor& editor);
void FillByColorFg(Editor& editor);
void FillByColorBg(Editor& editor);
void ReplaceCharColorAllFg(Editor& editor);
void ReplaceCharColorAllBg(Editor& editor);
void ReplaceCharColorSelFg(Editor& editor);
void ReplaceCharColorSelBg(Editor& editor);
void ReplaceColorSelFg(Editor& editor);
void ReplaceColorSelBg(Editor& editor);
// "Main font& color" > "&Find main color": the most frequent text colour becomes the main
// font colour; Escape stops the scan.
void FindMainColor(Editor& editor);

// The colour buttons of the paint bar. Each runs its command only while the menu item
// behind it is enabled in the present mode, else shows "Wrong Colormode.".
void FloodfillFontButton(Editor& editor);
void ReplaceCharColorFontButton(Editor& editor);
void ColorSelectionFontButton(Editor& editor);
void ResetSelectionFontButton(Editor& editor);
void FloodfillBackButton(Editor& editor);
void ReplaceCharColorBackButton(Editor& editor);
void ColorSelectionBackButton(Editor& editor);
void ResetSelectionBackButton(Editor& editor);

} // namespace glyphora
