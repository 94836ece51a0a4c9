// An HTML page's preformatted blocks imported onto the canvas.
#include "formats/html_import.h"

#include "fuzz_targets.h"

int glyphora::fuzz::fuzzHtmlImport(std::string_view bytes) {
    CharCanvas canvas;
    importHtml(bytes, canvas);
    return 0;
}
