#include "qt_ui.h"

#include "ansi_color_dialog.h"
#include "canvas_picture_renderer.h"
#include "canvas_renderer.h"
#include "picture_viewer_dialog.h"
#include "canvas_size_dialog.h"
#include "char_brightness_dialog.h"
#include "configure_dialog.h"
#include "decrease_colors_dialog.h"
#include "html_options_dialog.h"
#include "info_window.h"
#include "platform/text_codec.h"
#include "save_browser_dialog.h"
#include "text_browser_dialog.h"
#include "text_printer.h"

#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>
#include <QVBoxLayout>

namespace glyphora {

namespace {

constexpr int kEventPollMs = 40; // how often a polling command lets the window breathe
constexpr const char* kTitle = "glyphora5d";

QString fromBytes(std::string_view bytes) {
    return QString::fromStdString(cp1252ToUtf8(bytes));
}

std::string toBytes(const QString& text) {
    return utf8ToCp1252(text.toStdString());
}

bool isUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Close:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

} // namespace

QtUi::QtUi() {
    sinceEvents_.start();
}

QtUi::~QtUi() {
    if (commandDepth_ > 0)
        qApp->removeEventFilter(this);
}

QWidget* QtUi::parent() const {
    return host_ ? host_->dialogParent() : nullptr;
}

void QtUi::beginCommand() {
    if (commandDepth_++ == 0) {
        escapePressed_ = false;
        qApp->installEventFilter(this);
    }
}

void QtUi::endCommand() {
    if (commandDepth_ > 0 && --commandDepth_ == 0)
        qApp->removeEventFilter(this);
}

bool QtUi::eventFilter(QObject* watched, QEvent* event) {
    // Modal dialogs opened by the command get their input as usual.
    if (QApplication::activeModalWidget())
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        escapePressed_ = true;
        return true;
    }
    if (isUserInput(event->type())) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

bool QtUi::escapeDown() {
    if (commandDepth_ > 0 && sinceEvents_.elapsed() >= kEventPollMs) {
        sinceEvents_.restart();
        QCoreApplication::processEvents(QEventLoop::AllEvents, kEventPollMs);
    }
    return escapePressed_;
}

void QtUi::message(std::string_view text) {
    // Message texts break their lines with a lone CR, which a Qt label does not.
    QString shown = fromBytes(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QChar('\r'), QChar('\n'));
    QMessageBox::information(parent(), kTitle, shown);
}

Answer QtUi::confirm(std::string_view text, Buttons buttons) {
    QMessageBox::StandardButtons set = QMessageBox::Yes | QMessageBox::No;
    if (buttons != Buttons::YesNo)
        set |= QMessageBox::Abort;
    if (buttons == Buttons::YesNoAbortAll)
        set |= QMessageBox::YesToAll;
    switch (QMessageBox::question(parent(), kTitle, fromBytes(text), set)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::YesToAll:
        return Answer::All;
    case QMessageBox::Abort:
        return Answer::Abort;
    case QMessageBox::No:
        return Answer::No;
    default:
        return buttons == Buttons::YesNo ? Answer::No : Answer::Abort;
    }
}

std::optional<std::string> QtUi::inputBox(std::string_view title, std::string_view prompt,
                                          std::string_view defaultText) {
    bool ok = false;
    const QString text = QInputDialog::getText(parent(), fromBytes(title), fromBytes(prompt),
                                               QLineEdit::Normal, fromBytes(defaultText), &ok);
    if (!ok)
        return std::nullopt;
    return toBytes(text);
}

QString QtUi::toQtFilter(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        entries << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
    }
    return entries.join(QStringLiteral(";;"));
}

std::optional<std::string> QtUi::openFile(const FileDialogRequest& request) {
    const QString path = QFileDialog::getOpenFileName(
        parent(), fromBytes(request.title),
        QString::fromStdString(request.initialDir + request.fileName), toQtFilter(request.filter));
    if (path.isEmpty())
        return std::nullopt;
    return path.toStdString();
}

