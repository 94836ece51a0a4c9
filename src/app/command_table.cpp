#include "app/command_table.h"

#include "app/editor.h"
#include "app/window_commands.h"
#include "canvas/canvas_commands.h"
#include "edit/clipboard_commands.h"
#include "edit/input_commands.h"

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

bool paintbarChecked(const Editor& e) {
    return e.settings().ShowPaintbar;
}
bool pastePreviewChecked(const Editor& e) {
    return e.settings().PastePreview;
}
bool redefineKeysChecked(const Editor& e) {
    return e.settings().RedefineKeys;
}
bool infoMessagesChecked(const Editor& e) {
    return e.settings().ShowInfoMessages;
}
bool showInTaskChecked(const Editor& e) {
    return e.settings().ShowInTask;
}
bool statusbarChecked(const Editor& e) {
    return e.settings().ShowStatusbar;
}
bool stayOnTopChecked(const Editor& e) {
    return e.settings().StayOnTop;
}

// Rows in menu order: the menus are built in this order.
std::vector<CommandRow> buildRows() {
    return {
        // File
        {"ExitProgram", "&File > E&xit", "Ctrl+Q", ExitProgram},
        // Edit1
        {"grid2Togrid1", "Edit&1 > &Undo", "Ctrl+Z", grid2Togrid1},
        {"CutBlock", "Edit&1 > &Cut", "Ctrl+X", CutBlock},
        {"CopyBlock", "Edit&1 > C&opy", "Ctrl+C", CopyBlock},
        {"PasteBlock", "Edit&1 > &Paste", "Ctrl+V", PasteBlock},
        {"PasteOver", "Edit&1 > Paste &over", "Ctrl+F1", PasteOver},
        {"PasteUnder", "Edit&1 > Paste u&nder", "Ctrl+F2", PasteUnder},
        {"DeleteBlock", "Edit&1 > &Delete", "Del", DeleteBlock},
        {"SelectAll", "Edit&1 > &Select all", "Ctrl+A", SelectAll},
        {"CopyAll", "Edit&1 > Copy &all", "", CopyAll},
        {"CompleteCols", "Edit&1 > Selec&t ... > complete &cols", "", CompleteCols},
        {"CompleteRows", "Edit&1 > Selec&t ... > complete &rows", "", CompleteRows},
        {"ShowSelectionNavigator", "Edit&1 > Selection Na&v.", "", ShowSelectionNavigator},
        // Edit2
        {"CopyColorBlock", "Edit&2 > Copy wi&th Color", "", CopyColorBlock},
        {"PasteColorBlock", "Edit&2 > Paste wit&h Color", "", PasteColorBlock},
        // Image
        {"RefreshWindow", "&Image > Re&fresh", "", RefreshWindow},
        // View
        {"ToggleGrid", "&View > &Show grid", "", ToggleGrid, nullptr, showGridChecked},
        {"ChooseFont", "&View > Font &Dialog", "", ChooseFont},
        {"RefreshFont", "&View > &Refresh font", "", RefreshFont},
        {"ToggleCellExpansion", "&View > Disable &Cell Expansion", "", ToggleCellExpansion, nullptr,
         cellExpansionDisabledChecked},
        {"IncreaseFontSize", "&View > Fontsize &+", "", IncreaseFontSize, nullptr, nullptr, true},
        {"DecreaseFontSize", "&View > Fontsize &-", "", DecreaseFontSize, nullptr, nullptr, true},
        {"ToggleTextView", "&View > &Text/Gridview", "", ToggleTextView, nullptr, textViewChecked},
        {"TogglePaintbar", "&View > &Paintbar", "F3", TogglePaintbar, nullptr, paintbarChecked},
        {"TogglePastePreview", "&View > P&aste preview", "", TogglePastePreview, nullptr,
         pastePreviewChecked},
        // Options
        {"ToggleUndo", "&Options > \"&Undo\" enabled", "", ToggleUndo, nullptr, undoEnabledChecked},
        {"ToggleKeyRedefinition", "&Options > &Set 1245Key to /\\_|", "", ToggleKeyRedefinition,
         nullptr, redefineKeysChecked},
        {"ToggleInfoMessages", "&Options > Show &info. messages", "", ToggleInfoMessages, nullptr,
         infoMessagesChecked},
        {"ToggleShowInTask", "&Options > Show &prog. in Task", "", ToggleShowInTask, nullptr,
         showInTaskChecked},
        {"ToggleStatusbar", "&Options > Show s&tatusbar", "", ToggleStatusbar, nullptr,
         statusbarChecked},
        {"ToggleStayOnTop", "&Options > Stay on T&op", "", ToggleStayOnTop, nullptr,
         stayOnTopChecked},
        {"ToggleSaveOptimized", "&Options > Sa&ve optimized", "", ToggleSaveOptimized, nullptr,
         saveOptimizedChecked},
    };
}

