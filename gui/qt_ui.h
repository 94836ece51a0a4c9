#pragma once

#include "platform/ui.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <map>

class QWidget;

namespace glyphora {

// What the Qt services need from the main window.
class QtUiHost {
public:
    virtual ~QtUiHost() = default;
    virtual QWidget* dialogParent() = 0;
    virtual void showStatusField(int field) = 0;
    virtual void showProgress(const ProgressView& view) = 0;
    virtual void repaintCanvasNow() = 0;
    virtual void scrollCanvasTo(int col, int row) = 0;
    virtual void timerFired(TimerId id) = 0;
    virtual void capturePastePreview(const CellRect& block) = 0;
    virtual void showSelectionNavigator() = 0;
    virtual void showCodeTable() = 0;
};

// The Ui services with real Qt dialogs, the system clipboard and window timers.
class QtUi : public QObject, public Ui {
    Q_OBJECT
public:
    QtUi();
    ~QtUi() override;

    void setHost(QtUiHost* host) { host_ = host; }

    // While a command runs, user input is held back except Escape, which the command can
    // poll; the window still repaints and the progress bar animates.
    void beginCommand();
    void endCommand();

    void message(std::string_view text) override;
    Answer confirm(std::string_view text, Buttons buttons) override;
    std::optional<std::string> inputBox(std::string_view title, std::string_view prompt,
                                        std::string_view defaultText) override;
    std::optional<std::string> openFile(const FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const FileDialogRequest& request) override;
    std::optional<Color> chooseColor(Color initial) override;
    std::optional<TextFont> chooseFont(const TextFont& initial) override;
    std::optional<CanvasSizeReply> canvasSize(const CanvasSizeRequest& request) override;
    std::optional<SaveBrowserReply> saveBrowser(const SaveBrowserRequest& request) override;
    std::optional<Color> chooseAnsiColor(Color initial, bool background) override;
    std::optional<int> chooseOne(const ChoiceRequest& request) override;
    std::optional<ConfigureForm> configure(const ConfigureForm& form) override;
    std::optional<StretchOption> chooseStretch() override;
    std::optional<ViewerSettings> viewPicture(const Bitmap& picture) override;
    HtmlOptionsForm htmlOptions(const HtmlOptionsForm& preset) override;
    std::optional<DecreaseColorsReply>
    decreaseColors(const DecreaseColorsRequest& request) override;
    std::optional<int> charBrightness() override;
    PrintOutcome printText(const PrintJob& job) override;
    void showInfoWindow(const InfoWindow& window) override;

    std::string clipboardText() override;
    void setClipboardText(std::string_view text) override;
    void beep() override;
    bool escapeDown() override;
    void setCursor(AppCursor cursor) override;
    void setTimer(TimerId id, bool enabled, int intervalMs) override;
    bool shellOpen(const std::string& target) override;
    bool startProgram(const std::string& program, const std::vector<std::string>& args) override;
    std::vector<std::string> fontFamilies(FontPitch pitch) override;
    CharMetrics measureChar(const TextFont& font, char ch) override;

    void statusChanged(int field, std::string_view text) override;
    void progressChanged(const ProgressView& view) override;
    void repaintCanvas() override;
    void scrollCanvasTo(int col, int row) override;
    void capturePastePreview(const CellRect& block) override;
    void showSelectionNavigator() override;
    void showCodeTable() override;
    void textBrowser(const TextBrowserRequest& request) override;

    // "desc|*.a;*.b|desc2|*.c" as a Qt file-dialog filter "desc (*.a *.b);;desc2 (*.c)".
    static QString toQtFilter(const std::string& filter);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* parent() const;

    QtUiHost* host_ = nullptr;
    std::map<TimerId, QTimer*> timers_;
    bool busyCursor_ = false;
    int commandDepth_ = 0;
    bool escapePressed_ = false;
    QElapsedTimer sinceEvents_;
};

} // namespace glyphora
