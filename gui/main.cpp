// glyphora: the character-art editor window.
#include "app/command_table.h"
#include "app/editor.h"
#include "info_window.h"
#include "main_window.h"
#include "platform/program_places.h"
#include "qt_ui.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("glyphora5d");
    // Ties the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName("glyphora");
    QApplication::setWindowIcon(glyphora::programIcon());

    const glyphora::ProgramPlaces places = glyphora::locateProgramPlaces(
        QApplication::applicationDirPath().toStdString(), GLYPHORA_INSTALLED_DATA,
        glyphora::userFoldersFromEnvironment());
    glyphora::prepareProgramHome(places);

    glyphora::QtUi ui;
    glyphora::Editor editor(ui, places);
    const glyphora::CommandTable commands;
    std::vector<std::string> args;
    for (const QString& arg : QApplication::arguments().mid(1))
        args.push_back(arg.toStdString());
    glyphora::MainWindow window(editor, ui, commands, std::move(args));
    window.show();
    return QApplication::exec();
}
