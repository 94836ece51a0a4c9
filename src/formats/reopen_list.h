#pragma once

#include <functional>
#include <string>
#include <vector>

namespace glyphora {

// The "&Reopen" entries: full paths, newest first.
inline constexpr std::size_t kMaxReopenEntries = 10;

// Removes every entry equal to name ignoring case, puts name at the top and drops the
// oldest entry beyond ten.
void addToReopenList(std::vector<std::string>& list, const std::string& name);

// Whether a path names an existing file (not a folder).
bool fileExists(const std::string& path);

// Drops the entries whose files are gone.
void removeMissingFiles(std::vector<std::string>& list,
                        const std::function<bool(const std::string&)>& exists = fileExists);

// After a save: whether the written name goes to the top of the list (".TXT", ".ASC",
// ".PAT", ".GLF", ".GLG", and ".HTM" written as HTML plaintext or HTML colored).
bool savedFileJoinsReopenList(const std::string& name, int formatCode);

} // namespace glyphora
