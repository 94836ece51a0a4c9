// glyphora: the character-art editor window.
#include "app/command_table.h"
#include "app/editor.h"
#include "main_window.h"
#include "qt_ui.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("glyphora5d");

    glyphora::QtUi ui;
    glyphora::Editor editor(ui, QApplication::applicationDirPath().toStdString());
    const glyphora::CommandTable commands;
    std::vector<std::string> args;
    for (const QString& arg : QApplication::arguments().mid(1))
        args.push_back(arg.toStdString());
    glyphora::MainWindow window(editor, ui, commands, std::move(args));
    window.show();
    return QApplication::exec();
}
