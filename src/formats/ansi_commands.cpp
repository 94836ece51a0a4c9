#include "formats/ansi_commands.h"

#include "app/editor.h"
#include "color/color_commands.h"
#include "formats/ansi_format.h"
#include "formats/file_format_table.h"
#include "platform/text_file.h"

#include <string>

namespace glyphora {

namespace {

constexpr const char* kStartTitle = "Start ESCSequence:";
constexpr const char* kStartPrompt = "ANSI Code:";
constexpr const char* kReadIncomplete = " Could not complete request.";

} // namespace

OpenBranchResult readAnsiDocument(Editor& editor, const std::filesystem::path& file) {
    std::string bytes;
    const FileRead read = readFileBytes(file, bytes, kMaxAnsiFileBytes);
    if (read == FileRead::TooLarge)
        return {OpenOutcome::TooLarge};
    if (read != FileRead::Read) {
        editor.ui().beep();
        editor.ui().message(kReadIncomplete);
        return stopWithoutDocumentFile(editor);
    }
    beginDocumentChange(editor);
    editor.document().textStyle.byteSet = CharSet::Cp437;
    ProgressPanel& progress = editor.progress();
    progress.showBar(kConvertingCaption, false, kUnknownStep);
    progress.startBarAnimation(kBarAnimation);
    // DOS art in its own glyphs, its blocks joined without grid lines or margins.
    editor.checkColorMode(ColorMode::Ansi);
    editor.setGlyphSet(CharSet::Cp437);
    editor.setShowGrid(false);
    editor.cellExpansionDisabled = true;
    const AnsiReadResult result = readAnsi(bytes, editor.canvas());
    editor.ActiveFontColor = result.activeFont;
    editor.ActiveBackColor = result.activeBack;
    UpdateColorMenus(editor);
    editor.updateCellSize();
    editor.ui().repaintCanvas();
    progress.stopBarAnimation();
    progress.hideBar();
    if (result.status == AnsiReadStatus::Complete)
        return {};
    editor.ui().beep();
    editor.ui().message(kReadIncomplete);
    editor.canvas().updateSizeFields();
    editor.keepSelectionInCanvas();
    return stopWithoutDocumentFile(editor);
}

SaveOutcome SaveAnsiDocument(Editor& editor) {
    if (!prepareSaveTarget(editor, format_code::Ansi))
        return SaveOutcome::Declined;
    const std::string startText = editor.ui()
                                      .inputBox(kStartTitle, kStartPrompt, kAnsiStartPreset)
                                      .value_or(std::string(kAnsiStartPreset));
    AnsiWriteResult result;
    const bool written = writeReportingFailure(editor, [&] {
        result = writeAnsi(inWorkingDirectory(editor, editor.document().SaveTargetName),
                           editor.canvas(), editor.colorMode(), startText, editor.progress());
        return result.written;
    });
    if (!written)
        return SaveOutcome::Failed;
    if (result.droppedColumns > 0)
        editor.document().SaveResultNote =
            " (" + std::to_string(result.droppedColumns) + " columns beyond 79 not written)";
    return SaveOutcome::Written;
}

} // namespace glyphora
