// edit.ini read from its file; what was read writes and reads back the same.
#include "config/settings_file.h"
#include "fuzz_targets.h"

#include <cstdlib>

int glyphora::fuzz::fuzzSettingsFile(std::string_view bytes) {
    const SettingsReadResult read = readSettingsFile(fuzz::asFile(bytes, ".ini"), Settings{});
    const auto anything = [](const std::string&) { return true; };
    const std::string text = settingsFileText(read.settings);
    const SettingsReadResult again = parseSettingsText(text, Settings{}, anything, anything);
    if (again.damaged || settingsFileText(again.settings) != text)
        std::abort(); // the file the program writes must read back as written
    return 0;
}
