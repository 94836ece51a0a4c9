#pragma once

#include "platform/system_info.h"

#include <string>
#include <vector>

namespace glyphora {

class Editor;

// The "I&nfo" menu.

inline constexpr const char* kHelpIndex = "Help/index.htm";
inline constexpr const char* kReadmeFile = "README.md";

// "&About": the about box.
void ShowAbout(Editor& editor);
// "&Help": the help pages' index in the desktop's browser.
void ShowHelp(Editor& editor);
// "&Online Page": the project has no site; its README, shipped with the program, is shown
// as a page in the browser instead.
void ShowOnlinePage(Editor& editor);
// "&System Info": this system's figures in a text window.
void ShowSystemInfo(Editor& editor);

// The lines of the system information window.
std::vector<std::string> systemInfoLines(const SystemFacts& facts);
// "15958 MB", or "unknown" for a figure that could not be read.
std::string megabytes(std::optional<std::uint64_t> bytes);

} // namespace glyphora
