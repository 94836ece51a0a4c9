#include "formats/ansi_commands.h"

#include "app/editor.h"
#include "formats/ansi_format.h"
#include "formats/file_format_table.h"

#include <string>

namespace glyphora {

namespace {

constexpr const char* kStartTitle = "Start ESCSequence:";
constexpr const char* kStartPrompt = "ANSI Code:";
constexpr const char* kWriteFailed = "Couldn`t write file.";

} // namespace

SaveOutcome SaveAnsiDocument(Editor& editor) {
    if (!prepareSaveTarget(editor, format_code::Ansi))
        return SaveOutcome::Declined;
    const std::string startText = editor.ui()
                                      .inputBox(kStartTitle, kStartPrompt, kAnsiStartPreset)
                                      .value_or(std::string(kAnsiStartPreset));
    AnsiWriteResult result;
    {
        BusyCursor busy(editor.ui());
        result = writeAnsi(inWorkingDirectory(editor, editor.document().SaveTargetName),
                           editor.canvas(), editor.colorMode(), startText, editor.progress());
        if (!result.written) {
            editor.ui().beep();
            editor.progress().HideBar();
        }
    }
    if (!result.written) {
        editor.ui().message(kWriteFailed);
        return SaveOutcome::Failed;
    }
    if (result.droppedColumns > 0)
        editor.document().SaveResultNote =
            " (" + std::to_string(result.droppedColumns) + " columns beyond 79 not written)";
    return SaveOutcome::Written;
}

} // namespace glyphora
