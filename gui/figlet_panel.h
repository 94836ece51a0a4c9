#pragma once

#include "platform/cell_rect.h"

#include <QAbstractScrollArea>
#include <QWidget>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace glyphora {

class Editor;
class FigletPanel;

// The FigLet panel's text grid: cells of 8 x 15 pixels on silver, one character each. A drag
// selects a rectangle, which the model records as the mouse moves; the right button asks for
// the pop-up menu.
class FigletGridView : public QAbstractScrollArea {
    Q_OBJECT
public:
    static constexpr int kCellWidth = 8;
    static constexpr int kCellHeight = 15;

    FigletGridView(FigletPanel& panel, QWidget* parent);

    // The grid's size or cells changed: scroll ranges and a repaint.
    void gridChanged();
    // Scrolls so that a column is in view.
    void showColumn(int col);
    QSize sizeHint() const override;

signals:
    void contextMenuWanted(QPoint globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QPoint cellAt(QPoint viewportPos) const;

    FigletPanel& panel_;
    QPoint anchor_;
    bool dragging_ = false;
};

// The FigLet panel at the bottom of the main window: the typing box, the font label, the
// buttons "Import FigLet Font", "Reset Textgrid", "Copy Grid", "FONT INFO" and "Close", and
// the text grid. It draws the Editor's FigLet panel and forwards keys and clicks.
class FigletPanelWidget : public QWidget {
    Q_OBJECT
public:
    // Runs a step on the Editor as the main window runs its commands.
    using Runner = std::function<void(const std::function<void(Editor&)>&)>;

    explicit FigletPanelWidget(Editor& editor, Runner runner = {}, QWidget* parent = nullptr);

    // Brings the widget in line with the model.
    void sync();

    QLineEdit* typingBox() const { return typing_; }
    QLabel* fontLabel() const { return label_; }
    FigletGridView* gridView() const { return grid_; }
    QPushButton* importButton() const { return import_; }
    QPushButton* resetButton() const { return reset_; }
    QPushButton* copyButton() const { return copy_; }
    QPushButton* infoButton() const { return info_; }
    QPushButton* closeButton() const { return close_; }

signals:
    void contextMenuWanted(QPoint globalPos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void run(const std::function<void(Editor&)>& step);

    Editor& editor_;
    Runner run_;
    QLineEdit* typing_;
    QLabel* label_;
    FigletGridView* grid_;
    QPushButton* import_;
    QPushButton* reset_;
    QPushButton* copy_;
    QPushButton* info_;
    QPushButton* close_;
    int shownPen_ = -1;
};

} // namespace glyphora
