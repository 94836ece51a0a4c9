#include "save_browser_dialog.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace glyphora;

namespace {

QStringList texts(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

void touch(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

} // namespace

class SaveBrowserDialogTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheTypeOfTheDocumentAndItsFolder() {
        QTemporaryDir dir;
        touch(dir.filePath("a.txt"));
        touch(dir.filePath("b.TXT"));
        touch(dir.filePath("c.glg"));
        QVERIFY(QDir(dir.path()).mkdir("sub"));

        SaveBrowserDialog dialog({"pic", 1, dir.path().toStdString(), "/opt/prog"}, nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Browser"));
        QVERIFY(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(texts(dialog.groupList()),
                 (QStringList{"Text", "HTML", "Glyphora", "Bitmap", "Other"}));
        QCOMPARE(dialog.rowList()->currentRow(), 0);
        QCOMPARE(dialog.fileNameField()->text(), QStringLiteral("pic.txt"));
        QCOMPARE(texts(dialog.fileList()), (QStringList{"a.txt", "b.TXT"}));
        QCOMPARE(texts(dialog.folderList()), (QStringList{"..", "sub"}));
        QVERIFY(dialog.saveButton()->isDefault());
        QCOMPARE(dialog.saveButton()->text(), QStringLiteral("Save/C&ontinue"));
        QCOMPARE(dialog.desktopButton()->text(), QStringLiteral("&Desktop"));
        QCOMPARE(dialog.programDirButton()->text(), QStringLiteral("&Prog.dir."));
        QCOMPARE(dialog.tempButton()->text(), QStringLiteral("&Temp."));
    }

    void choosingTypesFiltersFilesAndForcesTheExtension() {
        QTemporaryDir dir;
        touch(dir.filePath("a.txt"));
        touch(dir.filePath("c.glg"));
        touch(dir.filePath("noext"));
        SaveBrowserDialog dialog({"pic", 1, dir.path().toStdString(), ""}, nullptr);

        dialog.groupList()->setCurrentRow(2);
        QCOMPARE(texts(dialog.rowList()),
                 (QStringList{"Glyphora format", "Glyphora plaintext", "Pattern"}));
        dialog.rowList()->setCurrentRow(1);
        QCOMPARE(dialog.fileNameField()->text(), QStringLiteral("pic.glg"));
        QCOMPARE(texts(dialog.fileList()), QStringList{"c.glg"});

        dialog.groupList()->setCurrentRow(4);
        dialog.rowList()->setCurrentRow(2); // User defined lists every file
        QCOMPARE(texts(dialog.fileList()), (QStringList{"a.txt", "c.glg", "noext"}));

        emit dialog.fileList()->itemClicked(dialog.fileList()->item(0));
        dialog.saveButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.reply().formatCode, 12);
        QCOMPARE(QString::fromStdString(dialog.reply().path), QDir(dir.path()).filePath("a.txt"));
    }

    void fixedFoldersKeepTheFileName() {
        QTemporaryDir dir;
        QTemporaryDir prog;
        SaveBrowserDialog dialog({"pic", 3, dir.path().toStdString(), prog.path().toStdString()},
                                 nullptr);
        QCOMPARE(dialog.fileNameField()->text(), QStringLiteral("pic.htm"));
        dialog.programDirButton()->click();
        QCOMPARE(dialog.fileNameField()->text(), QDir(prog.path()).filePath("pic.htm"));
        dialog.tempButton()->click();
        QCOMPARE(QDir(dialog.folderLabel()->text()), QDir(SaveBrowserDialog::tempFolder()));

        dialog.fileNameField()->setText(QStringLiteral("other.txt"));
        emit dialog.fileNameField()->textEdited(QStringLiteral("other.txt"));
        emit dialog.fileNameField()->editingFinished();
        QCOMPARE(dialog.fileNameField()->text(),
                 QDir(QDir::cleanPath(SaveBrowserDialog::tempFolder())).filePath("other.htm"));
    }
};

QTEST_MAIN(SaveBrowserDialogTest)
#include "save_browser_dialog_test.moc"
