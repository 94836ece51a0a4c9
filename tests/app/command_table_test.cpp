#include "app/command_table.h"
#include "test_support.h"

#include <gtest/gtest.h>
#include <set>
#include <sstream>

namespace glyphora {
namespace {

// The program's whole menu vocabulary in menu order, one line per item: the captions with
// their accelerator marks joined by " > ", a tab, the shortcuts. Headings end in a colon.
std::vector<std::pair<std::string, std::string>> menuVocabulary() {
    std::istringstream text(test::readBytes(std::filesystem::path(GLYPHORA_SOURCE_DIR) / "tests" /
                                            "app" / "menu_vocabulary.txt"));
    std::vector<std::pair<std::string, std::string>> entries;
    for (std::string line; std::getline(text, line);) {
        const std::size_t tab = line.find('\t');
        entries.emplace_back(line.substr(0, tab), line.substr(tab + 1));
    }
    return entries;
}

TEST(CommandTable, EveryRowStandsInTheMenuVocabularyInOrderWithUniqueIdAndShortcuts) {
    const CommandTable table;
    const auto vocabulary = menuVocabulary();
    ASSERT_GT(vocabulary.size(), 100u);
    std::size_t lastIndex = 0;
    std::set<std::string_view> ids, shortcuts;
    for (const CommandRow& row : table.rows()) {
        SCOPED_TRACE(std::string(row.id));
        EXPECT_TRUE(ids.insert(row.id).second);
        for (const std::string_view key : row.shortcuts)
            EXPECT_TRUE(shortcuts.insert(key).second) << key;
        if (!row.inMenu()) {
            EXPECT_NE(row.run, nullptr); // a paint-bar button
            continue;
        }
        const auto it = std::find_if(vocabulary.begin(), vocabulary.end(), [&](const auto& entry) {
            return entry.first == row.menuPath;
        });
        ASSERT_NE(it, vocabulary.end()) << row.menuPath;
        EXPECT_EQ(row.shortcuts.text(), it->second);
        const auto index = static_cast<std::size_t>(it - vocabulary.begin());
        EXPECT_GE(index, lastIndex) << "out of menu order: " << row.menuPath;
        lastIndex = index;
        EXPECT_EQ(row.isHeading(), row.menuPath.back() == ':');
    }
}

TEST(CommandTable, RowsAreFoundByIdPathAndEachShortcut) {
    const CommandTable table;
    const CommandRow* undo = table.findById("Undo");
    ASSERT_NE(undo, nullptr);
    EXPECT_EQ(table.findByMenuPath("Edit&1 > &Undo"), undo);
    EXPECT_EQ(table.findByShortcut("ctrl+z"), undo);
    EXPECT_EQ(table.findByShortcut(""), nullptr);
    EXPECT_EQ(table.findById("NoSuchCommand"), nullptr);
    const CommandRow* zoomIn = table.findById("IncreaseFontSize");
    EXPECT_EQ(table.findByShortcut("Ctrl+="), zoomIn);
    EXPECT_EQ(table.findByShortcut("ctrl++"), zoomIn);
}

TEST(CommandTable, MenuPathsSplitOnlyAtSpacedArrows) {
    EXPECT_EQ(splitMenuPath("&View > &Text/Gridview"),
              (std::vector<std::string_view>{"&View", "&Text/Gridview"}));
    EXPECT_EQ(splitMenuPath("Edit&1 > Selec&t ... > complete &cols"),
              (std::vector<std::string_view>{"Edit&1", "Selec&t ...", "complete &cols"}));
    EXPECT_EQ(splitMenuPath("a->b"), (std::vector<std::string_view>{"a->b"}));
}

} // namespace
} // namespace glyphora
