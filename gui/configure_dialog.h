#pragma once

#include "platform/ui.h"

#include <QDialog>
#include <functional>
#include <vector>

class QPushButton;
class QTabWidget;

namespace glyphora {

// " Configure": the settings form on four tabbed pages with "Accept", "Abort" and
// "Default". Built from the form's fields, so the dialog holds no settings rules itself.
class ConfigureDialog : public QDialog {
    Q_OBJECT
public:
    ConfigureDialog(const ConfigureForm& form, QWidget* parent);

    // The fields as the controls show them.
    ConfigureForm form() const;
    QWidget* control(std::string_view name) const;
    QTabWidget* pages() const { return pages_; }
    QPushButton* defaultButton() const { return default_; }
    QPushButton* acceptButton() const { return accept_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Control {
        QWidget* widget;
        std::function<std::string()> read;
        std::function<void(const std::string&)> write;
    };
    QWidget* makeControl(const ConfigureField& field, QWidget* page);

    ConfigureForm form_;
    std::vector<Control> controls_;
    QTabWidget* pages_;
    QPushButton* accept_;
    QPushButton* default_;
};

} // namespace glyphora
