#include "config/settings.h"
#include "config/settings_file.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

TEST(Settings, BadTextValuesChangeNothingAndTheHistoryIsSplitAtBars) {
    Settings s;
    const auto set = [&](std::string_view name, std::string_view value) {
        return setSettingFromText(s, *findSettingField(name), value).empty();
    };
    for (const auto& [name, value] : {std::pair{"UndoSteps", "3x"}, {"MainGridColor", "00008"}})
        EXPECT_FALSE(set(name, value)) << name;
    EXPECT_EQ(settingsFileText(s), settingsFileText(Settings{}));
    EXPECT_TRUE(set("MainGridColor", "000080"));
    EXPECT_EQ(s.MainGridColor, rgb(0, 0, 0x80));
    EXPECT_TRUE(set("History", "/a/b.txt|/c.glg"));
    EXPECT_EQ(s.History, (std::vector<std::string>{"/a/b.txt", "/c.glg"}));
    EXPECT_TRUE(set("History", ""));
    EXPECT_TRUE(s.History.empty());
    EXPECT_EQ(findSettingField("NoSuchField"), nullptr);

    // A short colour text counts the missing digits as 0 (the settings file tests the rest).
    EXPECT_EQ(hexToColor("1"), rgb(0x10, 0, 0));
}

} // namespace
} // namespace glyphora
