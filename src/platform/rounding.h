#pragma once

namespace glyphora {

// Nearest integer with a half going to the even neighbour (0.5 -> 0, 1.5 -> 2, -2.5 -> -2),
// independent of the floating-point environment's rounding mode.
long long roundHalfEven(long double value);

// The value as a six-byte real holds it: 40 significant bits, rounded to the nearest with a
// half going away from zero. Zero, infinities and NaN pass unchanged.
long double roundToReal48(long double value);

// A slope r = rise / run kept as a six-byte real, and the offsets round(r x k) of a line
// stepping along its run. The drawing of diagonal shapes depends on this exact rounding:
// with rise 1 and run 6, r lies just above 1/6, so the offset at k = 3 is 1, not 0.
class DiagonalRatio {
public:
    // A run of 0 gives r = 0: the one-cell shape draws its single cell.
    DiagonalRatio(int rise, int run);

    long double value() const { return r_; }
    int offset(int k) const;

private:
    long double r_;
};

} // namespace glyphora
