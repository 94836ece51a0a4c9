#pragma once

#include "platform/bitmap.h"
#include "platform/cell_rect.h"
#include "platform/color.h"
#include "platform/progress.h"
#include "platform/text_codec.h"
#include "platform/text_font.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace glyphora {

// Services the commands need from a desktop toolkit. Every method takes and returns plain
// data; texts are bytes as the cells hold them. Two implementations: the Qt shell's, with
// real dialogs, and HeadlessUi, which answers from a script and keeps a transcript.
// The program's own dialogs (canvas size, save-as browser, configure, picture import ...)
// join this interface with the commands that show them.

enum class Answer { Yes, No, Abort, All };
enum class Buttons { YesNo, YesNoAbort, YesNoAbortAll };

struct FileDialogRequest {
    std::string title;
    // Pairs "description|patterns|description|patterns", patterns separated by ";".
    std::string filter;
    std::string fileName;   // preset, may be empty
    std::string initialDir; // empty: the current directory
};

struct CharMetrics {
    int width = 0;
    int height = 0;
};

// The canvas size dialog: a title and the proposed width and height in, the edited values
// out as text (callers report values that are not numbers themselves).
struct CanvasSizeRequest {
    std::string title;
    std::string width;
    std::string height;
};
struct CanvasSizeReply {
    std::string width;
    std::string height;
};

// The save-as browser: the file name and file type it starts with (the type as its
// FormatCode), the folder its lists start in and the program's folder for "&Prog.dir.".
// The reply is the chosen type's code and the full path of the file-name field.
struct SaveBrowserRequest {
    std::string fileName;
    int formatCode = 0;
    std::string folder;
    std::string programDir;
    std::string textEncoding; // what the plain text types will write, e.g. "UTF-8"
};
struct SaveBrowserReply {
    int formatCode = 0;
    std::string path;
};

// A dialog of exclusive choices with an OK button and "&Cancel" ("Open HTML", "Import
// Picture"), the choices optionally under group captions. The reply is the index of the
// choice taken, nothing when cancelled.
struct ChoiceGroup {
    std::string caption;
    int firstChoice = 0; // the group runs to the next group's first choice
};
struct ChoiceRequest {
    std::string title;
    std::vector<std::string> choices;
    int preset = 0;
    std::vector<ChoiceGroup> groups;
    std::string okCaption = "&Ok";
};

// The stretch option dialog "Stretch option:": "Res&ample" resamples a picture to a new
// size, "Res&ize" takes the nearest pixels.
enum class StretchOption { Resample, Resize };

// The picture viewer "AscII2Pic   Unit1": the picture magnified by a zoom of 1..10 and a
// row ratio of 1.0..4.0 (1:2 at first). "Save" gives the chosen values back, "Close"
// nothing. Its colour filter tints the display only.
struct ViewerSettings {
    int zoom = 1;
    double ratio = 2.0;
};

// The HTML options form: the page's font and the border of its tables. It has no cancel: the
// values on the form when it closes are taken. Size and border come back as typed; the
// caller checks that they are numbers.
struct HtmlOptionsForm {
    std::string fontFamily;
    std::string fontSize;
    std::string tableBorder;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    bool operator==(const HtmlOptionsForm&) const = default;
};

// The configure form: fields on tabbed pages. The caller fills in every value and what
// "Default" sets; the reply is the fields as the user left them with "Accept", nothing on
// "Abort".
struct ConfigureField {
    enum class Kind { Text, Program, Number, Flag, Character };
    std::string name; // the setting the field edits
    std::string label;
    std::string page;
    Kind kind = Kind::Text;
    int min = 0; // Number
    int max = 0;
    std::string value;                       // numbers in decimal, flags "Y" or "N"
    std::optional<std::string> defaultValue; // nothing: "Default" leaves the field
    // Fields of one group share an "Intern" button that sets them to the built-in table.
    std::string internGroup;
};
struct ConfigureForm {
    std::vector<ConfigureField> fields;
    ConfigureField* find(std::string_view name) {
        for (ConfigureField& field : fields) {
            if (field.name == name)
                return &field;
        }
        return nullptr;
    }
};

// The "Decrease colors" dialog: how many characters the canvas uses and the number it
// proposes. Its "&OK" only accepts a new count from 3 up to the current one.
struct DecreaseColorsRequest {
    int currentColors = 0;
    int proposedColors = 0;
};
struct DecreaseColorsReply {
    int newColors = 0;
    bool currentPalette = false; // "Current pallete" rather than "Global pallete"
    bool forceBlackWhite = false;
};

// The text-file browser: the folder it starts in (UTF-8, as the file system names it) and the
// byte set its texts are shown in.
struct TextBrowserRequest {
    std::string folder;
    CharSet glyphSet = CharSet::Windows1252;
};

