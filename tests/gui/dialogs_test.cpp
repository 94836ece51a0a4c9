#include "canvas_size_dialog.h"

#include <QCheckBox>
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
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
