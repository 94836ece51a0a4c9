#include "formats/glf_commands.h"

#include "app/editor.h"
#include "color/color_commands.h"
#include "formats/file_format_table.h"
#include "formats/glf_format.h"

namespace glyphora {

namespace {

constexpr const char* kQuickDocument = "Current.glf";
constexpr const char* kReadFailed = "Couldn`t read file.";
constexpr const char* kNoQuickDocument = "ERROR: File didn`t exists.";

} // namespace

bool saveGlfFile(Editor& editor, const std::filesystem::path& fileName) {
    return writeReportingFailure(editor, [&] {
        return writeGlf(fileName, editor.canvas(), editor.colorMode(), editor.progress());
    });
}

bool loadGlfFile(Editor& editor, const std::filesystem::path& fileName) {
    GlfReadResult result;
    {
        BusyCursor busy(editor.ui());
        result = readGlf(fileName, editor.canvas(), editor.progress());
        if (result.status != GlfReadStatus::Refused) {
            editor.checkColorMode(result.mode);
            editor.ActiveBackColor = result.defaultBack;
            editor.ActiveFontColor = result.defaultFont;
            // Keep the selection inside a canvas that may have shrunk.
            editor.setGridSelection(editor.gridSelection());
        }
        UpdateColorMenus(editor);
        editor.ui().repaintCanvas();
    }
    if (result.status == GlfReadStatus::Complete)
        return true;
    editor.ui().beep();
    editor.ui().message(kReadFailed);
    return false;
}

void SaveQuickDocument(Editor& editor) {
    saveGlfFile(editor, inWorkingDirectory(editor, kQuickDocument));
}

void LoadQuickDocument(Editor& editor) {
    const std::filesystem::path file = inWorkingDirectory(editor, kQuickDocument);
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) {
        editor.StatusMessage(kNoQuickDocument);
        return;
    }
    editor.takeUndoSnapshot();
    loadGlfFile(editor, file);
}

OpenBranchResult readGlfDocument(Editor& editor, const std::filesystem::path& file) {
    beginDocumentChange(editor);
    if (loadGlfFile(editor, file))
        return {};
    return stopWithoutDocumentFile(editor); // loadGlfFile has said so
}

SaveOutcome SaveGlfDocument(Editor& editor) {
    if (!prepareSaveTarget(editor, format_code::GlyphoraFormat))
        return SaveOutcome::Declined;
    return saveGlfFile(editor, editor.document().SaveTargetName) ? SaveOutcome::Written
                                                                 : SaveOutcome::Failed;
}

} // namespace glyphora
