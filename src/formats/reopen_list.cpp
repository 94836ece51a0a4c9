#include "formats/reopen_list.h"

#include "formats/file_format_table.h"
#include "formats/file_names.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <string_view>

namespace glyphora {

void addToReopenList(std::vector<std::string>& list, const std::string& name) {
    std::erase_if(list, [&](const std::string& entry) { return equalsIgnoringCase(entry, name); });
    list.insert(list.begin(), name);
    if (list.size() > kMaxReopenEntries)
        list.resize(kMaxReopenEntries);
}

bool fileExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

void removeMissingFiles(std::vector<std::string>& list,
                        const std::function<bool(const std::string&)>& exists) {
    std::erase_if(list, [&](const std::string& entry) { return !exists(entry); });
}

bool savedFileJoinsReopenList(const std::string& name, int formatCode) {
    static constexpr std::array<std::string_view, 5> kAlways = {".TXT", ".ASC", ".PAT", ".GLF",
                                                                ".GLG"};
    const std::string extension = upperExtension(name);
    if (std::find(kAlways.begin(), kAlways.end(), extension) != kAlways.end())
        return true;
    return extension == ".HTM" &&
           (formatCode == format_code::HtmlPlain || formatCode == format_code::HtmlColored);
}

} // namespace glyphora
