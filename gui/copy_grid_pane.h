#pragma once

#include "canvas_renderer.h"

#include <QAbstractScrollArea>
#include <QWidget>

class QLabel;

namespace glyphora {

class Editor;

// The copy grid's cells, drawn like the canvas in the grid's own font and cell size. Scroll
// bars count cells; only the cells in view are drawn. A drag selects a rectangle, which the
// model records on every move; the right button asks for the pop-up menu.
class CopyGridView : public QAbstractScrollArea {
    Q_OBJECT
public:
    CopyGridView(Editor& editor, QWidget* parent);

    // The grid's size or cells changed: scroll ranges and a repaint.
    void gridChanged();
    // The cell under a viewport position, clamped into the grid.
    QPoint cellAt(QPoint viewportPos) const;

signals:
    void contextMenuWanted(QPoint globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    Editor& editor_;
    CanvasRenderer renderer_;
    QImage frame_;
    QPoint anchor_;
};

// The pane at the left of the canvas: the hint above the copy grid until the first right
// click, then the grid alone. Its width is the copy grid width of the settings.
class CopyGridPane : public QWidget {
    Q_OBJECT
public:
    explicit CopyGridPane(Editor& editor, QWidget* parent = nullptr);

    // Brings the pane in line with the model.
    void sync();

    CopyGridView* view() const { return view_; }
    QLabel* hint() const { return hint_; }

signals:
    void contextMenuWanted(QPoint globalPos);

private:
    Editor& editor_;
    QLabel* hint_;
    CopyGridView* view_;
};

} // namespace glyphora
