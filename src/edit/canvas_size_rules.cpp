#include "edit/canvas_size_rules.h"

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

} // namespace glyphora