std::optional<std::string> QtUi::saveFile(const FileDialogRequest& request) {
    // The commands ask about overwriting themselves.
    const QString path = QFileDialog::getSaveFileName(
        parent(), fromBytes(request.title),
        QString::fromStdString(request.initialDir + request.fileName), toQtFilter(request.filter),
        nullptr, QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty())
        return std::nullopt;
    return path.toStdString();
}

std::optional<Color> QtUi::chooseColor(Color initial) {
    const QColor chosen = QColorDialog::getColor(toQColor(initial), parent());
    if (!chosen.isValid())
        return std::nullopt;
    return rgb(chosen.red(), chosen.green(), chosen.blue());
}

std::optional<TextFont> QtUi::chooseFont(const TextFont& initial) {
    // A family the system lacks ("Courier New") is drawn by a stand-in with its metrics; the
    // dialog opens on that stand-in, the family it can list.
    const QFont requested = toQFont(initial);
    const QString drawnFamily = QFontInfo(requested).family();
    QFont preset = requested;
    preset.setFamily(drawnFamily);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, preset, parent());
    if (!ok)
        return std::nullopt;
    TextFont font = initial; // the dialog has no colour; the colour stays
    // Keeping the stand-in keeps the requested name, which edit.ini and the HTML exports carry.
    if (chosen.family() != drawnFamily)
        font.name = toBytes(chosen.family());
    font.size = chosen.pointSize();
    font.bold = chosen.bold();
    font.italic = chosen.italic();
    font.underline = chosen.underline();
    font.strikeOut = chosen.strikeOut();
    return font;
}

std::optional<CanvasSizeReply> QtUi::canvasSize(const CanvasSizeRequest& request) {
    CanvasSizeDialog dialog(request, parent());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.reply();
}

std::optional<SaveBrowserReply> QtUi::saveBrowser(const SaveBrowserRequest& request) {
    SaveBrowserDialog dialog(request, parent());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.reply();
}

std::optional<Color> QtUi::chooseAnsiColor(Color initial, bool background) {
    AnsiColorDialog dialog(initial, background, parent());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.color();
}

std::optional<int> QtUi::chooseOne(const ChoiceRequest& request) {
    QDialog dialog(parent());
    dialog.setWindowTitle(fromBytes(request.title));
    auto* layout = new QVBoxLayout(&dialog);
    auto* group = new QButtonGroup(&dialog);
    QVBoxLayout* choices = layout;
    for (std::size_t i = 0; i < request.choices.size(); ++i) {
        for (const ChoiceGroup& caption : request.groups) {
            if (caption.firstChoice != static_cast<int>(i))
                continue;
            auto* box = new QGroupBox(fromBytes(caption.caption), &dialog);
            choices = new QVBoxLayout(box);
            layout->addWidget(box);
        }
        auto* button = new QRadioButton(fromBytes(request.choices[i]), &dialog);
        button->setChecked(static_cast<int>(i) == request.preset);
        group->addButton(button, static_cast<int>(i));
        choices->addWidget(button);
    }
    auto* buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(fromBytes(request.okCaption), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted || group->checkedId() < 0)
        return std::nullopt;
    return group->checkedId();
}

std::optional<ViewerSettings> QtUi::viewPicture(const Bitmap& picture) {
    PictureViewerDialog viewer(picture, parent());
    if (viewer.exec() != QDialog::Accepted)
        return std::nullopt;
    return viewer.settings();
}

std::optional<StretchOption> QtUi::chooseStretch() {
    QMessageBox box(parent());
    box.setWindowTitle(QStringLiteral("Stretch option:"));
    box.setText(QStringLiteral("Stretch option:"));
    QPushButton* resample = box.addButton(QStringLiteral("Res&ample"), QMessageBox::YesRole);
    QPushButton* resize = box.addButton(QStringLiteral("Res&ize"), QMessageBox::NoRole);
    box.setDefaultButton(resample);
    box.exec();
    if (box.clickedButton() == resample)
        return StretchOption::Resample;
    if (box.clickedButton() == resize)
        return StretchOption::Resize;
    return std::nullopt;
}

