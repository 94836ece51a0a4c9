#include "figlet_panel.h"

#include "app/editor.h"
#include "platform/text_codec.h"
#include "textfx/figlet_commands.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace glyphora {

namespace {

const QColor kGridBackground(0xC0, 0xC0, 0xC0); // silver
const QColor kGridLines(0xB2, 0xB2, 0xB2);
const QColor kSelection(0x80, 0x80, 0xC8);
constexpr int kGridFontPixels = 12;
// The grid shows at most this many rows at once; taller fonts scroll.
constexpr int kMostVisibleRows = 12;
constexpr int kTypingBoxWidth = 60;

QFont gridFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPixelSize(kGridFontPixels);
    return font;
}

} // namespace

FigletGridView::FigletGridView(FigletPanel& panel, QWidget* parent)
    : QAbstractScrollArea(parent), panel_(panel) {
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(false);
    setFont(gridFont());
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    gridChanged();
}

QSize FigletGridView::sizeHint() const {
    const int rows = std::min(panel_.grid().rowCount(), kMostVisibleRows);
    return {kCellWidth * panel_.grid().colCount(),
            rows * kCellHeight + horizontalScrollBar()->sizeHint().height() + 2 * frameWidth()};
}

void FigletGridView::gridChanged() {
    const FigletGrid& grid = panel_.grid();
    horizontalScrollBar()->setRange(
        0, std::max(0, grid.colCount() * kCellWidth - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setSingleStep(kCellWidth);
    verticalScrollBar()->setRange(
        0, std::max(0, grid.rowCount() * kCellHeight - viewport()->height()));
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setSingleStep(kCellHeight);
    setFixedHeight(sizeHint().height());
    viewport()->update();
}

void FigletGridView::showColumn(int col) {
    const int left = col * kCellWidth;
    QScrollBar* bar = horizontalScrollBar();
    if (left < bar->value())
        bar->setValue(left);
    else if (left + kCellWidth > bar->value() + viewport()->width())
        bar->setValue(left + kCellWidth - viewport()->width());
}

void FigletGridView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    gridChanged();
}

QPoint FigletGridView::cellAt(QPoint pos) const {
    const FigletGrid& grid = panel_.grid();
    const int col = (pos.x() + horizontalScrollBar()->value()) / kCellWidth;
    const int row = (pos.y() + verticalScrollBar()->value()) / kCellHeight;
    return {std::clamp(col, 0, std::max(grid.colCount() - 1, 0)),
            std::clamp(row, 0, std::max(grid.rowCount() - 1, 0))};
}

void FigletGridView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().window());
    const FigletGrid& grid = panel_.grid();
    const int dx = horizontalScrollBar()->value();
    const int dy = verticalScrollBar()->value();
    const int firstCol = dx / kCellWidth;
    const int lastCol = std::min(grid.colCount() - 1, (dx + viewport()->width()) / kCellWidth);
    const int firstRow = dy / kCellHeight;
    const int lastRow = std::min(grid.rowCount() - 1, (dy + viewport()->height()) / kCellHeight);
    const CellRect& s = panel_.selection();
    const CellRect sel{std::min(s.left, s.right), std::min(s.top, s.bottom),
                       std::max(s.left, s.right), std::max(s.top, s.bottom)};
    const bool showSelection = sel.left != sel.right || sel.top != sel.bottom;
    painter.setFont(font());
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int col = firstCol; col <= lastCol; ++col) {
            const QRect cell(col * kCellWidth - dx, row * kCellHeight - dy, kCellWidth,
                             kCellHeight);
            const bool selected = showSelection && col >= sel.left && col <= sel.right &&
                                  row >= sel.top && row <= sel.bottom;
            painter.fillRect(cell, selected ? kSelection : kGridBackground);
            painter.setPen(kGridLines);
            painter.drawLine(cell.topRight(), cell.bottomRight());
            painter.drawLine(cell.bottomLeft(), cell.bottomRight());
            const char ch = grid.at(col, row);
            if (ch == FigletGrid::kEmpty || ch == ' ')
                continue;
            const char32_t code = cp1252ToUnicode(static_cast<unsigned char>(ch));
            painter.setPen(selected ? Qt::white : Qt::black);
            painter.drawText(cell, Qt::AlignCenter, QString::fromUcs4(&code, 1));
        }
    }
}

