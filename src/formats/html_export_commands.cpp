#include "formats/html_export_commands.h"

#include "app/editor.h"
#include "formats/file_format_table.h"
#include "formats/file_output.h"

#include <string>

namespace glyphora {

namespace fs = std::filesystem;

namespace {

constexpr const char* kReadingLine = "READING LINE ... ";
constexpr const char* kTooManyColors =
    "WARNING: More than 26 colors found. Couldn`t write correct code.";
constexpr const char* kOptionsUnread = "ERROR: Couldn`t read HTML settings. Setting default values";
constexpr const char* kReady = "Saving ... READY !";
constexpr const char* kHtmlFilter = "HTML|*.htm";

constexpr const char* kExportCssColoredCaption = "Export font colored with CSS";
constexpr const char* kExportCssTableCaption = "Export table with CSS";
constexpr const char* kExportRowTablesCaption = "Save IE4.x Table";

// The count of a CSS page, one status line per row; Escape ends it where allowed.
ColorTable countClasses(Editor& editor, HtmlFlavour flavour) {
    BusyCursor busy(editor.ui());
    const bool stoppable = flavour == HtmlFlavour::CssTable;
    const BeforeRow beforeRow = [&editor, stoppable](int row) {
        editor.status().setField(StatusBar::kMessageField, kReadingLine + std::to_string(row));
        return !(stoppable && editor.ui().escapeDown());
    };
    return flavour == HtmlFlavour::CssColored ? countTextColors(editor.canvas(), beforeRow)
                                              : countBackgroundColors(editor.canvas(), beforeRow);
}

SaveOutcome saveHtmlPage(Editor& editor, HtmlFlavour flavour, int code) {
    if (!prepareSaveTarget(editor, code))
        return SaveOutcome::Declined;
    HtmlPage page;
    if (flavour == HtmlFlavour::CssColored || flavour == HtmlFlavour::CssTable) {
        page.classes = countClasses(editor, flavour);
        if (page.classes.hasMoreColorsThanLetters())
            editor.ui().message(kTooManyColors);
    }
    page.options = askHtmlOptions(editor);
    if (!page.options)
        editor.ui().message(kOptionsUnread);
    const DocumentState& doc = editor.document();
    const CharCanvas& canvas = editor.canvas();
    page.title = htmlTitle(doc.finalSaveName());
    page.mainFont = canvas.defaultFontColor();
    page.mainBack = canvas.defaultColor();
    page.cp437Glyphs = editor.glyphSet() == CharSet::Cp437;
    const fs::path target = inWorkingDirectory(editor, doc.SaveTargetName);
    const bool written = writeReportingFailure(
        editor, [&] { return writeHtml(target, flavour, canvas, page, editor.progress()); });
    return written ? SaveOutcome::Written : SaveOutcome::Failed;
}

void exportFromMenu(Editor& editor, HtmlFlavour flavour, int code, const char* caption) {
    DocumentState& doc = editor.document();
    if (doc.SaveTargetName.empty()) {
        const std::optional<std::string> name = editor.ui().saveFile(
            {caption, kHtmlFilter, doc.caption, workingDirectory(editor).string()});
        if (!name)
            return;
        doc.SaveTargetName = *name;
    }
    if (saveHtmlPage(editor, flavour, code) == SaveOutcome::Written)
        editor.StatusMessage(kReady);
}

// The lines the text view would show: every cell's text, an empty one as a blank.
TextLines canvasLines(const CharCanvas& canvas) {
    TextLines lines(static_cast<std::size_t>(canvas.rowCount()));
    for (int r = 0; r < canvas.rowCount(); ++r) {
        std::string& line = lines[static_cast<std::size_t>(r)];
        for (int c = 0; c < canvas.colCount(); ++c) {
            const std::string_view text = canvas.text(c, r);
            if (text.empty())
                line += ' ';
            else
                line += text;
        }
    }
    return lines;
}

} // namespace

std::optional<HtmlOptions> askHtmlOptions(Editor& editor) {
    HtmlOptions& options = editor.htmlOptions;
    presetHtmlOptions(options, editor.canvas().font());
    const std::optional<HtmlOptions> read =
        readHtmlOptionsForm(editor.ui().htmlOptions(toHtmlOptionsForm(options)));
    if (read)
        options = *read;
    return read;
}

SaveOutcome SaveHtmlColoredText(Editor& editor) {
    return saveHtmlPage(editor, HtmlFlavour::Colored, format_code::HtmlColored);
}

SaveOutcome SaveHtmlColorTable(Editor& editor) {
    return saveHtmlPage(editor, HtmlFlavour::Table, format_code::HtmlTable);
}

SaveOutcome SaveHtmlCssColoredText(Editor& editor) {
    return saveHtmlPage(editor, HtmlFlavour::CssColored, format_code::HtmlColoredCss);
}

SaveOutcome SaveHtmlCssTable(Editor& editor) {
    return saveHtmlPage(editor, HtmlFlavour::CssTable, format_code::HtmlTableCss);
}

SaveOutcome SaveHtmlRowTables(Editor& editor) {
    return saveHtmlPage(editor, HtmlFlavour::IeTable, format_code::HtmlTableIe);
}

void ExportCssColoredText(Editor& editor) {
    exportFromMenu(editor, HtmlFlavour::CssColored, format_code::HtmlColoredCss,
                   kExportCssColoredCaption);
}

void ExportCssTable(Editor& editor) {
    exportFromMenu(editor, HtmlFlavour::CssTable, format_code::HtmlTableCss,
                   kExportCssTableCaption);
}

void ExportRowTables(Editor& editor) {
    exportFromMenu(editor, HtmlFlavour::IeTable, format_code::HtmlTableIe, kExportRowTablesCaption);
}

void ExportToBrowser(Editor& editor) {
    const TextView& view = editor.textView();
    const TextLines lines = view.visible ? view.lines : canvasLines(editor.canvas());
    const fs::path page = editor.programDir() / kBrowserPage;
    const bool cp437 = editor.glyphSet() == CharSet::Cp437;
    if (!writeFileSafely(page, browserPageBytes(lines, cp437)) ||
        !editor.ui().shellOpen(page.string()))
        editor.ui().beep();
}

} // namespace glyphora
