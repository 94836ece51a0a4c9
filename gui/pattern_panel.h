#pragma once

#include <QWidget>
#include <functional>

class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace glyphora {

class Editor;

// The pattern panel at the right of the main window: "Fill" and "Close", the "*.pat" files
// of the pattern folder and a preview of the selected one. It draws the Editor's pattern
// panel model and forwards clicks; a double click on a file acts like "Fill".
class PatternPanelWidget : public QWidget {
    Q_OBJECT
public:
    // Runs a command as the main window runs its commands; by default it is called directly.
    using Runner = std::function<void(void (*)(Editor&))>;

    explicit PatternPanelWidget(Editor& editor, Runner runner = {}, QWidget* parent = nullptr);

    // Brings the widget in line with the model: shown or hidden, files, selection, preview.
    void sync();

    QPushButton* fillButton() const { return fill_; }
    QPushButton* closeButton() const { return close_; }
    QListWidget* fileList() const { return files_; }
    QPlainTextEdit* preview() const { return preview_; }

private:
    void run(void (*command)(Editor&));
    void selectFile(int row);

    Editor& editor_;
    Runner run_;
    QPushButton* fill_;
    QPushButton* close_;
    QListWidget* files_;
    QPlainTextEdit* preview_;
};

} // namespace glyphora
