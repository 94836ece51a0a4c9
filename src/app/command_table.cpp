#include "app/command_table.h"

#include "app/editor.h"
#include "canvas/canvas_commands.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace glyphora {

namespace {

constexpr std::array<std::string_view, 11> kTopLevelMenus = {
    "&File",       "Edit&1",   "Edit&2", "&Image",   "&Effects", "&Paint",
    "&ColorTools", "&Special", "&View",  "&Options", "I&nfo",
};

constexpr std::string_view kPathSeparator = " > ";

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool showGridChecked(const Editor& e) {
    return e.canvas().metrics.gridLineWidth != 0;
}
bool cellExpansionDisabledChecked(const Editor& e) {
    return e.cellExpansionDisabled;
}
bool textViewChecked(const Editor& e) {
    return e.textView().visible;
}
bool saveOptimizedChecked(const Editor& e) {
    return e.settings().SaveOptimized;
}
bool undoEnabledChecked(const Editor& e) {
    return e.settings().EnableUndo;
}

std::vector<CommandRow> buildRows() {
    return {
        // Edit1
        {"grid2Togrid1", "Edit&1 > &Undo", "Ctrl+Z", grid2Togrid1},
        // View
        {"ToggleGrid", "&View > &Show grid", "", ToggleGrid, nullptr, showGridChecked},
        {"ChooseFont", "&View > Font &Dialog", "", ChooseFont},
        {"RefreshFont", "&View > &Refresh font", "", RefreshFont},
        {"ToggleCellExpansion", "&View > Disable &Cell Expansion", "", ToggleCellExpansion, nullptr,
         cellExpansionDisabledChecked},
        {"IncreaseFontSize", "&View > Fontsize &+", "", IncreaseFontSize, nullptr, nullptr, true},
        {"DecreaseFontSize", "&View > Fontsize &-", "", DecreaseFontSize, nullptr, nullptr, true},
        {"ToggleTextView", "&View > &Text/Gridview", "", ToggleTextView, nullptr, textViewChecked},
        // Options
        {"ToggleUndo", "&Options > \"&Undo\" enabled", "", ToggleUndo, nullptr, undoEnabledChecked},
        {"ToggleSaveOptimized", "&Options > Sa&ve optimized", "", ToggleSaveOptimized, nullptr,
         saveOptimizedChecked},
    };
}

} // namespace

std::vector<std::string_view> splitMenuPath(std::string_view path) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t at = path.find(kPathSeparator, start);
        if (at == std::string_view::npos) {
            parts.push_back(path.substr(start));
            return parts;
        }
        parts.push_back(path.substr(start, at - start));
        start = at + kPathSeparator.size();
    }
}

CommandTable::CommandTable() : rows_(buildRows()) {}

std::span<const std::string_view> CommandTable::topLevelMenus() {
    return kTopLevelMenus;
}

const CommandRow* CommandTable::findById(std::string_view id) const {
    for (const CommandRow& row : rows_) {
        if (row.id == id)
            return &row;
    }
    return nullptr;
}

const CommandRow* CommandTable::findByMenuPath(std::string_view path) const {
    for (const CommandRow& row : rows_) {
        if (row.menuPath == path)
            return &row;
    }
    return nullptr;
}

const CommandRow* CommandTable::findByShortcut(std::string_view shortcut) const {
    if (shortcut.empty())
        return nullptr;
    for (const CommandRow& row : rows_) {
        if (equalsIgnoringCase(row.shortcut, shortcut))
            return &row;
    }
    return nullptr;
}

CommandTable::RunResult CommandTable::run(Editor& editor, const CommandRow& row) {
    if (!row.run || !row.isEnabled(editor))
        return RunResult::Disabled;
    row.run(editor);
    return RunResult::Ran;
}

} // namespace glyphora
