#include "platform/rounding.h"

#include <cmath>

namespace glyphora {

namespace {

constexpr int kReal48SignificantBits = 40;
constexpr long double kHalf = 0.5L;

} // namespace

long long roundHalfEven(long double value) {
    const long double below = std::floor(value);
    const long double fraction = value - below;
    auto result = static_cast<long long>(below);
    if (fraction > kHalf || (fraction == kHalf && result % 2 != 0))
        ++result;
    return result;
}

long double roundToReal48(long double value) {
    if (value == 0 || !std::isfinite(value))
        return value;
    int exponent = 0;
    const long double mantissa = std::frexp(value, &exponent); // |mantissa| in [0.5, 1)
    // std::round takes a half away from zero, as the six-byte real does.
    const long double kept = std::round(std::ldexp(mantissa, kReal48SignificantBits));
    return std::ldexp(kept, exponent - kReal48SignificantBits);
}

DiagonalRatio::DiagonalRatio(int rise, int run)
    : r_(run == 0 ? 0.0L
                  : roundToReal48(static_cast<long double>(rise) / static_cast<long double>(run))) {
}

int DiagonalRatio::offset(int k) const {
    return static_cast<int>(roundHalfEven(r_ * static_cast<long double>(k)));
}

} // namespace glyphora
