#include "color/color_window_commands.h"

#include "app/editor.h"
#include "color/cell_color_commands.h"
#include "color/color_commands.h"
#include "edit/clipboard_commands.h"

namespace glyphora {

namespace {

void closeWindow(ColorState& state) {
    state.colorWindow.reset();
    state.toColorWindow.clear();
    state.toMainWindow.clear();
}

void postAll(ColorState& state, const std::vector<ColorNotification>& notifications) {
    for (const ColorNotification& n : notifications)
        state.toMainWindow.post(n);
}

void runWindowCommand(Editor& editor, std::uint32_t number) {
    switch (number) {
    case kCmdActiveFontToCell:
        SetActiveFontToCell(editor);
        break;
    case kCmdActiveBackToCell:
        SetActiveBackToCell(editor);
        break;
    case kCmdColorSelectionFont:
        ColorSelectionFg(editor);
        break;
    case kCmdColorSelectionBack:
        ColorSelectionBg(editor);
        break;
    case kCmdCopyWithColor:
        CopyColorBlock(editor);
        break;
    case kCmdPasteWithColor:
        PasteColorBlock(editor);
        break;
    default:
        editor.StatusMessage(std::string(kUnknownCommandText));
        break;
    }
}

} // namespace

void ToggleColorWindow(Editor& editor) {
    ColorState& state = editor.colorState();
    if (state.colorWindow) {
        closeWindow(state);
        return;
    }
    state.colorWindow.emplace();
    state.toColorWindow.clear();
    state.toMainWindow.clear();
    state.toColorWindow.post(kNotifyFontColor, editor.ActiveFontColor);
    state.toColorWindow.post(kNotifyBackColor, editor.ActiveBackColor);
}

bool isColorWindowChecked(const Editor& editor) {
    return editor.colorState().colorWindow.has_value();
}

void ColorWindowClosed(Editor& editor) {
    closeWindow(editor.colorState());
}

void ColorWindowClick(Editor& editor, ColorWindowImage image, int x, int y, MouseButton button) {
    ColorState& state = editor.colorState();
    if (state.colorWindow)
        postAll(state, state.colorWindow->click(image, x, y, button, editor.colorMode()));
}

void ColorWindowToolButton(Editor& editor, int button) {
    ColorState& state = editor.colorState();
    if (state.colorWindow)
        postAll(state, state.colorWindow->toolButton(button, editor.colorMode()));
}

void ColorWindowExtended(Editor& editor) {
    ColorState& state = editor.colorState();
    if (!state.colorWindow)
        return;
    if (const std::optional<Color> chosen = editor.ui().chooseColor(state.colorWindow->freeColor()))
        state.colorWindow->setFreeColor(*chosen);
}

void ColorWindowNotification(Editor& editor, const ColorNotification& notification) {
    switch (notification.code) {
    case kNotifyFontColor:
        editor.ActiveFontColor = notification.value & kWhite;
        showActiveColors(editor);
        break;
    case kNotifyBackColor:
        editor.ActiveBackColor = notification.value & kWhite;
        showActiveColors(editor);
        break;
    case kNotifyError:
        editor.StatusMessage(std::string(colorWindowErrorText(notification.value)));
        break;
    case kNotifyCommand:
        runWindowCommand(editor, notification.value);
        break;
    default:
        break;
    }
}

void DeliverColorNotifications(Editor& editor) {
    ColorState& state = editor.colorState();
    while (!state.toMainWindow.empty() || !state.toColorWindow.empty()) {
        while (const std::optional<ColorNotification> n = state.toMainWindow.take())
            ColorWindowNotification(editor, *n);
        while (const std::optional<ColorNotification> n = state.toColorWindow.take()) {
            if (state.colorWindow)
                state.colorWindow->receive(*n);
        }
    }
}

} // namespace glyphora
