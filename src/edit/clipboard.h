#pragma once

#include "canvas/char_canvas.h"

#include <string>
#include <string_view>
#include <vector>

namespace glyphora {

// The internal block clipboard: 501 x 501 cells of one character or nothing, with the
// last column and row of the block it holds. Blocks are at most 500 x 500.
class TextClip {
public:
    static constexpr int kSize = 501;
    static constexpr int kMaxLast = 499;

    std::string_view at(int col, int row) const;
    void set(int col, int row, std::string_view text); // keeps the first byte only

    int ClipLastCol = 0;
    int ClipLastRow = 0;
    bool ClipboardFilled = false;

private:
    static std::size_t index(int col, int row) {
        return static_cast<std::size_t>(col) * kSize + static_cast<std::size_t>(row);
    }
    // Taken at the first write: a batch conversion never copies and should not pay for it.
    std::vector<char> chars_;
    std::vector<bool> filled_;
};

// The colour clipboard: characters with their foreground and background colours.
class ColorClip {
public:
    static constexpr int kSize = TextClip::kSize;

    struct Entry {
        char ch = 0;
        bool hasChar = false;
        Color fg = kBlack;
        Color bg = kWhite;
    };

    const Entry& at(int col, int row) const {
        static const Entry kEmpty;
        return entries_.empty() ? kEmpty : entries_[index(col, row)];
    }
    // Takes the storage at the first use.
    Entry& at(int col, int row) {
        if (entries_.empty())
            entries_.resize(static_cast<std::size_t>(kSize) * kSize);
        return entries_[index(col, row)];
    }

    int ColorClipLastCol = 0;
    int ColorClipLastRow = 0;
    bool ColorClipFilled = false;

private:
    static std::size_t index(int col, int row) {
        return static_cast<std::size_t>(col) * kSize + static_cast<std::size_t>(row);
    }
    std::vector<Entry> entries_; // kSize x kSize once used
};

enum class PasteMode {
    Plain, // blanks of the block overwrite
    Over,  // blanks of the block are transparent
    Under, // characters already on the canvas stay on top
};

// Copies the first character of every cell of the rectangle (at most 500 x 500) into the
// clip; with blank set, the cells become " " afterwards (a cut).
void copyToTextClip(CharCanvas& canvas, const CellRect& block, TextClip& clip, bool blank);

// The block's rows as clipboard text: each line ends at its last non-blank character,
// interior blanks are spaces; lines are joined by CR LF. Trailing blanks of the clip are
// emptied on the way.
std::string blockRowsToText(TextClip& clip);

// Fills the clip from clipboard text: line breaks CR LF, lone CR or lone LF; at most 500
// lines of 500 characters, the rest ignored. Returns false, leaving the clip alone, for a
// text without lines.
bool readClipboardText(std::string_view text, TextClip& clip);

// Widens and lengthens the canvas so a block of lastCol x lastRow (last indices) fits at
// (col, row); every new cell gets " " and the given colours. Returns whether it grew.
bool growToFit(CharCanvas& canvas, int col, int row, int lastCol, int lastRow, Color fg, Color bg);

// Writes the clip's block with its top-left at (col, row); colours of the canvas stay.
void writeBlock(CharCanvas& canvas, const TextClip& clip, int col, int row, PasteMode mode);

// Copies characters and colours (each cell gets an own font); returns the clipboard text:
// every block row's full cell texts, joined by CR LF.
std::string copyToColorClip(CharCanvas& canvas, const CellRect& block, ColorClip& clip);
// Writes characters and colours of the colour clip at (col, row).
void writeColorBlock(CharCanvas& canvas, const ColorClip& clip, int col, int row);

} // namespace glyphora
