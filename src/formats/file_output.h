#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>

namespace glyphora {

// Writes a document file without ever losing the one it replaces: the content goes to a
// new temporary file beside the target, which is renamed over the target only when every
// byte was written and flushed. On any failure the target keeps its old bytes and the
// temporary file is removed. An existing target's permissions carry over.
bool writeFileSafely(const std::filesystem::path& target,
                     const std::function<bool(std::FILE*)>& write);
bool writeFileSafely(const std::filesystem::path& target, std::string_view bytes);

// "Bac&kup": copies the file to its full name + ".bak" before it is replaced, so that the
// file keeps its name and bytes should the save then fail. An older backup of that name is
// kept. True when the copy was made.
bool backupFile(const std::filesystem::path& target);

// For tests of failing saves: while set, every file writeFileSafely opens accepts only
// that many bytes and then fails as a full disk does. Off (nullopt) by default.
void setWriteFaultForTests(std::optional<std::uint64_t> failAfterBytes);

} // namespace glyphora
