#include "decrease_colors_dialog.h"

#include "platform/text_numbers.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace glyphora {

DecreaseColorsDialog::DecreaseColorsDialog(const DecreaseColorsRequest& request, QWidget* parent)
    : QDialog(parent), currentColors_(request.currentColors) {
    setWindowTitle(QStringLiteral("Decrease colors"));
    current_ = new QLineEdit(QString::number(request.currentColors), this);
    current_->setReadOnly(true);
    new_ = new QLineEdit(QString::number(request.proposedColors), this);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Current colors:"), current_);
    form->addRow(QStringLiteral("New colors:"), new_);

    auto* palette = new QGroupBox(QStringLiteral("Palette:"), this);
    global_ = new QRadioButton(QStringLiteral("Global pallete"), palette);
    currentPalette_ = new QRadioButton(QStringLiteral("Current pallete"), palette);
    global_->setChecked(true);
    auto* paletteLayout = new QVBoxLayout(palette);
    paletteLayout->addWidget(global_);
    paletteLayout->addWidget(currentPalette_);
    blackWhite_ = new QCheckBox(QStringLiteral("Force B/W"), this);

    ok_ = new QPushButton(QStringLiteral("&OK"), this);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(palette);
    layout->addWidget(blackWhite_);
    layout->addLayout(buttons);

    connect(new_, &QLineEdit::textChanged, this, &DecreaseColorsDialog::updateOk);
    updateOk();
}

void DecreaseColorsDialog::updateOk() {
    const std::optional<int> wanted = parseInteger<int>(new_->text().trimmed().toStdString());
    ok_->setEnabled(wanted && *wanted >= kFewestColors && *wanted <= currentColors_);
}

DecreaseColorsReply DecreaseColorsDialog::reply() const {
    return {parseInteger<int>(new_->text().trimmed().toStdString()).value_or(0),
            currentPalette_->isChecked(), blackWhite_->isChecked()};
}

} // namespace glyphora
