#pragma once

#include "platform/ui.h"

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace glyphora {

// A Ui without a screen: dialogs take their answers from a queue, and every interaction is
// recorded as one transcript line ("confirm: File exists. Overwrite ? -> yes"). A dialog
// with no queued answer is cancelled and remembered, so a script runner can stop there.
// Answers and lines are the editor's Windows-1252 texts, as typed into a dialog; a file
// dialog hands its path on in UTF-8, the file system's names, as the window's dialogs do.
class HeadlessUi : public Ui {
public:
    HeadlessUi();

    void queueAnswer(std::string answer) { answers_.push_back(std::move(answer)); }
    // Answers the next file dialog (open, save or the save-as browser) ahead of the queue,
    // as a script's open and saveas give their path to their own dialog.
    void answerNextFileDialog(std::string answer) { fileAnswer_ = std::move(answer); }
    // Drops that answer when no file dialog took it.
    void dropFileDialogAnswer() { fileAnswer_.reset(); }
    std::size_t pendingAnswers() const { return answers_.size(); }
    // The dialog that found no answer, e.g. "confirm: Replace ? ", or empty.
    const std::string& unansweredDialog() const { return unanswered_; }
    void clearUnanswered() { unanswered_.clear(); }

    const std::vector<std::string>& transcript() const { return transcript_; }
    // Receives each transcript line as it is written.
    void setTranscriptSink(std::function<void(const std::string&)> sink) {
        sink_ = std::move(sink);
    }
    // Writes a line of the caller's own into the transcript.
    void note(std::string line);

    void setEscapeDown(bool down) { escapeDown_ = down; }
    AppCursor cursor() const { return cursor_; }
    bool timerEnabled(TimerId id) const;
    int timerInterval(TimerId id) const;
    std::pair<int, int> scrollPosition() const { return scroll_; }
    const ProgressView& lastProgress() const { return progress_; }
    // Makes every shell open and program start fail, as on a desktop that lacks the program.
    void setHandOversFail(bool fail) { handOversFail_ = fail; }
    const std::optional<PrintJob>& lastPrintJob() const { return printJob_; }
    const std::optional<InfoWindow>& lastInfoWindow() const { return infoWindow_; }

    void message(std::string_view text) override;
    Answer confirm(std::string_view text, Buttons buttons) override;
    std::optional<std::string> inputBox(std::string_view title, std::string_view prompt,
                                        std::string_view defaultText) override;
    std::optional<std::string> openFile(const FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const FileDialogRequest& request) override;
    std::optional<Color> chooseColor(Color initial) override;
    std::optional<TextFont> chooseFont(const TextFont& initial) override;
    // Answer "W H" (any texts without blanks), empty for the proposals, or "cancel".
    std::optional<CanvasSizeReply> canvasSize(const CanvasSizeRequest& request) override;
    // Answer "CODE PATH" (the path may hold blanks) or "cancel".
    std::optional<SaveBrowserReply> saveBrowser(const SaveBrowserRequest& request) override;
    // Answer RRGGBB, empty for the preset, or "cancel"; the line reads
    // "ansi color: fg A0A8A0 -> FF5050".
    std::optional<Color> chooseAnsiColor(Color initial, bool background) override;
    // Answer the number of the choice (1 for the first), empty for the preset, or "cancel";
    // the line reads "choice: Open HTML -> 2".
    std::optional<int> chooseOne(const ChoiceRequest& request) override;
    // Answer "NAME=VALUE" pairs separated by ";" (empty: accept as shown), "default" first to
    // press "Default", or "abort"; the line reads "configure: -> UndoSteps=5".
    std::optional<ConfigureForm> configure(const ConfigureForm& form) override;
    // Answer "resample", "resize", empty for "resample", or "cancel"; the line reads
    // "stretch: Stretch option: -> resize".
    std::optional<StretchOption> chooseStretch() override;
    // Answer "save [ZOOM RATIO]", empty for "save 1 2.0", or "close"; the line reads
    // "viewer: 10 x 5 -> save 3 2.0".
    std::optional<ViewerSettings> viewPicture(const Bitmap& picture) override;
    // Answer "FAMILY SIZE BORDER [bold] [italic] [underline]" (the family may hold blanks;
    // size and border are taken as typed), or empty for the preset; the line reads
    // "html options: Courier New 10 0 -> Arial 12 2 bold".
    HtmlOptionsForm htmlOptions(const HtmlOptionsForm& preset) override;
    // Answer "N [global|current] [bw]", empty for the proposal, or "cancel"; a count the
    // dialog's "&OK" would refuse (not 3 up to the current count) cancels. The line reads
    // "decrease colors: 7 -> 3 current bw".
    std::optional<DecreaseColorsReply>
    decreaseColors(const DecreaseColorsRequest& request) override;
    // Answer a step from -50 to 50, empty for 0, or "cancel": "brightness: -> 20".
    std::optional<int> charBrightness() override;
    // Answer "ok" or empty to print, "cancel", or "fail" for a printer that fails; the line
    // reads "print: - (50 lines) -> ok". The job is kept, printed or not.
    PrintOutcome printText(const PrintJob& job) override;
    // Writes "window: TITLE" and a line "| TEXT" for each line of the window.
    void showInfoWindow(const InfoWindow& window) override;

    std::string clipboardText() override { return clipboard_; }
    void setClipboardText(std::string_view text) override { clipboard_ = std::string(text); }
    void beep() override;
    bool escapeDown() override { return escapeDown_; }
    void setCursor(AppCursor cursor) override { cursor_ = cursor; }
    void setTimer(TimerId id, bool enabled, int intervalMs) override;
    // "shell open: TARGET" and "start program: PROGRAM ARGS..."; nothing is opened or started.
    bool shellOpen(const std::string& target) override;
    bool startProgram(const std::string& program, const std::vector<std::string>& args) override;
    std::vector<std::string> fontFamilies(FontPitch pitch) override;
    // Deterministic metrics close to the fixed-pitch screen font: "A" at 10 points is
    // 8 x 15 pixels.
    CharMetrics measureChar(const TextFont& font, char ch) override;

    void statusChanged(int field, std::string_view text) override;
    void progressChanged(const ProgressView& view) override;
    void repaintCanvas() override {}
    void scrollCanvasTo(int col, int row) override { scroll_ = {col, row}; }
    void capturePastePreview(const CellRect& block) override;
    void showSelectionNavigator() override { note("window: selection navigator"); }
    void showCodeTable() override { note("window: ANSI code"); }
    // The line reads "window: TextBrowser /path/of/folder".
    void textBrowser(const TextBrowserRequest& request) override;

private:
    // The next answer, or nothing (recording the dialog as unanswered).
    std::optional<std::string> take(const std::string& dialog);
    // A file dialog's answer: the one given ahead of the queue, else the next one.
    std::optional<std::string> takeFileAnswer(const std::string& dialog);
    // A file dialog's answer: a path, or "cancel" / empty for none.
    std::optional<std::string> answerFile(const std::string& dialog);
    // A colour dialog's answer: RRGGBB, empty for the initial colour, anything else cancels.
    std::optional<Color> answerColor(const std::string& dialog, Color initial);

    std::deque<std::string> answers_;
    std::optional<std::string> fileAnswer_;
    std::vector<std::string> transcript_;
    std::function<void(const std::string&)> sink_;
    std::string unanswered_;
    std::string clipboard_;
    bool escapeDown_ = false;
    AppCursor cursor_ = AppCursor::Normal;
    std::map<TimerId, std::pair<bool, int>> timers_;
    std::pair<int, int> scroll_{0, 0};
    ProgressView progress_;
    bool handOversFail_ = false;
    std::optional<PrintJob> printJob_;
    std::optional<InfoWindow> infoWindow_;
};

} // namespace glyphora
