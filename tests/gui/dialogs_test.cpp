#include "canvas_renderer.h"
#include "canvas_size_dialog.h"
#include "qt_ui.h"

#include <QCheckBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QLineEdit>
#include <QtTest>

using namespace glyphora;

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void canvasSizeFollowsTheLockedRatioAndRejectsWhatIsNotAWholeNumber() {
        CanvasSizeDialog dialog({"Resize Canvas:", "80", "50"}, nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("  Canvas:"));
        QVERIFY(dialog.lockRatio()->isChecked());
        dialog.widthField()->selectAll();
        QTest::keyClicks(dialog.widthField(), "40");
        QCOMPARE(dialog.heightField()->text(), QStringLiteral("25"));

        dialog.lockRatio()->setChecked(false); // toggling changes no field
        QCOMPARE(dialog.widthField()->text(), QStringLiteral("40"));
        dialog.heightField()->selectAll();
        QTest::keyClicks(dialog.heightField(), "7");
        QCOMPARE(dialog.widthField()->text(), QStringLiteral("40"));
        QCOMPARE(dialog.reply().height, std::string("7"));

        dialog.lockRatio()->setChecked(true);
        dialog.widthField()->selectAll(); // not a whole number: back to the initial value
        QTest::keyClicks(dialog.widthField(), "x");
        QCOMPARE(dialog.widthField()->text(), QStringLiteral("80"));
        QCOMPARE(dialog.heightField()->text(), QStringLiteral("7"));
    }

    void fontDialogOpensOnTheDrawnFamilyAndKeepsTheRequestedName() {
        const TextFont courier{"Courier New", 10};
        const QString drawn = QFontInfo(toQFont(courier)).family();
        if (drawn == QStringLiteral("Courier New"))
            QSKIP("Courier New is installed: no stand-in to open on");
        QtUi ui;
        QString shownFamily;
        const auto answer = [&](const QString& pick) {
            QTimer::singleShot(0, [&shownFamily, pick] {
                auto* dialog = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                shownFamily = dialog->currentFont().family();
                if (!pick.isEmpty())
                    dialog->setCurrentFont(QFont(pick, 12));
                dialog->accept();
            });
        };
        answer({});
        QCOMPARE(ui.chooseFont(courier)->name, std::string("Courier New"));
        QCOMPARE(shownFamily, drawn);
        // Another family is taken by its own name.
        const QString other = QFontInfo(QFont(QStringLiteral("Sans Serif"))).family();
        answer(other);
        const std::optional<TextFont> picked = ui.chooseFont(courier);
        QCOMPARE(QString::fromStdString(picked->name), other);
        QCOMPARE(picked->size, 12);
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
