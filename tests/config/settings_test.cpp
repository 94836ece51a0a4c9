#include "config/settings.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

TEST(Settings, DataFilesDefaultToTheStandardNameOnlyWhenPresent) {
    test::TempDir dir;
    test::writeBytes(dir / "charflip-h.dat", "x");
    const Settings s = defaultSettings(dir.path());
    EXPECT_EQ(s.FlipHorzDataFile, "charflip-h.dat");
    EXPECT_EQ(s.FlipVertDataFile, "none (intern)");
}

TEST(Settings, TextValuesAreParsedByFieldTypeAndBadOnesChangeNothing) {
    Settings s;
    const auto set = [&](std::string_view name, std::string_view value) {
        return setSettingFromText(s, *findSettingField(name), value).empty();
    };
    for (const auto& [name, value] : {std::pair{"UndoSteps", "3"},
                                      {"ShowInfoMessages", "N"},
                                      {"MainGridColor", "000080"},
                                      {"ColorMode", "3"},
                                      {"SolidChar", "@"},
                                      {"History", "/a/b.txt|/c.glg"}})
        EXPECT_TRUE(set(name, value)) << name;
    for (const auto& [name, value] : {std::pair{"UndoSteps", "3x"},
                                      {"ShowInfoMessages", "y"},
                                      {"MainGridColor", "00008"},
                                      {"ColorMode", "5"}})
        EXPECT_FALSE(set(name, value)) << name;
    EXPECT_EQ(s.UndoSteps, 3);
    EXPECT_FALSE(s.ShowInfoMessages);
    EXPECT_EQ(s.MainGridColor, 0x800000u);
    EXPECT_EQ(s.ColorMode, ColorMode::FullColored);
    EXPECT_EQ(s.SolidChar, "@");
    EXPECT_EQ(s.History, (std::vector<std::string>{"/a/b.txt", "/c.glg"}));
    EXPECT_TRUE(set("History", ""));
    EXPECT_TRUE(s.History.empty());
    EXPECT_EQ(findSettingField("NoSuchField"), nullptr);
}

TEST(Color, HexTextIsRedGreenBlueWithNonDigitsAsZero) {
    EXPECT_EQ(colorToHex(rgb(0x12, 0xAB, 0x0C)), "12AB0C");
    EXPECT_EQ(hexToColor("ff0000"), 0x0000FFu);
    EXPECT_EQ(hexToColor("00g080"), rgb(0, 0x00, 0x80)); // "g" counts as 0
    EXPECT_EQ(hexToColor("1"), rgb(0x10, 0, 0));
}

} // namespace
} // namespace glyphora
