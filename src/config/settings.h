#pragma once

#include "canvas/char_canvas.h"
#include "platform/color.h"

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace glyphora {

inline constexpr std::string_view kInternTable = "none (intern)";

// The options of edit.ini, by the names the file's fields are known by.
struct Settings {
    std::string WorkingDirectory;
    std::string ExternalProgram;
    std::string LineArtDataFile = "Lna.dat";
    std::string InvertDataFile{kInternTable};
    std::string Bmp2AsciiDataFile{kInternTable};
    std::string FlipHorzDataFile{kInternTable};
    std::string FlipVertDataFile{kInternTable};
    int AutosaveInterval = 10; // units of 100 seconds
    int FontSize = 6;
    int CopyGridWidth = 337;
    int KnowledgeBaseWidth = 240;
    int UndoSteps = 10;
    glyphora::ColorMode ColorMode = glyphora::ColorMode::Plain;
    std::string MainFontName = "Courier New";
    Color MainFontColor = kBlack;
    Color MainGridColor = kWhite;
    bool ShowColorDialog = false;
    bool EnableUndo = true;
    bool ShowInTask = true;
    bool ShowInfoMessages = true;
    bool RedefineKeys = false;
    bool SaveOptimized = true;
    bool BackupFiles = false;
    bool Autosave = false;
    bool ShowPaintbar = false;
    bool ShowStatusbar = true;
    bool StayOnTop = false;
    bool ShowGrid = true;
    bool PastePreview = true;
    std::string SolidChar = "#";
    std::string LineHorzChar = "_";
    std::string LineVertChar = "|";
    std::string RectHorzChar = "-";
    std::string RectCornerChar = "+";
    std::string DiagFallChar = "\\";
    std::string DiagRiseChar = "/";
    std::string DiagHorzChar = "_";
    std::string DiagVertChar = "|";
    std::string PasteSpecialChar = " ";
    std::string PatternBackgroundChar = " ";
    std::string Picture2FormChar = " ";
    std::vector<std::string> History;
};

// The data-file fields default to their standard file name when it exists in the program
// directory, else to the built-in table.
Settings defaultSettings(const std::filesystem::path& programDir);

// Name-based access to every field, for scripts and the state dump.
using SettingRef =
    std::variant<std::string Settings::*, int Settings::*, bool Settings::*, Color Settings::*,
                 ColorMode Settings::*, std::vector<std::string> Settings::*>;

struct SettingField {
    std::string_view name;
    SettingRef ref;
};

std::span<const SettingField> settingFields();
const SettingField* findSettingField(std::string_view name);

// Parses value for the field: integers in decimal, flags as Y/N (or true/false), colours as
// RRGGBB, the colour mode as a digit 1-4, the history as paths separated by "|".
// Returns an error text, empty on success.
std::string setSettingFromText(Settings& settings, const SettingField& field,
                               std::string_view value);
// The field's value in the same text form.
std::string settingText(const Settings& settings, const SettingField& field);

} // namespace glyphora
