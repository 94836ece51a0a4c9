#pragma once

#include "app/command_table.h"
#include "canvas/text_conversion.h"
#include "platform/text_codec.h"
#include "canvas_picture_renderer.h"
#include "qt_ui.h"

#include <QMainWindow>
#include <array>
#include <vector>

class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QStackedWidget;
class QToolBar;

namespace glyphora {

class CanvasView;
class CodeTableWindow;
class ColorBar;
class ColorWindowController;
class CopyGridPane;
class Editor;
class FigletPanelWidget;
class KnowledgeBasePanel;
class PatternPanelWidget;
class ProgressWidget;
class SelectionNavigator;

// The main window: menus, shortcuts, the canvas pop-up menu and the paint bar generated
// from the command table, the canvas view, the text view over it, the status bar and the
// progress panel. It only shows the Editor's state and turns Qt events into Editor calls.
class MainWindow : public QMainWindow, private QtUiHost {
    Q_OBJECT
public:
    static constexpr int kInitialWidth = 800;
    static constexpr int kInitialHeight = 543;

    // The places around the canvas for the panels that commands show and hide: the colour
    // bar above the canvas, the copy grid at the left, the pattern and knowledge-base panels
    // at the right, the FigLet panel below.
    enum class PanelPlace { ColorBar, Left, Right, Bottom };
    // Puts a panel into its place; the panel shows and hides itself.
    void setPanel(PanelPlace place, QWidget* panel);

    // args: the command line's arguments after the program name, naming a document to open.
    MainWindow(Editor& editor, QtUi& ui, const CommandTable& commands,
               std::vector<std::string> args = {});
    ~MainWindow() override;

    // Runs a command as its menu item would, then shows the new state.
    void runCommand(const CommandRow& row);
    // Runs the font size command steps times (up for steps > 0, down below) and keeps the
    // cell under the canvas viewport position where it was.
    void zoomCanvas(int steps, QPoint viewportPos);
    // Brings every widget in line with the Editor's state.
    void sync();
    // After keys and mouse on the canvas, which change only the canvas and the status bar:
    // the cheap part of sync, for every cell the mouse moves over.
    void syncCanvas();

    CanvasView* canvasView() const { return canvasView_; }
    QPlainTextEdit* textView() const { return textEdit_; }
    ProgressWidget* progressWidget() const { return progress_; }
    QToolBar* paintBar() const { return paintBar_; }
    QMenu* canvasPopup() const { return canvasPopup_; }
    SelectionNavigator* navigator() const { return navigator_; }
    QLabel* statusField(int index) const { return statusFields_.at(static_cast<size_t>(index)); }
    QAction* actionFor(std::string_view id) const;
    QMenu* reopenMenu() const { return reopenMenu_; }
    ColorBar* colorBar() const { return colorBar_; }
    PatternPanelWidget* patternPanel() const { return patternPanel_; }
    FigletPanelWidget* figletPanel() const { return figletPanel_; }
    QMenu* figletPopup() const { return figletPopup_; }
    CopyGridPane* copyGridPane() const { return copyGridPane_; }
    QMenu* copyGridPopup() const { return copyGridPopup_; }
    KnowledgeBasePanel* knowledgeBasePanel() const { return knowledgeBase_; }
    CodeTableWindow* codeTable() const { return codeTable_; }

protected:
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    // A pop-up menu of command rows; items whose command is not in the table are left out.
    QMenu* buildPopup(std::span<const PopupRow> items);
    void buildCanvasPopup();
    void buildFigletPanel();
    // The copy grid, the knowledge base and the character-code window.
    void buildToolPanels();
    void buildReopenMenu(QMenu* fileMenu, QAction* before);
    void fillReopenMenu();
    void buildPaintBar();
    void buildStatusBar();
    void fitCanvasOnScreen();
    void updateActions();
    void applyWindowSwitches();
    void endPastePreview();
    void pushTextViewEdits();
    void showTextViewLines();

    QWidget* dialogParent() override { return this; }
    void showStatusField(int field) override;
    void showProgress(const ProgressView& view) override;
    void repaintCanvasNow() override;
    void scrollCanvasTo(int col, int row) override;
    void timerFired(TimerId id) override;
    void capturePastePreview(const CellRect& block) override;
    void showSelectionNavigator() override;
    void showCodeTable() override;

    Editor& editor_;
    QtUi& ui_;
    const CommandTable& commands_;
    // The canvas captures draw with the view's renderer.
    QtCanvasPictureRenderer pictureRenderer_;
    CanvasView* canvasView_ = nullptr;
    QPlainTextEdit* textEdit_ = nullptr;
    QStackedWidget* stack_ = nullptr;
    std::array<QWidget*, 4> panelPlaces_{};
    ProgressWidget* progress_ = nullptr;
    QToolBar* paintBar_ = nullptr;
    QMenu* canvasPopup_ = nullptr;
    SelectionNavigator* navigator_ = nullptr;
    QMenu* reopenMenu_ = nullptr;
    ColorBar* colorBar_ = nullptr;
    ColorWindowController* colorWindow_ = nullptr;
    PatternPanelWidget* patternPanel_ = nullptr;
    FigletPanelWidget* figletPanel_ = nullptr;
    QMenu* figletPopup_ = nullptr;
    CopyGridPane* copyGridPane_ = nullptr;
    QMenu* copyGridPopup_ = nullptr;
    KnowledgeBasePanel* knowledgeBase_ = nullptr;
    CodeTableWindow* codeTable_ = nullptr;
    std::vector<std::string> args_;
    bool shownOnce_ = false;
    std::array<QLabel*, 4> statusFields_{};
    std::vector<std::pair<QAction*, const CommandRow*>> actions_;
    std::vector<std::pair<QLineEdit*, std::string Settings::*>> charBoxes_;
    // The lines the text view was last filled with, to refill it only when they change.
    TextLines shownLines_;
    CharSet shownGlyphSet_ = CharSet::Windows1252;
    bool textViewShown_ = false;
    // The window switches as last applied, to touch the window only when they change.
    bool stayOnTop_ = false;
    bool inTaskbar_ = true;
};

} // namespace glyphora