HtmlOptionsForm QtUi::htmlOptions(const HtmlOptionsForm& preset) {
    QStringList families;
    for (const std::string& family : fontFamilies(FontPitch::Any))
        families << fromBytes(family);
    HtmlOptionsDialog dialog(preset, families, parent());
    dialog.exec();
    return dialog.form();
}

std::optional<ConfigureForm> QtUi::configure(const ConfigureForm& form) {
    ConfigureDialog dialog(form, parent());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.form();
}

std::optional<DecreaseColorsReply> QtUi::decreaseColors(const DecreaseColorsRequest& request) {
    DecreaseColorsDialog dialog(request, parent());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.reply();
}

std::optional<int> QtUi::charBrightness() {
    CharBrightnessDialog dialog(parent());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.steps();
}

std::string QtUi::clipboardText() {
    return QGuiApplication::clipboard()->text().toStdString();
}

void QtUi::setClipboardText(std::string_view text) {
    QGuiApplication::clipboard()->setText(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void QtUi::beep() {
    QApplication::beep();
}

void QtUi::setCursor(AppCursor cursor) {
    const bool busy = cursor == AppCursor::Busy;
    if (busy == busyCursor_)
        return;
    busyCursor_ = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void QtUi::setTimer(TimerId id, bool enabled, int intervalMs) {
    QTimer*& timer = timers_[id];
    if (!timer) {
        timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this, id] {
            if (host_)
                host_->timerFired(id);
        });
    }
    if (!enabled) {
        timer->stop();
        return;
    }
    if (timer->interval() != intervalMs)
        timer->setInterval(intervalMs);
    if (!timer->isActive())
        timer->start();
}

bool QtUi::shellOpen(const std::string& target) {
    // Documents only: an executable handed over goes through startProgram, never by accident.
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(target)));
}

bool QtUi::startProgram(const std::string& program, const std::vector<std::string>& args) {
    QStringList arguments;
    for (const std::string& arg : args)
        arguments << QString::fromStdString(arg);
    return QProcess::startDetached(QString::fromStdString(program), arguments);
}

PrintOutcome QtUi::printText(const PrintJob& job) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent());
    if (dialog.exec() != QDialog::Accepted)
        return PrintOutcome::Cancelled;
    return printLines(printer, job) ? PrintOutcome::Printed : PrintOutcome::Failed;
}

void QtUi::showInfoWindow(const InfoWindow& window) {
    InfoDialog dialog(window, parent());
    dialog.exec();
}

std::vector<std::string> QtUi::fontFamilies(FontPitch pitch) {
    std::vector<std::string> names;
    for (const QString& family : QFontDatabase::families()) {
        if (pitch == FontPitch::Any || QFontDatabase::isFixedPitch(family))
            names.push_back(toBytes(family));
    }
    return names;
}

CharMetrics QtUi::measureChar(const TextFont& font, char ch) {
    return QtCanvasPictureRenderer::measure(font, ch);
}

void QtUi::statusChanged(int field, std::string_view) {
    if (host_)
        host_->showStatusField(field);
}

void QtUi::progressChanged(const ProgressView& view) {
    if (host_)
        host_->showProgress(view);
}

void QtUi::repaintCanvas() {
    if (host_)
        host_->repaintCanvasNow();
}

void QtUi::scrollCanvasTo(int col, int row) {
    if (host_)
        host_->scrollCanvasTo(col, row);
}

void QtUi::capturePastePreview(const CellRect& block) {
    if (host_)
        host_->capturePastePreview(block);
}

void QtUi::showSelectionNavigator() {
    if (host_)
        host_->showSelectionNavigator();
}

void QtUi::showCodeTable() {
    if (host_)
        host_->showCodeTable();
}

void QtUi::textBrowser(const TextBrowserRequest& request) {
    TextBrowserDialog dialog(request, parent());
    dialog.exec();
}

} // namespace glyphora
