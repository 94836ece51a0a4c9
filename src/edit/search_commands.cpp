#include "edit/search_commands.h"

#include "app/editor.h"
#include "edit/search_replace.h"

namespace glyphora {

namespace {

constexpr const char* kFinished = "Search finished";
constexpr const char* kTooLong = "ERROR: Replacement text too long.";
// Cell texts longer than a few bytes are stored apart; a replacement may not make the
// canvas hold more than this in them.
constexpr long long kMaxReplacementBytes = 256LL * 1024 * 1024;
constexpr std::size_t kInlineText = Cell::kInlineCapacity;

CellRect wholeCanvas(const Editor& editor) {
    return {0, 0, editor.canvas().colCount() - 1, editor.canvas().rowCount() - 1};
}

// An empty answer and Cancel are the same.
std::string ask(Editor& editor, const char* title, const char* prompt) {
    return editor.ui().inputBox(title, prompt, "").value_or(std::string());
}

void replaceIn(Editor& editor, const CellRect& area) {
    const std::string search = ask(editor, "Search ...", "Character:");
    if (search.empty())
        return;
    const std::string replacement = ask(editor, "Replace ...", "Character:");
    if (replacement.empty())
        return;
    BusyCursor busy(editor.ui());
    if (replacement.size() > kInlineText &&
        countCells(editor.canvas(), area, search) >
            kMaxReplacementBytes / static_cast<long long>(replacement.size())) {
        editor.ui().beep();
        editor.StatusMessage(kTooLong);
        return;
    }
    replaceCells(editor.canvas(), area, search, replacement);
}

// Shows a hit of length cells as the selection, one cell more than the hit.
void selectHit(Editor& editor, const TextHit& hit, std::size_t length) {
    const int right = hit.col + static_cast<int>(length);
    editor.setGridSelection({hit.col, hit.row, right, hit.row});
}

void finish(Editor& editor) {
    editor.ui().beep();
    editor.StatusMessage(kFinished);
}

} // namespace

void ReplaceAll(Editor& editor) {
    editor.takeUndoSnapshot();
    replaceIn(editor, wholeCanvas(editor));
}

void ReplaceArea(Editor& editor) {
    editor.normalizeSelection();
    replaceIn(editor, editor.sel().rect());
}

void SearchText(Editor& editor) {
    const std::string needle = ask(editor, "Search:", "String:");
    if (needle.empty())
        return;
    for (auto hit = findText(editor.canvas(), needle, 0, 0); hit;
         hit = findText(editor.canvas(), needle, hit->col + 1, hit->row)) {
        selectHit(editor, *hit, needle.size());
        if (editor.ui().confirm("Continue ? ", Buttons::YesNo) == Answer::No)
            return;
    }
    finish(editor);
}

void ReplaceText(Editor& editor) {
    editor.takeUndoSnapshot();
    const std::string find = ask(editor, "Search:", "Find string:");
    std::string replacement = ask(editor, "Search:", "Replace string:");
    if (find.empty())
        return;
    if (replacement.size() > find.size())
        replacement.resize(find.size());
    bool all = false;
    for (auto hit = findText(editor.canvas(), find, 0, 0); hit;
         hit = findText(editor.canvas(), find, hit->col + 1, hit->row)) {
        selectHit(editor, *hit, find.size());
        if (!all) {
            const Answer answer = editor.ui().confirm("Replace ? ", Buttons::YesNoAbortAll);
            if (answer == Answer::Abort)
                return;
            if (answer == Answer::No)
                continue;
            all = answer == Answer::All;
        }
        writeAcross(editor.canvas(), hit->col, hit->row, replacement);
    }
    finish(editor);
}

void ToUpperCase(Editor& editor) {
    editor.normalizeSelection();
    toUpperCase(editor.canvas(), editor.sel().rect());
}

void ToLowerCase(Editor& editor) {
    editor.normalizeSelection();
    toLowerCase(editor.canvas(), editor.sel().rect());
}

} // namespace glyphora
