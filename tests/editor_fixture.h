#pragma once

#include "app/command_table.h"
#include "app/editor.h"
#include "edit/input_commands.h"
#include "platform/headless_ui.h"
#include "test_support.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace glyphora::test {

// An Editor on a scripted Ui, with a fresh program directory of its own.
struct EditorTest : ::testing::Test {
    TempDir dir;
    HeadlessUi ui;
    Editor editor{ui, dir.path(), "123"};

    // Whether the Ui transcript holds the line.
    bool saw(const std::string& line) const {
        const auto& lines = ui.transcript();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
    // How often the Ui transcript holds the line.
    long count(const std::string& line) const {
        return std::count(ui.transcript().begin(), ui.transcript().end(), line);
    }
    // Runs a row of the command table, found by menu path or by id.
    void runMenu(std::string_view path) {
        const CommandTable table;
        const CommandRow* row = table.findByMenuPath(path);
        ASSERT_NE(row, nullptr) << path;
        CommandTable::run(editor, *row);
    }
    void runId(std::string_view id) { CommandTable::run(editor, *CommandTable().findById(id)); }
    // Puts a text into consecutive cells of a row, one byte per cell.
    void put(int col, int row, std::string_view text) {
        for (std::size_t i = 0; i < text.size(); ++i)
            editor.canvas().setText(col + static_cast<int>(i), row, text.substr(i, 1));
    }
    // A click on a cell, the mouse first moving there.
    void click(int col, int row, Modifiers mods = {}, MouseButton button = MouseButton::Left) {
        canvasMouseMove(editor, {col, row}, false, mods);
        canvasMousePress(editor, {col, row}, button, mods);
    }
    // Typed keys, each after its key-down.
    void type(std::string_view text) {
        for (const char ch : text) {
            canvasKeyDown(editor);
            canvasTypeCharacter(editor, static_cast<unsigned char>(ch));
        }
    }
    // The texts of count cells of a row from col on (to the row's end for -1).
    std::string row(int r, int col = 0, int count = -1) const {
        const int last = count < 0 ? editor.canvas().colCount() : col + count;
        std::string text;
        for (int c = col; c < last; ++c)
            text += editor.canvas().text(c, r);
        return text;
    }
};

} // namespace glyphora::test
