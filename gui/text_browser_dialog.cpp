#include "text_browser_dialog.h"

#include "canvas_renderer.h"

#include <QApplication>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QSplitter>
#include <QTextBlock>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

namespace glyphora {

namespace {

constexpr const char* kColorHint =
    "left mouse button: font color / right mouse button: background color";
constexpr int kExplorerWidth = 200;
constexpr int kInitialWidth = 760;
constexpr int kInitialHeight = 520;
constexpr int kStripColumns = 8;

// The 16 colours of the standard colour grid.
constexpr std::array<Color, 16> kStripColors = {
    rgb(0x00, 0x00, 0x00), rgb(0x80, 0x00, 0x00), rgb(0x00, 0x80, 0x00), rgb(0x80, 0x80, 0x00),
    rgb(0x00, 0x00, 0x80), rgb(0x80, 0x00, 0x80), rgb(0x00, 0x80, 0x80), rgb(0x80, 0x80, 0x80),
    rgb(0xC0, 0xC0, 0xC0), rgb(0xFF, 0x00, 0x00), rgb(0x00, 0xFF, 0x00), rgb(0xFF, 0xFF, 0x00),
    rgb(0x00, 0x00, 0xFF), rgb(0xFF, 0x00, 0xFF), rgb(0x00, 0xFF, 0xFF), rgb(0xFF, 0xFF, 0xFF),
};

TextBrowser::Key browserKeyOf(const QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        return TextBrowser::Key::Escape;
    case Qt::Key_Left:
        return TextBrowser::Key::Left;
    case Qt::Key_Backspace:
        return TextBrowser::Key::Backspace;
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
        return TextBrowser::Key::Modifier;
    default:
        // Shortcuts such as Ctrl+C in the text and the buttons' Alt letters stay theirs.
        return event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)
                   ? TextBrowser::Key::Modifier
                   : TextBrowser::Key::Other;
    }
}

} // namespace

TextColorGrid::TextColorGrid(QWidget* parent) : QWidget(parent) {
    setToolTip(QString::fromLatin1(kColorHint));
    setFixedSize(sizeHint());
}

QSize TextColorGrid::sizeHint() const {
    return {kStripColumns * kSwatch, 2 * kSwatch};
}

std::optional<Color> TextColorGrid::colorAt(QPoint pos) const {
    const int col = pos.x() / kSwatch;
    const int row = pos.y() / kSwatch;
    if (pos.x() < 0 || pos.y() < 0 || col >= kStripColumns || row >= 2)
        return std::nullopt;
    return kStripColors[static_cast<std::size_t>(row * kStripColumns + col)];
}

void TextColorGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (std::size_t i = 0; i < kStripColors.size(); ++i) {
        const int col = static_cast<int>(i) % kStripColumns;
        const int row = static_cast<int>(i) / kStripColumns;
        const QRect swatch(col * kSwatch, row * kSwatch, kSwatch, kSwatch);
        painter.fillRect(swatch, toQColor(kStripColors[i]));
        painter.setPen(Qt::darkGray);
        painter.drawRect(swatch.adjusted(0, 0, -1, -1));
    }
}

void TextColorGrid::mousePressEvent(QMouseEvent* event) {
    const std::optional<Color> color = colorAt(event->position().toPoint());
    if (!color)
        return;
    if (event->button() == Qt::LeftButton)
        emit textColorChosen(*color);
    else if (event->button() == Qt::RightButton)
        emit backColorChosen(*color);
}

TextBrowserDialog::TextBrowserDialog(const TextBrowserRequest& request, QWidget* parent)
    : QDialog(parent), browser_(request.folder, request.glyphSet) {
    setWindowTitle(QStringLiteral("TextBrowser"));
    resize(kInitialWidth, kInitialHeight);
    viewFont_ = QFont(QStringLiteral("Courier New"));
    viewFont_.setStyleHint(QFont::Monospace);

    fit_ = new QPushButton(QStringLiteral("&Max. width"), this);
    auto* exit = new QPushButton(QStringLiteral("E&xit"), this);
    auto* wrap = new QPushButton(QStringLiteral("&Wordwrap"), this);
    auto* font = new QPushButton(QStringLiteral("&Font"), this);
    auto* explorerToggle = new QPushButton(QStringLiteral("Show/Hide &Explorer"), this);
    size_ = new QSpinBox(this);
    size_->setRange(TextBrowser::kMinFontSize, TextBrowser::kMaxFontSize);
    colors_ = new TextColorGrid(this);
    for (QPushButton* button : {fit_, exit, wrap, font, explorerToggle})
        button->setAutoDefault(false);

    explorer_ = new QWidget(this);
    folderLabel_ = new QLabel(explorer_);
    folderLabel_->setWordWrap(true);
    folders_ = new QListWidget(explorer_);
    files_ = new QListWidget(explorer_);
    auto* explorerLayout = new QVBoxLayout(explorer_);
    explorerLayout->setContentsMargins(0, 0, 0, 0);
    explorerLayout->addWidget(folderLabel_);
    explorerLayout->addWidget(folders_, 1);
    explorerLayout->addWidget(files_, 2);
    explorer_->setFixedWidth(kExplorerWidth);

    view_ = new QPlainTextEdit(this);
    view_->setReadOnly(true);

    auto* bar = new QHBoxLayout;
    for (QWidget* widget : std::initializer_list<QWidget*>{fit_, wrap, font, explorerToggle})
        bar->addWidget(widget);
    bar->addWidget(size_);
    bar->addWidget(colors_);
    bar->addStretch();
    bar->addWidget(exit);
    auto* body = new QHBoxLayout;
    body->addWidget(explorer_);
    body->addWidget(view_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addLayout(body, 1);

    connect(exit, &QPushButton::clicked, this, &QDialog::accept);
    connect(fit_, &QPushButton::clicked, this, &TextBrowserDialog::fitWidth);
    connect(wrap, &QPushButton::clicked, this, [this] {
        browser_.wordWrap = !browser_.wordWrap;
        sync();
    });
    connect(explorerToggle, &QPushButton::clicked, this, [this] {
        browser_.explorerShown = !browser_.explorerShown;
        sync();
    });
    connect(font, &QPushButton::clicked, this, [this] {
        QFont current = viewFont_;
        current.setPointSize(browser_.fontSize);
        bool ok = false;
        const QFont chosen = QFontDialog::getFont(&ok, current, this);
        if (!ok)
            return;
        viewFont_ = chosen;
        browser_.fontSize =
            std::clamp(chosen.pointSize(), TextBrowser::kMinFontSize, TextBrowser::kMaxFontSize);
        sync();
    });
    connect(size_, &QSpinBox::valueChanged, this, [this](int size) {
        browser_.fontSize = size;
        sync();
    });
    connect(colors_, &TextColorGrid::textColorChosen, this, [this](Color color) {
        browser_.textColor = color;
        sync();
    });
    connect(colors_, &TextColorGrid::backColorChosen, this, [this](Color color) {
        browser_.backColor = color;
        sync();
    });
    connect(folders_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        browser_.enterFolder(item->text().toStdString());
        sync();
    });
    connect(files_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row != browser_.current()) {
            browser_.selectFile(row);
            sync();
        }
    });
    for (QWidget* watched : std::initializer_list<QWidget*>{view_, files_})
        watched->installEventFilter(this);
    sync();
}

