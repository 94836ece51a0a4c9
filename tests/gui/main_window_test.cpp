#include "app/command_table.h"
#include "app/editor.h"
#include "canvas_renderer.h"
#include "canvas_view.h"
#include "main_window.h"
#include "platform/text_codec.h"
#include "progress_widget.h"
#include "qt_ui.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

using namespace glyphora;

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    struct Fixture {
        QTemporaryDir dir;
        QtUi ui;
        Editor editor{ui, dir.path().toStdString(), "555"};
        CommandTable commands;
        MainWindow window{editor, ui, commands};
    };

    static QString caption(std::string_view bytes) {
        return QString::fromStdString(cp1252ToUtf8(bytes));
    }

private slots:
    void startsAsTheWelcomeWindow() {
        Fixture f;
        QCOMPARE(f.window.windowTitle(), QStringLiteral("NoName.txt"));
        QCOMPARE(f.window.size(), QSize(800, 543));
        QCOMPARE(f.window.statusField(3)->text(), QStringLiteral(" W E L C O M E "));
        const int widths[] = {100, 100, 300, 600};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(f.window.statusField(i)->width(), widths[i]);
        QVERIFY(!f.window.progressWidget()->isVisible());
    }

    void menusAreBuiltFromTheCommandTable() {
        Fixture f;
        QStringList titles;
        for (QAction* menu : f.window.menuBar()->actions())
            titles << menu->text();
        QCOMPARE(titles, (QStringList{"Edit&1", "&View", "&Options"}));

        for (const CommandRow& row : f.commands.rows()) {
            QAction* action = f.window.actionFor(row.id);
            QVERIFY2(action, row.id.data());
            QCOMPARE(action->text(), caption(splitMenuPath(row.menuPath).back()));
            QCOMPARE(action->shortcut(), QKeySequence::fromString(QString::fromLatin1(
                                             row.shortcut.data(), row.shortcut.size())));
            QCOMPARE(action->isCheckable(), row.isCheckable());
            // Hidden rows are reachable but stand in no menu.
            bool inMenu = false;
            for (QObject* owner : action->associatedObjects())
                inMenu |= qobject_cast<QMenu*>(owner) != nullptr;
            QCOMPARE(inMenu, !row.hidden);
        }
        QCOMPARE(f.window.actionFor("grid2Togrid1")->shortcut(), QKeySequence("Ctrl+Z"));
    }

    void checkMarksFollowTheEditor() {
        Fixture f;
        QAction* grid = f.window.actionFor("ToggleGrid");
        QVERIFY(grid->isChecked());
        grid->trigger();
        QVERIFY(!grid->isChecked());
        QCOMPARE(f.editor.canvas().metrics.gridLineWidth, 0);
    }

    void shortcutRunsTheCommand() {
        Fixture f;
        f.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        f.editor.rang();
        f.editor.canvas().setText(0, 0, "Z");
        QTest::keyClick(&f.window, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.editor.canvas().text(0, 0), std::string_view(" "));
    }

    void textViewEditsReachTheCanvas() {
        Fixture f;
        f.window.actionFor("ToggleTextView")->trigger();
        QPlainTextEdit* text = f.window.textView();
        QVERIFY(text->isVisibleTo(&f.window));
        QCOMPARE(text->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(text->document()->blockCount(), 50);
        text->setPlainText(QStringLiteral("Gr\u00FC\u00DFe\n\u20AC!"));
        text->document()->setModified(true);
        f.window.actionFor("ToggleTextView")->trigger();
        QVERIFY(!text->isVisibleTo(&f.window));
        QCOMPARE(f.editor.canvas().colCount(), 5);
        QCOMPARE(f.editor.canvas().text(2, 0), std::string_view("\xFC"));
        QCOMPARE(f.editor.canvas().text(0, 1), std::string_view("\x80"));
    }

    void progressPanelIsCentredAndShownAtOnce() {
        Fixture f;
        f.window.show();
        f.editor.progress().ShowBar("Saving ...", true, "Step 1 of 3");
        ProgressWidget* panel = f.window.progressWidget();
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->pos(), ProgressWidget::centredIn(f.window.size(), panel->size()));
        QCOMPARE(panel->view().caption, std::string("Saving ..."));
        f.editor.progress().HideBar();
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
        renderer.render(image, canvas, 1500, 2000, nullptr);
        QCOMPARE(image.pixelColor(5, 5), QColor(255, 0, 0));
        QCOMPARE(image.pixelColor(15, 5), QColor(0, 0, 255));
        QCOMPARE(image.pixel(10, 5), CanvasRenderer::kGridLineColor);
        QCOMPARE(image.pixelColor(25, 5), QColor(255, 255, 255));
        // Some dark pixels of "#" in the cell below the red one.
        bool inked = false;
        for (int y = 11; y < 21; ++y)
            for (int x = 0; x < 10; ++x)
                inked |= image.pixelColor(x, y).lightness() < 128;
        QVERIFY(inked);
        // The last column ends the canvas: beyond it the view shows the outside colour.
        renderer.render(image, canvas, 3990, 0, nullptr);
        QCOMPARE(image.pixel(150, 5), CanvasRenderer::kOutsideColor);
        // A selection tints its cells.
        const CellRect selection{1500, 2000, 1500, 2000};
        renderer.render(image, canvas, 1500, 2000, &selection);
        QVERIFY(image.pixelColor(5, 5) != QColor(255, 0, 0));
    }

    void longCellTextsStayInsideTheirCell() {
        CharCanvas canvas(3, 1);
        canvas.metrics = {10, 14, 1};
        canvas.setText(0, 0, "WWWWWWWW");
        CanvasRenderer renderer;
        QImage image(40, 16, QImage::Format_RGB32);
        renderer.render(image, canvas, 0, 0, nullptr);
        for (int y = 0; y < 14; ++y)
            QCOMPARE(image.pixelColor(15, y), QColor(255, 255, 255)); // the next cell is clean
    }

    void viewScrollsInCellsAndReportsTheFirstVisibleCell() {
        Fixture f;
        f.editor.canvas().setSize(500, 400);
        f.window.show();
        f.window.sync();
        f.window.canvasView()->scrollToCell(100, 50);
        QCOMPARE(f.editor.firstVisibleCol, 100);
        QCOMPARE(f.editor.firstVisibleRow, 50);
        const QPoint cell = f.window.canvasView()->cellAt(QPoint(0, 0));
        QCOMPARE(cell, QPoint(100, 50));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
