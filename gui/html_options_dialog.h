#pragma once

#include "platform/ui.h"

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QSpinBox;

namespace glyphora {

// "HTML Options": the font family (installed families, or any typed name), size, table
// border and style of the HTML pages. Only "OK." closes it; its values are always taken.
class HtmlOptionsDialog : public QDialog {
    Q_OBJECT
public:
    HtmlOptionsDialog(const HtmlOptionsForm& preset, QStringList families, QWidget* parent);

    HtmlOptionsForm form() const;
    QComboBox* familyBox() const { return family_; }
    QSpinBox* sizeBox() const { return size_; }
    QSpinBox* borderBox() const { return border_; }
    QCheckBox* boldBox() const { return bold_; }
    QCheckBox* italicBox() const { return italic_; }
    QCheckBox* underlineBox() const { return underline_; }

public slots:
    // Escape and the window's close do nothing: there is no cancel.
    void reject() override {}

private:
    QComboBox* family_;
    QSpinBox* size_;
    QSpinBox* border_;
    QCheckBox* bold_;
    QCheckBox* italic_;
    QCheckBox* underline_;
};

} // namespace glyphora
