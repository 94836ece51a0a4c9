#include "main_window.h"

#include "app/editor.h"
#include "app/window_commands.h"
#include "canvas_renderer.h"
#include "canvas_view.h"
#include "code_table_window.h"
#include "color/color_bar.h"
#include "color_bar.h"
#include "color_window.h"
#include "config/startup_commands.h"
#include "copy_grid_pane.h"
#include "edit/clipboard_commands.h"
#include "edit/input_commands.h"
#include "figlet_panel.h"
#include "formats/open_save_commands.h"
#include "knowledge_base_panel.h"
#include "paint_bar_icons.h"
#include "pattern_panel.h"
#include "platform/text_codec.h"
#include "progress_widget.h"
#include "selection_navigator.h"
#include "taskbar.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <cstdlib>
#include <map>

namespace glyphora {

namespace {

const QColor kTextViewBackground(0xC0, 0xC0, 0xC0); // silver
constexpr int kCharBoxWidth = 22;
constexpr int kStatusFontPixels = 11;
constexpr int kStatusFieldMargin = 2;
constexpr std::string_view kZoomInCommand = "IncreaseFontSize";
constexpr std::string_view kZoomOutCommand = "DecreaseFontSize";

QString fromBytes(std::string_view bytes) {
    return QString::fromStdString(cp1252ToUtf8(bytes));
}

// A status field that gives way: in a narrow window it shrinks and ends its text in "..."
// rather than pushing into its neighbours. text() stays the whole text.
class ElidingLabel : public QLabel {
public:
    using QLabel::QLabel;

    QSize minimumSizeHint() const override {
        const QMargins chrome = contentsMargins();
        return {chrome.left() + chrome.right() + 2 * frameWidth() +
                    fontMetrics().horizontalAdvance(QChar(0x2026)),
                QLabel::minimumSizeHint().height()};
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QFrame::paintEvent(event);
        QPainter painter(this);
        const QRect area = contentsRect();
        style()->drawItemText(&painter, area, static_cast<int>(alignment()), palette(), isEnabled(),
                              fontMetrics().elidedText(text(), Qt::ElideRight, area.width()),
                              foregroundRole());
    }
};

// The width of a sample text once each of its count characters "used" is the widest
// character of the alphabet instead: the widest text of that form.
int widestWidth(const QFontMetrics& metrics, const QString& sample, QChar used, int count,
                QStringView alphabet) {
    int widest = 0;
    for (const QChar ch : alphabet)
        widest = std::max(widest, metrics.horizontalAdvance(ch));
    return metrics.horizontalAdvance(sample) + count * (widest - metrics.horizontalAdvance(used));
}

QList<QKeySequence> shortcutsOf(const CommandRow& row) {
    QList<QKeySequence> keys;
    for (const std::string_view key : row.shortcuts)
        keys << QKeySequence::fromString(
            QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size())));
    return keys;
}

} // namespace

