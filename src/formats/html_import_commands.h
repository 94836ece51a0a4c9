#pragma once

#include "formats/open_save_commands.h"

namespace glyphora {

// The ".HTM" branch of openDocument: the "Open HTML" choice between interpreting the page
// and showing its source as text.
OpenBranchResult readHtmlDocument(Editor& editor, const std::filesystem::path& file);
// Reads the preformatted blocks of the page into a FontColored document named "gl_" + the
// page's name, so the page itself is never overwritten by "&Save".
OpenBranchResult importHtmlDocument(Editor& editor, const std::filesystem::path& file);
// "Import HTML": the open dialog for pages, then the import.
void ImportHtml(Editor& editor);

} // namespace glyphora
