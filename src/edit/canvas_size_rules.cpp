#include "edit/canvas_size_rules.h"

#include <charconv>
#include <cmath>

namespace glyphora {

std::optional<long long> parseWholeNumber(std::string_view text) {
    long long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

SizeFields editSizeField(std::string_view text, int initialThis, int initialOther, bool locked) {
    const std::optional<long long> value = parseWholeNumber(text);
    SizeFields fields;
    fields.edited = value && *value >= 1 ? std::string(text) : std::to_string(initialThis);
    if (!locked || !value || *value < 1 || initialThis == 0)
        return fields;
    const double ratio = static_cast<double>(*value) / initialThis * initialOther;
    fields.other = std::to_string(static_cast<long long>(std::nearbyint(ratio)));
    return fields;
}

} // namespace glyphora
