#pragma once

#include "formats/open_save_commands.h"

namespace glyphora {

// Save as "Applet data" (.dat): the plain data, then its run-length form beside it under the
// same name followed by "_RLE".
SaveOutcome SaveAppletData(Editor& editor);

} // namespace glyphora
