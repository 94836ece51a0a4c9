#include "app/command_table.h"
#include "app/editor.h"
#include "canvas_renderer.h"
#include "canvas_view.h"
#include "main_window.h"
#include "platform/text_codec.h"
#include "progress_widget.h"
#include "qt_ui.h"

#include <QtTest>
#include <QtWidgets>
#include <fstream>

using namespace glyphora;

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    // Showing the window runs the start-up (reading the settings file).
    struct Fixture {
        QTemporaryDir dir;
        QtUi ui;
        Editor editor{ui, dir.path().toStdString(), "555"};
        CommandTable commands;
        MainWindow window{editor, ui, commands};
        Fixture() { window.show(); }
    };

    static QString caption(std::string_view bytes) {
        return QString::fromStdString(cp1252ToUtf8(bytes));
    }
    static bool textFits(const QLabel* label) {
        return label->fontMetrics().horizontalAdvance(label->text()) <=
               label->contentsRect().width();
    }

private slots:
    void opensShowingTheWholeCanvasAsFarAsTheScreenAllows() {
        Fixture f;
        QCOMPARE(f.window.windowTitle(), QStringLiteral("NoName.txt"));
        const QRect screen = f.window.screen()->availableGeometry();
        const CellMetrics& m = f.editor.canvas().metrics;
        const QSize view = f.window.canvasView()->viewport()->size();
        QVERIFY(screen.contains(f.window.frameGeometry()));
        QVERIFY(view.width() >= 80 * CanvasRenderer::columnPitch(m) ||
                f.window.frameGeometry().width() == screen.width());
        QVERIFY(view.height() >= 50 * CanvasRenderer::rowPitch(m) ||
                f.window.frameGeometry().height() == screen.height());
    }

    void statusFieldsHoldTheirTextsSideBySideInANarrowWindow() {
        Fixture f;
        f.editor.status().StatusMessage(std::string(200, 'm'));
        f.window.resize(300, 400);
        QStatusBar* bar = f.window.statusBar();
        QTRY_VERIFY(bar->width() <= f.window.width());
        // The widest positions the cell limit allows.
        for (const auto& [col, row] : {std::pair{3864, 3999}, std::pair{8191, 8191},
                                       std::pair{int(CharCanvas::kMaxCells - 1), 0}}) {
            f.editor.status().setField(0, StatusBar::positionText(col, row));
            QVERIFY2(textFits(f.window.statusField(0)), f.editor.status().field(0).c_str());
        }
        QVERIFY(textFits(f.window.statusField(2)));
        // The message field gives way; no field reaches into another or out of the bar.
        for (int i = 0; i < 4; ++i) {
            const QRect field = f.window.statusField(i)->geometry();
            QVERIFY(bar->rect().contains(field));
            QVERIFY(i == 3 || field.right() < f.window.statusField(i + 1)->geometry().left());
        }
    }

    void menusAreBuiltFromTheCommandTableAndRunIt() {
        Fixture f;
        QCOMPARE(f.window.menuBar()->actions().front()->text(), QStringLiteral("&File"));
        for (const CommandRow& row : f.commands.rows()) {
            if (!row.inMenu())
                continue;
            QAction* action = f.window.actionFor(row.id);
            QVERIFY2(action, row.id.data());
            QCOMPARE(action->text(), caption(splitMenuPath(row.menuPath).back()));
            QStringList keys;
            for (const QKeySequence& key : action->shortcuts())
                keys << key.toString();
            QCOMPARE(keys.join(' '), QString::fromStdString(row.shortcuts.text()));
            QCOMPARE(action->isCheckable(), row.isCheckable());
            // Hidden rows are reachable but stand in no menu.
            bool inMenu = false;
            for (QObject* owner : action->associatedObjects())
                inMenu |= qobject_cast<QMenu*>(owner) != nullptr;
            QCOMPARE(inMenu, !row.hidden);
        }
        QAction* grid = f.window.actionFor("ToggleGrid");
        QVERIFY(grid->isChecked());
        grid->trigger();
        QVERIFY(!grid->isChecked());
        QCOMPARE(f.editor.canvas().metrics.gridLineWidth, 0);

        f.editor.settings().ShowInfoMessages = false; // exit without asking
        f.window.actionFor("ExitProgram")->trigger();
        QVERIFY(f.editor.quitRequested);
        QVERIFY(!f.window.isVisible());
    }

    void ctrlWheelAndZoomKeysKeepTheCellInPlace() {
        Fixture f;
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        CanvasView* view = f.window.canvasView();
        f.editor.canvas().setSize(500, 400);
        f.window.sync();
        view->scrollToCell(100, 50); // scroll bars count cells
        QCOMPARE(view->cellAt(QPoint(0, 0)), QPoint(100, 50));
        const int start = f.editor.canvas().font().size;
        const auto zoom = [&] { return f.editor.canvas().font().size - start; };
        const QPoint at = view->cellOrigin(110, 60) + QPoint(3, 3);
        const auto wheel = [&](int delta, Qt::KeyboardModifiers mods) {
            QWheelEvent event(at, view->viewport()->mapToGlobal(at), {}, {0, delta}, Qt::NoButton,
                              mods, Qt::NoScrollPhase, false);
            QApplication::sendEvent(view->viewport(), &event);
        };
        wheel(120, Qt::ControlModifier);
        QCOMPARE(zoom(), 1);
        QCOMPARE(view->cellUnder(at), QPoint(110, 60));
        wheel(-60, Qt::ControlModifier); // half a notch: nothing yet
        QCOMPARE(zoom(), 1);
        wheel(-300, Qt::ControlModifier);
        QCOMPARE(zoom(), -2);
        QCOMPARE(view->cellUnder(at), QPoint(110, 60));
        wheel(-120, Qt::NoModifier); // scrolls, zooms not
        QCOMPARE(zoom(), -2);

        const QPoint centre = view->viewport()->rect().center();
        const QPoint middle = view->cellUnder(centre);
        QTest::keyClick(&f.window, Qt::Key_Equal, Qt::ControlModifier);
        QTest::keyClick(&f.window, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(zoom(), 0);
        QTest::keyClick(&f.window, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(zoom(), -1);
        QCOMPARE(view->cellUnder(centre), middle);
    }

    void textViewAndPaintBarShowAndPassEditsOn() {
        Fixture f;
        f.window.actionFor("ToggleTextView")->trigger();
        QPlainTextEdit* text = f.window.textView();
        QVERIFY(text->isVisibleTo(&f.window));
        text->setPlainText(QStringLiteral("Gr\u00FC\u00DFe\n\u20AC!"));
        text->document()->setModified(true);
        f.window.actionFor("ToggleTextView")->trigger();
        QVERIFY(!text->isVisibleTo(&f.window));
        QCOMPARE(f.editor.canvas().colCount(), 5);
        QCOMPARE(f.editor.canvas().text(2, 0), std::string_view("\xFC"));
        QCOMPARE(f.editor.canvas().text(0, 1), std::string_view("\x80"));

        QVERIFY(!f.window.paintBar()->isVisible());
        f.window.actionFor("TogglePaintbar")->trigger();
        QVERIFY(f.window.paintBar()->isVisible());
        const QList<QLineEdit*> boxes = f.window.paintBar()->findChildren<QLineEdit*>();
        QString chars;
        for (QLineEdit* box : boxes)
            chars += box->text();
        QCOMPARE(chars, QStringLiteral("#_|-+\\/_|"));
        boxes.front()->selectAll(); // editing a box changes the painting character
        QTest::keyClicks(boxes.front(), "@");
        QCOMPARE(f.editor.settings().SolidChar, std::string("@"));
    }

    void progressPanelIsCentredAndShownAtOnce() {
        Fixture f;
        f.editor.progress().showBar("Saving ...", true, "Step 1 of 3");
        ProgressWidget* panel = f.window.progressWidget();
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->pos(), ProgressWidget::centredIn(f.window.size(), panel->size()));
        f.editor.progress().hideBar();
        QVERIFY(!panel->isVisible());
    }

    void rendererDrawsTheCellsFromTheFirstVisibleOne() {
        CharCanvas canvas(4000, 3000);
        canvas.metrics = {10, 10, 1};
        canvas.SetColorCell(1500, 2000, 0x0000FF); // red background
        canvas.SetColorCell(1501, 2000, 0xFF0000); // blue
        canvas.setText(1500, 2001, "#");
        CanvasRenderer renderer;
        QImage image(200, 100, QImage::Format_RGB32);
        renderer.render(image, canvas, 1500, 2000, nullptr, CharSet::Windows1252);
        QCOMPARE(image.pixelColor(5, 5), QColor(255, 0, 0));
        QCOMPARE(image.pixelColor(15, 5), QColor(0, 0, 255));
        QCOMPARE(image.pixelColor(10, 5), QColor(0xD4, 0xD4, 0xD4)); // a grid line
        // Some dark pixels of "#" in the cell below the red one.
        bool inked = false;
        for (int y = 11; y < 21; ++y)
            for (int x = 0; x < 10; ++x)
                inked |= image.pixelColor(x, y).lightness() < 128;
        QVERIFY(inked);
        const CellRect selection{1500, 2000, 1500, 2000}; // tints its cells
        renderer.render(image, canvas, 1500, 2000, &selection, CharSet::Windows1252);
        QVERIFY(image.pixelColor(5, 5) != QColor(255, 0, 0));

        // Beyond the last column the outside colour; a long text stays inside its cell, the
        // next one keeping the default background.
        canvas.setText(3990, 0, "WWWWWWWW");
        renderer.render(image, canvas, 3990, 0, nullptr, CharSet::Windows1252);
        QCOMPARE(image.pixel(150, 5), CanvasRenderer::kOutsideColor);
        for (int y = 0; y < 10; ++y)
            QCOMPARE(image.pixelColor(15, y), QColor(255, 255, 255));

        // On the dark Ansi default the lines stay behind its grey text, yet show.
        canvas.setDefaultColor(kBlack);
        renderer.render(image, canvas, 3990, 0, nullptr, CharSet::Windows1252);
        const int line = qGray(image.pixel(10, 5));
        QVERIFY(line > 0 && line < qGray(qRgb(0xA0, 0xA8, 0xA0)) / 2);

        // Through CP437 a full block covers its whole cell and a lower half block the lower
        // half, so blocks join; through Windows-1252 the same byte is a letter.
        canvas.setDefaultColor(kWhite);
        canvas.setText(3990, 1, "\xDB");
        canvas.setText(3991, 1, "\xDC");
        const auto inkIn = [&](int left, int top, int right, int bottom) {
            int dark = 0;
            for (int y = top; y < bottom; ++y)
                for (int x = left; x < right; ++x)
                    dark += image.pixelColor(x, y).lightness() < 128;
            return dark;
        };
        renderer.render(image, canvas, 3990, 0, nullptr, CharSet::Cp437);
        QCOMPARE(inkIn(0, 11, 10, 21), 100);
        QCOMPARE(inkIn(11, 11, 21, 16), 0);
        QCOMPARE(inkIn(11, 16, 21, 21), 50);
        renderer.render(image, canvas, 3990, 0, nullptr, CharSet::Windows1252);
        QVERIFY(inkIn(0, 11, 10, 21) < 60);
    }

    void typingAndArrowsOnTheCanvas() {
        Fixture f;
        CanvasView* view = f.window.canvasView();
        view->setFocus();
        const QPoint cell = view->cellOrigin(3, 2) + QPoint(2, 2);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, cell);
        QTest::keyClicks(view, QStringLiteral("AÄ"));
        QCOMPARE(f.editor.canvas().text(3, 2), std::string_view("A"));
        QCOMPARE(f.editor.canvas().text(4, 2), std::string_view("\xC4"));
        QTest::keyClick(view, Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(f.editor.gridSelection(), (CellRect{5, 2, 5, 3}));
        QCOMPARE(f.window.statusField(0)->text(), QStringLiteral("Pos.: X=6 Y=4"));
        QTest::keyClick(view, Qt::Key_End);
        QTest::keyClick(view, Qt::Key_Home, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(f.editor.gridSelection(), (CellRect{0, 0, 79, 3}));

        // In the CP437 view keys type the DOS bytes; a character it lacks types nothing.
        QAction* glyphs = f.window.actionFor("ToggleCp437Glyphs");
        glyphs->trigger();
        QVERIFY(glyphs->isChecked());
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, cell);
        for (const QChar ch : QStringLiteral("\u2591\u20AC\u00E9")) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(view, &press);
        }
        QCOMPARE(f.editor.canvas().text(3, 2), std::string_view("\xB0"));
        QCOMPARE(f.editor.canvas().text(4, 2), std::string_view("\x82"));
    }

    void pastePreviewFollowsTheMouseAndEndsOnClickOrMenu() {
        Fixture f;
        CanvasView* view = f.window.canvasView();
        f.editor.canvas().setText(0, 0, "a");
        f.editor.canvas().setText(1, 0, "b");
        f.editor.setGridSelection({0, 0, 1, 0});
        f.window.actionFor("CopyBlock")->trigger();
        QVERIFY(f.editor.preview.PreviewActive);
        QCOMPARE(view->viewport()->cursor().shape(), Qt::DragMoveCursor);

        const QPointF at = view->cellOrigin(6, 5) + QPoint(1, 1);
        QMouseEvent move(QEvent::MouseMove, at, view->viewport()->mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &move);
        QCOMPARE(f.editor.preview.col, 6);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                          view->cellOrigin(6, 5) + QPoint(1, 1));
        QVERIFY(!f.editor.preview.PreviewActive);
        QCOMPARE(f.editor.canvas().text(7, 5), std::string_view("b"));
        QCOMPARE(view->viewport()->cursor().shape(), Qt::ArrowCursor);

        // Opening a menu ends the preview.
        f.window.actionFor("CopyBlock")->trigger();
        QMetaObject::invokeMethod(f.window.menuBar()->actions().at(1)->menu(), "aboutToShow");
        QVERIFY(!f.editor.preview.PreviewActive);
    }

    void droppedFilesOpenAndTheReopenListFollows() {
        Fixture f;
        const QString path = f.dir.filePath(QStringLiteral("drop.txt"));
        std::ofstream(path.toStdString(), std::ios::binary) << "dropped\r\nart";
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        // Straight to the window: the application passes on only drops of a real drag.
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        static_cast<QObject&>(f.window).event(&drop);
        QCOMPARE(f.window.windowTitle(), QStringLiteral("drop.txt"));
        QCOMPARE(f.editor.canvas().text(2, 1), std::string_view("t"));
        QVERIFY(f.window.reopenMenu()->isEnabled());
        QMetaObject::invokeMethod(f.window.reopenMenu(), "aboutToShow");
        QCOMPARE(f.window.reopenMenu()->actions().size(), 1);
        QCOMPARE(f.window.reopenMenu()->actions().front()->text(), path);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
