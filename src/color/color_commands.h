#pragma once

#include "canvas/char_canvas.h"
#include "color/color_layer.h"

#include <optional>

namespace glyphora {

class Editor;

// Colour modes, the active and main colours, the colour bar and the status colour text.

void SetModePlain(Editor& editor);
void SetModeFontColored(Editor& editor);
void SetModeFullColored(Editor& editor);
void SetModeAnsi(Editor& editor);
// Enters a mode as its menu item does; ask = false skips the confirmation, for the callers
// that switch without asking ("&New" to Plain or Ansi, "&BMP2Colorgrid" to FontColored).
// Returns false when the user declined.
bool enterColorMode(Editor& editor, ColorMode mode, bool ask);

// Enables the colour items for the mode (the predicates below), shows or hides the colour
// bar, and runs showActiveColors.
void UpdateColorMenus(Editor& editor);
// Status field 2 shows the active colours; an open colour window is told them.
void showActiveColors(Editor& editor);

void SetActiveFontColorDialog(Editor& editor);
void SetActiveFontToCell(Editor& editor);
void SetActiveBackColorDialog(Editor& editor);
void SetActiveBackToCell(Editor& editor);
void SetMainFontColorDialog(Editor& editor);
void SetMainFontToCell(Editor& editor);
void SetMainBackColorDialog(Editor& editor);
void SetMainBackToCell(Editor& editor);

// A click on a strip of the colour bar at pixel (x, y): the foreground strip sets the
// active font colour, the background strip the active background colour.
void ColorBarClick(Editor& editor, ColorLayer strip, int x, int y);
// A click on the sample box "  Color".
void SampleBoxClick(Editor& editor);

// The colour picker of the mode: the ANSI chooser in Ansi mode (preset with ansiPreset),
// else the platform colour dialog (preset with dialogPreset, or with what it last held).
std::optional<Color> pickColor(Editor& editor, Color ansiPreset, bool background,
                               std::optional<Color> dialogPreset = std::nullopt);
// The platform colour dialog in every mode, preset with dialogPreset or with what it last
// held; it keeps the chosen colour for the next showing.
std::optional<Color> pickStandardColor(Editor& editor, std::optional<Color> dialogPreset);

// Enabled predicates of the colour items, by UpdateColorMenus' table.
// "&Special", "&Color2GrayScale" and the foreground items of "&Negative", "&Flip colors",
// "B&rightness" and "&BMP2Colorgrid".
bool isColorSpecialEnabled(const Editor& editor);
// The background items of those submenus and "Fli&p fg- and bgColors".
bool isBackgroundSpecialEnabled(const Editor& editor);
// "Color &Dialog Window" and the "F O N T :" group.
bool isFontColorToolsEnabled(const Editor& editor);
// The "BACKGROUND:" group.
bool isBackColorToolsEnabled(const Editor& editor);
// "Main font& color" and "Main backgro&und color".
bool isMainColorsEnabled(const Editor& editor);

// Checked predicates of the four radio items of "Color &mode".
bool isModePlainChecked(const Editor& editor);
bool isModeFontColoredChecked(const Editor& editor);
bool isModeFullColoredChecked(const Editor& editor);
bool isModeAnsiChecked(const Editor& editor);

} // namespace glyphora
