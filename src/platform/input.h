#pragma once

namespace glyphora {

// Mouse buttons and modifier keys as the input handlers see them.
enum class MouseButton { Left, Right, Middle };

struct Modifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

} // namespace glyphora
