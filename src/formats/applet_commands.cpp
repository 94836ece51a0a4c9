#include "formats/applet_commands.h"

#include "app/editor.h"
#include "formats/applet_format.h"
#include "formats/file_format_table.h"
#include "formats/file_output.h"

namespace glyphora {

namespace {

constexpr const char* kRunLengthCaption = "Saving (RLE) ...";
constexpr const char* kRunLengthStep = "Step 2 of 2";

} // namespace

SaveOutcome SaveAppletData(Editor& editor) {
    if (!prepareSaveTarget(editor, format_code::AppletData))
        return SaveOutcome::Declined;
    const std::filesystem::path target =
        inWorkingDirectory(editor, editor.document().SaveTargetName);
    std::string plain;
    const bool written = writeReportingFailure(editor, [&] {
        plain = encodeAppletData(editor.canvas(), editor.progress());
        return writeFileSafely(target, plain);
    });
    // The companion is made from the data even when the plain file could not be written;
    // its own failure only beeps.
    ProgressPanel& progress = editor.progress();
    progress.hideBar();
    progress.showBar(kRunLengthCaption, false, kRunLengthStep);
    progress.startBarAnimation(kBarAnimation);
    {
        BusyCursor busy(editor.ui());
        std::filesystem::path companion =
            inWorkingDirectory(editor, editor.document().finalSaveName());
        companion += kRunLengthCompanionSuffix;
        if (!writeFileSafely(companion, runLengthAppletData(plain)))
            editor.ui().beep();
    }
    progress.stopBarAnimation();
    progress.hideBar();
    return written ? SaveOutcome::Written : SaveOutcome::Failed;
}

} // namespace glyphora