// The canvas pop-up menu, in its own order.
const std::vector<PopupRow> kCanvasPopup = {
    {"Copy", "CopyBlock"},       {"Cut", "CutBlock"},         {"Paste", "PasteBlock"},
    {"Paste over", "PasteOver"}, {"Select All", "SelectAll"}, {"Crop", "Crop"},
    {"Delete", "DeleteBlock"},
};

using Item = PaintBarItem;

// The paint bar from left to right.
const std::vector<PaintBarItem> kPaintBar = {
    {Item::Kind::Button, "PaintFilledRectangle", "Rectangle (filled)"},
    {Item::Kind::Button, "PaintHorzLine", "Line (horz.)"},
    {Item::Kind::Button, "PaintVertLine", "Line (vert.)"},
    {Item::Kind::Button, "PaintRectangle", "Rectangle"},
    {Item::Kind::Button, "PaintCircle", "Circle"},
    {Item::Kind::Button, "PaintFallingLine", "Line \\"},
    {Item::Kind::Button, "PaintRisingLine", "Line /"},
    {Item::Kind::Button, "FillWithPattern", "Pattern"},
    {Item::Kind::Button, "Floodfill", "FloodFill"},
    {Item::Kind::CharBox, "SolidChar", "", &Settings::SolidChar},
    {Item::Kind::Divider, "", "", nullptr},
    {Item::Kind::Button, "LineArtHorz", "Line (horz.)"},
    {Item::Kind::CharBox, "LineHorzChar", "", &Settings::LineHorzChar},
    {Item::Kind::Button, "LineArtVert", "Line (vert.)"},
    {Item::Kind::CharBox, "LineVertChar", "", &Settings::LineVertChar},
    {Item::Kind::Button, "LineArtRectangle", "Rectangle"},
    {Item::Kind::CharBox, "RectHorzChar", "", &Settings::RectHorzChar},
    {Item::Kind::CharBox, "RectCornerChar", "", &Settings::RectCornerChar},
    {Item::Kind::Button, "LineArtFalling", "Line \\"},
    {Item::Kind::Button, "LineArtRising", "Line /"},
    {Item::Kind::CharBox, "DiagFallChar", "", &Settings::DiagFallChar},
    {Item::Kind::CharBox, "DiagRiseChar", "", &Settings::DiagRiseChar},
    {Item::Kind::CharBox, "DiagHorzChar", "", &Settings::DiagHorzChar},
    {Item::Kind::CharBox, "DiagVertChar", "", &Settings::DiagVertChar},
    {Item::Kind::Divider, "", "", nullptr},
    {Item::Kind::Button, "FillByColorFg", "Floodfill (font)"},
    {Item::Kind::Button, "ReplaceCharColorAllFg", "Replace char.color (font)"},
    {Item::Kind::Button, "ColorSelectionFg", "Color selection (font)"},
    {Item::Kind::Button, "ResetSelectionColorFg", "Reset selection (font)"},
    {Item::Kind::Button, "FillByColorBg", "Floodfill (bgColor)"},
    {Item::Kind::Button, "ReplaceCharColorAllBg", "Replace char.color (bgColor)"},
    {Item::Kind::Button, "ColorSelectionBg", "Color selection (bgColor)"},
    {Item::Kind::Button, "ResetSelectionColorBg", "Reset selection (bgColor)"},
};

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

std::span<const PopupRow> CommandTable::canvasPopup() const {
    return kCanvasPopup;
}

std::span<const PaintBarItem> CommandTable::paintBar() const {
    return kPaintBar;
}

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