MainWindow::MainWindow(Editor& editor, QtUi& ui, const CommandTable& commands,
                       std::vector<std::string> args)
    : editor_(editor), ui_(ui), commands_(commands), args_(std::move(args)) {
    resize(kInitialWidth, kInitialHeight);
    setAcceptDrops(true);

    stack_ = new QStackedWidget(this);
    canvasView_ = new CanvasView(editor_, stack_);
    textEdit_ = new QPlainTextEdit(stack_);
    textEdit_->setLineWrapMode(QPlainTextEdit::NoWrap);
    textEdit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    textEdit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette palette = textEdit_->palette();
    palette.setColor(QPalette::Base, kTextViewBackground);
    palette.setColor(QPalette::Text, Qt::black);
    textEdit_->setPalette(palette);
    stack_->addWidget(canvasView_);
    stack_->addWidget(textEdit_);

    // The work area: colour bar on top, then the canvas between the side panels, then the
    // bottom panel. Empty places take no room.
    auto* workArea = new QWidget(this);
    auto* column = new QVBoxLayout(workArea);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* middle = new QHBoxLayout;
    middle->setSpacing(0);
    for (QWidget*& place : panelPlaces_) {
        place = new QWidget(workArea);
        auto* layout = new QVBoxLayout(place);
        layout->setContentsMargins(0, 0, 0, 0);
        place->hide();
    }
    column->addWidget(panelPlaces_[static_cast<size_t>(PanelPlace::ColorBar)]);
    middle->addWidget(panelPlaces_[static_cast<size_t>(PanelPlace::Left)]);
    middle->addWidget(stack_, 1);
    middle->addWidget(panelPlaces_[static_cast<size_t>(PanelPlace::Right)]);
    column->addLayout(middle, 1);
    column->addWidget(panelPlaces_[static_cast<size_t>(PanelPlace::Bottom)]);
    setCentralWidget(workArea);

    progress_ = new ProgressWidget(this);
    connect(canvasView_, &CanvasView::edited, this, &MainWindow::syncCanvas);
    connect(canvasView_, &CanvasView::contextMenuWanted, this,
            [this](QPoint at) { canvasPopup_->popup(at); });
    connect(canvasView_, &CanvasView::zoomWanted, this, &MainWindow::zoomCanvas);

    colorBar_ = new ColorBar(editor_);
    setPanel(PanelPlace::ColorBar, colorBar_);
    connect(colorBar_, &ColorBar::editorChanged, this, &MainWindow::sync);
    patternPanel_ = new PatternPanelWidget(editor_, [this](void (*command)(Editor&)) {
        ui_.beginCommand();
        command(editor_);
        ui_.endCommand();
        sync();
    });
    setPanel(PanelPlace::Right, patternPanel_);
    buildFigletPanel();
    buildToolPanels();
    colorWindow_ = new ColorWindowController(editor_, this);
    connect(colorWindow_, &ColorWindowController::editorChanged, this, &MainWindow::sync);

    buildMenus();
    buildCanvasPopup();
    buildPaintBar();
    buildStatusBar();
    ui_.setHost(this);
    editor_.canvasPictures = &pictureRenderer_;
    sync();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_)
        return;
    shownOnce_ = true;
    // The first showing reads the settings; the document named on the command line opens
    // once the window has painted.
    startEditor(editor_);
    const std::optional<std::string> document = StartupDocument(editor_, args_);
    sync();
    fitCanvasOnScreen();
    if (document) {
        QTimer::singleShot(0, this, [this, path = *document] {
            ui_.beginCommand();
            OpenStartupDocument(editor_, path);
            ui_.endCommand();
            sync();
        });
    }
}

void MainWindow::fitCanvasOnScreen() {
    // Large enough for the whole canvas at its start font size, with the menus, panels and
    // scroll bars around it, as far as the screen allows; never below the classic size.
    const CellMetrics& m = editor_.canvas().metrics;
    const QSize canvasPixels(editor_.canvas().colCount() * CanvasRenderer::columnPitch(m),
                             editor_.canvas().rowCount() * CanvasRenderer::rowPitch(m));
    const QSize around = size() - canvasView_->viewport()->size();
    const QRect screenArea = screen()->availableGeometry();
    const QSize frame = frameGeometry().size() - size();
    const QSize wanted = (canvasPixels + around)
                             .expandedTo(QSize(kInitialWidth, kInitialHeight))
                             .boundedTo(screenArea.size() - frame);
    resize(wanted);
    // Keep the grown window on the screen.
    const QPoint at = pos();
    const QSize outer = wanted + frame;
    const QPoint inside(
        std::max(std::min(at.x(), screenArea.right() + 1 - outer.width()), screenArea.left()),
        std::max(std::min(at.y(), screenArea.bottom() + 1 - outer.height()), screenArea.top()));
    if (inside != at)
        move(inside);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    std::vector<std::string> paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            paths.push_back(url.toLocalFile().toStdString());
    }
    event->acceptProposedAction();
    ui_.beginCommand();
    openDroppedFiles(editor_, paths);
    ui_.endCommand();
    sync();
}

