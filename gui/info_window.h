#pragma once

#include "platform/ui.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;

namespace glyphora {

// The about box (the program's icon beside its text) and the system information (the
// labelled lines in a fixed-pitch font), each with an "OK".
class InfoDialog : public QDialog {
    Q_OBJECT
public:
    InfoDialog(const InfoWindow& window, QWidget* parent);

    // The text as shown: the about box's label or the system information's text.
    QString shownText() const;

private:
    QLabel* label_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
};

// The program's icon, drawn from its SVG.
QIcon programIcon();

} // namespace glyphora
