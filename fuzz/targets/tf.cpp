// A line-form file: laid onto the canvas, its start read, and a text poured along its path.
#include "canvas/text_conversion.h"
#include "formats/text_file_reader.h"
#include "fuzz_targets.h"
#include "textfx/line_form.h"

#include <sstream>

int glyphora::fuzz::fuzzLineForm(std::string_view bytes) {
    const TextFileLines form = readTextFileLines(fuzz::asFile(bytes, ".tf"));
    if (!form.lines)
        return 0;
    CharCanvas canvas(1, 1);
    TextToGrid(*form.lines, canvas);
    const std::optional<LineFormStart> start = parseLineFormStart(*form.lines);
    if (!start)
        return 0;
    std::istringstream text("The quick brown fox jumps over the lazy dog, twice: the quick "
                            "brown fox jumps over the lazy dog.");
    pourTextAlongForm(canvas, *start, text);
    return 0;
}
