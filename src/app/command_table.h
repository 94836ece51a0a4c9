#pragma once

#include "config/settings.h"

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace glyphora {

class Editor;

// An item of a pop-up menu: its own caption and the command it runs.
struct PopupRow {
    std::string_view caption;
    std::string_view commandId;
};

// An element of the paint bar: a command button with its hint, a character box bound to a
// painting character of the settings, or a divider.
struct PaintBarItem {
    enum class Kind { Button, CharBox, Divider };
    Kind kind = Kind::Divider;
    std::string_view id; // the command of a button, the settings field of a box
    std::string_view hint;
    std::string Settings::*field = nullptr;
};

// The keys that run a command: none, one, or several that do the same ("Ctrl+=" and "Ctrl++"
// for keyboards with and without a separate plus key).
class ShortcutList {
public:
    ShortcutList() = default;
    // One key, or none for "": most rows name a single key, so a row can just write it.
    ShortcutList(const char* key);
    ShortcutList(std::initializer_list<std::string_view> keys) : keys_(keys) {}

    auto begin() const { return keys_.begin(); }
    auto end() const { return keys_.end(); }
    bool empty() const { return keys_.empty(); }
    // Key names compare case-insensitively ("ctrl+z" is "Ctrl+Z").
    bool contains(std::string_view key) const;
    // The keys joined by blanks ("Ctrl+= Ctrl++"), as command listings show them; no key
    // name holds a blank.
    std::string text() const;

private:
    std::vector<std::string_view> keys_;
};

// One menu item, pop-up item, shortcut or paint-bar button. The menus, the shortcuts and
// the command-line tool are all built from these rows.
struct CommandRow {
    std::string_view id;
    // Captions with their accelerator marks, from the top-level menu down, joined by " > ";
    // empty for a paint-bar button that has no menu item.
    std::string_view menuPath;
    // "Ctrl+Z", "F3", "Ctrl+Shift+F9", "Del", several, or none.
    ShortcutList shortcuts;
    void (*run)(Editor&) = nullptr;
    // Empty predicates: always enabled; not a check item.
    bool (*enabled)(const Editor&) = nullptr;
    bool (*checked)(const Editor&) = nullptr;
    // Present and reachable by shortcut and id, but not shown in the menu.
    bool hidden = false;

    bool isCheckable() const { return checked != nullptr; }
    bool isHeading() const { return run == nullptr; }
    bool inMenu() const { return !menuPath.empty(); }
    bool isEnabled(const Editor& editor) const { return run && (!enabled || enabled(editor)); }
    bool isChecked(const Editor& editor) const { return checked && checked(editor); }
};

// Splits "&View > &Show grid" into its captions. A caption may itself contain "/" or ">"
// when not surrounded by blanks.
std::vector<std::string_view> splitMenuPath(std::string_view path);

class CommandTable {
public:
    // The program's commands in menu order.
    CommandTable();

    // The top-level menus in the order they stand in the menu bar.
    static std::span<const std::string_view> topLevelMenus();

    std::span<const CommandRow> rows() const { return rows_; }
    // The canvas pop-up menu and the paint bar; items whose command is not in the table
    // are not shown.
    std::span<const PopupRow> canvasPopup() const;
    // The pop-up menu of the FigLet panel's text grid.
    std::span<const PopupRow> figletPopup() const;
    // The pop-up menu of the copy grid.
    std::span<const PopupRow> copyGridPopup() const;
    std::span<const PaintBarItem> paintBar() const;

    const CommandRow* findById(std::string_view id) const;
    const CommandRow* findByMenuPath(std::string_view path) const;
    // The row that has this key among its shortcuts, compared case-insensitively.
    const CommandRow* findByShortcut(std::string_view shortcut) const;

    enum class RunResult { Ran, Disabled };
    // Runs the row's command unless its item is disabled, as the menu would.
    static RunResult run(Editor& editor, const CommandRow& row);

private:
    std::vector<CommandRow> rows_;
};

} // namespace glyphora
