#pragma once

#include "canvas/text_conversion.h"
#include "platform/text_codec.h"

#include <string>
#include <string_view>
#include <vector>

namespace glyphora {

class Editor;

// The small tools around the document: statistics, printing and the hand-over of the
// document to the desktop's programs. None changes a cell, except that cells found empty
// become blanks.

inline constexpr const char* kHandOverFile = "~temp.txt";

// "I&mage Info": the canvas statistics and the memory the program holds, in a message.
void ImageInfo(Editor& editor);
// "&Print": the canvas as text lines in the canvas font, through the print dialog.
void PrintCanvas(Editor& editor);
// "&Export to Editor" (F4): the text view's lines (the canvas as text when the canvas is
// shown) in "~temp.txt", opened by the desktop's program for text.
void ExportToEditor(Editor& editor);
// "&Export ASCII table to editor": every cell's character code in a table.
void ExportCodeTable(Editor& editor);
// "Export fixed &font list to editor": the installed fixed-pitch font families.
void ExportFixedFontList(Editor& editor);
// "&Run extern prog." (F5): starts the program chosen with "Set e&xtern prog.".
void RunExternalProgram(Editor& editor);
// "Set e&xtern prog.": any executable file.
void SetExternalProgram(Editor& editor);
// "Win &explorer": the working folder in the desktop's file manager.
void OpenFileManager(Editor& editor);
// "New Editor &Instance": a second editor window, started on its own.
void NewEditorInstance(Editor& editor);

// The code table's text: a title line with the window caption, a column header, then per
// row its number and the code of each cell's first character, each followed by a TAB.
TextLines codeTableLines(CharCanvas& canvas, std::string_view caption);
// The numbered list of font families with its title and closing line.
TextLines fixedFontListLines(const std::vector<std::string>& families);
// The hand-over file: the lines as UTF-8 (what the desktop's editors read), CR LF after each.
std::string handOverFileBytes(const TextLines& lines, CharSet cellSet);

} // namespace glyphora
