#include "edit/copy_grid_commands.h"

#include "app/editor.h"
#include "edit/canvas_size_rules.h"
#include "formats/file_output.h"
#include "formats/open_save_commands.h"
#include "formats/text_exports.h"
#include "formats/text_file_reader.h"

#include <system_error>

namespace glyphora {

namespace fs = std::filesystem;

namespace {

constexpr const char* kOpenTitle = "Open";
constexpr const char* kSaveTitle = "Save";
constexpr const char* kCopyGridOpenFilter = "Text|*.txt;*.asc|*.*|*.*";
constexpr const char* kCopyGridSaveFilter = "Text|*.txt";
constexpr const char* kOverwrite = "File exists. Overwrite ?";
constexpr const char* kCannotRead = "Couldn`t read file.";
constexpr const char* kTooLarge = "ERROR: Canvas size too large.";
constexpr const char* kSizeTitle = "New Canvas:";
constexpr const char* kNoInteger = "ERROR: No integer value.";

FileDialogRequest fileRequest(const Editor& editor, const char* title, const char* filter) {
    return {title, filter, "", (workingDirectory(editor) / "").string()};
}

} // namespace

void ToggleCopyGridPane(Editor& editor) {
    editor.copyGrid.setVisible(!editor.copyGrid.visible());
}

bool copyGridVisible(const Editor& editor) {
    return editor.copyGrid.visible();
}

void LoadCopyGridFile(Editor& editor) {
    const std::optional<std::string> chosen =
        editor.ui().openFile(fileRequest(editor, kOpenTitle, kCopyGridOpenFilter));
    if (!chosen)
        return;
    TextFileLines read;
    {
        BusyCursor busy(editor.ui());
        read = readTextFileLines(*chosen);
        if (read.lines)
            editor.copyGrid.load(*read.lines);
    }
    if (!read.lines) {
        editor.ui().beep();
        editor.ui().message(read.tooLarge ? kTooLarge : kCannotRead);
    }
}

void SaveCopyGridFile(Editor& editor) {
    const TextLines lines = editor.copyGrid.lines();
    const std::optional<std::string> chosen =
        editor.ui().saveFile(fileRequest(editor, kSaveTitle, kCopyGridSaveFilter));
    if (!chosen)
        return;
    const fs::path target = copyGridFileName(*chosen);
    std::error_code ec;
    if (fs::exists(target, ec)) {
        if (editor.ui().confirm(kOverwrite, Buttons::YesNo) != Answer::Yes)
            return;
        if (editor.settings().BackupFiles)
            backupFile(target);
    }
    writeReportingFailure(editor, [&] { return writeFileSafely(target, textFileBytes(lines)); });
}

void RenewCopyGrid(Editor& editor) {
    const CharCanvas& cells = editor.copyGrid.cells();
    const std::optional<CanvasSizeReply> reply = editor.ui().canvasSize(
        {kSizeTitle, std::to_string(cells.colCount()), std::to_string(cells.rowCount())});
    if (!reply)
        return;
    CanvasSize size;
    switch (parseCanvasSize(reply->width, reply->height, size)) {
    case SizeError::NotInteger:
        editor.StatusMessage(kNoInteger);
        return;
    case SizeError::TooLarge:
        editor.StatusMessage(kTooLarge);
        return;
    case SizeError::None:
        editor.copyGrid.renew(size.cols, size.rows);
        return;
    }
}

void CopyFromCopyGrid(Editor& editor) {
    editor.copyGrid.copyTo(editor.textClip);
    editor.ui().setClipboardText(bytesToUtf8(blockRowsToText(editor.textClip), editor.glyphSet()));
}

void PasteIntoCopyGrid(Editor& editor) {
    if (readClipboardText(utf8ToBytes(editor.ui().clipboardText(), editor.glyphSet()),
                          editor.textClip))
        editor.copyGrid.pasteFrom(editor.textClip);
}

void BlankCopyGridSelection(Editor& editor) {
    editor.copyGrid.blankSelection();
}

void SelectWholeCopyGrid(Editor& editor) {
    editor.copyGrid.selectAll();
}

} // namespace glyphora
