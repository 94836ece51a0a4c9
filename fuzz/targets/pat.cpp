// A pattern file tiled over a canvas of blanks and over a flood-filled area.
#include "fuzz_targets.h"
#include "paint/fills.h"

int glyphora::fuzz::fuzzPatternFile(std::string_view bytes) {
    const std::optional<PatternLines> pattern = readPatternFile(fuzz::asFile(bytes, ".pat"));
    if (!pattern)
        return 0;
    CharCanvas canvas(40, 20);
    canvas.setText(5, 5, "x");
    tilePattern(canvas, *pattern, " ");
    CharCanvas area(40, 20);
    tilePattern(area, *pattern, floodArea(area, 0, 0));
    return 0;
}
