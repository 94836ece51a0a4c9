#include "html_options_dialog.h"

#include "formats/html_options.h"
#include "platform/text_codec.h"
#include "platform/text_numbers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace glyphora {

namespace {

constexpr const char* kCaption = "HTML Options :      (<BODY...>  and <TABLE..> style tag)";
constexpr const char* kOnlyForTables = "Only for tables";
constexpr const char* kPoints = "pt";

QString fromBytes(const std::string& bytes) {
    return QString::fromStdString(cp1252ToUtf8(bytes));
}

QSpinBox* numberField(int min, int max, const std::string& value, const char* hint,
                      QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setRange(min, max);
    box->setValue(parseInteger<int>(value).value_or(min));
    box->setToolTip(QString::fromLatin1(hint));
    return box;
}

} // namespace

HtmlOptionsDialog::HtmlOptionsDialog(const HtmlOptionsForm& preset, QStringList families,
                                     QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QString::fromLatin1(kCaption));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    families.sort(Qt::CaseInsensitive);
    family_ = new QComboBox(this);
    family_->setEditable(true);
    family_->setInsertPolicy(QComboBox::NoInsert);
    family_->addItems(families);
    family_->setCurrentText(fromBytes(preset.fontFamily));
    family_->setToolTip(QString::fromLatin1(kOnlyForTables));
    family_->setMinimumContentsLength(24);

    size_ = numberField(HtmlOptions::kMinFontSize, HtmlOptions::kMaxFontSize, preset.fontSize,
                        kPoints, this);
    border_ = numberField(HtmlOptions::kMinTableBorder, HtmlOptions::kMaxTableBorder,
                          preset.tableBorder, kOnlyForTables, this);
    bold_ = new QCheckBox(QStringLiteral("Bold"), this);
    italic_ = new QCheckBox(QStringLiteral("Italic"), this);
    underline_ = new QCheckBox(QStringLiteral("Underline"), this);
    bold_->setChecked(preset.bold);
    italic_->setChecked(preset.italic);
    underline_->setChecked(preset.underline);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Font-family:"), family_);
    form->addRow(QStringLiteral("Font size:"), size_);
    form->addRow(QStringLiteral("Table border:"), border_);

    auto* styles = new QHBoxLayout;
    styles->addWidget(bold_);
    styles->addWidget(italic_);
    styles->addWidget(underline_);
    styles->addStretch();

    auto* ok = new QPushButton(QStringLiteral("OK."), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(styles);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
}

HtmlOptionsForm HtmlOptionsDialog::form() const {
    return {utf8ToCp1252(family_->currentText().toStdString()),
            std::to_string(size_->value()),
            std::to_string(border_->value()),
            bold_->isChecked(),
            italic_->isChecked(),
            underline_->isChecked()};
}

} // namespace glyphora
