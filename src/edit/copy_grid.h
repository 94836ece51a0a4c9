#pragma once

#include "canvas/char_canvas.h"
#include "canvas/text_conversion.h"
#include "edit/clipboard.h"

#include <string>
#include <string_view>

namespace glyphora {

// The copy grid: a plain character pad in a pane at the left of the canvas, for pieces of
// art kept aside. Characters only, no colours and no undo; it trades blocks with the canvas
// through the same block clipboard. Its cells live in a canvas of their own whose font and
// cell size never follow the document's font commands.
class CopyGrid {
public:
    static constexpr int kInitialCols = 35;
    static constexpr int kInitialRows = 30;
    static constexpr int kFontSize = 10; // "A" is 8 x 15 pixels: the cell size
    static constexpr int kCellWidth = 8;
    static constexpr int kCellHeight = 15;

    CopyGrid();

    bool visible() const { return visible_; }
    void setVisible(bool visible) { visible_ = visible; }
    // The hint over the grid, shown until the first right click.
    bool hintShown() const { return hintShown_; }
    void rightClicked() { hintShown_ = false; }

    const CharCanvas& cells() const { return cells_; }

    // The grid's rectangular selection, normalised and kept inside the grid; the view
    // reports it on every mouse move over the grid.
    const CellRect& selection() const { return selection_; }
    void setSelection(CellRect rect);
    void selectAll();

    // Fills the grid as a document's text fills the canvas: the longest line by the number
    // of lines (at least 1 x 1), one character per cell.
    void load(const TextLines& lines);
    // A blank grid of the size given (at least 1 x 1), every cell " ".
    void renew(int cols, int rows);
    // One line per row of full width: empty cells become " " first, nothing is trimmed,
    // so a saved grid opens again at the same size.
    TextLines lines();

    // The selection (its first 500 x 500 cells) into the clipboard block.
    void copyTo(TextClip& clip);
    // Writes the clipboard block with its top-left at the selection's, blanks included;
    // whatever falls outside the grid is dropped, as the grid does not grow.
    void pasteFrom(const TextClip& clip);
    // Every cell of the selection becomes " ".
    void blankSelection();

private:
    CharCanvas cells_;
    CellRect selection_;
    bool visible_ = false;
    bool hintShown_ = true;
};

// The name a copy grid is saved under: ".txt" is appended unless the name already contains
// ".TXT" in any case, anywhere ("art.TXT.bak" stays as it is).
std::string copyGridFileName(std::string_view chosen);

} // namespace glyphora
