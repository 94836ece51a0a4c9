#include "app/window_commands.h"

#include "app/editor.h"
#include "color/color_commands.h"
#include "config/startup_commands.h"
#include "formats/open_save_commands.h"

namespace glyphora {

void TogglePaintbar(Editor& editor) {
    Settings& settings = editor.settings();
    settings.ShowPaintbar = !settings.ShowPaintbar;
    if (!settings.ShowPaintbar) {
        editor.colorState().colorBarShown = false;
        return;
    }
    // The colour bar comes with the paint bar outside Plain mode.
    UpdateColorMenus(editor);
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

void onTimer(Editor& editor, TimerId id) {
    if (id == TimerId::Status && editor.status().timerEnabled())
        editor.status().statusTimerTick();
    if (id == TimerId::Autosave && editor.settings().Autosave)
        AutosaveTick(editor);
}

void ExitProgram(Editor& editor) {
    if (queryClose(editor))
        editor.quitRequested = true;
}

} // namespace glyphora
