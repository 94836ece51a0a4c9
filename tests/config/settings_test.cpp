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
    for (const auto& [name, value] : {std::pair{"UndoSteps", "3x"},
                                      {"ShowInfoMessages", "y"},
                                      {"MainGridColor", "00008"},
                                      {"ColorMode", "5"}})
        EXPECT_FALSE(set(name, value)) << name;
    EXPECT_EQ(settingsFileText(s), settingsFileText(Settings{}));
    EXPECT_TRUE(set("MainGridColor", "000080"));
    EXPECT_EQ(s.MainGridColor, rgb(0, 0, 0x80));
    EXPECT_TRUE(set("History", "/a/b.txt|/c.glg"));
    EXPECT_EQ(s.History, (std::vector<std::string>{"/a/b.txt", "/c.glg"}));
    EXPECT_TRUE(set("History", ""));
    EXPECT_TRUE(s.History.empty());
    EXPECT_EQ(findSettingField("NoSuchField"), nullptr);

    // Colours as text are red, green, blue; a non-digit counts as 0.
    EXPECT_EQ(colorToHex(rgb(0x12, 0xAB, 0x0C)), "12AB0C");
    EXPECT_EQ(hexToColor("ff0000"), 0x0000FFu);
    EXPECT_EQ(hexToColor("00g080"), rgb(0, 0x00, 0x80));
    EXPECT_EQ(hexToColor("1"), rgb(0x10, 0, 0));
}

} // namespace
} // namespace glyphora
