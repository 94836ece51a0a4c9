#pragma once

class QWidget;

namespace glyphora {

// Whether the window has an entry in the desktop's task bar. On X11 this is the window
// manager's "skip taskbar" state; elsewhere it does nothing and returns false.
bool setTaskbarEntryVisible(QWidget* window, bool visible);

} // namespace glyphora
