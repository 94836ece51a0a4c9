#pragma once

#include "platform/ui.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace glyphora {

// "Decrease colors": the number of characters in use, the number wanted, the palette the
// representatives come from and "Force B/W". "&OK" is enabled only while the wanted number
// is a whole number from 3 up to the current one.
class DecreaseColorsDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kFewestColors = 3;

    DecreaseColorsDialog(const DecreaseColorsRequest& request, QWidget* parent);

    DecreaseColorsReply reply() const;
    QLineEdit* currentField() const { return current_; }
    QLineEdit* newField() const { return new_; }
    QRadioButton* globalPalette() const { return global_; }
    QRadioButton* currentPalette() const { return currentPalette_; }
    QCheckBox* forceBlackWhite() const { return blackWhite_; }
    QPushButton* okButton() const { return ok_; }

private:
    void updateOk();

    int currentColors_;
    QLineEdit* current_;
    QLineEdit* new_;
    QRadioButton* global_;
    QRadioButton* currentPalette_;
    QCheckBox* blackWhite_;
    QPushButton* ok_;
};

} // namespace glyphora
