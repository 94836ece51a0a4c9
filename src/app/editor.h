#pragma once

#include "app/knowledge_base.h"
#include "app/progress_panel.h"
#include "app/status.h"
#include "canvas/char_canvas.h"
#include "canvas/text_conversion.h"
#include "canvas/undo.h"
#include "color/color_state.h"
#include "config/settings.h"
#include "convert/canvas_picture.h"
#include "convert/colorgrid.h"
#include "edit/clipboard.h"
#include "edit/copy_grid.h"
#include "formats/html_options.h"
#include "paint/pattern_panel.h"
#include "platform/program_places.h"
#include "platform/text_codec.h"
#include "platform/text_encoding.h"
#include "platform/ui.h"
#include "textfx/figlet.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace glyphora {

// The selection and cursor fields next to the canvas. The grid's own rectangular selection
// is the source of truth; these are copied from it on every selection, key and mouse move.
struct SelectionFields {
    int CursorCol = 0;
    int CursorRow = 0;
    int SelEndCol = 0; // the grid's current cell (top-left of its selection)
    int SelEndRow = 0;
    int SelStartCol = 0; // the other corner (bottom-right)
    int SelStartRow = 0;
    // The normalised rectangle computed by normalizeSelection, inclusive.
    int SelLeft = 0;
    int SelTop = 0;
    int SelRight = 0;
    int SelBottom = 0;

    // The normalised rectangle as normalizeSelection left it.
    CellRect rect() const { return {SelLeft, SelTop, SelRight, SelBottom}; }
};

// The plain-text view over the canvas area, hidden while the canvas is shown.
struct TextView {
    bool visible = false;
    TextLines lines;
};

// Which file the document belongs to and how it is saved.
struct DocumentState {
    std::string CurrentFileName = "-"; // "-": no file
    int CurrentFormat = 1;
    int SaveFormat = 1;
    std::string caption = "NoName.txt";
    // The "&Reopen" entries, newest first, at most 10.
    std::vector<std::string> ReopenList;
    // The file saveDocument writes (it may append the type's extension), and whether it asks
    // before overwriting.
    std::string SaveTargetName;
    bool SilentSave = false;
    // The name the file goes by once written, when it is written under another one first
    // and renamed (a batch conversion does); empty: SaveTargetName. A page's title says it,
    // and files written beside it are named after it.
    std::string SaveFinalName;
    const std::string& finalSaveName() const {
        return SaveFinalName.empty() ? SaveTargetName : SaveFinalName;
    }
    // The open dialog's file name, the file openDocument reads.
    std::string OpenFileName;
    // "&Save": off at start and after a failed open, on once a document has a file.
    bool SaveEnabled = false;
    // Said after saveDocument's result text when the writer had to alter the file (the grid
    // text writes control bytes as spaces); each save starts it empty.
    std::string SaveResultNote;
    // How the text file the document came from was written; the plain text types save it
    // back that way. Every other open and a new canvas bring back the program's own style.
    TextFileStyle textStyle;
    // Set by a batch conversion to write the plain text types in another encoding; the
    // cells are still read in textStyle's byte set.
    std::optional<TextFileStyle> textTarget;
};

// A block image following the mouse after a copy or cut; a click decides how it is pasted.
struct PastePreview {
    bool PreviewActive = false;
    // Set by "Copy wi&th Color": a plain click then pastes with colours.
    bool PasteWithColor = false;
    // The canvas block the image shows (clipped to the cells that were visible).
    CellRect block;
    // The cell under the mouse, where the image is drawn.
    int col = 0;
    int row = 0;
};

struct CellPos {
    int col = 0;
    int row = 0;
    bool operator==(const CellPos&) const = default;
};

// The main window's state, free of any toolkit: the one canvas, the text view, undo, the
// settings, the status bar and progress panel, the selection, and the Ui that shows them.
// Commands live in their subsystems and take an Editor&.
class Editor {
public:
    static constexpr int kMaxSelection = 500;
    static constexpr int kMinFontSize = 2;
    static constexpr int kMaxFontSize = 30;
    static constexpr int kCellExpansion = 2;

    // Builds the start state: the welcome picture on an 80 x 50 canvas in "Courier New" 6,
    // Plain mode, " W E L C O M E " in the status bar, empty undo ring.
    Editor(Ui& ui, std::filesystem::path programDir, std::string instanceTag = randomInstanceTag());
    // The same with the shipped data and the executables elsewhere (an installed program).
    Editor(Ui& ui, const ProgramPlaces& places, std::string instanceTag = randomInstanceTag());

    Ui& ui() { return ui_; }
    CharCanvas& canvas() { return canvas_; }
    const CharCanvas& canvas() const { return canvas_; }
    Settings& settings() { return settings_; }
    const Settings& settings() const { return settings_; }
    StatusBar& status() { return status_; }
    const StatusBar& status() const { return status_; }
    ProgressPanel& progress() { return progress_; }
    const ProgressPanel& progress() const { return progress_; }
    UndoRing& undoRing() { return undo_; }
    const UndoRing& undoRing() const { return undo_; }
    TextView& textView() { return textView_; }
    const TextView& textView() const { return textView_; }
    SelectionFields& sel() { return sel_; }
    const SelectionFields& sel() const { return sel_; }
    DocumentState& document() { return document_; }
    const DocumentState& document() const { return document_; }
    const std::filesystem::path& programDir() const { return programDir_; }
    // A shipped data file by its path in the program directory: the user's copy there, else
    // the shipped one, else (neither exists) the program directory's path.
    std::filesystem::path dataPath(const std::filesystem::path& relative) const;
    // The folder of the program's executables.
    const std::filesystem::path& executableDir() const { return executableDir_; }
    // Dot mode and the pattern panel.
    PaintState& paintState() { return paintState_; }
    const PaintState& paintState() const { return paintState_; }

