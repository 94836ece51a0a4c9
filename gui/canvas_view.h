#pragma once

#include "canvas_renderer.h"

#include <QAbstractScrollArea>
#include <QPoint>

namespace glyphora {

class Editor;

// The canvas grid on screen. Scroll bars count cells, so their values are the first
// visible column and row; only the cells in view are painted.
class CanvasView : public QAbstractScrollArea {
    Q_OBJECT
public:
    CanvasView(Editor& editor, QWidget* parent = nullptr);

    // Picks up size, font and cell metrics after the canvas changed, and repaints.
    void canvasChanged();
    void scrollToCell(int col, int row);
    // The cell under a viewport position, clamped into the canvas.
    QPoint cellAt(QPoint viewportPos) const;

signals:
    // The user changed the selection with the mouse.
    void selectionChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void updateScrollBars();

    Editor& editor_;
    CanvasRenderer renderer_;
    QImage frame_; // the visible cells, rendered before going to the screen
    QPoint anchor_;
};

} // namespace glyphora
