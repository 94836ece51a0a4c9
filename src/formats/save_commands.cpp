// saveDocument and the commands around it: "&Save", "Save &as ...", autosave and backup.
#include "app/editor.h"
#include "canvas/canvas_commands.h"
#include "config/settings_file.h"
#include "convert/art_to_picture_commands.h"
#include "formats/ansi_commands.h"
#include "formats/applet_commands.h"
#include "formats/file_format_table.h"
#include "formats/file_names.h"
#include "formats/file_output.h"
#include "formats/glf_commands.h"
#include "formats/html_export_commands.h"
#include "formats/open_save_commands.h"
#include "formats/reopen_list.h"
#include "formats/text_save_commands.h"

#include <algorithm>
#include <array>
#include <system_error>

namespace glyphora {

namespace fs = std::filesystem;

namespace {

constexpr const char* kWriteFailed = "Couldn`t write file.";

constexpr const char* kSavingNow = " Saving ...";
constexpr const char* kOverwrite = "File exists. Overwrite ?";
constexpr const char* kCannotSave = "ERROR: Couldn`t save file.";
constexpr const char* kColorsLost = "WARNING: Colors haven`t been saved in this format !!!";
constexpr const char* kBackgroundsLost =
    "WARNING: Backgroundcolors haven`t been saved in this format !!!";
constexpr const char* kRgbColorsLost = "WARNING: RGBColors haven`t been saved in this format !!!";
constexpr const char* kInternalErrorInSave = "ERROR: Internal error (Cd#4a).";
constexpr const char* kInternalErrorBeforeSave = "ERROR: Internal error (Cd#4b).";
constexpr const char* kNoFileText = "-.txt";

// The writers there are; a type gets its row when its writer lands.
constexpr std::array<SaveBranch, 21> kSaveBranches = {{
    {format_code::WindowsText, SaveWindowsText},
    {format_code::AsciiText, SaveAsciiText},
    {format_code::HtmlPlain, SaveHtmlPlain},
    {format_code::HtmlColored, SaveHtmlColoredText},
    {format_code::HtmlTable, SaveHtmlColorTable},
    {format_code::HtmlColoredCss, SaveHtmlCssColoredText},
    {format_code::HtmlTableCss, SaveHtmlCssTable},
    {format_code::HtmlTableIe, SaveHtmlRowTables},
    {format_code::Pattern, SavePattern},
    {format_code::RichText, SaveRichText},
    {format_code::CsvTable, SaveCsvTable},
    {format_code::Ansi, SaveAnsiDocument},
    {format_code::GlyphoraPlain, SaveGridText},
    {format_code::GlyphoraFormat, SaveGlfDocument},
    {format_code::UserDefined, SaveUserDefined},
    {format_code::AppletData, SaveAppletData},
    {format_code::AsciiToPicture, SaveCharsPicture},
    {format_code::FontColorToPicture, SaveFontColorPicture},
    {format_code::CellColorToPicture, SaveCellColorPicture},
    {format_code::CaptureCanvasVisible, SaveVisibleCanvasPicture},
    {format_code::CaptureCanvasWhole, SaveWholeCanvasPicture},
}};

SaveWriter findWriter(int code) {
    for (const SaveBranch& branch : kSaveBranches) {
        if (branch.formatCode == code)
            return branch.writer;
    }
    return nullptr;
}

void refuse(Editor& editor, int code) {
    const FileFormat* format = findFileFormat(code);
    editor.ui().beep();
    editor.StatusMessage("ERROR: Saving as " +
                         (format ? format->name : "type " + std::to_string(code)) +
                         " is not available yet.");
}

// The status after a save: which colours the written type could not keep.
const char* saveResult(int code, ColorMode mode) {
    using namespace format_code;
    static constexpr std::array<int, 7> kCharactersOnly = {
        WindowsText, Pattern, CsvTable, UserDefined, AsciiText, HtmlPlain, GlyphoraPlain};
    if (mode != ColorMode::Plain &&
        std::find(kCharactersOnly.begin(), kCharactersOnly.end(), code) != kCharactersOnly.end())
        return kColorsLost;
    if (code == HtmlColored && mode == ColorMode::FullColored)
        return kBackgroundsLost;
    if ((code == RichText || code == Ansi) && mode != ColorMode::Ansi)
        return kRgbColorsLost;
    return kSaveReady;
}

bool hasFile(const std::string& name) {
    return name != kNoFile && name != kNoFileText;
}

// The first case of "&Save", shared with the autosave tick.
void saveSilently(Editor& editor) {
    DocumentState& doc = editor.document();
    doc.SilentSave = true;
    doc.SaveFormat = doc.CurrentFormat;
    doc.SaveTargetName = doc.CurrentFileName;
    saveDocument(editor);
    doc.SilentSave = false;
}

} // namespace

bool writeReportingFailure(Editor& editor, const std::function<bool()>& write) {
    {
        BusyCursor busy(editor.ui());
        if (write())
            return true;
        editor.ui().beep();
        editor.progress().hideBar();
    }
    editor.ui().message(kWriteFailed);
    return false;
}

std::span<const SaveBranch> saveBranches() {
    return kSaveBranches;
}

bool canSaveFormat(int formatCode) {
    return findWriter(formatCode) != nullptr;
}

bool prepareSaveTarget(Editor& editor, int formatCode) {
    DocumentState& doc = editor.document();
    const std::string_view extension = saveExtension(formatCode);
    if (!extension.empty() && !containsIgnoringCase(doc.SaveTargetName, extension))
        doc.SaveTargetName += extension;
    return confirmSaveTarget(editor);
}

bool confirmSaveTarget(Editor& editor) {
    const DocumentState& doc = editor.document();
    const fs::path target = inWorkingDirectory(editor, doc.SaveTargetName);
    std::error_code ec;
    if (!fs::exists(target, ec))
        return true;
    if (!doc.SilentSave && editor.ui().confirm(kOverwrite, Buttons::YesNo) != Answer::Yes)
        return false;
    if (editor.settings().BackupFiles)
        backupFile(target);
    return true;
}

bool writeSaveTarget(Editor& editor, std::string_view bytes) {
    return writeFileSafely(inWorkingDirectory(editor, editor.document().SaveTargetName), bytes);
}

void saveDocument(Editor& editor) {
    DocumentState& doc = editor.document();
    const int code = doc.SaveFormat;
    const SaveWriter writer = findWriter(code);
    if (!writer) {
        refuse(editor, code);
        return;
    }
    if (editor.textView().visible)
        ToggleTextView(editor);
    doc.CurrentFileName = std::string(kNoFile);
    // Shown at once and kept until the result replaces it.
    editor.status().setField(StatusBar::kMessageField, kSavingNow);
    editor.textView().lines.clear();
    doc.SaveResultNote.clear();

    const SaveOutcome outcome = writer(editor);
    if (outcome != SaveOutcome::Written) {
        // A failed write names no file and reports no success; the old file is intact.
        if (outcome == SaveOutcome::Failed)
            editor.StatusMessage(kCannotSave);
        editor.progress().hideBar();
        return;
    }
    doc.caption = std::string(fileNameOf(doc.SaveTargetName));
    editor.StatusMessage(saveResult(code, editor.colorMode()) + doc.SaveResultNote);
    doc.CurrentFileName = doc.SaveTargetName;
    doc.CurrentFormat = code;
    doc.SaveEnabled = doc.CurrentFileName != kNoFile;
    if (savedFileJoinsReopenList(doc.SaveTargetName, code))
        addToReopenList(doc.ReopenList, doc.SaveTargetName);
    editor.progress().hideBar();
}

void SaveToCurrentFile(Editor& editor) {
    DocumentState& doc = editor.document();
    if (hasFile(doc.CurrentFileName)) {
        saveSilently(editor);
        return;
    }
    editor.ui().beep();
    editor.StatusMessage(kCannotSave);
    doc.SaveEnabled = false;
}

void AutosaveTick(Editor& editor) {
    if (hasFile(editor.document().CurrentFileName))
        saveSilently(editor);
}

void SaveAs(Editor& editor) {
    DocumentState& doc = editor.document();
    const std::string remembered = doc.caption;
    const std::string_view captionDir = directoryOf(doc.caption);
    const fs::path folder = captionDir.empty()
                                ? workingDirectory(editor)
                                : inWorkingDirectory(editor, std::string(captionDir));
    const SaveBrowserRequest request{doc.caption, doc.SaveFormat, folder.string(),
                                     editor.programDir().string(),
                                     textEncodingName(doc.textStyle)};
    const std::optional<SaveBrowserReply> reply = editor.ui().saveBrowser(request);
    if (!reply)
        return;

    bool ready = false;
    try {
        if (!findFileFormat(reply->formatCode)) {
            editor.ui().beep();
            editor.StatusMessage(kInternalErrorBeforeSave);
        } else if (!canSaveFormat(reply->formatCode)) {
            refuse(editor, reply->formatCode);
        } else {
            const fs::path path = reply->path.empty() || fs::path(reply->path).is_absolute()
                                      ? fs::path(reply->path)
                                      : folder / reply->path;
            doc.caption = std::string(fileNameOf(path.string()));
            if (!doc.caption.empty()) {
                editor.settings().WorkingDirectory = path.parent_path().string();
                doc.SaveFormat = reply->formatCode;
                doc.SaveTargetName = path.string();
                doc.CurrentFileName = doc.SaveTargetName;
                ready = true;
            }
        }
    } catch (...) {
        editor.ui().beep();
        editor.StatusMessage(kInternalErrorBeforeSave);
    }
    if (ready) {
        try {
            saveDocument(editor);
        } catch (...) {
            editor.StatusMessage(kInternalErrorInSave);
        }
    }
    if (doc.caption.empty() || doc.caption == kNoFile) {
        const std::size_t dot = remembered.find('.');
        doc.caption = dot == std::string::npos ? remembered : remembered.substr(0, dot);
    }
}

void ToggleAutosave(Editor& editor) {
    editor.settings().Autosave = !editor.settings().Autosave;
    applyAutosaveTimer(editor);
}

void ToggleBackup(Editor& editor) {
    editor.settings().BackupFiles = !editor.settings().BackupFiles;
}

void applyAutosaveTimer(Editor& editor) {
    const Settings& s = editor.settings();
    const int interval =
        std::clamp(s.AutosaveInterval, kAutosaveIntervalRange.min, kAutosaveIntervalRange.max);
    editor.ui().setTimer(TimerId::Autosave, s.Autosave, interval * kAutosaveUnitMs);
}

bool saveEnabled(const Editor& editor) {
    return editor.document().SaveEnabled;
}

bool autosaveChecked(const Editor& editor) {
    return editor.settings().Autosave;
}

bool backupChecked(const Editor& editor) {
    return editor.settings().BackupFiles;
}

} // namespace glyphora
