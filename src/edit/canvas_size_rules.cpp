#include "edit/canvas_size_rules.h"

#include "canvas/char_canvas.h"

#include <algorithm>
#include <cmath>

namespace glyphora {

SizeFields editSizeField(std::string_view text, int initialThis, int initialOther, bool locked) {
    const std::optional<long long> value = parseInteger<long long>(text);
    SizeFields fields;
    fields.edited = value && *value >= 1 ? std::string(text) : std::to_string(initialThis);
    if (!locked || !value || *value < 1 || initialThis == 0)
        return fields;
    const double ratio = static_cast<double>(*value) / initialThis * initialOther;
    fields.other = std::to_string(static_cast<long long>(std::nearbyint(ratio)));
    return fields;
}

SizeError parseCanvasSize(std::string_view width, std::string_view height, CanvasSize& size) {
    const std::optional<long long> cols = parseInteger<long long>(width);
    const std::optional<long long> rows = parseInteger<long long>(height);
    if (!cols || !rows)
        return SizeError::NotInteger;
    const long long c = std::max(*cols, 1LL);
    const long long r = std::max(*rows, 1LL);
    if (!CharCanvas::sizeFits(c, r))
        return SizeError::TooLarge;
    size = {static_cast<int>(c), static_cast<int>(r)};
    return SizeError::None;
}

} // namespace glyphora
