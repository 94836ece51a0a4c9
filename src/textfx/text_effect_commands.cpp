#include "textfx/text_effect_commands.h"

#include "app/editor.h"
#include "color/color_commands.h"
#include "edit/clipboard_commands.h"
#include "edit/transform_commands.h"
#include "formats/open_save_commands.h"
#include "formats/text_file_reader.h"
#include "platform/rounding.h"
#include "textfx/line_form.h"
#include "textfx/text_fill.h"

#include <fstream>

namespace glyphora {

namespace {

constexpr const char* kDestroyQuestion = "This will destroy the current grid. Continue?";
constexpr const char* kFormFilter = "Textform file|*.tf";
constexpr const char* kFormFolder = "LineForms";
constexpr const char* kFormDefect = "Can`t open >Textform< file or file header defect";
constexpr const char* kTextFilter = "Textfile|*.txt";
constexpr const char* kCantOpen = "Can`t open file;";
constexpr const char* kTooLarge = " Text was to large.";

constexpr const char* kFillFilter = "Text|*.txt";
constexpr int kFewestFillRows = 2; // bottom - top
constexpr const char* kNoSelection = "No selection.";
constexpr const char* kFileDefect = "ERROR: File defect.";
constexpr const char* kCenterQuestion = " Center ? ";

constexpr const char* kFillTitle = "Fill ...";
constexpr const char* kFillPrompt = "Character:";
constexpr const char* kFillFailed = "ERROR: Couldn`t complete request.";

constexpr const char* kSignatureFile = "Signature.txt";
constexpr const char* kNoSignature = "ERROR: Couldn`t found Signature.text.";
constexpr std::uintmax_t kMaxSignatureBytes = 1024 * 1024;

FileDialogRequest openRequest(const char* filter, std::string folder = {}) {
    return {"", filter, "", std::move(folder)};
}

} // namespace

void ImportLineForm(Editor& editor) {
    Ui& ui = editor.ui();
    if (ui.confirm(kDestroyQuestion, Buttons::YesNo) != Answer::Yes)
        return;
    const std::optional<std::string> formFile =
        ui.openFile(openRequest(kFormFilter, (editor.programDir() / kFormFolder).string() + "/"));
    if (!formFile)
        return;
    std::optional<LineFormStart> start;
    {
        BusyCursor busy(ui);
        editor.takeUndoSnapshot();
        const TextFileLines form = readTextFileLines(*formFile);
        if (form.lines) {
            TextToGrid(*form.lines, editor.canvas());
            editor.canvas().updateSizeFields();
            start = parseLineFormStart(*form.lines);
        }
    }
    if (!start) {
        ui.message(kFormDefect);
        return;
    }
    const std::optional<std::string> textFile = ui.openFile(openRequest(kTextFilter));
    if (!textFile)
        return;
    std::ifstream text(*textFile, std::ios::binary);
    if (!text) {
        ui.message(kCantOpen);
        return;
    }
    BusyCursor busy(ui);
    if (editor.colorMode() != ColorMode::Plain)
        enterColorMode(editor, ColorMode::Plain, false);
    if (pourTextAlongForm(editor.canvas(), *start, text))
        editor.StatusMessage(kTooLarge);
    ForgetDocumentFile(editor);
    editor.canvas().updateSizeFields();
}

void FillSelectionWithText(Editor& editor) {
    DeleteBlock(editor);
    const CellRect rect = editor.sel().rect();
    if (rect.bottom - rect.top < kFewestFillRows) {
        editor.StatusMessage(kNoSelection);
        return;
    }
    if (const std::optional<std::string> file = editor.ui().openFile(openRequest(kFillFilter))) {
        BusyCursor busy(editor.ui());
        const TextFileLines text = readTextFileLines(*file);
        if (text.lines)
            fillRectWithText(editor.canvas(), rect, *text.lines);
        else
            editor.StatusMessage(kFileDefect);
    }
    if (editor.ui().confirm(kCenterQuestion, Buttons::YesNo) == Answer::Yes)
        CenterRows(editor);
}

void FillCharWithText(Editor& editor) {
    const std::optional<std::string> answer = editor.ui().inputBox(kFillTitle, kFillPrompt, "");
    if (!answer)
        return;
    const std::string target = answer->empty() ? std::string(" ") : answer->substr(0, 1);
    const std::optional<std::string> file = editor.ui().openFile(openRequest(kFillFilter));
    if (!file)
        return;
    BusyCursor busy(editor.ui());
    editor.takeUndoSnapshot();
    std::ifstream text(*file, std::ios::binary);
    if (!text) {
        editor.StatusMessage(kFillFailed);
        return;
    }
    CharCanvas& canvas = editor.canvas();
    const int lastRow = canvas.rowCount() - 1;
    fillMatchingCells(canvas, target, text, [&](int row) {
        // A one-row canvas has no percentage to show.
        if (lastRow > 0)
            editor.status().setField(
                StatusBar::kMessageField,
                "Position: " +
                    std::to_string(roundHalfEven(static_cast<long double>(row) / lastRow * 100)) +
                    "%");
    });
    editor.status().setField(StatusBar::kMessageField, {});
}

void InsertSignature(Editor& editor) {
    editor.normalizeSelection();
    const std::optional<TextLines> lines =
        readUserDataFileLines(editor.programDir() / kSignatureFile, kMaxSignatureBytes);
    if (!lines) {
        editor.StatusMessage(kNoSignature);
        return;
    }
    stampLines(editor.canvas(), editor.sel().SelEndCol, editor.sel().SelEndRow, *lines);
}

} // namespace glyphora