void MainWindow::buildReopenMenu(QMenu* fileMenu, QAction* before) {
    reopenMenu_ = new QMenu(QStringLiteral("&Reopen"), fileMenu);
    fileMenu->insertMenu(before, reopenMenu_);
    connect(reopenMenu_, &QMenu::aboutToShow, this, &MainWindow::fillReopenMenu);
    fillReopenMenu();
}

void MainWindow::fillReopenMenu() {
    reopenMenu_->clear();
    for (const std::string& path : editor_.document().ReopenList) {
        QString caption = QString::fromStdString(path);
        caption.replace('&', QStringLiteral("&&"));
        QAction* entry = reopenMenu_->addAction(caption);
        connect(entry, &QAction::triggered, this, [this, path] {
            ui_.beginCommand();
            reopenDocument(editor_, path);
            ui_.endCommand();
            sync();
        });
    }
    reopenMenu_->setEnabled(!editor_.document().ReopenList.empty());
}

MainWindow::~MainWindow() {
    editor_.canvasPictures = nullptr;
    ui_.setHost(nullptr);
}

void MainWindow::setPanel(PanelPlace place, QWidget* panel) {
    QWidget* holder = panelPlaces_.at(static_cast<size_t>(place));
    holder->layout()->addWidget(panel);
    holder->show();
}

void MainWindow::buildMenus() {
    // Submenus by their path, so rows sharing a path prefix share the menu.
    std::map<std::string, QMenu*, std::less<>> menus;
    for (const std::string_view top : CommandTable::topLevelMenus()) {
        bool used = false;
        for (const CommandRow& row : commands_.rows())
            used |= row.inMenu() && !row.hidden && splitMenuPath(row.menuPath).front() == top;
        if (!used)
            continue;
        QMenu* menu = menuBar()->addMenu(fromBytes(top));
        menus[std::string(top)] = menu;
        // Opening a menu title ends a paste preview.
        connect(menu, &QMenu::aboutToShow, this, &MainWindow::endPastePreview);
    }
    // The "&Reopen" submenu of recent files follows "&Open".
    bool previousWasOpen = false;
    for (const CommandRow& row : commands_.rows()) {
        if (!row.inMenu())
            continue;
        const std::vector<std::string_view> path = splitMenuPath(row.menuPath);
        auto* action = new QAction(fromBytes(path.back()), this);
        action->setCheckable(row.isCheckable());
        action->setShortcuts(shortcutsOf(row));
        if (row.id == kZoomInCommand || row.id == kZoomOutCommand) {
            // Zoom keys keep the cell at the middle of the view in place.
            const int step = row.id == kZoomInCommand ? 1 : -1;
            connect(action, &QAction::triggered, this,
                    [this, step] { zoomCanvas(step, canvasView_->viewport()->rect().center()); });
        } else {
            connect(action, &QAction::triggered, this, [this, &row] { runCommand(row); });
        }
        actions_.emplace_back(action, &row);
        if (row.hidden) {
            // Reachable by its shortcut, not shown.
            addAction(action);
            continue;
        }
        std::string key(path.front());
        QMenu* menu = menus.at(key);
        for (std::size_t i = 1; i + 1 < path.size(); ++i) {
            key += " > " + std::string(path[i]);
            QMenu*& sub = menus[key];
            if (!sub)
                sub = menu->addMenu(fromBytes(path[i]));
            menu = sub;
        }
        menu->addAction(action);
        if (previousWasOpen)
            buildReopenMenu(menu, action);
        previousWasOpen = row.id == "OpenCommand";
    }
    for (const auto& [key, menu] : menus)
        connect(menu, &QMenu::aboutToShow, this, &MainWindow::updateActions);
}

