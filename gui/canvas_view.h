#pragma once

#include "canvas_renderer.h"
#include "platform/cell_rect.h"

#include <QAbstractScrollArea>
#include <QPoint>

namespace glyphora {

class Editor;

// The canvas grid on screen. Scroll bars count cells, so their values are the first
// visible column and row; only the cells in view are painted. Keys and mouse go to the
// Editor's input handlers; a running paste preview is drawn over the cells.
class CanvasView : public QAbstractScrollArea {
    Q_OBJECT
public:
    CanvasView(Editor& editor, QWidget* parent = nullptr);

    // Picks up size, font and cell metrics after the canvas changed, and repaints.
    void canvasChanged();
    void scrollToCell(int col, int row);
    // Scrolls as little as needed to show the cell.
    void ensureVisible(int col, int row);
    // The cell under a viewport position, clamped into the canvas.
    QPoint cellAt(QPoint viewportPos) const;
    // The cell position under a viewport position, which may lie beyond the canvas.
    QPoint cellUnder(QPoint viewportPos) const;
    // The viewport position of a cell's top-left corner.
    QPoint cellOrigin(int col, int row) const;
    // Scrolls so that the cell lies under the viewport position again, as far as the
    // scroll range allows: after a zoom the cell the user pointed at stays put.
    void keepCellAt(QPoint cell, QPoint viewportPos);
    // Renders the block as the view draws it, as the paste preview's image.
    void capturePreview(const CellRect& block);
    const QImage& previewImage() const { return previewImage_; }

signals:
    // The Editor's state changed through input on the view.
    void edited();
    void contextMenuWanted(QPoint globalPos);
    // Ctrl+wheel: one font size step up (steps > 0) or down per wheel notch, keeping the
    // cell under the viewport position in place.
    void zoomWanted(int steps, QPoint viewportPos);

protected:
    // The picture overlay multiplied over the rendered frame; a temporary one ends with the
    // next scroll, key or click.
    void drawOverlay();
    void endTemporaryOverlay();
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void updateScrollBars();
    void reportViewGeometry();

    Editor& editor_;
    CanvasRenderer renderer_;
    QImage frame_; // the visible cells, rendered before going to the screen
    QImage previewImage_;
    QPoint lastMoveCell_{-1, -1};
    int zoomWheelRest_ = 0; // wheel angle short of a whole notch, from fine-grained wheels
};

} // namespace glyphora
