// A full-attribute document read from its file.
#include "formats/glf_format.h"
#include "fuzz_targets.h"

int glyphora::fuzz::fuzzGlfFile(std::string_view bytes) {
    SilentProgress progress;
    CharCanvas canvas(3, 2);
    readGlf(asFile(bytes, ".glf"), canvas, progress);
    return 0;
}
