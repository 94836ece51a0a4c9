#pragma once

#include "edit/clipboard_commands.h"

#include <QDialog>
#include <functional>

namespace glyphora {

// "--=<({O})>=--": buttons that move the selection or one of its edges by a cell. It stays
// on top of the main window; a key pressed in it hands the focus back.
class SelectionNavigator : public QDialog {
    Q_OBJECT
public:
    SelectionNavigator(QWidget* mainWindow, std::function<void(NavStep)> step);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* mainWindow_;
};

} // namespace glyphora
