// A grid file, as the open command reads it: measured first, then read when it fits.
#include "canvas/grid_file.h"
#include "fuzz_targets.h"

#include <cstdlib>

int glyphora::fuzz::fuzzGridFile(std::string_view bytes) {
    const GridExtent extent = measureGridBytes(bytes);
    if (!CharCanvas::sizeFits(extent.cols, extent.rows))
        return 0;
    CharCanvas canvas(1, 1);
    readGridBytes(canvas, bytes);
    // A grid written back reads as the same grid.
    const std::string written = gridToBytes(canvas);
    CharCanvas again(1, 1);
    readGridBytes(again, written);
    if (gridToBytes(again) != written)
        std::abort();
    return 0;
}
