#include "configure_dialog.h"

#include "platform/text_codec.h"

#include <QCheckBox>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace glyphora {

namespace {

constexpr const char* kInternTable = "none (intern)";
constexpr const char* kPaintingPage = "Painting functions";

QString toQ(const std::string& bytes) {
    return QString::fromStdString(cp1252ToUtf8(bytes));
}

std::string fromQ(const QString& text) {
    return utf8ToCp1252(text.toStdString());
}

} // namespace

ConfigureDialog::ConfigureDialog(const ConfigureForm& form, QWidget* parent)
    : QDialog(parent), form_(form) {
    setWindowTitle(QStringLiteral(" Configure"));
    // No title-bar buttons: the form is left by its own buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    pages_ = new QTabWidget(this);
    std::vector<std::pair<std::string, QFormLayout*>> layouts;
    const auto layoutFor = [&](const std::string& name) {
        for (const auto& [page, layout] : layouts) {
            if (page == name)
                return layout;
        }
        auto* page = new QWidget(pages_);
        auto* layout = new QFormLayout(page);
        if (name == kPaintingPage)
            layout->addRow(new QLabel(QStringLiteral("used character:"), page));
        pages_->addTab(page, toQ(name));
        layouts.emplace_back(name, layout);
        return layout;
    };
    for (std::size_t i = 0; i < form_.fields.size(); ++i) {
        const ConfigureField& field = form_.fields[i];
        QFormLayout* layout = layoutFor(field.page);
        QWidget* page = layout->parentWidget();
        QWidget* widget = makeControl(field, page);
        auto* row = new QHBoxLayout;
        row->addWidget(widget);
        // One "Intern" button after the last field of its group.
        const bool lastOfGroup =
            !field.internGroup.empty() &&
            (i + 1 == form_.fields.size() || form_.fields[i + 1].internGroup != field.internGroup);
        if (lastOfGroup) {
            auto* intern = new QPushButton(QStringLiteral("Intern"), page);
            const std::string group = field.internGroup;
            connect(intern, &QPushButton::clicked, this, [this, group] {
                for (std::size_t k = 0; k < form_.fields.size(); ++k) {
                    if (form_.fields[k].internGroup == group)
                        controls_[k].write(kInternTable);
                }
            });
            row->addWidget(intern);
        }
        if (field.kind == ConfigureField::Kind::Program) {
            auto* browse = new QPushButton(QStringLiteral("Browse"), page);
            auto* edit = static_cast<QLineEdit*>(widget);
            connect(browse, &QPushButton::clicked, this, [this, edit] {
                const QString chosen = QFileDialog::getOpenFileName(this, QString(), QString(),
                                                                    QStringLiteral("Program (*)"));
                if (!chosen.isEmpty() && QFileInfo(chosen).isFile())
                    edit->setText(chosen);
            });
            row->addWidget(browse);
        }
        if (field.kind == ConfigureField::Kind::Flag)
            layout->addRow(row);
        else
            layout->addRow(toQ(field.label), row);
    }

    accept_ = new QPushButton(QStringLiteral("Accept"), this);
    auto* abort = new QPushButton(QStringLiteral("Abort"), this);
    default_ = new QPushButton(QStringLiteral("Default"), this);
    accept_->setDefault(true);
    connect(accept_, &QPushButton::clicked, this, &QDialog::accept);
    connect(abort, &QPushButton::clicked, this, &QDialog::reject);
    connect(default_, &QPushButton::clicked, this, [this] {
        for (std::size_t k = 0; k < form_.fields.size(); ++k) {
            if (form_.fields[k].defaultValue)
                controls_[k].write(*form_.fields[k].defaultValue);
        }
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(accept_);
    buttons->addWidget(abort);
    buttons->addWidget(default_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addLayout(buttons);
}

QWidget* ConfigureDialog::makeControl(const ConfigureField& field, QWidget* page) {
    using Kind = ConfigureField::Kind;
    Control control{};
    if (field.kind == Kind::Number) {
        auto* spin = new QSpinBox(page);
        spin->setRange(field.min, field.max);
        control = {
            spin, [spin] { return std::to_string(spin->value()); },
            [spin](const std::string& v) { spin->setValue(QString::fromStdString(v).toInt()); }};
    } else if (field.kind == Kind::Flag) {
        auto* box = new QCheckBox(toQ(field.label), page);
        control = {box, [box] { return std::string(box->isChecked() ? "Y" : "N"); },
                   [box](const std::string& v) { box->setChecked(v == "Y"); }};
    } else {
        auto* edit = new QLineEdit(page);
        edit->setReadOnly(field.kind == Kind::Program);
        if (field.kind == Kind::Character) {
            edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('W')) * 4);
            // Typing keeps one character; a click selects it for overtyping.
            connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& text) {
                if (text.size() > 1)
                    edit->setText(text.left(1));
            });
            edit->installEventFilter(this);
        }
        control = {edit, [edit] { return fromQ(edit->text()); },
                   [edit](const std::string& v) { edit->setText(toQ(v)); }};
    }
    control.write(field.value);
    controls_.push_back(control);
    return control.widget;
}

bool ConfigureDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::FocusIn) {
        if (auto* edit = qobject_cast<QLineEdit*>(watched))
            QTimer::singleShot(0, edit, &QLineEdit::selectAll);
    }
    return QDialog::eventFilter(watched, event);
}

ConfigureForm ConfigureDialog::form() const {
    ConfigureForm form = form_;
    for (std::size_t k = 0; k < form.fields.size(); ++k)
        form.fields[k].value = controls_[k].read();
    return form;
}

QWidget* ConfigureDialog::control(std::string_view name) const {
    for (std::size_t k = 0; k < form_.fields.size(); ++k) {
        if (form_.fields[k].name == name)
            return controls_[k].widget;
    }
    return nullptr;
}

} // namespace glyphora
