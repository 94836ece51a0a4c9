// help_screenshots: takes the pictures of the help pages from a real editor window, offscreen.
//   help_screenshots OUT_DIR            every picture of data/Help/images
//   help_screenshots --page FILE PNG    a help page as a text browser shows it, to look at
#include "app/command_table.h"
#include "app/editor.h"
#include "app/info_commands.h"
#include "color/color_commands.h"
#include "config/configure_commands.h"
#include "config/startup_commands.h"
#include "configure_dialog.h"
#include "edit/input_commands.h"
#include "info_window.h"
#include "main_window.h"
#include "platform/headless_ui.h"
#include "qt_ui.h"
#include "textfx/figlet_commands.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <filesystem>
#include <iostream>

namespace {

using namespace glyphora;

constexpr int kPageWidth = 900;
constexpr int kPageHeight = 1400;
constexpr int kShotFontSize = 10;

void settle() {
    for (int i = 0; i < 10; ++i)
        QApplication::processEvents();
}

class Shots {
public:
    explicit Shots(QString dir) : dir_(std::move(dir)) { QDir().mkpath(dir_); }
    void take(QWidget& widget, const QString& name) {
        settle();
        const QString path = dir_ + "/" + name;
        if (!widget.grab().save(path))
            std::cerr << "could not write " << path.toStdString() << '\n';
    }

private:
    QString dir_;
};

int renderPage(const QString& page, const QString& png) {
    QTextBrowser browser;
    browser.resize(kPageWidth, kPageHeight);
    browser.setSource(QUrl::fromLocalFile(QFileInfo(page).absoluteFilePath()));
    browser.show();
    settle();
    return browser.grab().save(png) ? 0 : 1;
}

void typeAt(Editor& editor, int col, int row, std::string_view text) {
    editor.setGridSelection({col, row, col, row});
    editor.syncSelectionFields();
    for (const char ch : text) {
        canvasKeyDown(editor);
        canvasTypeCharacter(editor, static_cast<unsigned char>(ch));
    }
}

QMenu* topMenu(MainWindow& window, const QString& caption) {
    for (QAction* action : window.menuBar()->actions()) {
        if (action->text() == caption)
            return action->menu();
    }
    return nullptr;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("glyphora5d");
    const QStringList args = QApplication::arguments();
    if (args.size() == 4 && args[1] == "--page")
        return renderPage(args[2], args[3]);
    if (args.size() != 2) {
        std::cerr << "usage: help_screenshots OUT_DIR | --page FILE.htm OUT.png\n";
        return 2;
    }
    Shots shots(args[1]);

    // A fresh program directory with the shipped data and the default settings file, so the
    // window starts as a new user's does.
    QTemporaryDir home;
    std::filesystem::copy(GLYPHORA_SOURCE_DIR "/data", home.path().toStdString(),
                          std::filesystem::copy_options::recursive);
    QtUi ui;
    Editor editor(ui, home.path().toStdString(), "900");
    WriteSettings(editor);
    const CommandTable commands;
    MainWindow window(editor, ui, commands);
    window.show();
    settle();
    const auto run = [&](std::string_view id) { window.runCommand(*commands.findById(id)); };
    shots.take(window, "welcome.png");

    // The settings as a new user finds them.
    ConfigureDialog configure(configureForm(editor), &window);
    configure.show();
    for (int page = 0; page < configure.pages()->count(); ++page) {
        configure.pages()->setCurrentIndex(page);
        shots.take(configure, QStringLiteral("configure-%1.png").arg(page + 1));
    }
    configure.hide();

    // A small coloured drawing with the paint bar and the colour bar, without questions.
    editor.settings().ShowInfoMessages = false;
    TextToGrid(TextLines(16, std::string(58, ' ')), editor.canvas());
    editor.ApplyFontSize(kShotFontSize);
    editor.setColorMode(ColorMode::FullColored);
    run("TogglePaintbar");
    editor.setGridSelection({1, 1, 33, 8});
    run("LineArtRectangle");
    typeAt(editor, 5, 4, "Hello, Glyphora!");
    editor.ActiveFontColor = 0x0000C0;
    editor.setGridSelection({5, 4, 20, 4});
    run("ColorSelectionFg");
    editor.ActiveBackColor = 0xC0FFFF;
    editor.setGridSelection({2, 2, 32, 7});
    run("ColorSelectionBg");
    editor.setGridSelection({38, 1, 54, 13});
    run("PaintCircle");
    editor.ActiveFontColor = 0x008000;
    run("ColorSelectionFg");
    editor.setGridSelection({4, 11, 30, 11});
    run("PaintHorzLine");
    editor.setGridSelection({38, 1, 54, 13});
    UpdateColorMenus(editor);
    window.sync();
    shots.take(window, "drawing.png");

    // The menus of a coloured document, with every colour command enabled.
    editor.settings().ShowInfoMessages = true;
    for (const char* menu : {"&File", "Edit&1", "Edit&2", "&Image", "&Effects", "&Paint",
                             "&ColorTools", "&Special", "&View", "&Options", "I&nfo"}) {
        QMenu* popup = topMenu(window, QString::fromLatin1(menu));
        if (!popup)
            continue;
        popup->popup(window.mapToGlobal(QPoint(0, 0)));
        QString name = QString::fromLatin1(menu).remove('&').toLower();
        shots.take(*popup, "menu-" + name + ".png");
        popup->hide();
    }

    run("ToggleTextView");
    shots.take(window, "text-view.png");
    run("ToggleTextView");

    run("ToggleFigletPanel");
    if (std::optional<FigletFont> font = findFigletFont("pixel.flf", editor.programDir())) {
        editor.figletPanel.setFont(std::move(*font));
        editor.figletPanel.reset();
        for (const char ch : std::string_view("Hi!"))
            TypeFigletChar(editor, ch);
    }
    window.sync();
    shots.take(window, "figlet-panel.png");
    run("CloseFigletPanel");

    editor.setGridSelection({20, 14, 20, 14});
    run("FillWithPattern");
    editor.paintState().patternPanel.select("waves.pat");
    window.sync();
    shots.take(window, "pattern-panel.png");
    run("ClosePatternPanel");

    // The information windows as their commands fill them.
    HeadlessUi recorder;
    Editor recorded(recorder, editor.programDir(), "901");
    ShowAbout(recorded);
    InfoDialog about(*recorder.lastInfoWindow(), &window);
    about.show();
    shots.take(about, "about.png");
    ShowSystemInfo(recorded);
    InfoDialog systemInfo(*recorder.lastInfoWindow(), &window);
    systemInfo.show();
    shots.take(systemInfo, "system-info.png");
    return 0;
}
