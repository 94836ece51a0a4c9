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

// Whether writeFileSafely forces the new bytes to disk before the rename, so that a crash
// cannot leave a file whose old bytes are gone and whose new ones never arrived. On by
// default, as a document saved from the window may exist nowhere else; a batch conversion
// that makes a new file from an input that stays turns it off.
void setSyncBeforeRename(bool sync);

// "Bac&kup": copies the file to its full name + ".bak" before it is replaced, so that the
// file keeps its name and bytes should the save then fail. An older backup of that name is
// kept. True when the copy was made.
bool backupFile(const std::filesystem::path& target);

// For tests of failing saves: while set, every file writeFileSafely opens accepts only
// that many bytes and then fails as a full disk does. Off (nullopt) by default.
void setWriteFaultForTests(std::optional<std::uint64_t> failAfterBytes);

} // namespace glyphora
