#pragma once

#include "formats/open_save_commands.h"

namespace glyphora {

// The writers saveDocument runs for the text-like types, each with its own order of building the
// text, asking about the old file and writing.
SaveOutcome SaveWindowsText(Editor& editor); // 1
SaveOutcome SaveAsciiText(Editor& editor);   // 2
SaveOutcome SaveHtmlPlain(Editor& editor);   // 3
SaveOutcome SavePattern(Editor& editor);     // 6
SaveOutcome SaveRichText(Editor& editor);    // 7
SaveOutcome SaveCsvTable(Editor& editor);    // 8
SaveOutcome SaveGridText(Editor& editor);    // 10
SaveOutcome SaveUserDefined(Editor& editor); // 12

} // namespace glyphora
