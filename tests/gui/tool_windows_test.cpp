#include "app/command_table.h"
#include "app/editor.h"
#include "code_table_window.h"
#include "copy_grid_pane.h"
#include "knowledge_base_panel.h"
#include "main_window.h"
#include "qt_ui.h"
#include "text_browser_dialog.h"

#include <QtTest>
#include <QtWidgets>
#include <fstream>

using namespace glyphora;

// The copy grid, the knowledge base, the character-code window and the text-file browser.
class ToolWindowsTest : public QObject {
    Q_OBJECT

private:
    // Showing the window runs the start-up (reading the settings file).
    struct Fixture {
        QTemporaryDir dir;
        QtUi ui;
        Editor editor{ui, dir.path().toStdString(), "557"};
        CommandTable commands;
        MainWindow window{editor, ui, commands};
        Fixture() { window.show(); }
        void write(const QString& name, const std::string& bytes) {
            QDir(dir.path()).mkpath(QFileInfo(dir.filePath(name)).path());
            std::ofstream(dir.filePath(name).toStdString(), std::ios::binary) << bytes;
        }
    };

    // A click, then a double click: item views take a double click only after a press.
    static void doubleClick(QAbstractItemView* view, const QModelIndex& index) {
        const QPoint at = view->visualRect(index).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
    }

private slots:
    void copyGridPaneSelectsByDragAndOpensItsPopUpMenu() {
        Fixture f;
        f.window.actionFor("ToggleCopyGridPane")->trigger();
        CopyGridPane* pane = f.window.copyGridPane();
        QVERIFY(pane->isVisible() && pane->hint()->isVisible());
        QCOMPARE(pane->width(), 337);

        // Cells are 8 x 15 pixels and a grid line.
        QWidget* viewport = pane->view()->viewport();
        QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(1 * 9 + 3, 1 * 16 + 3));
        QMouseEvent move(QEvent::MouseMove, QPointF(3 * 9 + 3, 2 * 16 + 3),
                         viewport->mapToGlobal(QPointF(3 * 9 + 3, 2 * 16 + 3)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
        QCOMPARE(f.editor.copyGrid.selection(), (CellRect{1, 1, 3, 2}));
        QSignalSpy menu(pane, &CopyGridPane::contextMenuWanted);
        QTest::mouseClick(viewport, Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(menu.count(), 1);
        QVERIFY(pane->hint()->isHidden());

        f.window.copyGridPopup()->actions()[1]->trigger(); // the table's "Close"
        QVERIFY(pane->isHidden());
    }

    void knowledgeBasePanelStepsThroughFilesAndPassesClicksOn() {
        Fixture f;
        f.write("Data/a.dat", "><>\r\n=^.^=\r\n");
        f.write("Data/b.dat", "(^_^)\r\n");
        f.window.actionFor("ToggleKnowledgeBase")->trigger();
        KnowledgeBasePanel* panel = f.window.knowledgeBasePanel();
        QVERIFY(panel->isVisible() && f.window.actionFor("ToggleKnowledgeBase")->isChecked());
        QCOMPARE(panel->selector()->text(), QStringLiteral("a.dat  (1/2)"));
        QCOMPARE(panel->list()->count(), 2);

        panel->selector()->stepUp();
        QCOMPARE(panel->selector()->text(), QStringLiteral("b.dat  (2/2)"));
        QCOMPARE(panel->list()->item(0)->text(), QStringLiteral("(^_^)"));
        doubleClick(panel->list(), panel->list()->model()->index(0, 0));
        QCOMPARE(f.editor.status().field(3), std::string("=> COPIED TO CLIPBOARD."));
        QCOMPARE(f.ui.clipboardText(), std::string("(^_^)"));
    }

    void codeTableWindowShowsTheCanvasGlyphsAndInsertsThemWithoutBlocking() {
        Fixture f;
        f.window.actionFor("ShowCodeTable")->trigger();
        CodeTableWindow* window = f.window.codeTable();
        QVERIFY(window->isVisible() && !window->isModal());
        QCOMPARE(window->grid()->item(14, 16)->text(), QStringLiteral("\u00FF"));
        window->grid()->setCurrentCell(5, 11); // code 11 x 15 + 5 + 1
        QCOMPARE(window->hexBox()->text(), QStringLiteral("AB"));
        QCOMPARE(window->characterBox()->text(), QStringLiteral("\u00AB"));

        f.window.actionFor("ToggleCp437Glyphs")->trigger();
        QCOMPARE(window->grid()->item(5, 11)->text(), QStringLiteral("\u00BD"));
        f.editor.setGridSelection({2, 2, 2, 2});
        doubleClick(window->grid(), window->grid()->model()->index(5, 11));
        QCOMPARE(std::string(f.editor.canvas().text(2, 2)), std::string("\xAB"));
    }

    void textBrowserStepsByKeysAndFitsTheFontToTheWidth() {
        QTemporaryDir dir;
        std::ofstream(dir.filePath("a.txt").toStdString(), std::ios::binary) << "short";
        std::ofstream(dir.filePath("b.asc").toStdString(), std::ios::binary)
            << std::string(60, 'W') << "\r\nsecond line";
        TextBrowserDialog dialog({dir.path().toStdString(), CharSet::Windows1252}, nullptr);
        dialog.resize(700, 400);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.fontSizeBox()->value(), 8);

        QTest::keyClick(dialog.view(), Qt::Key_N);
        QCOMPARE(dialog.view()->toPlainText(), QStringLiteral("short"));
        QVERIFY(!dialog.fitButton()->isEnabled());    // fewer than ten characters
        QTest::keyClick(dialog.view(), Qt::Key_Left); // from the first to the last
        QCOMPARE(dialog.fileList()->currentRow(), 1);
        QTest::keyClick(dialog.view(), Qt::Key_S);
        QVERIFY(dialog.explorer()->isHidden());

        // The longest line fits at the size found and no longer at the next one.
        dialog.fitWidth();
        const int size = dialog.fontSizeBox()->value();
        QCOMPARE(dialog.view()->font().pointSize(), size);
        const int width = dialog.view()->viewport()->width() -
                          2 * static_cast<int>(dialog.view()->document()->documentMargin()) -
                          dialog.view()->cursorWidth();
        const auto lineWidth = [](int points) {
            QFont font(QStringLiteral("Courier New"));
            font.setStyleHint(QFont::Monospace);
            font.setPointSize(points);
            return QFontMetrics(font).horizontalAdvance(QString(60, 'W'));
        };
        QVERIFY(lineWidth(size) <= width && lineWidth(size + 1) > width);

        QTest::mouseClick(dialog.colorGrid(), Qt::RightButton, {}, QPoint(4, 4));
        QCOMPARE(dialog.view()->palette().color(QPalette::Base), QColor(Qt::black));
        QTest::keyClick(dialog.view(), Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(ToolWindowsTest)
#include "tool_windows_test.moc"
