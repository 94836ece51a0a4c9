#pragma once

#include "platform/ui.h"

#include <QDialog>
#include <QImage>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QSlider;
class QSpinBox;

namespace glyphora {

// "AscII2Pic   Unit1": a picture of one pixel per cell, magnified by the zoom and the row
// ratio, with a colour filter over the display (its colour from the 16-colour grid, its
// drawing mode from the buttons 1-6) that never reaches the saved file. "Save" accepts,
// "Close" rejects; "Repaint" draws with the zoom and ratio as they are set.
class PictureViewerDialog : public QDialog {
    Q_OBJECT
public:
    PictureViewerDialog(const Bitmap& picture, QWidget* parent = nullptr);

    ViewerSettings settings() const { return drawn_; }
    // The display as shown, tint included.
    const QImage& display() const { return display_; }

private:
    void draw();
    void showDisplay();

    const Bitmap& picture_;
    ViewerSettings drawn_;
    QImage display_;
    QLabel* view_ = nullptr;
    QSpinBox* zoom_ = nullptr;
    QLabel* zoomLabel_ = nullptr;
    QSlider* ratio_ = nullptr;
    QLabel* ratioLabel_ = nullptr;
    QCheckBox* tint_ = nullptr;
    QButtonGroup* modes_ = nullptr;
    QColor tintColor_ = Qt::red;
};

} // namespace glyphora