QMenu* MainWindow::buildPopup(std::span<const PopupRow> items) {
    auto* popup = new QMenu(this);
    for (const PopupRow& item : items) {
        const CommandRow* row = commands_.findById(item.commandId);
        if (!row)
            continue;
        QAction* action = popup->addAction(fromBytes(item.caption));
        connect(action, &QAction::triggered, this, [this, row] { runCommand(*row); });
    }
    return popup;
}

void MainWindow::buildCanvasPopup() {
    canvasPopup_ = buildPopup(commands_.canvasPopup());
}

void MainWindow::buildToolPanels() {
    const auto runner = [this](const std::function<void(Editor&)>& step) {
        ui_.beginCommand();
        step(editor_);
        ui_.endCommand();
        sync();
    };
    copyGridPane_ = new CopyGridPane(editor_);
    setPanel(PanelPlace::Left, copyGridPane_);
    copyGridPopup_ = buildPopup(commands_.copyGridPopup());
    connect(copyGridPane_, &CopyGridPane::contextMenuWanted, this,
            [this](QPoint at) { copyGridPopup_->popup(at); });
    knowledgeBase_ = new KnowledgeBasePanel(editor_, runner);
    setPanel(PanelPlace::Right, knowledgeBase_);
    codeTable_ = new CodeTableWindow(editor_, runner, this);
}

void MainWindow::buildFigletPanel() {
    figletPanel_ = new FigletPanelWidget(editor_, [this](const std::function<void(Editor&)>& step) {
        ui_.beginCommand();
        step(editor_);
        ui_.endCommand();
        sync();
    });
    setPanel(PanelPlace::Bottom, figletPanel_);
    figletPopup_ = buildPopup(commands_.figletPopup());
    connect(figletPanel_, &FigletPanelWidget::contextMenuWanted, this,
            [this](QPoint at) { figletPopup_->popup(at); });
}

void MainWindow::buildPaintBar() {
    paintBar_ = new QToolBar(QStringLiteral("Paintbar"), this);
    paintBar_->setObjectName(QStringLiteral("paintBar"));
    paintBar_->setMovable(false);
    paintBar_->setIconSize(QSize(16, 16));
    paintBar_->installEventFilter(this);
    bool lastWasDivider = true;
    for (const PaintBarItem& item : commands_.paintBar()) {
        switch (item.kind) {
        case PaintBarItem::Kind::Button: {
            const CommandRow* row = commands_.findById(item.id);
            if (!row)
                break;
            QAction* action = paintBar_->addAction(paintBarIcon(item.id), fromBytes(item.hint));
            action->setToolTip(fromBytes(item.hint));
            connect(action, &QAction::triggered, this, [this, row] { runCommand(*row); });
            lastWasDivider = false;
            break;
        }
        case PaintBarItem::Kind::CharBox: {
            auto* box = new QLineEdit(paintBar_);
            box->setFixedWidth(kCharBoxWidth);
            box->setAlignment(Qt::AlignCenter);
            box->setToolTip(fromBytes(item.id));
            box->installEventFilter(this);
            const auto field = item.field;
            connect(box, &QLineEdit::textEdited, this, [this, field](const QString& text) {
                editor_.settings().*field = utf8ToBytes(text.toStdString(), editor_.glyphSet());
            });
            paintBar_->addWidget(box);
            charBoxes_.emplace_back(box, field);
            lastWasDivider = false;
            break;
        }
        case PaintBarItem::Kind::Divider:
            if (!lastWasDivider)
                paintBar_->addSeparator();
            lastWasDivider = true;
            break;
        }
    }
    addToolBar(Qt::TopToolBarArea, paintBar_);
}

