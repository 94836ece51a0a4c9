#include "app/window_commands.h"

#include "app/editor.h"

namespace glyphora {

void TogglePaintbar(Editor& editor) {
    editor.settings().ShowPaintbar = !editor.settings().ShowPaintbar;
}

void ToggleInfoMessages(Editor& editor) {
    editor.settings().ShowInfoMessages = !editor.settings().ShowInfoMessages;
}

void ToggleShowInTask(Editor& editor) {
    editor.settings().ShowInTask = !editor.settings().ShowInTask;
}

void ToggleStatusbar(Editor& editor) {
    editor.settings().ShowStatusbar = !editor.settings().ShowStatusbar;
}

void ToggleStayOnTop(Editor& editor) {
    editor.settings().StayOnTop = !editor.settings().StayOnTop;
}

void RefreshWindow(Editor& editor) {
    BusyCursor busy(editor.ui());
    editor.Refresh();
}

bool closeQuery(Editor& editor) {
    if (!editor.settings().ShowInfoMessages)
        return true;
    return editor.ui().confirm(" Close program ? ", Buttons::YesNo) == Answer::Yes;
}

void ExitProgram(Editor& editor) {
    if (closeQuery(editor))
        editor.quitRequested = true;
}

} // namespace glyphora
