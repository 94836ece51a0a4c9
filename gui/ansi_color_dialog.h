#pragma once

#include "platform/color.h"

#include <QDialog>
#include <array>

class QAbstractButton;
class QLabel;
class QRadioButton;

namespace glyphora {

// "ANSI Color": the 16 ANSI colours as fields f0..f7 (normal) and ff0..ff7 (bright, on
// their own panel, shown only while a foreground is chosen). A click makes a field's colour
// the active one; "OK." confirms it, "Abort" does not.
class AnsiColorDialog : public QDialog {
    Q_OBJECT
public:
    // color: the colour shown as active (Mcolor); background: a background is being chosen
    // (Mback).
    AnsiColorDialog(Color color, bool background, QWidget* parent = nullptr);

    // The active colour: the preset or the last field clicked.
    Color color() const { return color_; }

    QAbstractButton* field(int index) const { return fields_.at(static_cast<size_t>(index)); }
    QWidget* brightPanel() const { return brightPanel_; }
    QLabel* activeField() const { return active_; }
    QRadioButton* foregroundButton() const { return foreground_; }
    QRadioButton* backgroundButton() const { return background_; }
    QAbstractButton* okButton() const { return ok_; }
    QAbstractButton* abortButton() const { return abort_; }

private:
    void setActive(Color color);

    Color color_;
    std::array<QAbstractButton*, 16> fields_{};
    QWidget* brightPanel_ = nullptr;
    QLabel* active_ = nullptr;
    QRadioButton* foreground_ = nullptr;
    QRadioButton* background_ = nullptr;
    QAbstractButton* ok_ = nullptr;
    QAbstractButton* abort_ = nullptr;
};

} // namespace glyphora
