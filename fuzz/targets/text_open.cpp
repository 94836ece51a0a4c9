// A text document: read from its file, decoded, and laid onto the canvas.
#include "canvas/text_conversion.h"
#include "formats/text_file_reader.h"
#include "fuzz_targets.h"

int glyphora::fuzz::fuzzTextOpen(std::string_view bytes) {
    const TextFileLines read = readTextFileLines(fuzz::asFile(bytes, ".txt"));
    if (read.lines) {
        CharCanvas canvas(1, 1);
        TextToGrid(*read.lines, canvas);
    }
    return 0;
}
