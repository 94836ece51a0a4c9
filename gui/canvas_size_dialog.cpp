#include "canvas_size_dialog.h"

#include "edit/canvas_size_rules.h"
#include "platform/text_codec.h"

#include <QCheckBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace glyphora {

namespace {

int initialValue(const std::string& text) {
    const std::optional<long long> value = parseInteger<long long>(text);
    return value && *value >= 1 && *value <= INT32_MAX ? static_cast<int>(*value) : 1;
}

} // namespace

CanvasSizeDialog::CanvasSizeDialog(const CanvasSizeRequest& request, QWidget* parent)
    : QDialog(parent), initialWidth_(initialValue(request.width)),
      initialHeight_(initialValue(request.height)) {
    setWindowTitle(QStringLiteral("  Canvas:"));
    auto* title = new QLabel(QString::fromStdString(cp1252ToUtf8(request.title)), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);

    width_ = new QLineEdit(QString::fromStdString(request.width), this);
    height_ = new QLineEdit(QString::fromStdString(request.height), this);
    width_->installEventFilter(this);
    height_->installEventFilter(this);
    lock_ = new QCheckBox(QStringLiteral("Lock ratio aspect"), this);
    lock_->setChecked(true);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Width:"), width_);
    form->addRow(QStringLiteral("Height:"), height_);

    auto* ok = new QPushButton(QStringLiteral("OK."), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addLayout(form);
    layout->addWidget(lock_);
    layout->addLayout(buttons);

    // textEdited fires for the user's own edits only, never for the other field following.
    connect(width_, &QLineEdit::textEdited, this,
            [this] { edited(width_, height_, initialWidth_, initialHeight_); });
    connect(height_, &QLineEdit::textEdited, this,
            [this] { edited(height_, width_, initialHeight_, initialWidth_); });
}

void CanvasSizeDialog::edited(QLineEdit* field, QLineEdit* other, int initialThis,
                              int initialOther) {
    const SizeFields fields =
        editSizeField(field->text().toStdString(), initialThis, initialOther, lock_->isChecked());
    if (field->text().toStdString() != fields.edited) {
        field->setText(QString::fromStdString(fields.edited));
        field->selectAll();
    }
    if (!fields.other.empty())
        other->setText(QString::fromStdString(fields.other));
}

bool CanvasSizeDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::MouseButtonRelease) {
        if (auto* field = qobject_cast<QLineEdit*>(watched))
            QTimer::singleShot(0, field, &QLineEdit::selectAll);
    }
    return QDialog::eventFilter(watched, event);
}

CanvasSizeReply CanvasSizeDialog::reply() const {
    return {width_->text().toStdString(), height_->text().toStdString()};
}

} // namespace glyphora
