// ANSI art with its metadata record, drawn on the emulated screen.
#include "formats/ansi_format.h"
#include "fuzz_targets.h"

int glyphora::fuzz::fuzzAnsiArt(std::string_view bytes) {
    CharCanvas canvas;
    readAnsi(bytes, canvas);
    return 0;
}
