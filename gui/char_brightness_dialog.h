#pragma once

#include <QDialog>

class QLabel;
class QSlider;

namespace glyphora {

// " :-)": a vertical slider from -50 (top) through 0 to +50 (bottom) with the position shown
// under it; it starts at 0 every time the dialog is shown.
class CharBrightnessDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kLimit = 50;

    explicit CharBrightnessDialog(QWidget* parent);

    int steps() const;
    QSlider* slider() const { return slider_; }
    QLabel* positionLabel() const { return position_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QSlider* slider_;
    QLabel* position_;
};

} // namespace glyphora
