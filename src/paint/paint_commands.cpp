#include "paint/paint_commands.h"

#include "app/editor.h"
#include "paint/fills.h"
#include "paint/line_art.h"
#include "paint/solid_shapes.h"

#include <string_view>

namespace glyphora {

namespace {

constexpr const char* kNoChange = "No change, Floodfill old and new string are identically .";
constexpr const char* kReadError = "ERROR: Couldn`t read file.";
constexpr std::string_view kBlank = " ";

// The painting boxes hold one character; commands use the first.
std::string_view firstChar(std::string_view field) {
    return field.substr(0, 1);
}

using Shape = void (*)(CharCanvas&, const CellRect&, std::string_view);

void paintShape(Editor& editor, Shape shape, std::string_view box) {
    editor.rang();
    shape(editor.canvas(), editor.sel().rect(), firstChar(box));
}

void lineArtDiagonal(Editor& editor, bool rising) {
    editor.rang();
    const Settings& s = editor.settings();
    const DiagonalChars chars{std::string(firstChar(rising ? s.DiagRiseChar : s.DiagFallChar)),
                              std::string(firstChar(s.DiagHorzChar)),
                              std::string(firstChar(s.DiagVertChar))};
    const CellRect rect = editor.sel().rect();
    const bool dotMode = editor.paintState().DotMode;
    // The short beep announces the rewrite of the runs along rows.
    if (dotMode && diagonalIsFlat(rect))
        editor.ui().beep();
    if (rising)
        LineArtRising(editor.canvas(), rect, chars, dotMode);
    else
        LineArtFalling(editor.canvas(), rect, chars, dotMode);
}

// The command's steps with the fill text given, so the pattern fill can mark its area
// without touching the SolidChar box.
void floodfillWith(Editor& editor, std::string_view newText) {
    BusyCursor busy(editor.ui());
    editor.rang();
    CharCanvas& canvas = editor.canvas();
    const int x = editor.sel().CursorCol;
    const int y = editor.sel().CursorRow;
    if (canvas.text(x, y).empty())
        canvas.setText(x, y, kBlank);
    const std::string oldText(canvas.text(x, y));
    if (oldText == newText) {
        editor.StatusMessage(kNoChange);
        return;
    }
    Floodfill(canvas, x, y, newText, oldText);
}

void openPatternPanel(Editor& editor, PatternFillMode mode) {
    // The knowledge-base panel shares the right edge; the shell hides it when this shows.
    editor.paintState().patternPanel.open(patternDirectory(editor.programDir()), mode);
}

} // namespace

// Each SOLID command paints the shape of its own name.
#define GLY_SOLID_COMMAND(shape)                                                                   \
    void shape(Editor& editor) {                                                                   \
        paintShape(editor, shape, editor.settings().SolidChar);                                    \
    }
GLY_SOLID_COMMAND(PaintHorzLine)
GLY_SOLID_COMMAND(PaintVertLine)
GLY_SOLID_COMMAND(PaintFallingLine)
GLY_SOLID_COMMAND(PaintRisingLine)
GLY_SOLID_COMMAND(PaintRectangle)
GLY_SOLID_COMMAND(PaintFilledRectangle)
GLY_SOLID_COMMAND(PaintCircle)
#undef GLY_SOLID_COMMAND

void LineArtHorz(Editor& editor) {
    paintShape(editor, LineArtHorz, editor.settings().LineHorzChar);
}

void LineArtVert(Editor& editor) {
    paintShape(editor, LineArtVert, editor.settings().LineVertChar);
}

void LineArtFalling(Editor& editor) {
    lineArtDiagonal(editor, false);
}

void LineArtRising(Editor& editor) {
    lineArtDiagonal(editor, true);
}

void LineArtRectangle(Editor& editor) {
    editor.rang();
    const Settings& s = editor.settings();
    LineArtRectangle(editor.canvas(), editor.sel().rect(), firstChar(s.RectHorzChar),
                     firstChar(s.LineVertChar), firstChar(s.RectCornerChar));
}

void ToggleDotMode(Editor& editor) {
    editor.paintState().DotMode = !editor.paintState().DotMode;
}

bool dotModeChecked(const Editor& editor) {
    return editor.paintState().DotMode;
}

void Floodfill(Editor& editor) {
    if (editor.settings().SolidChar.empty())
        editor.settings().SolidChar = std::string(kBlank);
    floodfillWith(editor, firstChar(editor.settings().SolidChar));
}

void FillWithPattern(Editor& editor) {
    openPatternPanel(editor, PatternFillMode::Area);
}

void FillBackgroundWithPattern(Editor& editor) {
    openPatternPanel(editor, PatternFillMode::Background);
}

void PatternFill(Editor& editor) {
    BusyCursor busy(editor.ui());
    PatternPanel& panel = editor.paintState().patternPanel;
    // Area mode marks the flood area and then fills the marked cells as the background.
    const bool area = panel.mode() == PatternFillMode::Area;
    if (area)
        floodfillWith(editor, kPatternMarker);
    else
        editor.grid1Togrid2();
    const std::string background(area ? kPatternMarker
                                      : firstChar(editor.settings().PatternBackgroundChar));
    CharCanvas& canvas = editor.canvas();
    if (background == kBlank)
        blankEmptyCells(canvas);
    const std::optional<PatternLines> pattern =
        panel.selected() < 0 ? std::nullopt : readPatternFile(panel.selectedPath());
    if (!pattern || !tilePattern(canvas, *pattern, background)) {
        editor.ui().beep();
        editor.StatusMessage(kReadError);
    }
    panel.hide();
}

void ClosePatternPanel(Editor& editor) {
    editor.paintState().patternPanel.hide();
}

void SelectPatternFile(Editor& editor, int index) {
    editor.paintState().patternPanel.select(index);
}

bool SelectPatternFile(Editor& editor, const std::string& name) {
    return editor.paintState().patternPanel.select(name);
}

bool patternPanelVisible(const Editor& editor) {
    return editor.paintState().patternPanel.visible();
}

} // namespace glyphora
