#include "formats/text_save_commands.h"

#include "app/editor.h"
#include "canvas/grid_file.h"
#include "formats/file_format_table.h"
#include "formats/rich_text.h"
#include "formats/text_exports.h"

namespace glyphora {

namespace {

constexpr const char* kWriteFailed = "Could`t write file.";

// "Sa&ve optimized": trailing spaces cut, with the size reduction in the status bar.
void optimize(Editor& editor, TextLines& lines) {
    if (!editor.settings().SaveOptimized)
        return;
    editor.StatusMessage(sizeReductionMessage(trimTrailingSpaces(lines)));
}

SaveOutcome written(Editor& editor, bool ok) {
    if (ok)
        return SaveOutcome::Written;
    editor.ui().message(kWriteFailed);
    return SaveOutcome::Failed;
}

// Windows text, Pattern, CSS plaintext table and User defined: the text is built before
// the file name is looked at.
SaveOutcome saveCommonFrame(Editor& editor, int code) {
    TextLines lines;
    {
        BusyCursor busy(editor.ui());
        editor.progress().showBar(kSaving, false, kStepOneOfOne);
        lines = buildTextLines(editor.canvas(), editor.progress(), code == format_code::CsvTable);
        if (code != format_code::Pattern)
            optimize(editor, lines);
        editor.progress().hideBar();
    }
    if (!prepareSaveTarget(editor, code))
        return SaveOutcome::Declined;
    // The text types write the document back as its file came: encoding and line ends.
    DocumentState& doc = editor.document();
    const EncodedText text =
        encodeTextFile(lines, doc.textStyle.byteSet, doc.textTarget.value_or(doc.textStyle));
    if (text.unmapped > 0)
        doc.SaveResultNote = " (" + std::to_string(text.unmapped) + " characters written as ?)";
    return written(editor, writeSaveTarget(editor, text.bytes));
}

} // namespace

SaveOutcome SaveWindowsText(Editor& editor) {
    return saveCommonFrame(editor, format_code::WindowsText);
}

SaveOutcome SavePattern(Editor& editor) {
    return saveCommonFrame(editor, format_code::Pattern);
}

SaveOutcome SaveCsvTable(Editor& editor) {
    return saveCommonFrame(editor, format_code::CsvTable);
}

SaveOutcome SaveUserDefined(Editor& editor) {
    return saveCommonFrame(editor, format_code::UserDefined);
}

SaveOutcome SaveAsciiText(Editor& editor) {
    AsciiLines ascii;
    {
        BusyCursor busy(editor.ui());
        editor.progress().showBar(kSaving, false, kStepOneOfOne);
        ascii = buildAsciiLines(editor.canvas(), editor.progress());
        optimize(editor, ascii.lines);
    }
    editor.progress().hideBar();
    if (!prepareSaveTarget(editor, format_code::AsciiText))
        return SaveOutcome::Declined;
    const SaveOutcome outcome =
        written(editor, writeSaveTarget(editor, textFileBytes(ascii.lines)));
    if (outcome == SaveOutcome::Written && editor.settings().ShowInfoMessages)
        editor.ui().message(asciiStatisticsMessage(ascii.extended, ascii.control));
    return outcome;
}

SaveOutcome SaveHtmlPlain(Editor& editor) {
    if (!prepareSaveTarget(editor, format_code::HtmlPlain))
        return SaveOutcome::Declined;
    bool ok = false;
    {
        BusyCursor busy(editor.ui());
        editor.progress().showBar(kSaving, false, kStepOneOfOne);
        std::vector<EscapedCell> escaped;
        TextLines lines = buildHtmlPlainLines(editor.canvas(), editor.progress(), escaped);
        editor.progress().setBarPosition(1, 1, kSaving, kStepTwoOfTwo);
        optimize(editor, lines);
        ok = writeSaveTarget(editor, htmlPlainBytes(lines));
        restoreHtmlEscapes(editor.canvas(), escaped);
        editor.progress().hideBar();
    }
    return written(editor, ok);
}

SaveOutcome SaveRichText(Editor& editor) {
    if (!prepareSaveTarget(editor, format_code::RichText))
        return SaveOutcome::Declined;
    bool ok = false;
    {
        BusyCursor busy(editor.ui());
        ok = writeSaveTarget(editor, richTextBytes(editor.canvas(), editor.progress()));
    }
    return written(editor, ok);
}

SaveOutcome SaveGridText(Editor& editor) {
    if (!prepareSaveTarget(editor, format_code::GlyphoraPlain))
        return SaveOutcome::Declined;
    std::size_t spaced = 0;
    const std::string bytes = gridToBytes(editor.canvas(), {}, kGridSeparator, &spaced);
    if (spaced > 0)
        editor.document().SaveResultNote =
            " (" + std::to_string(spaced) + " control characters written as spaces)";
    return written(editor, writeSaveTarget(editor, bytes));
}

} // namespace glyphora
