#include "app/editor.h"
#include "paint/paint_commands.h"
#include "pattern_panel.h"
#include "platform/headless_ui.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace glyphora;

class PatternPanelTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QVERIFY(dir_.isValid());
        QVERIFY(QDir(dir_.path()).mkpath(QStringLiteral("pattern")));
        for (const auto& [name, bytes] :
             {std::pair{"a.pat", "ab\r\n"}, std::pair{"b.pat", "/\\\r\n\\/\r\n"}}) {
            QFile file(dir_.filePath(QStringLiteral("pattern/") + QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
    }

    void listsPreviewsAndFills() {
        HeadlessUi ui;
        Editor editor(ui, dir_.path().toStdString(), "111");
        editor.canvas().setSize(3, 2);
        editor.canvas().clearTexts();
        PatternPanelWidget panel(editor);
        QVERIFY(panel.isHidden());

        FillBackgroundWithPattern(editor);
        panel.sync();
        QVERIFY(!panel.isHidden());
        QCOMPARE(panel.fileList()->count(), 2);
        QCOMPARE(panel.fileList()->item(1)->text(), QStringLiteral("b.pat"));
        QCOMPARE(panel.preview()->toPlainText(), QString());

        panel.fileList()->setCurrentRow(1);
        QCOMPARE(editor.paintState().patternPanel.selected(), 1);
        QCOMPARE(panel.preview()->toPlainText(), QStringLiteral("/\\\n\\/\n"));
        QCOMPARE(panel.preview()->font().family(), QStringLiteral("Courier New"));

        QTest::mouseClick(panel.fillButton(), Qt::LeftButton);
        QVERIFY(panel.isHidden());
        QCOMPARE(std::string(editor.canvas().text(2, 0)), std::string("/"));
        QCOMPARE(std::string(editor.canvas().text(0, 1)), std::string("\\"));
    }

    void doubleClickFillsAndCloseHides() {
        HeadlessUi ui;
        Editor editor(ui, dir_.path().toStdString(), "112");
        editor.canvas().setSize(2, 1);
        editor.canvas().clearTexts();
        int runs = 0;
        PatternPanelWidget panel(editor, [&](void (*command)(Editor&)) {
            ++runs;
            command(editor);
        });
        FillBackgroundWithPattern(editor);
        panel.sync();
        panel.fileList()->setCurrentRow(0);
        emit panel.fileList()->itemDoubleClicked(panel.fileList()->item(0));
        QCOMPARE(runs, 1);
        QCOMPARE(std::string(editor.canvas().text(1, 0)), std::string("b"));

        FillWithPattern(editor);
        panel.sync();
        QVERIFY(!panel.isHidden());
        QTest::mouseClick(panel.closeButton(), Qt::LeftButton);
        QCOMPARE(runs, 2);
        QVERIFY(panel.isHidden());
        QVERIFY(!patternPanelVisible(editor));
    }

private:
    QTemporaryDir dir_;
};

QTEST_MAIN(PatternPanelTest)
#include "pattern_panel_test.moc"
