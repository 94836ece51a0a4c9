#include "app/editor.h"
#include "color/color_commands.h"
#include "color/color_window_commands.h"
#include "color_bar.h"
#include "color_window.h"
#include "figlet_panel.h"
#include "paint/paint_commands.h"
#include "pattern_panel.h"
#include "platform/headless_ui.h"
#include "textfx/figlet_commands.h"

#include <QtTest>
#include <QtWidgets>
#include <fstream>

using namespace glyphora;

// The panels and windows that show beside the canvas.
class PanelsTest : public QObject {
    Q_OBJECT

private:
    struct Fixture {
        QTemporaryDir dir;
        HeadlessUi ui;
        Editor editor{ui, dir.path().toStdString(), "556"};
    };

private slots:
    void colourWindowPostsClicksInOrderAndFollowsTheMenuCheck() {
        Fixture f;
        SetModeFullColored(f.editor);
        QWidget owner;
        ColorWindowController controller(f.editor, &owner);
        ToggleColorWindow(f.editor);
        controller.sync();
        ColorWindow* window = controller.window();
        QVERIFY(window && window->isVisible());
        QSignalSpy changed(&controller, &ColorWindowController::editorChanged);
        SwatchImage* palette = window->image(ColorWindowImage::RgbPalette);
        QTest::mouseClick(palette, Qt::LeftButton, {}, QPoint(25, 45));
        QTest::mouseClick(palette, Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(f.editor.ActiveFontColor, 0u); // handled later, by a queued invocation
        QTRY_COMPARE(changed.count(), 1);
        QCOMPARE(f.editor.ActiveFontColor, 0x0000FFu);
        QCOMPARE(window->sampleBox()->palette().color(QPalette::WindowText), QColor(Qt::red));

        window->close(); // closing unchecks the menu item
        QVERIFY(!isColorWindowChecked(f.editor));
        ToggleColorWindow(f.editor);
        controller.sync();
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
        QSignalSpy changed(&bar, &ColorBar::editorChanged);
        QTest::mouseClick(bar.foregroundStrip(), Qt::LeftButton, {}, QPoint(185, 10));
        QCOMPARE(f.editor.ActiveFontColor, 0x5050FFu); // swatch 9, light red
        QTest::mouseClick(bar.backgroundStrip(), Qt::LeftButton, {}, QPoint(200, 10));
        QCOMPARE(f.editor.ActiveBackColor, 0xA0A8A0u);
        QCOMPARE(changed.count(), 2);

        SetModeFontColored(f.editor);
        bar.sync();
        QVERIFY(!bar.isHidden() && bar.backgroundStrip()->isHidden());
    }

    void figletPanelTypesIntoItsGridAndRecordsTheDraggedSelection() {
        Fixture f;
        FigletPanelWidget panel(f.editor);
        panel.resize(600, 200);
        panel.sync();
        QVERIFY(panel.isHidden());
        ToggleFigletPanel(f.editor);
        panel.sync();
        QVERIFY(!panel.isHidden());
        QCOMPARE(panel.typingBox()->text(), QStringLiteral("Hi"));
        QTest::mouseClick(panel.typingBox(), Qt::LeftButton);
        QCOMPARE(f.editor.figletPanel.typing(), std::string());

        const std::filesystem::path font =
            std::filesystem::path(GLYPHORA_SOURCE_DIR) / "data" / "Fonts" / "pixel.flf";
        f.editor.figletPanel.setFont(*FigletFont::load(font));
        ResetFigletGrid(f.editor);
        panel.sync();
        QCOMPARE(panel.fontLabel()->text(), QStringLiteral("Font activ"));
        QTest::keyClicks(panel.typingBox(), QStringLiteral("Hi"));
        QKeyEvent accented(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QString(QChar(0xE9)));
        QApplication::sendEvent(panel.typingBox(), &accented);
        QCOMPARE(f.editor.figletPanel.pen(), 12); // the accented letter has no glyph

        FigletGridView* grid = panel.gridView();
        QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, QPoint(2, 2));
        QMouseEvent move(QEvent::MouseMove, QPointF(3 * 8 + 2, 2 * 15 + 2),
                         grid->viewport()->mapToGlobal(QPointF(3 * 8 + 2, 2 * 15 + 2)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(grid->viewport(), &move);
        QCOMPARE(f.editor.figletPanel.selection(), (CellRect{0, 0, 3, 2}));

        QSignalSpy menu(&panel, &FigletPanelWidget::contextMenuWanted);
        QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(menu.count(), 1);

        // The grid draws the glyph cells dark on silver.
        QImage shot(grid->viewport()->size(), QImage::Format_RGB32);
        grid->viewport()->render(&shot);
        QCOMPARE(shot.pixelColor(7 * 8 + 4, 6 * 15 + 4), QColor(0xC0, 0xC0, 0xC0));
        int dark = 0;
        for (int y = 15 * 3; y < 15 * 4; ++y)
            for (int x = 0; x < 16; ++x)
                dark += shot.pixelColor(x, y).lightness() < 80;
        QVERIFY(dark > 10);

        panel.closeButton()->click();
        QVERIFY(panel.isHidden());
    }

    void patternPanelListsPreviewsAndFillsByButtonOrDoubleClick() {
        Fixture f;
        QVERIFY(QDir(f.dir.path()).mkpath(QStringLiteral("pattern")));
        std::ofstream(f.dir.filePath("pattern/a.pat").toStdString(), std::ios::binary) << "ab\r\n";
        std::ofstream(f.dir.filePath("pattern/b.pat").toStdString(), std::ios::binary)
            << "/\\\r\n\\/\r\n";
        Editor& editor = f.editor;
        editor.canvas().setSize(3, 2);
        editor.canvas().clearTexts();
        int runs = 0;
        PatternPanelWidget panel(editor, [&](void (*command)(Editor&)) {
            ++runs;
            command(editor);
        });
        QVERIFY(panel.isHidden());
        FillBackgroundWithPattern(editor);
        panel.sync();
        QVERIFY(!panel.isHidden());
        QCOMPARE(panel.fileList()->count(), 2);
        panel.fileList()->setCurrentRow(1);
        QCOMPARE(panel.preview()->toPlainText(), QStringLiteral("/\\\n\\/\n"));
        QTest::mouseClick(panel.fillButton(), Qt::LeftButton);
        QVERIFY(panel.isHidden());
        QCOMPARE(std::string(editor.canvas().text(0, 1)), std::string("\\"));

        editor.canvas().clearTexts();
        FillWithPattern(editor);
        panel.sync();
        panel.fileList()->setCurrentRow(0);
        emit panel.fileList()->itemDoubleClicked(panel.fileList()->item(0));
        QCOMPARE(runs, 2);
        QCOMPARE(std::string(editor.canvas().text(1, 0)), std::string("b"));
        FillWithPattern(editor);
        panel.sync();
        QTest::mouseClick(panel.closeButton(), Qt::LeftButton);
        QVERIFY(panel.isHidden());
        QVERIFY(!patternPanelVisible(editor));
    }
};

QTEST_MAIN(PanelsTest)
#include "panels_test.moc"
