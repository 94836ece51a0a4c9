#pragma once

#include <QWidget>
#include <functional>

class QLineEdit;
class QPushButton;
class QTableWidget;

namespace glyphora {

class Editor;

// "ANSI code": the codes 1 to 255 in a grid of 17 columns by 15 rows, drawn in the glyph set
// the canvas is drawn in, with the selected code's character, decimal and hexadecimal code.
// "&Clipb." copies the character, "&Insert" or a double click also types it on the canvas,
// "Cl&ose" closes. The main window stays usable beside it.
class CodeTableWindow : public QWidget {
    Q_OBJECT
public:
    // Runs a step on the Editor as the main window runs its commands.
    using Runner = std::function<void(const std::function<void(Editor&)>&)>;

    CodeTableWindow(Editor& editor, Runner runner, QWidget* parent);

    // Redraws the cells, as the glyph set may have changed.
    void sync();
    // The code of the selected cell.
    int selectedCode() const;

    QTableWidget* grid() const { return grid_; }
    QLineEdit* characterBox() const { return character_; }
    QLineEdit* decimalBox() const { return decimal_; }
    QLineEdit* hexBox() const { return hex_; }
    QPushButton* clipboardButton() const { return clipboard_; }
    QPushButton* insertButton() const { return insert_; }
    QPushButton* closeButton() const { return close_; }

private:
    void showSelected();
    void run(const std::function<void(Editor&)>& step);

    Editor& editor_;
    Runner run_;
    QTableWidget* grid_;
    QLineEdit* character_;
    QLineEdit* decimal_;
    QLineEdit* hex_;
    QPushButton* clipboard_;
    QPushButton* insert_;
    QPushButton* close_;
};

} // namespace glyphora
