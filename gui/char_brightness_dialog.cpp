#include "char_brightness_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace glyphora {

namespace {

constexpr int kTickInterval = 2;
constexpr int kSliderHeight = 220;

} // namespace

CharBrightnessDialog::CharBrightnessDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral(" :-)"));
    setWindowFlags(windowFlags() | Qt::Tool | Qt::WindowStaysOnTopHint);
    slider_ = new QSlider(Qt::Vertical, this);
    slider_->setRange(-kLimit, kLimit);
    // The lowest value stands at the top.
    slider_->setInvertedAppearance(true);
    slider_->setInvertedControls(true);
    slider_->setTickPosition(QSlider::TicksRight);
    slider_->setTickInterval(kTickInterval);
    slider_->setMinimumHeight(kSliderHeight);
    position_ = new QLabel(this);
    position_->setAlignment(Qt::AlignCenter);

    auto* scale = new QGridLayout;
    scale->addWidget(slider_, 0, 0, 3, 1);
    scale->addWidget(new QLabel(QStringLiteral("- 50 "), this), 0, 1, Qt::AlignTop);
    scale->addWidget(new QLabel(QStringLiteral("+/- 0 "), this), 1, 1, Qt::AlignVCenter);
    scale->addWidget(new QLabel(QStringLiteral("+ 50 "), this), 2, 1, Qt::AlignBottom);

    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(scale);
    layout->addWidget(position_);
    layout->addLayout(buttons);

    connect(slider_, &QSlider::valueChanged, this,
            [this](int value) { position_->setText(QString::number(value)); });
    position_->setText(QString::number(slider_->value()));
}

void CharBrightnessDialog::showEvent(QShowEvent* event) {
    slider_->setValue(0);
    QDialog::showEvent(event);
}

int CharBrightnessDialog::steps() const {
    return slider_->value();
}

} // namespace glyphora