bool TextBrowserDialog::browserKey(QKeyEvent* event) {
    if (fitting_) {
        // While the font is fitted only Escape counts: it stops the fitting.
        stopFit_ = stopFit_ || event->key() == Qt::Key_Escape;
        return true;
    }
    const QString typed = event->text();
    const char ch = typed.size() == 1 && typed[0].unicode() < 0x80
                        ? static_cast<char>(typed[0].unicode())
                        : '\0';
    switch (browser_.pressKey(browserKeyOf(event), ch)) {
    case TextBrowser::KeyAction::Close:
        reject();
        return true;
    case TextBrowser::KeyAction::None:
        return false;
    default:
        sync();
        return true;
    }
}

bool TextBrowserDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && browserKey(static_cast<QKeyEvent*>(event)))
        return true;
    if (fitting_ &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick))
        return true;
    return QDialog::eventFilter(watched, event);
}

void TextBrowserDialog::keyPressEvent(QKeyEvent* event) {
    if (!browserKey(event))
        QDialog::keyPressEvent(event);
}

bool TextBrowserDialog::wrapsAt(int size) const {
    QFont font = viewFont_;
    font.setPointSize(size);
    const QFontMetrics metrics(font);
    const qreal margin = view_->document()->documentMargin();
    const int available =
        view_->viewport()->width() - static_cast<int>(2 * margin) - view_->cursorWidth();
    for (QTextBlock block = view_->document()->begin(); block.isValid(); block = block.next()) {
        if (metrics.horizontalAdvance(block.text()) > available)
            return true;
    }
    return false;
}

void TextBrowserDialog::fitWidth() {
    if (!browser_.canFitWidth())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    fitting_ = true;
    stopFit_ = false;
    qApp->installEventFilter(this);
    const int size = fitFontSize(
        browser_.fontSize, [this](int at) { return wrapsAt(at); },
        [this](int at) {
            browser_.fontSize = at;
            applyViewStyle();
            view_->repaint();
            QCoreApplication::processEvents();
            return !stopFit_;
        });
    qApp->removeEventFilter(this);
    fitting_ = false;
    QApplication::restoreOverrideCursor();
    browser_.fontSize = size;
    sync();
}

void TextBrowserDialog::applyViewStyle() {
    QFont font = viewFont_;
    font.setPointSize(browser_.fontSize);
    if (view_->font() != font)
        view_->setFont(font);
    view_->setLineWrapMode(browser_.wordWrap ? QPlainTextEdit::WidgetWidth
                                             : QPlainTextEdit::NoWrap);
    QPalette palette = view_->palette();
    palette.setColor(QPalette::Text, toQColor(browser_.textColor));
    palette.setColor(QPalette::Base, toQColor(browser_.backColor));
    view_->setPalette(palette);
    const QSignalBlocker block(size_);
    size_->setValue(browser_.fontSize);
}

void TextBrowserDialog::sync() {
    const std::string folder = browser_.folder().string();
    if (folder != shownFolder_) {
        shownFolder_ = folder;
        folderLabel_->setText(QString::fromStdString(folder));
        folders_->clear();
        for (const std::string& name : browser_.folders())
            folders_->addItem(QString::fromStdString(name));
        const QSignalBlocker block(files_);
        files_->clear();
        for (const std::string& name : browser_.files())
            files_->addItem(QString::fromStdString(name));
        shownFile_ = -2;
    }
    if (browser_.current() != shownFile_) {
        shownFile_ = browser_.current();
        const QSignalBlocker block(files_);
        files_->setCurrentRow(shownFile_);
        view_->setPlainText(QString::fromStdString(browser_.text()));
    }
    fit_->setEnabled(browser_.canFitWidth());
    explorer_->setVisible(browser_.explorerShown);
    applyViewStyle();
}

} // namespace glyphora
