#include "canvas_view.h"

#include "app/editor.h"
#include "edit/input_commands.h"
#include "platform/text_codec.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <optional>

namespace glyphora {

namespace {

Modifiers modifiersOf(Qt::KeyboardModifiers m) {
    return {m.testFlag(Qt::ShiftModifier), m.testFlag(Qt::ControlModifier),
            m.testFlag(Qt::AltModifier)};
}

std::optional<GridMove> gridMoveOf(int key, bool ctrl) {
    switch (key) {
    case Qt::Key_PageUp:
        return GridMove::PageUp;
    case Qt::Key_PageDown:
        return GridMove::PageDown;
    case Qt::Key_Home:
        return ctrl ? GridMove::CanvasStart : GridMove::RowStart;
    case Qt::Key_End:
        return ctrl ? GridMove::CanvasEnd : GridMove::RowEnd;
    default:
        return std::nullopt;
    }
}

MouseButton buttonOf(Qt::MouseButton b) {
    switch (b) {
    case Qt::RightButton:
        return MouseButton::Right;
    case Qt::MiddleButton:
        return MouseButton::Middle;
    default:
        return MouseButton::Left;
    }
}

// A wheel notch, in the eighths of a degree that wheel events count.
constexpr int kWheelNotch = 120;

} // namespace

CanvasView::CanvasView(Editor& editor, QWidget* parent)
    : QAbstractScrollArea(parent), editor_(editor) {
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    // Every move over the canvas updates the selection fields and a running preview.
    viewport()->setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    canvasChanged();
}

void CanvasView::canvasChanged() {
    updateScrollBars();
    viewport()->setCursor(editor_.preview.PreviewActive ? Qt::DragMoveCursor : Qt::ArrowCursor);
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
    reportViewGeometry();
}

void CanvasView::reportViewGeometry() {
    const CellMetrics& m = editor_.canvas().metrics;
    editor_.firstVisibleCol = horizontalScrollBar()->value();
    editor_.firstVisibleRow = verticalScrollBar()->value();
    editor_.visibleCols =
        std::max(viewport()->width() / std::max(CanvasRenderer::columnPitch(m), 1), 1);
    editor_.visibleRows =
        std::max(viewport()->height() / std::max(CanvasRenderer::rowPitch(m), 1), 1);
}

void CanvasView::scrollToCell(int col, int row) {
    horizontalScrollBar()->setValue(col);
    verticalScrollBar()->setValue(row);
    reportViewGeometry();
}

void CanvasView::ensureVisible(int col, int row) {
    const int first = horizontalScrollBar()->value();
    const int top = verticalScrollBar()->value();
    if (col < first)
        horizontalScrollBar()->setValue(col);
    else if (col >= first + editor_.visibleCols)
        horizontalScrollBar()->setValue(col - editor_.visibleCols + 1);
    if (row < top)
        verticalScrollBar()->setValue(row);
    else if (row >= top + editor_.visibleRows)
        verticalScrollBar()->setValue(row - editor_.visibleRows + 1);
    reportViewGeometry();
}

QPoint CanvasView::cellUnder(QPoint pos) const {
    const CharCanvas& canvas = editor_.canvas();
    const int colPitch = std::max(CanvasRenderer::columnPitch(canvas.metrics), 1);
    const int rowPitch = std::max(CanvasRenderer::rowPitch(canvas.metrics), 1);
    const auto cellOf = [](int px, int pitch) { return px >= 0 ? px / pitch : -1; };
    return {horizontalScrollBar()->value() + cellOf(pos.x(), colPitch),
            verticalScrollBar()->value() + cellOf(pos.y(), rowPitch)};
}

QPoint CanvasView::cellAt(QPoint pos) const {
    const CharCanvas& canvas = editor_.canvas();
    const QPoint cell = cellUnder(pos);
    return {std::clamp(cell.x(), 0, canvas.colCount() - 1),
            std::clamp(cell.y(), 0, canvas.rowCount() - 1)};
}

QPoint CanvasView::cellOrigin(int col, int row) const {
    const CellMetrics& m = editor_.canvas().metrics;
    return {(col - horizontalScrollBar()->value()) * CanvasRenderer::columnPitch(m),
            (row - verticalScrollBar()->value()) * CanvasRenderer::rowPitch(m)};
}

void CanvasView::keepCellAt(QPoint cell, QPoint pos) {
    const CellMetrics& m = editor_.canvas().metrics;
    horizontalScrollBar()->setValue(cell.x() -
                                    pos.x() / std::max(CanvasRenderer::columnPitch(m), 1));
    verticalScrollBar()->setValue(cell.y() - pos.y() / std::max(CanvasRenderer::rowPitch(m), 1));
    reportViewGeometry();
}

void CanvasView::capturePreview(const CellRect& block) {
    const CellMetrics& m = editor_.canvas().metrics;
    previewImage_ = QImage(block.width() * CanvasRenderer::columnPitch(m),
                           block.height() * CanvasRenderer::rowPitch(m), QImage::Format_RGB32);
    renderer_.render(previewImage_, editor_.canvas(), block.left, block.top, nullptr,
                     editor_.glyphSet());
}

void CanvasView::paintEvent(QPaintEvent*) {
    if (frame_.size() != viewport()->size())
        frame_ = QImage(viewport()->size(), QImage::Format_RGB32);
    const PastePreview& preview = editor_.preview;
    const CellRect& selection = editor_.gridSelection();
    renderer_.render(frame_, editor_.canvas(), horizontalScrollBar()->value(),
                     verticalScrollBar()->value(), preview.PreviewActive ? nullptr : &selection,
                     editor_.glyphSet());
    drawOverlay();
    QPainter painter(viewport());
    painter.drawImage(0, 0, frame_);
    if (preview.PreviewActive && !previewImage_.isNull()) {
        const QPoint at = cellOrigin(preview.col, preview.row);
        painter.drawImage(at, previewImage_);
        painter.setPen(QPen(QColor(0x20, 0x50, 0xB0), 1, Qt::DashLine));
        painter.drawRect(QRect(at, previewImage_.size()).adjusted(0, 0, -1, -1));
    }
}

void CanvasView::drawOverlay() {
    const PictureOverlay& overlay = editor_.overlay;
    if (!overlay.shown())
        return;
    // The picture stretched over all cells of the canvas at the present scroll position.
    const CellMetrics& m = editor_.canvas().metrics;
    const int w = CanvasRenderer::columnPitch(m);
    const int h = CanvasRenderer::rowPitch(m);
    const int left = -w * horizontalScrollBar()->value();
    const int top = -h * verticalScrollBar()->value();
    const long long width = static_cast<long long>(w) * editor_.canvas().colCount();
    const long long height = static_cast<long long>(h) * editor_.canvas().rowCount();
    const Bitmap& picture = overlay.picture;
    for (int y = 0; y < frame_.height(); ++y) {
        const long long py = (y - top) * picture.height() / height;
        if (py < 0 || py >= picture.height())
            continue;
        const std::uint8_t* source = picture.scanLine(static_cast<int>(py));
        auto* line = reinterpret_cast<QRgb*>(frame_.scanLine(y));
        for (int x = 0; x < frame_.width(); ++x) {
            const long long px = (x - left) * picture.width() / width;
            if (px < 0 || px >= picture.width())
                continue;
            const std::uint8_t* p = source + 3 * px;
            const QRgb v = line[x];
            line[x] = qRgb(overlaid(static_cast<std::uint8_t>(qRed(v)), p[0]),
                           overlaid(static_cast<std::uint8_t>(qGreen(v)), p[1]),
                           overlaid(static_cast<std::uint8_t>(qBlue(v)), p[2]));
        }
    }
}

void CanvasView::endTemporaryOverlay() {
    if (editor_.overlay.mode == PictureOverlay::Mode::Temporary)
        editor_.overlay.clear();
}

void CanvasView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void CanvasView::scrollContentsBy(int, int) {
    endTemporaryOverlay();
    reportViewGeometry();
    viewport()->update();
}

void CanvasView::mousePressEvent(QMouseEvent* event) {
    endTemporaryOverlay();
    const QPoint cell = cellAt(event->position().toPoint());
    const bool previewWasActive = editor_.preview.PreviewActive;
    canvasMousePress(editor_, {cell.x(), cell.y()}, buttonOf(event->button()),
                     modifiersOf(event->modifiers()));
    emit edited();
    // A right click that ended a preview opens no pop-up menu.
    if (event->button() == Qt::RightButton && !previewWasActive)
        emit contextMenuWanted(event->globalPosition().toPoint());
}

void CanvasView::mouseMoveEvent(QMouseEvent* event) {
    // Beyond the last cell the pointer paints nothing; drags and the preview are clamped.
    const QPoint cell = cellUnder(event->position().toPoint());
    const bool leftHeld = event->buttons().testFlag(Qt::LeftButton);
    if (cell == lastMoveCell_ && !leftHeld)
        return;
    lastMoveCell_ = cell;
    canvasMouseMove(editor_, {cell.x(), cell.y()}, leftHeld, modifiersOf(event->modifiers()));
    if (leftHeld) {
        const QPoint inside = cellAt(event->position().toPoint());
        ensureVisible(inside.x(), inside.y());
    }
    emit edited();
}

void CanvasView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        canvasMouseRelease(editor_);
        emit edited();
    }
}

