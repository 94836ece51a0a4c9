#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "test_support.h"

namespace glyphora::test {

// The program's whole menu vocabulary in menu order (menu_vocabulary.txt): captions with
// their accelerator marks joined by " > ", a tab, the shortcut. The command table must
// agree with it for every row it holds; headings carry no command.
struct MenuEntry {
    std::string path;
    std::string shortcut;
};

inline std::vector<MenuEntry> menuVocabulary() {
    const std::string text = readBytes(std::filesystem::path(GLYPHORA_SOURCE_DIR) / "tests" /
                                       "app" / "menu_vocabulary.txt");
    std::vector<MenuEntry> entries;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        const std::string line = text.substr(start, end - start);
        const std::size_t tab = line.find('\t');
        entries.push_back({line.substr(0, tab), line.substr(tab + 1)});
        start = end == std::string::npos ? text.size() : end + 1;
    }
    return entries;
}

} // namespace glyphora::test
