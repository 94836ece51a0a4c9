#include "main_window.h"

#include "app/editor.h"
#include "canvas_renderer.h"
#include "canvas_view.h"
#include "platform/text_codec.h"
#include "progress_widget.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QStatusBar>
#include <map>

namespace glyphora {

namespace {

const QColor kTextViewBackground(0xC0, 0xC0, 0xC0); // silver

QString fromBytes(std::string_view bytes) {
    return QString::fromStdString(cp1252ToUtf8(bytes));
}

} // namespace

MainWindow::MainWindow(Editor& editor, QtUi& ui, const CommandTable& commands)
    : editor_(editor), ui_(ui), commands_(commands) {
    resize(kInitialWidth, kInitialHeight);

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
    setCentralWidget(stack_);

    progress_ = new ProgressWidget(this);
    connect(canvasView_, &CanvasView::selectionChanged, this,
            [this] { showStatusField(StatusBar::kPositionField); });

    buildMenus();
    buildStatusBar();
    ui_.setHost(this);
    sync();
}

MainWindow::~MainWindow() {
    ui_.setHost(nullptr);
}

void MainWindow::buildMenus() {
    // Submenus by their path, so rows sharing a path prefix share the menu.
    std::map<std::string, QMenu*, std::less<>> menus;
    for (const std::string_view top : CommandTable::topLevelMenus()) {
        bool used = false;
        for (const CommandRow& row : commands_.rows())
            used |= !row.hidden && splitMenuPath(row.menuPath).front() == top;
        if (used)
            menus[std::string(top)] = menuBar()->addMenu(fromBytes(top));
    }
    for (const CommandRow& row : commands_.rows()) {
        const std::vector<std::string_view> path = splitMenuPath(row.menuPath);
        auto* action = new QAction(fromBytes(path.back()), this);
        action->setCheckable(row.isCheckable());
        if (!row.shortcut.empty())
            action->setShortcut(QKeySequence::fromString(QString::fromLatin1(
                row.shortcut.data(), static_cast<qsizetype>(row.shortcut.size()))));
        connect(action, &QAction::triggered, this, [this, &row] { runCommand(row); });
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
    }
    for (const auto& [key, menu] : menus)
        connect(menu, &QMenu::aboutToShow, this, &MainWindow::updateActions);
}

void MainWindow::buildStatusBar() {
    for (int i = 0; i < StatusBar::kFieldCount; ++i) {
        auto* label = new QLabel(this);
        label->setFixedWidth(StatusBar::kFieldWidths[static_cast<size_t>(i)]);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        statusBar()->addWidget(label);
        statusFields_[static_cast<size_t>(i)] = label;
    }
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
}

void MainWindow::pushTextViewEdits() {
    if (!editor_.textView().visible || !textEdit_->document()->isModified())
        return;
    TextLines lines;
    const QStringList text = textEdit_->toPlainText().split('\n');
    lines.reserve(static_cast<std::size_t>(text.size()));
    for (const QString& line : text)
        lines.push_back(utf8ToCp1252(line.toStdString()));
    editor_.textView().lines = std::move(lines);
    shownLines_ = editor_.textView().lines;
    textEdit_->document()->setModified(false);
}

void MainWindow::showTextViewLines() {
    const TextLines& lines = editor_.textView().lines;
    if (textViewShown_ && lines == shownLines_)
        return;
    std::string joined;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i)
            joined += '\n';
        joined += lines[i];
    }
    textEdit_->setPlainText(fromBytes(joined));
    textEdit_->document()->setModified(false);
    shownLines_ = lines;
    textViewShown_ = true;
}

void MainWindow::sync() {
    setWindowTitle(fromBytes(editor_.document().caption));
    textEdit_->setFont(toQFont(editor_.canvas().font()));
    if (editor_.textView().visible) {
        showTextViewLines();
        stack_->setCurrentWidget(textEdit_);
    } else {
        textViewShown_ = false;
        stack_->setCurrentWidget(canvasView_);
    }
    canvasView_->canvasChanged();
    for (int i = 0; i < StatusBar::kFieldCount; ++i)
        showStatusField(i);
    progress_->showView(editor_.progress().view());
    updateActions();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (progress_->isVisible())
        progress_->move(ProgressWidget::centredIn(size(), progress_->size()));
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
    editor_.onTimer(id);
    sync();
}

} // namespace glyphora
