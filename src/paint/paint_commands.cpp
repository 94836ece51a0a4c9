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
    editor.normalizeSelection();
    shape(editor.canvas(), editor.sel().rect(), firstChar(box));
}

void lineArtDiagonal(Editor& editor, bool rising) {
    editor.normalizeSelection();
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

void openPatternPanel(Editor& editor, PatternFillMode mode) {
    // The knowledge-base panel shares the right edge.
    editor.knowledgeBase.setVisible(false);
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
    editor.normalizeSelection();
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
    BusyCursor busy(editor.ui());
    editor.normalizeSelection();
    CharCanvas& canvas = editor.canvas();
    const int x = editor.sel().CursorCol;
    const int y = editor.sel().CursorRow;
    if (canvas.text(x, y).empty())
        canvas.setText(x, y, kBlank);
    if (editor.settings().SolidChar.empty())
        editor.settings().SolidChar = std::string(kBlank);
    const std::string_view newText = firstChar(editor.settings().SolidChar);
    const std::string oldText(canvas.text(x, y));
    if (oldText == newText) {
        editor.StatusMessage(kNoChange);
        return;
    }
    Floodfill(canvas, x, y, newText, oldText);
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
    panel.hide();
    // The pattern is read first: a missing or unreadable one leaves every cell as it was.
    const std::optional<PatternLines> pattern =
        panel.selected() < 0 ? std::nullopt : readPatternFile(panel.selectedPath());
    if (!pattern) {
        editor.ui().beep();
        editor.StatusMessage(kReadError);
        return;
    }
    CharCanvas& canvas = editor.canvas();
    bool tiled = false;
    if (panel.mode() == PatternFillMode::Area) {
        // The flood area around the cursor cell, kept in a mask: no character of the
        // canvas can be mistaken for it.
        editor.normalizeSelection();
        const CellMask area = floodArea(canvas, editor.sel().CursorCol, editor.sel().CursorRow);
        tiled = tilePattern(canvas, *pattern, area);
    } else {
        editor.takeUndoSnapshot();
        const std::string_view background = firstChar(editor.settings().PatternBackgroundChar);
        if (background == kBlank)
            blankEmptyCells(canvas);
        tiled = tilePattern(canvas, *pattern, background);
    }
    if (!tiled) {
        editor.ui().beep();
        editor.StatusMessage(kReadError);
    }
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
