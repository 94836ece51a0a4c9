#include "formats/html_import_commands.h"

#include "app/editor.h"
#include "canvas/canvas_commands.h"
#include "color/color_commands.h"
#include "formats/file_names.h"
#include "formats/html_import.h"
#include "platform/text_file.h"
#include "platform/text_numbers.h"

namespace glyphora {

namespace {

constexpr const char* kOpenHtmlTitle = "Open HTML";
constexpr const char* kInterpretChoice = "Import HTML: Interpret color tags in plaintext areas";
constexpr const char* kSourceChoice = "Display HTML source code";
constexpr const char* kPageFilter = "HTML|*.htm";
constexpr const char* kReadingLine = "READING LINE ... ";
constexpr const char* kReadingDone = "READING LINE ... R E A D Y";
constexpr const char* kBreak = "BREAK";
constexpr const char* kIncomplete = "ERROR: Couldn`t complete request.";
constexpr const char* kTooLarge =
    "The grid size is larger than 1000x2000. This normally only happensif the HTML code "
    "couldn`t be imported. The program aborts the import.";
constexpr const char* kNoBlock =
    "Couldn`t import file (correct), because no <pre></pre> tag was found.";
constexpr const char* kImportedPrefix = "gl_";

// The font a block named: the family when one was given (an empty one keeps the present
// name), the size when it is a number.
bool applyFoundFont(Editor& editor, const HtmlImportResult& result) {
    if (!result.fontFamily && !result.fontSize)
        return true;
    TextFont font = editor.canvas().font();
    if (result.fontFamily && !result.fontFamily->empty())
        font.name = *result.fontFamily;
    if (result.fontSize) {
        const std::optional<int> size = parseInteger<int>(*result.fontSize);
        if (!size)
            return false;
        font.size = *size;
    }
    applyCanvasFont(editor, font);
    return true;
}

void finishProgress(Editor& editor) {
    editor.progress().stopBarAnimation();
    editor.progress().hideBar();
}

} // namespace

OpenBranchResult readHtmlDocument(Editor& editor, const std::filesystem::path& file) {
    const std::optional<int> choice =
        editor.ui().chooseOne({kOpenHtmlTitle, {kInterpretChoice, kSourceChoice}, 0, {}, "&Ok"});
    if (!choice)
        return {OpenOutcome::Stopped};
    if (*choice == 1)
        return readTextDocument(editor, file);
    return importHtmlDocument(editor, file);
}

OpenBranchResult importHtmlDocument(Editor& editor, const std::filesystem::path& file) {
    std::string page;
    const FileRead read = readFileBytes(file, page, kHtmlImportMaxBytes);
    if (read != FileRead::Read)
        return {read == FileRead::TooLarge ? OpenOutcome::TooLarge : OpenOutcome::Failed};
    ProgressPanel& progress = editor.progress();
    progress.showBar(kConvertingCaption, true, kUnknownStep);
    progress.startBarAnimation(kBarAnimation);
    beginDocumentChange(editor);

    HtmlImportHooks hooks;
    hooks.escapeDown = [&editor] { return editor.ui().escapeDown(); };
    hooks.lineStarted = [&editor](int row) {
        editor.status().setField(StatusBar::kMessageField, kReadingLine + std::to_string(row));
    };
    const HtmlImportResult result = importHtml(page, editor.canvas(), hooks);
    editor.checkColorMode(ColorMode::FontColored);
    if (result.end == HtmlImportResult::End::Break) {
        editor.StatusMessage(kBreak);
        UpdateColorMenus(editor);
        finishProgress(editor);
        return stopWithoutDocumentFile(editor);
    }
    editor.StatusMessage(kReadingDone);
    if (!applyFoundFont(editor, result)) {
        finishProgress(editor);
        editor.StatusMessage(kIncomplete);
        return stopWithoutDocumentFile(editor);
    }
    if (result.text)
        editor.ActiveFontColor = *result.text;
    if (result.background)
        editor.ActiveBackColor = *result.background;
    UpdateColorMenus(editor);
    finishProgress(editor);
    if (result.end == HtmlImportResult::End::TooLarge)
        editor.ui().message(kTooLarge);
    if (!result.blockFound)
        editor.ui().message(kNoBlock);

    // "&Save" writes a new page beside the one read, as HTML colored.
    const std::string name(fileNameOf(file.string()));
    editor.document().SaveTargetName =
        kImportedPrefix + name.substr(0, name.size() >= 4 ? name.size() - 4 : 0);
    editor.ui().repaintCanvas();
    return {OpenOutcome::Read, true};
}

void ImportHtml(Editor& editor) {
    openChosenFile(editor, kPageFilter, importHtmlDocument);
}

} // namespace glyphora
