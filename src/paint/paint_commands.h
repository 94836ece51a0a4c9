#pragma once

#include <string>

namespace glyphora {

class Editor;

// SOLID painting with the first character of SolidChar, on the normalised selection (each
// takes an undo snapshot through normalizeSelection). An empty SolidChar paints empty cell texts.
void PaintHorzLine(Editor& editor);
void PaintVertLine(Editor& editor);
void PaintFallingLine(Editor& editor);
void PaintRisingLine(Editor& editor);
void PaintRectangle(Editor& editor);
void PaintFilledRectangle(Editor& editor);
void PaintCircle(Editor& editor);

// LINE painting with the line-art characters of the settings.
void LineArtHorz(Editor& editor);
void LineArtVert(Editor& editor);
void LineArtFalling(Editor& editor);
void LineArtRising(Editor& editor);
void LineArtRectangle(Editor& editor);
// "&dot mode": a check item.
void ToggleDotMode(Editor& editor);
bool dotModeChecked(const Editor& editor);

// "with &character": fills the area of equal cells around the cursor cell with SolidChar.
void Floodfill(Editor& editor);

// "with &pattern" and "&Fill background with pattern" open the pattern panel in area or
// background mode; its "Fill" button runs PatternFill, "Close" ClosePatternPanel.
void FillWithPattern(Editor& editor);
void FillBackgroundWithPattern(Editor& editor);
void PatternFill(Editor& editor);
void ClosePatternPanel(Editor& editor);
// A click on a file of the panel's list: selects it and shows its text in the preview.
void SelectPatternFile(Editor& editor, int index);
// The same by name (for scripts); false when the list holds no such file.
bool SelectPatternFile(Editor& editor, const std::string& name);
bool patternPanelVisible(const Editor& editor);

} // namespace glyphora
