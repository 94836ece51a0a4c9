#include "copy_grid_pane.h"

#include "app/editor.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QVBoxLayout>

namespace glyphora {

namespace {

constexpr const char* kHint = "Press the right mouse button.";

} // namespace

CopyGridView::CopyGridView(Editor& editor, QWidget* parent)
    : QAbstractScrollArea(parent), editor_(editor) {
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    gridChanged();
}

void CopyGridView::gridChanged() {
    const CharCanvas& cells = editor_.copyGrid.cells();
    const int fullCols =
        std::max(viewport()->width() / CanvasRenderer::columnPitch(cells.metrics), 1);
    const int fullRows =
        std::max(viewport()->height() / CanvasRenderer::rowPitch(cells.metrics), 1);
    horizontalScrollBar()->setRange(0, std::max(cells.colCount() - fullCols, 0));
    horizontalScrollBar()->setPageStep(fullCols);
    verticalScrollBar()->setRange(0, std::max(cells.rowCount() - fullRows, 0));
    verticalScrollBar()->setPageStep(fullRows);
    viewport()->update();
}

QPoint CopyGridView::cellAt(QPoint pos) const {
    const CharCanvas& cells = editor_.copyGrid.cells();
    const int col = horizontalScrollBar()->value() +
                    std::max(pos.x(), 0) / CanvasRenderer::columnPitch(cells.metrics);
    const int row = verticalScrollBar()->value() +
                    std::max(pos.y(), 0) / CanvasRenderer::rowPitch(cells.metrics);
    return {std::min(col, cells.colCount() - 1), std::min(row, cells.rowCount() - 1)};
}

void CopyGridView::paintEvent(QPaintEvent*) {
    if (frame_.size() != viewport()->size())
        frame_ = QImage(viewport()->size(), QImage::Format_RGB32);
    const CellRect& selection = editor_.copyGrid.selection();
    renderer_.render(frame_, editor_.copyGrid.cells(), horizontalScrollBar()->value(),
                     verticalScrollBar()->value(), &selection, editor_.glyphSet());
    QPainter(viewport()).drawImage(0, 0, frame_);
}

void CopyGridView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    gridChanged();
}

void CopyGridView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        editor_.copyGrid.rightClicked();
        emit contextMenuWanted(event->globalPosition().toPoint());
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    anchor_ = cellAt(event->position().toPoint());
    editor_.copyGrid.setSelection({anchor_.x(), anchor_.y(), anchor_.x(), anchor_.y()});
    viewport()->update();
}

void CopyGridView::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const QPoint cell = cellAt(event->position().toPoint());
    editor_.copyGrid.setSelection({anchor_.x(), anchor_.y(), cell.x(), cell.y()});
    viewport()->update();
}

CopyGridPane::CopyGridPane(Editor& editor, QWidget* parent) : QWidget(parent), editor_(editor) {
    hint_ = new QLabel(QString::fromLatin1(kHint), this);
    hint_->setAlignment(Qt::AlignCenter);
    hint_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    hint_->setAutoFillBackground(true);
    QPalette palette = hint_->palette();
    palette.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xE1)); // a tooltip's yellow
    hint_->setPalette(palette);
    view_ = new CopyGridView(editor_, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(hint_);
    layout->addWidget(view_, 1);
    connect(view_, &CopyGridView::contextMenuWanted, this, [this](QPoint at) {
        sync();
        emit contextMenuWanted(at);
    });
    setVisible(false);
}

void CopyGridPane::sync() {
    const CopyGrid& grid = editor_.copyGrid;
    setFixedWidth(editor_.settings().CopyGridWidth);
    hint_->setVisible(grid.hintShown());
    view_->gridChanged();
    setVisible(grid.visible());
}

} // namespace glyphora
