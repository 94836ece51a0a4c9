#pragma once

#include "platform/text_numbers.h"

#include <optional>
#include <string>
#include <string_view>

namespace glyphora {

// The two fields of the canvas size dialog after the user edited one of them.
struct SizeFields {
    std::string edited;
    std::string other;
};

// While a size field is edited: a value that is not a whole number, or is below 1, falls
// back to that field's initial value; with the ratio locked and a value of at least 1, the
// other field follows as round(value / initialThis x initialOther), halves to even.
SizeFields editSizeField(std::string_view text, int initialThis, int initialOther, bool locked);

struct CanvasSize {
    int cols = 0;
    int rows = 0;
};
enum class SizeError { None, NotInteger, TooLarge };
// The size dialog's two answers as a size: whole numbers, values below 1 giving 1 as a
// canvas does, and no more cells than a canvas can hold.
SizeError parseCanvasSize(std::string_view width, std::string_view height, CanvasSize& size);

} // namespace glyphora
