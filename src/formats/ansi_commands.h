#pragma once

#include "formats/open_save_commands.h"

#include <filesystem>

namespace glyphora {

// ANSI art ".ans" read and written for the Editor, around the format of ansi_format.h: the
// start-text question, the progress panel, the Ansi mode mark and the failure reports.

// The ".ans" branch of openDocument. Reading ends with the Ansi mode checked (only the mark) and
// the active colours the art ended with. A file that cannot be read or a screen beyond the
// canvas limit: beep and " Could not complete request."; the art read so far stays, and the
// document keeps no file, so "&Save" cannot overwrite the file with the partial art.
OpenBranchResult readAnsiDocument(Editor& editor, const std::filesystem::path& file);
// The writer of FormatCode 9 in saveDocument: asks for the start text (cancel keeps the preset),
// writes, and notes how many columns beyond the 79th were left out.
SaveOutcome SaveAnsiDocument(Editor& editor);

} // namespace glyphora
