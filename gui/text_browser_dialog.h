#pragma once

#include "app/text_browser.h"
#include "platform/ui.h"

#include <QDialog>
#include <QFont>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace glyphora {

// A strip of the 16 standard colours: the left button picks the text colour, the right
// button the background.
class TextColorGrid : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSwatch = 14;
    explicit TextColorGrid(QWidget* parent);
    QSize sizeHint() const override;
    // The colour of the swatch under a position, if any.
    std::optional<Color> colorAt(QPoint pos) const;

signals:
    void textColorChosen(Color color);
    void backColorChosen(Color color);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

// "TextBrowser": folders and text files at the left, the chosen file at the right, and the
// buttons that change how it is shown. Draws the core TextBrowser and forwards keys and
// clicks to it.
class TextBrowserDialog : public QDialog {
    Q_OBJECT
public:
    TextBrowserDialog(const TextBrowserRequest& request, QWidget* parent);

    TextBrowser& browser() { return browser_; }
    // "&Max. width": the largest font size at which no line of the text wraps.
    void fitWidth();

    QWidget* explorer() const { return explorer_; }
    QListWidget* folderList() const { return folders_; }
    QListWidget* fileList() const { return files_; }
    QPlainTextEdit* view() const { return view_; }
    QSpinBox* fontSizeBox() const { return size_; }
    TextColorGrid* colorGrid() const { return colors_; }
    QPushButton* fitButton() const { return fit_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Handles a key of the browser; false when it leaves the key to the widget.
    bool browserKey(QKeyEvent* event);
    // Shows the model: lists, font, wrap, colours, explorer; the text when the file changed.
    void sync();
    void applyViewStyle();
    bool wrapsAt(int size) const;

    TextBrowser browser_;
    QFont viewFont_;
    QWidget* explorer_;
    QLabel* folderLabel_;
    QListWidget* folders_;
    QListWidget* files_;
    QPlainTextEdit* view_;
    QSpinBox* size_;
    TextColorGrid* colors_;
    QPushButton* fit_;
    std::string shownFolder_;
    int shownFile_ = -2;
    bool fitting_ = false;
    bool stopFit_ = false;
};

} // namespace glyphora
