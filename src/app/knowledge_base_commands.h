#pragma once

namespace glyphora {

class Editor;

// "&Special > &Knowledge Base": shows the knowledge-base panel in place of the pattern
// panel, or hides it when shown (the item carries the check mark).
void ToggleKnowledgeBase(Editor& editor);
bool knowledgeBaseChecked(const Editor& editor);

// The panel's file selector moved to a position.
void SelectKnowledgeBaseFile(Editor& editor, int position);
// A click on a line of the list: the line in the status bar for a full interval.
void ShowKnowledgeBaseLine(Editor& editor, int index);
// A double click: the line onto the clipboard.
void CopyKnowledgeBaseLine(Editor& editor, int index);

} // namespace glyphora
