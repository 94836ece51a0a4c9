#include "picture_viewer_dialog.h"

#include "canvas_renderer.h"
#include "color/ansi_palette.h"
#include "convert/art_to_picture.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

namespace glyphora {

namespace {

constexpr int kClientWidth = 519;
constexpr int kClientHeight = 460;
constexpr int kMaxZoom = 10;
constexpr int kRatioMin = 10; // tenths
constexpr int kRatioMax = 40;
constexpr int kRatioStart = 20;
constexpr int kPresetMode = 4;
constexpr int kGridColumns = 8;

// The buttons 1-6: mask, mask with inverted pen, merge, merge with inverted pen, not-xor,
// xor, as raster operations of the filter colour over the picture.
QRgb filtered(QRgb picture, QRgb pen, int mode) {
    const QRgb inverted = ~pen & 0xFFFFFFu;
    QRgb result = picture;
    switch (mode) {
    case 1:
        result = picture & pen;
        break;
    case 2:
        result = picture & inverted;
        break;
    case 3:
        result = picture | pen;
        break;
    case 4:
        result = picture | inverted;
        break;
    case 5:
        result = ~(picture ^ pen);
        break;
    default:
        result = picture ^ pen;
        break;
    }
    return 0xFF000000u | (result & 0xFFFFFFu);
}

} // namespace

PictureViewerDialog::PictureViewerDialog(const Bitmap& picture, QWidget* parent)
    : QDialog(parent), picture_(picture) {
    setWindowTitle(QStringLiteral("AscII2Pic   Unit1"));
    resize(kClientWidth, kClientHeight);
    auto* layout = new QVBoxLayout(this);
    auto* scroll = new QScrollArea(this);
    view_ = new QLabel(scroll);
    scroll->setWidget(view_);
    layout->addWidget(scroll, 1);

    auto* controls = new QHBoxLayout;
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    auto* save = new QPushButton(QStringLiteral("Save"), this);
    auto* repaint = new QPushButton(QStringLiteral("Repaint"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(save, &QPushButton::clicked, this, &QDialog::accept);
    connect(repaint, &QPushButton::clicked, this, &PictureViewerDialog::draw);
    controls->addWidget(close);
    controls->addWidget(save);
    controls->addWidget(repaint);

    auto* colours = new QGridLayout;
    for (std::size_t i = 0; i < kAnsiPalette.size(); ++i) {
        auto* swatch = new QPushButton(this);
        const QColor colour = toQColor(kAnsiPalette[i].color);
        swatch->setFixedSize(16, 16);
        swatch->setStyleSheet(QStringLiteral("background:%1").arg(colour.name()));
        connect(swatch, &QPushButton::clicked, this, [this, colour] {
            tintColor_ = colour;
            showDisplay();
        });
        colours->addWidget(swatch, static_cast<int>(i) / kGridColumns,
                           static_cast<int>(i) % kGridColumns);
    }
    controls->addLayout(colours);

    zoom_ = new QSpinBox(this);
    zoom_->setRange(1, kMaxZoom);
    zoomLabel_ = new QLabel(QStringLiteral("1:1"), this);
    connect(zoom_, &QSpinBox::valueChanged, this,
            [this](int z) { zoomLabel_->setText(QStringLiteral("1 : %1").arg(z)); });
    controls->addWidget(new QLabel(QStringLiteral("Zoom"), this));
    controls->addWidget(zoom_);
    controls->addWidget(zoomLabel_);

    ratio_ = new QSlider(Qt::Horizontal, this);
    ratio_->setRange(kRatioMin, kRatioMax);
    ratio_->setValue(kRatioStart);
    ratio_->setTickInterval(1);
    ratioLabel_ = new QLabel(QStringLiteral("1:2"), this);
    connect(ratio_, &QSlider::valueChanged, this, [this](int tenths) {
        ratioLabel_->setText(QStringLiteral("1:") + QString::number(tenths / 10.0, 'f', 1));
    });
    controls->addWidget(new QLabel(QStringLiteral("Ratio aspect"), this));
    controls->addWidget(ratio_);
    controls->addWidget(ratioLabel_);

    tint_ = new QCheckBox(QStringLiteral("Color"), this);
    connect(tint_, &QCheckBox::toggled, this, &PictureViewerDialog::showDisplay);
    controls->addWidget(tint_);
    modes_ = new QButtonGroup(this);
    for (int mode = 1; mode <= 6; ++mode) {
        auto* button = new QRadioButton(QString::number(mode), this);
        button->setChecked(mode == kPresetMode);
        modes_->addButton(button, mode);
        controls->addWidget(button);
    }
    connect(modes_, &QButtonGroup::idClicked, this, &PictureViewerDialog::showDisplay);
    layout->addLayout(controls);
    draw();
}

void PictureViewerDialog::draw() {
    drawn_ = {zoom_->value(), ratio_->value() / 10.0};
    const Bitmap display = magnifiedPicture(picture_, drawn_.zoom, drawn_.ratio);
    display_ = QImage(display.width(), display.height(), QImage::Format_RGB32);
    for (int y = 0; y < display.height(); ++y) {
        const std::uint8_t* from = display.scanLine(y);
        auto* to = reinterpret_cast<QRgb*>(display_.scanLine(y));
        for (int x = 0; x < display.width(); ++x, from += 3)
            to[x] = qRgb(from[0], from[1], from[2]);
    }
    showDisplay();
}

void PictureViewerDialog::showDisplay() {
    QImage shown = display_;
    if (tint_->isChecked()) {
        const QRgb pen = tintColor_.rgb();
        const int mode = modes_->checkedId();
        for (int y = 0; y < shown.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(shown.scanLine(y));
            for (int x = 0; x < shown.width(); ++x)
                line[x] = filtered(line[x], pen, mode);
        }
    }
    view_->setPixmap(QPixmap::fromImage(shown));
    view_->resize(shown.size());
}

} // namespace glyphora
