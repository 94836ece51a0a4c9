#include "color/color_commands.h"

#include "app/editor.h"
#include "color/cell_color_ops.h"
#include "color/color_bar.h"
#include "color/color_modes.h"

namespace glyphora {

namespace {

constexpr const char* kMainFontMessage = "Main font color: #";
constexpr const char* kMainBackMessage = "Main background color: #";

ColorState& colorState(Editor& editor) {
    return editor.colorState();
}

// The end of both ways of setting the main background colour.
void mainBackChanged(Editor& editor) {
    CharCanvas& canvas = editor.canvas();
    if (editor.colorMode() == ColorMode::FontColored) {
        // The last normalised selection, as normalizeSelection left it.
        ColorSelection(canvas, editor.sel().rect(), ColorLayer::Background, canvas.defaultColor());
    }
    editor.StatusMessage(kMainBackMessage + colorToHex(canvas.defaultColor()));
    editor.ActiveBackColor = canvas.defaultColor();
    showActiveColors(editor);
}

} // namespace

bool enterColorMode(Editor& editor, ColorMode mode, bool ask) {
    if (editor.colorMode() == mode || mode == ColorMode::FullColored) {
        // FullColored keeps whatever the document holds, so it needs no question.
        editor.checkColorMode(mode);
        UpdateColorMenus(editor);
        return true;
    }
    if (ask && editor.settings().ShowInfoMessages &&
        editor.ui().confirm(modeSwitchQuestion(mode), Buttons::YesNo) != Answer::Yes)
        return false;
    BusyCursor busy(editor.ui());
    editor.setColorMode(mode);
    if (const std::optional<ModeDefaults> defaults = colorModeDefaults(mode)) {
        editor.ActiveFontColor = defaults->mainFont;
        editor.ActiveBackColor = defaults->mainBack;
    }
    UpdateColorMenus(editor);
    editor.ui().repaintCanvas();
    return true;
}

void SetModePlain(Editor& editor) {
    enterColorMode(editor, ColorMode::Plain, true);
}

void SetModeFontColored(Editor& editor) {
    enterColorMode(editor, ColorMode::FontColored, true);
}

void SetModeFullColored(Editor& editor) {
    enterColorMode(editor, ColorMode::FullColored, true);
}

void SetModeAnsi(Editor& editor) {
    enterColorMode(editor, ColorMode::Ansi, true);
}

void UpdateColorMenus(Editor& editor) {
    ColorState& state = colorState(editor);
    state.colorBarShown = colorBarShownAfterUpdate(
        editor.colorMode(), editor.settings().ShowPaintbar, state.colorBarShown);
    showActiveColors(editor);
}

void showActiveColors(Editor& editor) {
    editor.status().setField(StatusBar::kColorField,
                             setbarText(editor.ActiveFontColor, editor.ActiveBackColor));
    ColorState& state = colorState(editor);
    if (state.colorWindow) {
        state.toColorWindow.post(kNotifyFontColor, editor.ActiveFontColor);
        state.toColorWindow.post(kNotifyBackColor, editor.ActiveBackColor);
    }
}

std::optional<Color> pickColor(Editor& editor, Color ansiPreset, bool background,
                               std::optional<Color> dialogPreset) {
    if (editor.colorMode() == ColorMode::Ansi)
        return editor.ui().chooseAnsiColor(ansiPreset, background);
    return pickStandardColor(editor, dialogPreset);
}

std::optional<Color> pickStandardColor(Editor& editor, std::optional<Color> dialogPreset) {
    ColorState& state = colorState(editor);
    state.dialogColor = dialogPreset.value_or(state.dialogColor);
    const std::optional<Color> chosen = editor.ui().chooseColor(state.dialogColor);
    if (chosen)
        state.dialogColor = *chosen & kWhite;
    return chosen;
}

void SetActiveFontColorDialog(Editor& editor) {
    if (const std::optional<Color> chosen = pickColor(editor, editor.ActiveFontColor, false))
        editor.ActiveFontColor = *chosen & kWhite;
    showActiveColors(editor);
}

void SetActiveBackColorDialog(Editor& editor) {
    if (const std::optional<Color> chosen = pickColor(editor, editor.ActiveBackColor, true))
        editor.ActiveBackColor = *chosen & kWhite;
    showActiveColors(editor);
}

void SetActiveFontToCell(Editor& editor) {
    editor.ActiveFontColor =
        editor.canvas().FontCell(editor.sel().SelEndCol, editor.sel().SelEndRow);
    showActiveColors(editor);
}

void SetActiveBackToCell(Editor& editor) {
    editor.ActiveBackColor =
        editor.canvas().ColorCell(editor.sel().SelEndCol, editor.sel().SelEndRow);
    showActiveColors(editor);
}

void SetMainFontColorDialog(Editor& editor) {
    CharCanvas& canvas = editor.canvas();
    const Color main = canvas.defaultFontColor();
    if (const std::optional<Color> chosen = pickColor(editor, main, false, main))
        canvas.setDefaultFontColor(*chosen & kWhite);
    editor.StatusMessage(kMainFontMessage + colorToHex(canvas.defaultFontColor()));
}

void SetMainFontToCell(Editor& editor) {
    CharCanvas& canvas = editor.canvas();
    canvas.setDefaultFontColor(canvas.FontCell(editor.sel().SelEndCol, editor.sel().SelEndRow));
    editor.StatusMessage(kMainFontMessage + colorToHex(canvas.defaultFontColor()));
}

void SetMainBackColorDialog(Editor& editor) {
    CharCanvas& canvas = editor.canvas();
    const Color main = canvas.defaultColor();
    const std::optional<Color> chosen = pickColor(editor, main, true, main);
    if (!chosen) {
        // Cancel changes nothing; the message still names the main colour.
        editor.StatusMessage(kMainBackMessage + colorToHex(main));
        return;
    }
    canvas.setDefaultColor(*chosen & kWhite);
    mainBackChanged(editor);
}

void SetMainBackToCell(Editor& editor) {
    CharCanvas& canvas = editor.canvas();
    canvas.setDefaultColor(canvas.ColorCell(editor.sel().SelEndCol, editor.sel().SelEndRow));
    mainBackChanged(editor);
}

void ColorBarClick(Editor& editor, ColorLayer strip, int x, int y) {
    const ColorPanelImage panel = ColorPanel(editor.colorMode());
    const bool font = strip == ColorLayer::Foreground;
    const std::optional<Color> picked =
        pickStripColor(font ? panel.foreground : panel.background, x, y);
    if (!picked)
        return;
    (font ? editor.ActiveFontColor : editor.ActiveBackColor) = *picked;
    showActiveColors(editor);
}

void SampleBoxClick(Editor& editor) {
    const ColorMode mode = editor.colorMode();
    if (mode == ColorMode::Plain)
        return;
    SetActiveFontColorDialog(editor);
    if (mode == ColorMode::FullColored || mode == ColorMode::Ansi)
        SetActiveBackColorDialog(editor);
}

bool isColorSpecialEnabled(const Editor& editor) {
    return colorSpecialEnabled(editor.colorMode());
}

bool isBackgroundSpecialEnabled(const Editor& editor) {
    return backgroundSpecialEnabled(editor.colorMode());
}

bool isFontColorToolsEnabled(const Editor& editor) {
    return fontColorToolsEnabled(editor.colorMode());
}

bool isBackColorToolsEnabled(const Editor& editor) {
    return backColorToolsEnabled(editor.colorMode());
}

bool isMainColorsEnabled(const Editor& editor) {
    return mainColorsEnabled(editor.colorMode());
}

bool isModePlainChecked(const Editor& editor) {
    return editor.colorMode() == ColorMode::Plain;
}

bool isModeFontColoredChecked(const Editor& editor) {
    return editor.colorMode() == ColorMode::FontColored;
}

bool isModeFullColoredChecked(const Editor& editor) {
    return editor.colorMode() == ColorMode::FullColored;
}

bool isModeAnsiChecked(const Editor& editor) {
    return editor.colorMode() == ColorMode::Ansi;
}

} // namespace glyphora
