#include "ansi_color_dialog.h"

#include "canvas_renderer.h"
#include "color/ansi_palette.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace glyphora {

namespace {

constexpr int kFieldSize = 24;
constexpr int kActiveWidth = 60;
constexpr int kPerPanel = 8;

QString swatchStyle(Color color) {
    return QStringLiteral("background-color: %1; border: 1px solid black;")
        .arg(toQColor(color).name());
}

} // namespace

AnsiColorDialog::AnsiColorDialog(Color color, bool background, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      color_(color & kWhite) {
    setWindowTitle(QStringLiteral("ANSI Color"));

    auto* activeLabel = new QLabel(QStringLiteral("Active Color:"), this);
    active_ = new QLabel(this);
    active_->setObjectName(QStringLiteral("Edit2"));
    active_->setFixedSize(kActiveWidth, kFieldSize);
    foreground_ = new QRadioButton(QStringLiteral("Foreground"), this);
    background_ = new QRadioButton(QStringLiteral("Backround"), this);
    (background ? background_ : foreground_)->setChecked(true);
    // They only tell which kind of colour is being chosen.
    foreground_->setEnabled(false);
    background_->setEnabled(false);

    auto* normalPanel = new QWidget(this);
    brightPanel_ = new QWidget(this);
    auto* normalRow = new QHBoxLayout(normalPanel);
    auto* brightRow = new QHBoxLayout(brightPanel_);
    for (int i = 0; i < kAnsiColorCount; ++i) {
        const AnsiColor& ansi = kAnsiPalette[static_cast<size_t>(i)];
        const bool bright = i >= kPerPanel;
        auto* field = new QToolButton(bright ? brightPanel_ : normalPanel);
        field->setObjectName(
            QString::fromLatin1(ansi.field.data(), static_cast<qsizetype>(ansi.field.size())));
        field->setFixedSize(kFieldSize, kFieldSize);
        field->setStyleSheet(swatchStyle(ansi.color));
        field->setToolTip(
            QString::fromLatin1(ansi.name.data(), static_cast<qsizetype>(ansi.name.size())));
        connect(field, &QToolButton::clicked, this, [this, ansi] { setActive(ansi.color); });
        (bright ? brightRow : normalRow)->addWidget(field);
        fields_[static_cast<size_t>(i)] = field;
    }
    brightPanel_->setVisible(!background);

    auto* ok = new QPushButton(QStringLiteral("OK."), this);
    auto* abort = new QPushButton(QStringLiteral("Abort"), this);
    ok->setDefault(true);
    ok_ = ok;
    abort_ = abort;
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(abort, &QPushButton::clicked, this, &QDialog::reject);

    auto* top = new QHBoxLayout;
    top->addWidget(activeLabel);
    top->addWidget(active_);
    top->addStretch();
    top->addWidget(foreground_);
    top->addWidget(background_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(abort);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(normalPanel);
    layout->addWidget(brightPanel_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setActive(color_);
}

void AnsiColorDialog::setActive(Color color) {
    color_ = color & kWhite;
    active_->setStyleSheet(swatchStyle(color_));
}

} // namespace glyphora
