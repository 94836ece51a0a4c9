#include "config/configure_commands.h"

#include "app/editor.h"
#include "color/color_commands.h"
#include "config/settings_file.h"
#include "edit/clipboard_commands.h"
#include "formats/open_save_commands.h"
#include "platform/text_numbers.h"

#include <algorithm>
#include <array>

namespace glyphora {

namespace {

using Kind = ConfigureField::Kind;

constexpr const char* kFailure = "ERROR: Intern failure, please restart prog.";
constexpr const char* kProgramPage = "Prog. options";
constexpr const char* kExternPage = "Extern settings";
constexpr const char* kSpecialPage = "Special functions";
constexpr const char* kPaintingPage = "Painting functions";

struct FieldSpec {
    std::string_view name;
    std::string_view label;
    std::string_view page;
    Kind kind;
    IntRange range{0, 0};
    std::string_view internGroup{};
};

constexpr std::array<FieldSpec, 35> kFields = {{
    {"AutosaveInterval", "Autosave all (Min.) :", kProgramPage, Kind::Number,
     kAutosaveIntervalRange},
    {"FontSize", "Fontsize: ", kProgramPage, Kind::Number, kFontSizeRange},
    {"CopyGridWidth", "Copygrid width (pixel ):", kProgramPage, Kind::Number, kCopyGridWidthRange},
    {"KnowledgeBaseWidth", "Knowledge base ... :", kProgramPage, Kind::Number,
     kKnowledgeBaseWidthRange},
    {"UndoSteps", "\"Undo\" steps:", kProgramPage, Kind::Number, kUndoStepsRange},
    {"EnableUndo", "\"Undo\" steps:", kProgramPage, Kind::Flag},
    {"ShowInTask", "Show prog in task", kProgramPage, Kind::Flag},
    {"ShowInfoMessages", "Show prog. info messages", kProgramPage, Kind::Flag},
    {"RedefineKeys", "Redefine Keysetting ( 1245 to /\\_| )", kProgramPage, Kind::Flag},
    {"SaveOptimized", "Save otimized", kProgramPage, Kind::Flag},
    {"BackupFiles", "Backupfiles", kProgramPage, Kind::Flag},
    {"Autosave", "Autosave all (Min.) :", kProgramPage, Kind::Flag},
    {"ShowPaintbar", "Show Paintbar", kProgramPage, Kind::Flag},
    {"ShowStatusbar", "Show Statusbar", kProgramPage, Kind::Flag},
    {"StayOnTop", "Stay on Top", kProgramPage, Kind::Flag},
    {"ShowGrid", "Show grid lines", kProgramPage, Kind::Flag},
    {"PastePreview", "Paste preview", kProgramPage, Kind::Flag},
    {"ExternalProgram", "External program:", kExternPage, Kind::Program},
    {"LineArtDataFile", "Preconvert to line art libary (Prog. directory): ", kExternPage,
     Kind::Text},
    {"InvertDataFile", "Invert libary (Prog. directory): ", kExternPage, Kind::Text, {}, "invert"},
    {"Bmp2AsciiDataFile",
     "ASCII2BMP line art libary (Prog. directory): ",
     kExternPage,
     Kind::Text,
     {},
     "bmp2ascii"},
    {"FlipHorzDataFile",
     "Flip libary (Prog. directory, horz. and vert.): ",
     kExternPage,
     Kind::Text,
     {},
     "flip"},
    {"FlipVertDataFile", "", kExternPage, Kind::Text, {}, "flip"},
    {"PasteSpecialChar", "Paste special : background char. (default=SPACE) =", kSpecialPage,
     Kind::Character},
    {"PatternBackgroundChar",
     "Fill with pattern: filled background char. (default=SPACE) =", kSpecialPage, Kind::Character},
    {"Picture2FormChar", "Picture to form art :  white pixel (default=SPACE) =", kSpecialPage,
     Kind::Character},
    {"SolidChar", "SOLID      =", kPaintingPage, Kind::Character},
    {"LineHorzChar", "LINEART=   Horiz./vert. line", kPaintingPage, Kind::Character},
    {"LineVertChar", "", kPaintingPage, Kind::Character},
    {"RectHorzChar", "Rectange", kPaintingPage, Kind::Character},
    {"RectCornerChar", "", kPaintingPage, Kind::Character},
    {"DiagFallChar", "Slant", kPaintingPage, Kind::Character},
    {"DiagRiseChar", "", kPaintingPage, Kind::Character},
    {"DiagHorzChar", "", kPaintingPage, Kind::Character},
    {"DiagVertChar", "", kPaintingPage, Kind::Character},
}};

bool applyForm(Editor& editor, const ConfigureForm& form) {
    Settings next = editor.currentSettings();
    for (const ConfigureField& field : form.fields) {
        const SettingField* setting = findSettingField(field.name);
        if (!setting || !setSettingFromText(next, *setting, field.value).empty())
            return false;
    }
    for (const FieldSpec& spec : kFields) {
        if (spec.kind != Kind::Number)
            continue;
        const SettingField* setting = findSettingField(spec.name);
        int& value = next.*std::get<int Settings::*>(setting->ref);
        value = std::clamp(value, spec.range.min, spec.range.max);
    }
    const bool paintbarWasShown = editor.settings().ShowPaintbar;
    editor.settings() = next;
    editor.ApplyFontSize(next.FontSize); // the canvas takes 2 to 30
    editor.setShowGrid(next.ShowGrid);
    applyAutosaveTimer(editor);
    if (!next.ShowPaintbar)
        editor.colorState().colorBarShown = false;
    else if (!paintbarWasShown)
        UpdateColorMenus(editor);
    if (!next.PastePreview)
        stopPastePreview(editor);
    editor.ui().repaintCanvas();
    return true;
}

} // namespace

ConfigureForm configureForm(const Editor& editor) {
    const Settings current = editor.currentSettings();
    const Settings defaults = defaultSettings(editor.programDir());
    ConfigureForm form;
    for (const FieldSpec& spec : kFields) {
        const SettingField* setting = findSettingField(spec.name);
        ConfigureField field;
        field.name = spec.name;
        field.label = spec.label;
        field.page = spec.page;
        field.kind = spec.kind;
        field.min = spec.range.min;
        field.max = spec.range.max;
        field.value = settingText(current, *setting);
        // "Default" never touches the external program.
        if (spec.kind != Kind::Program)
            field.defaultValue = settingText(defaults, *setting);
        field.internGroup = spec.internGroup;
        form.fields.push_back(std::move(field));
    }
    return form;
}

void acceptCharacterFields(ConfigureForm& form) {
    for (ConfigureField& field : form.fields) {
        if (field.kind == Kind::Character)
            field.value = field.value.empty() ? " " : field.value.substr(0, 1);
    }
}

bool applyConfigureForm(Editor& editor, const ConfigureForm& form) {
    ConfigureForm accepted = form;
    acceptCharacterFields(accepted);
    return applyForm(editor, accepted);
}

void Configure(Editor& editor) {
    const std::optional<ConfigureForm> reply = editor.ui().configure(configureForm(editor));
    if (!reply)
        return;
    if (!applyConfigureForm(editor, *reply)) {
        editor.ui().beep();
        editor.StatusMessage(kFailure);
    }
}

} // namespace glyphora
