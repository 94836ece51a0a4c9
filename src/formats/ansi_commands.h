#pragma once

#include "formats/open_save_commands.h"

#include <filesystem>

namespace glyphora {

// ANSI art ".ans" read and written for the Editor, around the format of ansi_format.h: the
// start-text question, the progress panel, the Ansi mode mark and the failure reports.

// The writer of FormatCode 9 in saveit: asks for the start text (cancel keeps the preset),
// writes, and notes how many columns beyond the 79th were left out.
SaveOutcome SaveAnsiDocument(Editor& editor);

} // namespace glyphora