// What the print dialog prints: the lines in the font, under the document title; the lines'
// bytes are characters of charSet.
struct PrintJob {
    std::string title;
    TextFont font;
    std::vector<std::string> lines;
    CharSet charSet = CharSet::Windows1252;
};
enum class PrintOutcome { Printed, Cancelled, Failed };

// A modal window of text with an "OK": the about box, or the system information in a
// fixed-pitch font.
struct InfoWindow {
    enum class Kind { About, SystemInfo };
    Kind kind = Kind::About;
    std::string title;
    std::vector<std::string> lines;
};

enum class TimerId { Status, Autosave };
enum class AppCursor { Normal, Busy };
enum class FontPitch { Any, Fixed };

class Ui {
public:
    virtual ~Ui() = default;

    // Modal standard dialogs.
    virtual void message(std::string_view text) = 0;
    virtual Answer confirm(std::string_view text, Buttons buttons) = 0;
    // Nothing when cancelled.
    virtual std::optional<std::string> inputBox(std::string_view title, std::string_view prompt,
                                                std::string_view defaultText) = 0;
    virtual std::optional<std::string> openFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> saveFile(const FileDialogRequest& request) = 0;
    virtual std::optional<Color> chooseColor(Color initial) = 0;
    virtual std::optional<TextFont> chooseFont(const TextFont& initial) = 0;

    // The program's own dialogs.
    virtual std::optional<CanvasSizeReply> canvasSize(const CanvasSizeRequest& request) = 0;
    virtual std::optional<SaveBrowserReply> saveBrowser(const SaveBrowserRequest& request) = 0;
    // The ANSI colour chooser "ANSI Color": the 16 ANSI colours for a foreground, the 8
    // normal ones for a background, preset with the colour shown as active. Nothing when
    // aborted.
    virtual std::optional<Color> chooseAnsiColor(Color initial, bool background) = 0;
    virtual std::optional<int> chooseOne(const ChoiceRequest& request) = 0;
    virtual std::optional<ConfigureForm> configure(const ConfigureForm& form) = 0;
    // Nothing when closed without a choice.
    virtual std::optional<StretchOption> chooseStretch() = 0;
    virtual std::optional<ViewerSettings> viewPicture(const Bitmap& picture) = 0;
    // "HTML Options", preset with the form's values.
    virtual HtmlOptionsForm htmlOptions(const HtmlOptionsForm& preset) = 0;
    // "Decrease colors"; nothing when cancelled.
    virtual std::optional<DecreaseColorsReply>
    decreaseColors(const DecreaseColorsRequest& request) = 0;
    // The print dialog, then the job printed where the user chose.
    virtual PrintOutcome printText(const PrintJob& job) = 0;
    virtual void showInfoWindow(const InfoWindow& window) = 0;
    // The character brightness slider: a step from -50 to +50, starting at 0; nothing when
    // cancelled.
    virtual std::optional<int> charBrightness() = 0;

    // Environment. The system clipboard's text is UTF-8; the editor translates its bytes.
    virtual std::string clipboardText() = 0;
    virtual void setClipboardText(std::string_view text) = 0;
    virtual void beep() = 0;
    // The asynchronous key-state query for Escape, polled once per row by long loops.
    virtual bool escapeDown() = 0;
    virtual void setCursor(AppCursor cursor) = 0;
    // Enabling a running timer does not restart it.
    virtual void setTimer(TimerId id, bool enabled, int intervalMs) = 0;
    // Hands a document or folder to the desktop's program for it ("open" action); false
    // when that failed.
    virtual bool shellOpen(const std::string& target) = 0;
    // Starts a program on its own, detached from this one; false when it did not start.
    virtual bool startProgram(const std::string& program, const std::vector<std::string>& args) = 0;
    virtual std::vector<std::string> fontFamilies(FontPitch pitch) = 0;
    // Pixel size of a character drawn in the font.
    virtual CharMetrics measureChar(const TextFont& font, char ch) = 0;

    // What the shell shows, pushed while a command runs so long work stays visible.
    virtual void statusChanged(int field, std::string_view text) = 0;
    virtual void progressChanged(const ProgressView& view) = 0;
    virtual void repaintCanvas() = 0;
    virtual void scrollCanvasTo(int col, int row) = 0;
    // Takes the image of a block of the canvas as the view draws it, for the paste preview.
    virtual void capturePastePreview(const CellRect& block) = 0;

    // Windows that stay open beside the main window.
    virtual void showSelectionNavigator() = 0;
    // The character-code window "ANSI code".
    virtual void showCodeTable() = 0;
    // The text-file browser, modal: returns when it is closed.
    virtual void textBrowser(const TextBrowserRequest& request) = 0;
};

// Shows the wait cursor for a scope and restores the normal one on every exit.
class BusyCursor {
public:
    explicit BusyCursor(Ui& ui) : ui_(ui) { ui_.setCursor(AppCursor::Busy); }
    ~BusyCursor() { ui_.setCursor(AppCursor::Normal); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    Ui& ui_;
};

} // namespace glyphora
