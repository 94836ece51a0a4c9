#pragma once

#include "config/settings.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace glyphora {

// edit.ini: a fixed layout of 52 lines (sections, labelled values) followed by the reopen
// history, CR LF after every line, read back by position.

inline constexpr const char* kSettingsFileName = "edit.ini";
inline constexpr int kSettingsFixedLines = 52;

// The ranges the configure dialog allows; numbers read from the file are clamped to them,
// so a damaged or hand-edited file cannot set a font of 10000 points or a zero undo ring.
struct IntRange {
    int min;
    int max;
};
inline constexpr IntRange kAutosaveIntervalRange{2, 60};
inline constexpr IntRange kFontSizeRange{1, 30};
inline constexpr IntRange kCopyGridWidthRange{20, 400};
inline constexpr IntRange kKnowledgeBaseWidthRange{20, 350};
inline constexpr IntRange kUndoStepsRange{2, 50};

// The file's text. Line 2 is WorkingDirectory; the history lines are the first ten entries
// of History (newest first), written oldest first.
std::string settingsFileText(const Settings& settings);

// What reading found. The settings start as the base and take every value read before a
// failure; damaged tells that the defaults for a damaged file must follow.
struct SettingsReadResult {
    Settings settings;
    bool damaged = false;
    int failedLine = 0; // 1-based; 0 when the file could not be read at all
};

using PathTest = std::function<bool(const std::string&)>;

// Line 2 must name a folder that exists; history lines are taken only when they name an
// existing file. The default tests look at the file system.
SettingsReadResult parseSettingsText(std::string_view text, const Settings& base,
                                     const PathTest& folderExists = {},
                                     const PathTest& fileExists = {});
// A missing or unreadable file is damaged.
SettingsReadResult readSettingsFile(const std::filesystem::path& file, const Settings& base);

// The fields a damaged file resets: paint bar off, "Lna.dat", 10 undo steps, the standard
// data files where present, Plain mode, "Courier New" 6.
void applyDamagedFileDefaults(Settings& settings, const std::filesystem::path& programDir);

// Writes the whole file; a failure leaves an older file as it was.
bool writeSettingsFile(const std::filesystem::path& file, const Settings& settings);

} // namespace glyphora