void MainWindow::buildStatusBar() {
    // A compact font keeps the fixed fields narrow.
    QFont font = statusBar()->font();
    font.setPixelSize(kStatusFontPixels);
    statusBar()->setFont(font);
    const QFontMetrics metrics(font);
    // The fixed fields hold their widest texts: the position of the farthest cell (under the
    // cell limit, column and row together never need more than ten digits) and the active
    // colours. The message field takes the rest of the bar.
    constexpr int kPositionDigits = 10;
    constexpr int kColorDigits = 12;
    const int widest[] = {
        widestWidth(metrics, fromBytes(StatusBar::positionText(11110, 11110)), u'1',
                    kPositionDigits, u"0123456789"),
        0,
        widestWidth(metrics, fromBytes(setbarText(0, 0)), u'0', kColorDigits, u"0123456789ABCDEF"),
    };
    for (int i = 0; i < StatusBar::kFieldCount; ++i) {
        const bool message = i == StatusBar::kMessageField;
        QLabel* label = message ? new ElidingLabel(this) : new QLabel(this);
        label->setFont(font);
        label->setContentsMargins(kStatusFieldMargin, 0, kStatusFieldMargin, 0);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (!message) {
            const int chrome = 2 * (kStatusFieldMargin + label->frameWidth());
            label->setFixedWidth(
                std::max(StatusBar::kFieldWidths[static_cast<size_t>(i)], widest[i] + chrome));
        }
        statusBar()->addWidget(label, message ? 1 : 0);
        statusFields_[static_cast<size_t>(i)] = label;
    }
    // The window gets no narrower than the fixed fields beside the shrunken message field.
    // Windows resize at their edges; a size grip would only take room from the fields.
    statusBar()->setSizeGripEnabled(false);
    statusBar()->setMinimumWidth(statusBar()->layout()->minimumSize().width());
}

QAction* MainWindow::actionFor(std::string_view id) const {
    for (const auto& [action, row] : actions_) {
        if (row->id == id)
            return action;
    }
    return nullptr;
}

void MainWindow::updateActions() {
    for (const auto& [action, row] : actions_) {
        action->setEnabled(row->isEnabled(editor_));
        if (row->isCheckable())
            action->setChecked(row->isChecked(editor_));
    }
}

void MainWindow::runCommand(const CommandRow& row) {
    pushTextViewEdits();
    ui_.beginCommand();
    CommandTable::run(editor_, row);
    ui_.endCommand();
    sync();
    if (editor_.quitRequested)
        close();
}

void MainWindow::zoomCanvas(int steps, QPoint viewportPos) {
    const CommandRow* row = commands_.findById(steps > 0 ? kZoomInCommand : kZoomOutCommand);
    if (!row || steps == 0)
        return;
    const QPoint cell = canvasView_->cellUnder(viewportPos);
    for (int i = 0; i < std::abs(steps); ++i)
        runCommand(*row);
    canvasView_->keepCellAt(cell, viewportPos);
}

void MainWindow::endPastePreview() {
    if (!editor_.preview.PreviewActive)
        return;
    stopPastePreview(editor_);
    sync();
}

void MainWindow::pushTextViewEdits() {
    if (!editor_.textView().visible || !textEdit_->document()->isModified())
        return;
    TextLines lines;
    const QStringList text = textEdit_->toPlainText().split('\n');
    lines.reserve(static_cast<std::size_t>(text.size()));
    for (const QString& line : text)
        lines.push_back(utf8ToBytes(line.toStdString(), editor_.glyphSet()));
    editor_.textView().lines = std::move(lines);
    shownLines_ = editor_.textView().lines;
    textEdit_->document()->setModified(false);
}

void MainWindow::showTextViewLines() {
    const TextLines& lines = editor_.textView().lines;
    if (textViewShown_ && lines == shownLines_ && shownGlyphSet_ == editor_.glyphSet())
        return;
    std::string joined;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i)
            joined += '\n';
        joined += lines[i];
    }
    textEdit_->setPlainText(QString::fromStdString(bytesToUtf8(joined, editor_.glyphSet())));
    textEdit_->document()->setModified(false);
    shownLines_ = lines;
    shownGlyphSet_ = editor_.glyphSet();
    textViewShown_ = true;
}

