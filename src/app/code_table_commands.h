#pragma once

#include "platform/text_codec.h"

#include <string>

namespace glyphora {

class Editor;

// The character-code window "ANSI code": a grid of 17 columns by 15 rows holding the codes
// 1 to 255 column by column; code 0 has no cell.
inline constexpr int kCodeTableCols = 17;
inline constexpr int kCodeTableRows = 15;
// The code in a cell: col x 15 + row + 1.
int codeTableCode(int col, int row);

// What a cell shows (UTF-8): the byte's character in the glyph set the canvas is drawn in.
// Control codes, which have no glyph, show in caret notation ("^A" for 1, "^?" for 127);
// the codes Windows-1252 leaves undefined show nothing.
std::string codeTableGlyph(int code, CharSet set);

// The three boxes for a selected code: the character (UTF-8, as the cell shows it), the
// decimal code and the code in two upper-case hexadecimal digits.
struct CodeTableFields {
    std::string character;
    std::string decimal;
    std::string hex;
};
CodeTableFields codeTableFields(int code, CharSet set);

// "&View > ANSI Table": shows the window beside the main window, which stays usable.
void ShowCodeTable(Editor& editor);
// "&Clipb.": the character onto the clipboard.
void CopyCodeToClipboard(Editor& editor, int code);
// "&Insert" and a double click on a cell: onto the clipboard, then typed on the canvas as
// the key of that character would be.
void InsertCode(Editor& editor, int code);

} // namespace glyphora
