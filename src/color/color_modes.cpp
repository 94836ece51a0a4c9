#include "color/color_modes.h"

#include "color/ansi_palette.h"

namespace glyphora {

namespace {

constexpr std::string_view kPlainQuestion = "This will delete all colors. Continue?";
constexpr std::string_view kFontColoredQuestion =
    "This will delete all backgroundcolors. Continue?";
constexpr std::string_view kAnsiQuestion =
    "This will delete all RGB colors (WARNING: ANSI can only save 80cols.) . Continue?";

bool hasForegrounds(ColorMode mode) {
    return mode != ColorMode::Plain;
}

bool hasBackgrounds(ColorMode mode) {
    return mode == ColorMode::FullColored || mode == ColorMode::Ansi;
}

} // namespace

std::optional<ModeDefaults> colorModeDefaults(ColorMode mode) {
    switch (mode) {
    case ColorMode::Plain:
    case ColorMode::FontColored:
        return ModeDefaults{kBlack, kWhite};
    case ColorMode::Ansi:
        return ModeDefaults{kAnsiDefaultFont, kAnsiDefaultBack};
    case ColorMode::FullColored:
        break;
    }
    return std::nullopt;
}

void applyColorModeEntry(CharCanvas& canvas, ColorMode mode) {
    if (mode == ColorMode::Plain || mode == ColorMode::Ansi)
        canvas.removeAllOwnFonts();
    if (mode != ColorMode::FullColored)
        canvas.removeAllOwnBrushes();
    if (const std::optional<ModeDefaults> defaults = colorModeDefaults(mode)) {
        canvas.setDefaultFontColor(defaults->mainFont);
        canvas.setDefaultColor(defaults->mainBack);
    }
}

std::string_view modeSwitchQuestion(ColorMode mode) {
    switch (mode) {
    case ColorMode::Plain:
        return kPlainQuestion;
    case ColorMode::FontColored:
        return kFontColoredQuestion;
    case ColorMode::Ansi:
        return kAnsiQuestion;
    case ColorMode::FullColored:
        break;
    }
    return {};
}

bool colorSpecialEnabled(ColorMode mode) {
    return hasForegrounds(mode);
}

bool backgroundSpecialEnabled(ColorMode mode) {
    return hasBackgrounds(mode);
}

bool fontColorToolsEnabled(ColorMode mode) {
    return hasForegrounds(mode);
}

bool backColorToolsEnabled(ColorMode mode) {
    return hasBackgrounds(mode);
}

bool mainColorsEnabled(ColorMode mode) {
    return hasForegrounds(mode);
}

bool colorBarShownAfterUpdate(ColorMode mode, bool paintbarChecked, bool shownBefore) {
    if (mode == ColorMode::Plain)
        return false;
    return paintbarChecked || shownBefore;
}

} // namespace glyphora
