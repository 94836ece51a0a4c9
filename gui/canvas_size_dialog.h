#pragma once

#include "platform/ui.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace glyphora {

// "  Canvas:": width and height with an optional locked ratio, for setting, renewing and
// resampling the canvas.
class CanvasSizeDialog : public QDialog {
    Q_OBJECT
public:
    CanvasSizeDialog(const CanvasSizeRequest& request, QWidget* parent);

    CanvasSizeReply reply() const;
    QLineEdit* widthField() const { return width_; }
    QLineEdit* heightField() const { return height_; }
    QCheckBox* lockRatio() const { return lock_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void edited(QLineEdit* field, QLineEdit* other, int initialThis, int initialOther);

    QLineEdit* width_;
    QLineEdit* height_;
    QCheckBox* lock_;
    int initialWidth_;
    int initialHeight_;
};

} // namespace glyphora
