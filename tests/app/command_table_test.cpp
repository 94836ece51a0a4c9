#include "app/command_table.h"
#include "app/editor.h"
#include "app/menu_vocabulary.h"
#include "editor_fixture.h"

#include <gtest/gtest.h>
#include <set>

namespace glyphora {
namespace {

TEST(CommandTable, EveryRowStandsInTheMenuVocabularyInOrderWithItsShortcut) {
    const CommandTable table;
    const auto vocabulary = test::menuVocabulary();
    ASSERT_GT(vocabulary.size(), 100u);
    std::size_t lastIndex = 0;
    for (const CommandRow& row : table.rows()) {
        SCOPED_TRACE(std::string(row.id));
        if (!row.inMenu()) {
            EXPECT_NE(row.run, nullptr); // a paint-bar button
            continue;
        }
        const auto it = std::find_if(vocabulary.begin(), vocabulary.end(),
                                     [&](const auto& entry) { return entry.path == row.menuPath; });
        ASSERT_NE(it, vocabulary.end()) << row.menuPath;
        EXPECT_EQ(row.shortcuts.text(), it->shortcut);
        const auto index = static_cast<std::size_t>(it - vocabulary.begin());
        EXPECT_GE(index, lastIndex) << "out of menu order: " << row.menuPath;
        lastIndex = index;
        // Headings are exactly the lines that end in a colon.
        EXPECT_EQ(row.isHeading(), row.menuPath.back() == ':');
    }
}

TEST(CommandTable, IdsAndShortcutsAreUnique) {
    const CommandTable table;
    std::set<std::string_view> ids, shortcuts;
    for (const CommandRow& row : table.rows()) {
        EXPECT_TRUE(ids.insert(row.id).second) << row.id;
        for (const std::string_view key : row.shortcuts)
            EXPECT_TRUE(shortcuts.insert(key).second) << key;
    }
}

TEST(CommandTable, RowsAreFoundByIdPathAndShortcut) {
    const CommandTable table;
    const CommandRow* undo = table.findById("grid2Togrid1");
    ASSERT_NE(undo, nullptr);
    EXPECT_EQ(table.findByMenuPath("Edit&1 > &Undo"), undo);
    EXPECT_EQ(table.findByShortcut("ctrl+z"), undo);
    EXPECT_EQ(table.findByShortcut(""), nullptr);
    // A row may have several keys; each finds it.
    const CommandRow* zoomIn = table.findById("IncreaseFontSize");
    EXPECT_EQ(table.findByShortcut("Ctrl+="), zoomIn);
    EXPECT_EQ(table.findByShortcut("ctrl++"), zoomIn);
    EXPECT_EQ(zoomIn->shortcuts.text(), "Ctrl+= Ctrl++");
    EXPECT_EQ(table.findById("NoSuchCommand"), nullptr);
    ASSERT_NE(table.findByMenuPath("&Options > \"&Undo\" enabled"), nullptr);
}

TEST(CommandTable, MenuPathsSplitOnlyAtSpacedArrows) {
    EXPECT_EQ(splitMenuPath("&View > &Text/Gridview"),
              (std::vector<std::string_view>{"&View", "&Text/Gridview"}));
    EXPECT_EQ(splitMenuPath("Edit&1 > Selec&t ... > complete &cols"),
              (std::vector<std::string_view>{"Edit&1", "Selec&t ...", "complete &cols"}));
    EXPECT_EQ(splitMenuPath("a->b"), (std::vector<std::string_view>{"a->b"}));
}

using CommandTableOnEditor = test::EditorTest;

TEST_F(CommandTableOnEditor, CheckItemsReflectTheEditorState) {
    const CommandTable table;
    const CommandRow& grid = *table.findById("ToggleGrid");
    ASSERT_TRUE(grid.isCheckable());
    EXPECT_TRUE(grid.isChecked(editor));
    EXPECT_EQ(CommandTable::run(editor, grid), CommandTable::RunResult::Ran);
    EXPECT_FALSE(grid.isChecked(editor));
    EXPECT_FALSE(table.findById("ChooseFont")->isCheckable());
    EXPECT_TRUE(table.findById("IncreaseFontSize")->hidden);
}

} // namespace
} // namespace glyphora