void MainWindow::applyWindowSwitches() {
    const Settings& s = editor_.settings();
    paintBar_->setVisible(s.ShowPaintbar);
    statusBar()->setVisible(s.ShowStatusbar);
    for (const auto& [box, field] : charBoxes_) {
        const QString text = QString::fromStdString(bytesToUtf8(s.*field, editor_.glyphSet()));
        if (box->text() != text)
            box->setText(text);
    }
    if (s.StayOnTop != stayOnTop_) {
        stayOnTop_ = s.StayOnTop;
        const bool shown = isVisible();
        setWindowFlag(Qt::WindowStaysOnTopHint, stayOnTop_);
        if (shown)
            show();
    }
    if (s.ShowInTask != inTaskbar_) {
        inTaskbar_ = s.ShowInTask;
        setTaskbarEntryVisible(this, inTaskbar_);
    }
}

void MainWindow::syncCanvas() {
    canvasView_->canvasChanged();
    for (int i = 0; i < StatusBar::kFieldCount; ++i)
        showStatusField(i);
}

void MainWindow::sync() {
    setWindowTitle(fromBytes(editor_.document().caption));
    const QFont font = toQFont(editor_.canvas().font());
    if (textEdit_->font() != font)
        textEdit_->setFont(font); // relays the whole text out, so only on a change
    if (editor_.textView().visible) {
        showTextViewLines();
        stack_->setCurrentWidget(textEdit_);
    } else {
        textViewShown_ = false;
        stack_->setCurrentWidget(canvasView_);
    }
    syncCanvas();
    progress_->showView(editor_.progress().view());
    applyWindowSwitches();
    colorBar_->sync();
    colorWindow_->sync();
    patternPanel_->sync();
    figletPanel_->sync();
    copyGridPane_->sync();
    knowledgeBase_->sync();
    codeTable_->sync();
    if (reopenMenu_)
        reopenMenu_->setEnabled(!editor_.document().ReopenList.empty());
    updateActions();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (progress_->isVisible())
        progress_->move(ProgressWidget::centredIn(size(), progress_->size()));
    endPastePreview();
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange)
        endPastePreview();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (editor_.quitRequested || queryClose(editor_)) {
        editor_.quitRequested = true;
        event->accept();
        return;
    }
    event->ignore();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const bool onPaintBar =
        watched == paintBar_ || (watched->parent() == paintBar_ && watched->isWidgetType());
    if (onPaintBar && event->type() == QEvent::MouseButtonPress && editor_.preview.PreviewActive) {
        paintBarMouseDown(editor_);
        sync();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::showStatusField(int field) {
    statusFields_.at(static_cast<size_t>(field))->setText(fromBytes(editor_.status().field(field)));
}

void MainWindow::showProgress(const ProgressView& view) {
    progress_->showView(view);
}

void MainWindow::repaintCanvasNow() {
    canvasView_->canvasChanged();
    canvasView_->viewport()->repaint();
}

void MainWindow::scrollCanvasTo(int col, int row) {
    canvasView_->scrollToCell(col, row);
}

void MainWindow::timerFired(TimerId id) {
    onTimer(editor_, id);
    sync();
}

void MainWindow::capturePastePreview(const CellRect& block) {
    canvasView_->capturePreview(block);
}

void MainWindow::showCodeTable() {
    codeTable_->show();
    codeTable_->raise();
}

void MainWindow::showSelectionNavigator() {
    if (!navigator_) {
        navigator_ = new SelectionNavigator(this, [this](NavStep step) {
            navigateSelection(editor_, step);
            sync();
        });
    }
    navigator_->show();
    navigator_->raise();
}

} // namespace glyphora
