#include "app/knowledge_base_commands.h"

#include "app/editor.h"

namespace glyphora {

namespace {

constexpr const char* kCopied = "=> COPIED TO CLIPBOARD.";

const std::string* lineAt(const Editor& editor, int index) {
    const TextLines& lines = editor.knowledgeBase.lines();
    if (index < 0 || index >= static_cast<int>(lines.size()))
        return nullptr;
    return &lines[static_cast<std::size_t>(index)];
}

} // namespace

void ToggleKnowledgeBase(Editor& editor) {
    KnowledgeBase& base = editor.knowledgeBase;
    if (base.visible()) {
        base.setVisible(false);
        return;
    }
    // The two panels share the right edge of the window.
    editor.paintState().patternPanel.hide();
    if (!base.loaded())
        SelectKnowledgeBaseFile(editor, 0);
    base.setVisible(true);
}

bool knowledgeBaseChecked(const Editor& editor) {
    return editor.knowledgeBase.visible();
}

void SelectKnowledgeBaseFile(Editor& editor, int position) {
    editor.knowledgeBase.select(knowledgeBaseFolder(editor.programDir()), position);
}

void ShowKnowledgeBaseLine(Editor& editor, int index) {
    const std::string* line = lineAt(editor, index);
    if (!line)
        return;
    // A fresh interval for every line clicked, however soon after the last.
    editor.status().stopTimer();
    editor.StatusMessage(*line);
}

void CopyKnowledgeBaseLine(Editor& editor, int index) {
    const std::string* line = lineAt(editor, index);
    if (!line)
        return;
    editor.ui().setClipboardText(bytesToUtf8(*line, editor.glyphSet()));
    // The line goes out by way of the FigLet panel's typing box, which it leaves empty.
    editor.figletPanel.clearTyping();
    editor.StatusMessage(kCopied);
}

} // namespace glyphora
