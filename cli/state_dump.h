#pragma once

#include <nlohmann/json.hpp>

namespace glyphora {

class Editor;

// The editor's whole state as JSON, for scripts and tests. Cell texts and other byte
// strings map each byte to the code point of the same value (U+0000..U+00FF).
nlohmann::ordered_json dumpState(Editor& editor);

} // namespace glyphora
