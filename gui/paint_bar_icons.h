#pragma once

#include <QIcon>
#include <string_view>

namespace glyphora {

// A small pictogram for a paint-bar command, drawn rather than loaded.
QIcon paintBarIcon(std::string_view commandId);

} // namespace glyphora