void FigletGridView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        emit contextMenuWanted(event->globalPosition().toPoint());
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    anchor_ = cellAt(event->position().toPoint());
    dragging_ = true;
    panel_.setSelection({anchor_.x(), anchor_.y(), anchor_.x(), anchor_.y()});
    viewport()->update();
}

void FigletGridView::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_ || !(event->buttons() & Qt::LeftButton)) {
        dragging_ = false;
        return;
    }
    const QPoint cell = cellAt(event->position().toPoint());
    panel_.setSelection({anchor_.x(), anchor_.y(), cell.x(), cell.y()});
    viewport()->update();
}

FigletPanelWidget::FigletPanelWidget(Editor& editor, Runner runner, QWidget* parent)
    : QWidget(parent), editor_(editor), run_(std::move(runner)) {
    FigletPanel& panel = editor_.figletPanel;
    typing_ = new QLineEdit(this);
    typing_->setFixedWidth(kTypingBoxWidth);
    typing_->installEventFilter(this);
    label_ = new QLabel(this);
    label_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label_->setMinimumWidth(
        label_->fontMetrics().horizontalAdvance(QString::fromLatin1(FigletPanel::kNoFont)) + 8);
    import_ = new QPushButton(QStringLiteral("Import FigLet Font"), this);
    reset_ = new QPushButton(QStringLiteral("Reset Textgrid"), this);
    copy_ = new QPushButton(QStringLiteral("Copy Grid"), this);
    info_ = new QPushButton(QStringLiteral("FONT INFO"), this);
    close_ = new QPushButton(QStringLiteral("Close"), this);
    grid_ = new FigletGridView(panel, this);

    auto* bar = new QHBoxLayout;
    bar->addWidget(typing_);
    bar->addWidget(label_);
    bar->addStretch();
    for (QPushButton* button : {import_, reset_, copy_, info_, close_})
        bar->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addLayout(bar);
    layout->addWidget(grid_);

    // Both reset the grid, which hands the keyboard to the typing box.
    connect(import_, &QPushButton::clicked, this, [this] {
        run(LoadFigletFont);
        typing_->setFocus();
    });
    connect(reset_, &QPushButton::clicked, this, [this] {
        run(ResetFigletGrid);
        typing_->setFocus();
    });
    connect(copy_, &QPushButton::clicked, this, [this] { run(CopyFigletGrid); });
    connect(info_, &QPushButton::clicked, this, [this] { run(ShowFigletFontInfo); });
    connect(close_, &QPushButton::clicked, this, [this] { run(CloseFigletPanel); });
    connect(grid_, &FigletGridView::contextMenuWanted, this, &FigletPanelWidget::contextMenuWanted);
    setVisible(false);
}

void FigletPanelWidget::run(const std::function<void(Editor&)>& step) {
    if (run_)
        run_(step);
    else
        step(editor_);
    sync();
}

bool FigletPanelWidget::eventFilter(QObject* watched, QEvent* event) {
    if (watched == typing_ && event->type() == QEvent::MouseButtonPress) {
        editor_.figletPanel.clearTyping();
        sync();
    }
    if (watched == typing_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const std::string bytes = utf8ToCp1252(key->text().toStdString());
        const bool command = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
        if (!bytes.empty() && !command && static_cast<unsigned char>(bytes[0]) >= ' ') {
            const int code = static_cast<unsigned char>(bytes[0]);
            run([code](Editor& editor) { TypeFigletChar(editor, code); });
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FigletPanelWidget::sync() {
    const FigletPanel& panel = editor_.figletPanel;
    const QString label = QString::fromStdString(cp1252ToUtf8(panel.fontLabel()));
    if (label_->text() != label)
        label_->setText(label);
    const QString typing = QString::fromStdString(cp1252ToUtf8(panel.typing()));
    if (typing_->text() != typing)
        typing_->setText(typing);
    grid_->gridChanged();
    if (panel.pen() != shownPen_) {
        grid_->showColumn(panel.pen());
        shownPen_ = panel.pen();
    }
    const bool wasVisible = isVisible();
    setVisible(panel.visible());
    if (panel.visible() && !wasVisible)
        typing_->setFocus();
}

} // namespace glyphora
