#include "ansi_color_dialog.h"
#include "app/editor.h"
#include "color/color_commands.h"
#include "color/color_window_commands.h"
#include "color_bar.h"
#include "color_window.h"
#include "platform/headless_ui.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace glyphora;

class ColorWidgetsTest : public QObject {
    Q_OBJECT

private:
    struct Fixture {
        QTemporaryDir dir;
        HeadlessUi ui;
        Editor editor{ui, dir.path().toStdString(), "556"};
    };

private slots:
    void ansiChooserOffersBrightColoursOnlyForForegrounds() {
        AnsiColorDialog fg(0xA0A8A0, false, nullptr);
        QCOMPARE(fg.windowTitle(), QStringLiteral("ANSI Color"));
        QCOMPARE(fg.okButton()->text(), QStringLiteral("OK."));
        QCOMPARE(fg.abortButton()->text(), QStringLiteral("Abort"));
        QVERIFY(fg.foregroundButton()->isChecked());
        QVERIFY(!fg.backgroundButton()->isEnabled());
        QCOMPARE(fg.backgroundButton()->text(), QStringLiteral("Backround"));
        QCOMPARE(fg.field(0)->objectName(), QStringLiteral("f0"));
        QCOMPARE(fg.field(15)->objectName(), QStringLiteral("ff7"));
        fg.show();
        QVERIFY(fg.brightPanel()->isVisible());
        QTest::mouseClick(fg.field(9), Qt::LeftButton);
        QCOMPARE(fg.color(), 0x5050FFu);
        QTest::mouseClick(fg.okButton(), Qt::LeftButton);
        QCOMPARE(fg.result(), int(QDialog::Accepted));

        AnsiColorDialog bg(0, true, nullptr);
        bg.show();
        QVERIFY(!bg.brightPanel()->isVisible());
        QTest::mouseClick(bg.field(4), Qt::LeftButton);
        QCOMPARE(bg.color(), 0xA00000u);
        QTest::mouseClick(bg.abortButton(), Qt::LeftButton);
        QCOMPARE(bg.result(), int(QDialog::Rejected));
    }

    void colourWindowHasItsSizeAndPostsInOrder() {
        Fixture f;
        SetModeFullColored(f.editor);
        ToggleColorWindow(f.editor);
        ColorWindow window(f.editor);
        QCOMPARE(window.windowTitle(), QStringLiteral(" ColorDlg"));
        QCOMPARE(window.size(), QSize(140, 346));
        QVERIFY(window.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(window.sampleBox()->text(), QStringLiteral(" ABC 012 /\\- #*@"));
        QCOMPARE(window.toolButton(5)->toolTip(), QStringLiteral("copy"));
        QCOMPARE(window.image(ColorWindowImage::RgbPalette)->size(), QSize(140, 140));
        window.show();
        window.deliver();
        QCOMPARE(window.sampleBox()->palette().color(QPalette::Window), QColor(Qt::white));

        QSignalSpy changed(&window, &ColorWindow::editorChanged);
        QTest::mouseClick(window.image(ColorWindowImage::RgbPalette), Qt::LeftButton, {},
                          QPoint(25, 45));
        QTest::mouseClick(window.image(ColorWindowImage::RgbPalette), Qt::RightButton, {},
                          QPoint(5, 5));
        QCOMPARE(f.editor.ActiveFontColor, 0u); // handled later, by a queued invocation
        QTRY_COMPARE(changed.count(), 1);
        QCOMPARE(f.editor.ActiveFontColor, 0x0000FFu);
        QCOMPARE(window.sampleBox()->palette().color(QPalette::WindowText), QColor(Qt::red));

        window.close();
        QVERIFY(!isColorWindowChecked(f.editor));
    }

    void controllerFollowsTheMenuCheck() {
        Fixture f;
        QWidget owner;
        ColorWindowController controller(f.editor, &owner);
        controller.sync();
        QVERIFY(!controller.window());
        ToggleColorWindow(f.editor);
        controller.sync();
        QVERIFY(controller.window());
        QVERIFY(controller.window()->isVisible());
        ToggleColorWindow(f.editor);
        controller.sync();
        QTRY_VERIFY(!controller.window());
    }

    void colourBarPicksFromItsStrips() {
        Fixture f;
        f.editor.settings().ShowInfoMessages = false;
        f.editor.settings().ShowPaintbar = true;
        ColorBar bar(f.editor);
        QVERIFY(bar.isHidden()); // Plain mode
        SetModeAnsi(f.editor);
        bar.sync();
        QVERIFY(!bar.isHidden());
        QCOMPARE(bar.foregroundStrip()->toolTip(), QStringLiteral("Foreground"));
        QCOMPARE(bar.sampleBox()->text(), QStringLiteral("  Color"));
        QSignalSpy changed(&bar, &ColorBar::editorChanged);
        QTest::mouseClick(bar.foregroundStrip(), Qt::LeftButton, {}, QPoint(185, 10));
        QCOMPARE(f.editor.ActiveFontColor, 0x5050FFu); // swatch 9, light red
        QTest::mouseClick(bar.backgroundStrip(), Qt::LeftButton, {}, QPoint(200, 10));
        QCOMPARE(f.editor.ActiveBackColor, 0xA0A8A0u);
        QCOMPARE(changed.count(), 2);

        QImage shot(bar.backgroundStrip()->size(), QImage::Format_RGB32);
        bar.backgroundStrip()->render(&shot);
        QCOMPARE(shot.pixelColor(139, 5), QColor(0x00, 0xA8, 0xA0)); // cyan, swatch 6
        QCOMPARE(shot.pixelColor(140, 5), QColor(0xA0, 0xA8, 0xA0));

        SetModeFontColored(f.editor);
        bar.sync();
        QVERIFY(!bar.isHidden() && bar.backgroundStrip()->isHidden());
    }
};

QTEST_MAIN(ColorWidgetsTest)
#include "color_widgets_test.moc"