void CanvasView::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click, then the double click itself.
    mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        canvasDoubleClick(editor_);
        emit edited();
    }
}

void CanvasView::keyPressEvent(QKeyEvent* event) {
    endTemporaryOverlay();
    const bool shift = event->modifiers().testFlag(Qt::ShiftModifier);
    int dCol = 0;
    int dRow = 0;
    switch (event->key()) {
    case Qt::Key_Left:
        dCol = -1;
        break;
    case Qt::Key_Right:
        dCol = 1;
        break;
    case Qt::Key_Up:
        dRow = -1;
        break;
    case Qt::Key_Down:
        dRow = 1;
        break;
    default:
        break;
    }
    const auto move = gridMoveOf(event->key(), event->modifiers().testFlag(Qt::ControlModifier));
    if (move) {
        canvasMoveKey(editor_, *move, shift);
    } else if (dCol != 0 || dRow != 0) {
        canvasArrowKey(editor_, dCol, dRow, shift);
    } else {
        canvasKeyDown(editor_);
        const std::u32string typed = event->text().toStdU32String();
        for (const char32_t ch : typed) {
            // Characters the view's byte set cannot hold are not typed.
            if (const auto byte = unicodeToByte(ch, editor_.glyphSet()))
                canvasTypeCharacter(editor_, *byte);
        }
    }
    ensureVisible(editor_.gridCurrent().col, editor_.gridCurrent().row);
    emit edited();
    event->accept();
}

void CanvasView::wheelEvent(QWheelEvent* event) {
    if (!event->modifiers().testFlag(Qt::ControlModifier)) {
        zoomWheelRest_ = 0;
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    event->accept();
    zoomWheelRest_ += event->angleDelta().y();
    const int steps = zoomWheelRest_ / kWheelNotch;
    zoomWheelRest_ -= steps * kWheelNotch;
    if (steps != 0)
        emit zoomWanted(steps, event->position().toPoint());
}

} // namespace glyphora
