#pragma once

#include "formats/html_export.h"
#include "formats/open_save_commands.h"

#include <optional>

namespace glyphora {

// The page handed to the desktop's browser, in the program directory; removed at exit.
inline constexpr const char* kBrowserPage = "~temp.htm";

// The coloured HTML pages written for the Editor, around html_export.h: the colour counts
// with their status lines, the HTML options form, the failure reports. A page never changes
// the document.

// The writers of saveDocument. Each appends ".htm" unless the upper-cased name holds
// ".HTM", asks before overwriting, makes the backup, shows the options form and writes.
SaveOutcome SaveHtmlColoredText(Editor& editor); // 4, "HTML colored"
SaveOutcome SaveHtmlColorTable(Editor& editor);  // 5, "HTML table"
// 13, "HTML colored (CSS)": the text colours are counted first ("READING LINE ... " per row).
SaveOutcome SaveHtmlCssColoredText(Editor& editor);
// 14, "HTML table (CSS)": the backgrounds are counted first; Escape ends the count early and
// the page is written with the colours counted so far.
SaveOutcome SaveHtmlCssTable(Editor& editor);
SaveOutcome SaveHtmlRowTables(Editor& editor); // 15, "HTML table (IE)"

// The items of "&File > Special": the same pages written to the save target without the rest
// of a save (the document's file and caption stay). Before any save has named a target,
// a save dialog asks for one.
void ExportCssColoredText(Editor& editor);
void ExportCssTable(Editor& editor);
void ExportRowTables(Editor& editor);

// "Export to browser (plain text)": the canvas text (or the text view's, while it is shown)
// as "~temp.htm" in the program directory, handed to the desktop to open. A failure beeps.
void ExportToBrowser(Editor& editor);

// Presets the options from the canvas font, shows the form and keeps its values. Nothing
// when the form's size or border could not be read.
std::optional<HtmlOptions> askHtmlOptions(Editor& editor);

} // namespace glyphora
