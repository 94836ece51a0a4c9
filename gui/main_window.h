#pragma once

#include "app/command_table.h"
#include "canvas/text_conversion.h"
#include "qt_ui.h"

#include <QMainWindow>
#include <array>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QStackedWidget;

namespace glyphora {

class CanvasView;
class Editor;
class ProgressWidget;

// The main window: menus and shortcuts generated from the command table, the canvas view,
// the text view over it, the status bar and the progress panel. It only shows the Editor's
// state and turns Qt events into Editor calls.
class MainWindow : public QMainWindow, private QtUiHost {
    Q_OBJECT
public:
    static constexpr int kInitialWidth = 800;
    static constexpr int kInitialHeight = 543;

    MainWindow(Editor& editor, QtUi& ui, const CommandTable& commands);
    ~MainWindow() override;

    // Runs a command as its menu item would, then shows the new state.
    void runCommand(const CommandRow& row);
    // Brings every widget in line with the Editor's state.
    void sync();

    CanvasView* canvasView() const { return canvasView_; }
    QPlainTextEdit* textView() const { return textEdit_; }
    ProgressWidget* progressWidget() const { return progress_; }
    QLabel* statusField(int index) const { return statusFields_.at(static_cast<size_t>(index)); }
    QAction* actionFor(std::string_view id) const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildMenus();
    void buildStatusBar();
    void updateActions();
    void pushTextViewEdits();
    void showTextViewLines();

    QWidget* dialogParent() override { return this; }
    void showStatusField(int field) override;
    void showProgress(const ProgressView& view) override;
    void repaintCanvasNow() override;
    void scrollCanvasTo(int col, int row) override;
    void timerFired(TimerId id) override;

    Editor& editor_;
    QtUi& ui_;
    const CommandTable& commands_;
    CanvasView* canvasView_ = nullptr;
    QPlainTextEdit* textEdit_ = nullptr;
    QStackedWidget* stack_ = nullptr;
    ProgressWidget* progress_ = nullptr;
    std::array<QLabel*, 4> statusFields_{};
    std::vector<std::pair<QAction*, const CommandRow*>> actions_;
    // The lines the text view was last filled with, to refill it only when they change.
    TextLines shownLines_;
    bool textViewShown_ = false;
};

} // namespace glyphora
