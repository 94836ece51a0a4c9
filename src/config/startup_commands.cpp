#include "config/startup_commands.h"

#include "app/editor.h"
#include "color/color_commands.h"
#include "color/color_window_commands.h"
#include "config/settings_file.h"
#include "formats/file_names.h"
#include "formats/open_save_commands.h"
#include "formats/reopen_list.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace glyphora {

namespace fs = std::filesystem;

namespace {

constexpr std::array<const char*, 4> kDataDirectories = {"Data", "Fonts", "Pattern", "Undo"};
constexpr std::array<const char*, 2> kTemporaryFiles = {"~temp.txt", "~temp.htm"};
constexpr const char* kRejectedCaption = "NoName.txt";

constexpr std::array<std::string_view, 7> kStartupTypes = {".TXT",  ".ASC", ".GLF", ".HTM",
                                                           ".HTML", ".BMP", ".GLG"};
constexpr std::array<std::string_view, 6> kDropTypes = {".TXT",  ".ASC", ".GLF",
                                                        ".HTML", ".HTM", ".GLG"};

template <std::size_t N>
bool hasTypeOf(const std::array<std::string_view, N>& types, const std::string& path) {
    const std::string extension = upperExtension(path);
    return std::find(types.begin(), types.end(), extension) != types.end();
}

bool isExistingFile(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

// Puts the settings into the window: the font, the colour mode (without a question), the
// main colours in the coloured modes, the switches, the reopen list, the timers.
void applySettings(Editor& editor, const Settings& read, bool colorsRead) {
    Settings& live = editor.settings();
    live = read;
    editor.ApplyFontSize(read.FontSize);
    enterColorMode(editor, read.ColorMode, false);
    TextFont font = editor.canvas().font();
    font.name = read.MainFontName;
    editor.canvas().setFont(font);
    if (colorsRead && read.ColorMode != ColorMode::Plain) {
        CharCanvas& canvas = editor.canvas();
        canvas.setDefaultFontColor(read.MainFontColor);
        for (int r = 0; r < canvas.rowCount(); ++r) {
            for (int c = 0; c < canvas.colCount(); ++c)
                canvas.SetFontCell(c, r, read.MainFontColor);
        }
        canvas.setDefaultColor(read.MainGridColor);
    }
    editor.updateCellSize();
    editor.setShowGrid(read.ShowGrid);
    editor.document().ReopenList = read.History;
    applyAutosaveTimer(editor);
}

void readSettings(Editor& editor, SettingsFileUse use) {
    const fs::path file = editor.programDir() / kSettingsFileName;
    Settings base = editor.currentSettings();
    if (base.WorkingDirectory.empty())
        base.WorkingDirectory = workingDirectory(editor).string();
    SettingsReadResult result = readSettingsFile(file, base);
    if (!result.damaged) {
        applySettings(editor, result.settings, true);
        return;
    }
    // Keep what was read, then the defaults of a damaged file.
    applyDamagedFileDefaults(result.settings, editor.programDir());
    applySettings(editor, result.settings, false);
    if (use == SettingsFileUse::ReadAndRepair) {
        std::error_code ec;
        fs::remove(file, ec);
    }
    editor.ui().beep();
    editor.StatusMessage(kNoIniMessage);
}

void createDataDirectories(Editor& editor) {
    for (const char* name : kDataDirectories) {
        std::error_code ec;
        const fs::path dir = editor.programDir() / name;
        // A folder in another spelling counts: the shipped "pattern" gets no "Pattern" twin.
        if (!findDirectoryIgnoringCase(editor.programDir(), name) &&
            !fs::create_directories(dir, ec))
            editor.StatusMessage(kInternFailure2);
    }
}

} // namespace

void startEditor(Editor& editor, SettingsFileUse use) {
    readSettings(editor, use);
    createDataDirectories(editor);
    editor.ApplyFontSize(editor.canvas().font().size);
    editor.Refresh();
    // The parts of the window that follow the colour mode: the colour bar, the active
    // colours in the status bar, and the colour window when the settings ask for it.
    UpdateColorMenus(editor);
    if (editor.settings().ShowColorDialog && !isColorWindowChecked(editor) &&
        isFontColorToolsEnabled(editor))
        ToggleColorWindow(editor);
    editor.undoRing().reset();
}

std::optional<std::string> StartupDocument(Editor& editor, const std::vector<std::string>& args) {
    if (args.empty())
        return std::nullopt;
    std::string joined = args.front();
    for (std::size_t i = 1; i < args.size(); ++i) {
        joined += ' ';
        joined += args[i];
    }
    std::error_code ec;
    const fs::path path = fs::absolute(joined, ec);
    if (ec || !isExistingFile(path))
        return std::nullopt;
    if (hasTypeOf(kStartupTypes, joined) || hasPictureExtension(joined))
        return path.string();
    editor.StatusMessage(kStartupTypeError);
    editor.document().CurrentFileName = std::string(kNoFile);
    editor.document().caption = kRejectedCaption;
    return std::nullopt;
}

void OpenStartupDocument(Editor& editor, const std::string& path) {
    editor.document().OpenFileName = path;
    openDocument(editor);
    editor.canvas().updateSizeFields();
}

void openDroppedFiles(Editor& editor, const std::vector<std::string>& paths) {
    if (paths.empty())
        return;
    const std::string& path = paths.front();
    if (!hasTypeOf(kDropTypes, path)) {
        editor.StatusMessage(kDropTypeError);
        return;
    }
    try {
        OpenStartupDocument(editor, path);
    } catch (...) {
        editor.StatusMessage(kDropOpenError);
    }
}

void WriteSettings(Editor& editor) {
    std::vector<std::string>& reopen = editor.document().ReopenList;
    removeMissingFiles(reopen);
    Settings settings = editor.currentSettings();
    if (settings.WorkingDirectory.empty())
        settings.WorkingDirectory = workingDirectory(editor).string();
    writeSettingsFile(editor.programDir() / kSettingsFileName, settings);
}

bool queryClose(Editor& editor) {
    if (editor.settings().ShowInfoMessages &&
        editor.ui().confirm(kCloseQuestion, Buttons::YesNo) != Answer::Yes)
        return false;
    WriteSettings(editor);
    for (const char* name : kTemporaryFiles) {
        std::error_code ec;
        fs::remove(editor.programDir() / name, ec);
    }
    editor.undoRing().deleteAllSnapshotFiles();
    return true;
}

} // namespace glyphora
