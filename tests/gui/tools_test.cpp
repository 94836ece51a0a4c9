#include "app/command_table.h"
#include "app/editor.h"
#include "info_window.h"
#include "qt_ui.h"
#include "text_printer.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QtTest>
#include <QtWidgets>

using namespace glyphora;

namespace {

PrintJob sampleJob() {
    TextFont font;
    font.name = "Courier New";
    font.size = 10;
    // Block glyphs of CP437.
    return {"-", font, {"+--+", "|\xDB\xB1|", "+--+"}, CharSet::Cp437};
}

QByteArray fileStart(const QString& path, int count) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(count) : QByteArray();
}

} // namespace

class ToolsTest : public QObject {
    Q_OBJECT

private slots:
    void printingIntoAFileThatCannotBeWrittenFails() {
        QTemporaryDir dir;
        QPrinter nowhere(QPrinter::HighResolution);
        nowhere.setOutputFormat(QPrinter::PdfFormat);
        nowhere.setOutputFileName(dir.filePath("no/such/folder/canvas.pdf"));
        QVERIFY(!printLines(nowhere, sampleJob()));
    }

    void printCommandGoesThroughThePrintDialogToAPdfFile() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath("printed.pdf");
        QtUi ui;
        Editor editor(ui, dir.path().toStdString(), "556");
        bool dialogSeen = false;
        // The dialog is modal: answer it once it is up, printing to a file.
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialogSeen = true;
            dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
            dialog->printer()->setOutputFileName(pdf);
            for (auto* field : dialog->findChildren<QLineEdit*>(QStringLiteral("filename")))
                field->setText(pdf);
            dialog->accept();
        });
        CommandTable::run(editor, *CommandTable().findById("PrintCanvas"));
        QVERIFY(dialogSeen);
        QCOMPARE(fileStart(pdf, 5), QByteArray("%PDF-"));
        QCOMPARE(editor.status().field(3).find("ERROR"), std::string::npos);

        QPrinter printer(QPrinter::HighResolution); // the CP437 glyphs of ANSI art
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("glyphs.pdf"));
        QVERIFY(printLines(printer, sampleJob()));
        QCOMPARE(printer.docName(), QStringLiteral("-"));
    }

    void aboutBoxShowsTheIconBesideTheText() {
        const QIcon icon = programIcon();
        QVERIFY(!icon.isNull());
        const QImage image = icon.pixmap(64).toImage();
        QCOMPARE(image.size(), QSize(64, 64));
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);      // a rounded corner
        QVERIFY(qAlpha(image.pixel(32, 32)) == 255); // the tile

        InfoDialog about({InfoWindow::Kind::About, "About Glyphora", {"Glyphora 4.5", "", "x < y"}},
                         nullptr);
        QCOMPARE(about.windowTitle(), QStringLiteral("About Glyphora"));
        QCOMPARE(about.shownText(), QStringLiteral("<h2>Glyphora 4.5</h2><br>x &lt; y<br>"));
        QVERIFY(about.findChild<QDialogButtonBox*>());
    }

    void systemInfoShowsEveryLineInAFixedPitchFont() {
        const std::vector<std::string> lines = {"    SYSTEM INFO:", std::string(47, '-'),
                                                " USER NAME         : ada"};
        InfoDialog window({InfoWindow::Kind::SystemInfo, "System Info", lines}, nullptr);
        window.show();
        QCOMPARE(window.shownText(), QStringLiteral("    SYSTEM INFO:\n") + QString(47, '-') +
                                         QStringLiteral("\n USER NAME         : ada"));
        auto* text = window.findChild<QPlainTextEdit*>();
        QVERIFY(text && text->isReadOnly());
        QVERIFY(QFontInfo(text->font()).fixedPitch());
        // The longest line fits without a scroll bar.
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents(); // the text is laid out after the window shows
        QCOMPARE(text->horizontalScrollBar()->maximum(), 0);
        QVERIFY(!text->verticalScrollBar()->isVisible());
    }
};

QTEST_MAIN(ToolsTest)
#include "tools_test.moc"
