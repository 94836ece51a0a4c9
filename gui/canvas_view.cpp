#include "canvas_view.h"

#include "app/editor.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace glyphora {

CanvasView::CanvasView(Editor& editor, QWidget* parent)
    : QAbstractScrollArea(parent), editor_(editor) {
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setMouseTracking(false);
    setFocusPolicy(Qt::StrongFocus);
    canvasChanged();
}

void CanvasView::canvasChanged() {
    updateScrollBars();
    viewport()->update();
}

void CanvasView::updateScrollBars() {
    const CharCanvas& canvas = editor_.canvas();
    const int colPitch = std::max(CanvasRenderer::columnPitch(canvas.metrics), 1);
    const int rowPitch = std::max(CanvasRenderer::rowPitch(canvas.metrics), 1);
    const int fullCols = std::max(viewport()->width() / colPitch, 1);
    const int fullRows = std::max(viewport()->height() / rowPitch, 1);
    horizontalScrollBar()->setRange(0, std::max(canvas.colCount() - fullCols, 0));
    horizontalScrollBar()->setPageStep(fullCols);
    verticalScrollBar()->setRange(0, std::max(canvas.rowCount() - fullRows, 0));
    verticalScrollBar()->setPageStep(fullRows);
    editor_.firstVisibleCol = horizontalScrollBar()->value();
    editor_.firstVisibleRow = verticalScrollBar()->value();
}

void CanvasView::scrollToCell(int col, int row) {
    horizontalScrollBar()->setValue(col);
    verticalScrollBar()->setValue(row);
    editor_.firstVisibleCol = horizontalScrollBar()->value();
    editor_.firstVisibleRow = verticalScrollBar()->value();
}

QPoint CanvasView::cellAt(QPoint pos) const {
    const CharCanvas& canvas = editor_.canvas();
    const int colPitch = std::max(CanvasRenderer::columnPitch(canvas.metrics), 1);
    const int rowPitch = std::max(CanvasRenderer::rowPitch(canvas.metrics), 1);
    const int col = horizontalScrollBar()->value() + std::max(pos.x(), 0) / colPitch;
    const int row = verticalScrollBar()->value() + std::max(pos.y(), 0) / rowPitch;
    return {std::clamp(col, 0, canvas.colCount() - 1), std::clamp(row, 0, canvas.rowCount() - 1)};
}

void CanvasView::paintEvent(QPaintEvent*) {
    if (frame_.size() != viewport()->size())
        frame_ = QImage(viewport()->size(), QImage::Format_RGB32);
    const CellRect& selection = editor_.gridSelection();
    renderer_.render(frame_, editor_.canvas(), horizontalScrollBar()->value(),
                     verticalScrollBar()->value(), &selection);
    QPainter painter(viewport());
    painter.drawImage(0, 0, frame_);
}

void CanvasView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void CanvasView::scrollContentsBy(int, int) {
    editor_.firstVisibleCol = horizontalScrollBar()->value();
    editor_.firstVisibleRow = verticalScrollBar()->value();
    viewport()->update();
}

void CanvasView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    anchor_ = cellAt(event->position().toPoint());
    editor_.setGridSelection({anchor_.x(), anchor_.y(), anchor_.x(), anchor_.y()});
    viewport()->update();
    emit selectionChanged();
}

void CanvasView::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const QPoint cell = cellAt(event->position().toPoint());
    editor_.setGridSelection({anchor_.x(), anchor_.y(), cell.x(), cell.y()});
    viewport()->update();
    emit selectionChanged();
}

} // namespace glyphora