    void StatusMessage(std::string text) { status_.StatusMessage(std::move(text)); }
    // How a failed command reports: the standard beep, then the text in status field 3.
    void reportFailure(std::string text) {
        ui_.beep();
        StatusMessage(std::move(text));
    }

    // Colour mode, with what entering a mode does to the cells and the defaults.
    ColorMode colorMode() const { return mode_; }
    void setColorMode(ColorMode mode);
    Color ActiveFontColor = kBlack;
    Color ActiveBackColor = kWhite;
    // Checks a mode's item without what entering the mode does, as a reader restoring a
    // document's mode needs.
    void checkColorMode(ColorMode mode);
    // Manual painting switches, the colour bar and the colour window link.
    ColorState& colorState() { return colorState_; }
    const ColorState& colorState() const { return colorState_; }

    // The grid's selection (inclusive), spanned by its anchor and its current cell. Setting
    // it, as a drag does, copies it into the selection fields and shows the cursor position
    // in status field 0.
    CellRect gridSelection() const;
    void setGridSelection(CellRect rect);
    // The grid's own moves: a new current cell, with the anchor staying (extend) or
    // following it. Only the grid changes; the fields follow at the next key or mouse move.
    void moveGridTo(CellPos cell, bool extend);
    CellPos gridCurrent() const { return clampedToCanvas(gridCurrent_); }
    // Copies the grid's selection into the selection fields (every key press, mouse press,
    // mouse move and before every command), so a command acts on what is highlighted.
    void syncSelectionFields();
    // After the canvas shrank (undo, the text view, opening a file): the grid, the fields,
    // the paste preview and the first visible cell are brought back inside the canvas.
    void keepSelectionInCanvas();

    // Normalises the selection before a command, taking an undo snapshot first unless
    // snapshots are suspended.
    void normalizeSelection();
    // normalizeSelection without the undo snapshot, for commands that change nothing undo keeps.
    void normalizeSelectionWithoutSnapshot();
    bool suspendSnapshots = false;
    // Takes an undo snapshot when undo is enabled.
    void takeUndoSnapshot();

    // Cell size from the canvas font, plus the expansion unless disabled.
    void updateCellSize();
    bool cellExpansionDisabled = false;
    // Clamps to 2..30, sets the canvas (and text view) font size and recomputes the cells.
    void ApplyFontSize(int size);
    void setShowGrid(bool show);

    // The first visible cell of the canvas view and how many cells it shows, kept by the
    // shell.
    int firstVisibleCol = 0;
    int firstVisibleRow = 0;
    int visibleCols = 100;
    int visibleRows = 60;
    void scrollTo(int col, int row);

    // The byte set the cells are shown, typed and copied in ("CP437 glyphs" for DOS art):
    // on when the mode becomes Ansi, off when it leaves Ansi, and at the user's choice.
    CharSet glyphSet() const { return glyphSet_; }
    void setGlyphSet(CharSet set);

    // Size fields, cell size, repaint, and the progress panel cleared.
    void Refresh();

    // The settings with the values that live elsewhere (canvas font and colours, colour
    // mode, grid lines) filled in from where they live.
    Settings currentSettings() const;
    // Sets one field by name, applying the ones that act at once. Returns an error text.
    std::string setSetting(std::string_view name, std::string_view value);

    static std::string randomInstanceTag();

    TextClip textClip;
    ColorClip colorClip;
    // The HTML pages' font and table border, kept from one export to the next.
    HtmlOptions htmlOptions;
    // The FigLet panel at the bottom of the window.
    FigletPanel figletPanel;
    // The copy grid pane at the left and the knowledge-base panel at the right.
    CopyGrid copyGrid;
    KnowledgeBase knowledgeBase;
    PastePreview preview;
    // A picture laid over the canvas view ("&Special" > the picture overlays).
    PictureOverlay overlay;
    // Draws the canvas as the view does, for the canvas captures; set by the shell.
    CanvasPictureRenderer* canvasPictures = nullptr;
    // Set when the program is to end (after the close query said yes).
    bool quitRequested = false;

private:
    CellPos clampedToCanvas(CellPos cell) const;

    Ui& ui_;
    std::filesystem::path programDir_;
    std::filesystem::path shippedDataDir_;
    std::filesystem::path executableDir_;
    CharCanvas canvas_;
    Settings settings_;
    StatusBar status_;
    ProgressPanel progress_;
    UndoRing undo_;
    TextView textView_;
    SelectionFields sel_;
    CellPos gridAnchor_;
    CellPos gridCurrent_;
    DocumentState document_;
    ColorMode mode_ = ColorMode::Plain;
    CharSet glyphSet_ = CharSet::Windows1252;
    ColorState colorState_;
    PaintState paintState_;
};

// Suspends undo snapshots for a scope, so that several steps make one undo step.
class SnapshotSuspension {
public:
    explicit SnapshotSuspension(Editor& editor) : editor_(editor), was_(editor.suspendSnapshots) {
        editor_.suspendSnapshots = true;
    }
    ~SnapshotSuspension() { editor_.suspendSnapshots = was_; }
    SnapshotSuspension(const SnapshotSuspension&) = delete;
    SnapshotSuspension& operator=(const SnapshotSuspension&) = delete;

private:
    Editor& editor_;
    bool was_;
};

// The built-in welcome picture: 50 lines, the longest 80 characters, the last 80 spaces.
const TextLines& welcomePicture();

} // namespace glyphora
