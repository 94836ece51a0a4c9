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

TEST(Settings, EveryFieldIsReachableByName) {
    EXPECT_EQ(settingFields().size(), 42u);
    for (const SettingField& field : settingFields())
        EXPECT_EQ(findSettingField(field.name), &field);
    EXPECT_EQ(findSettingField("NoSuchField"), nullptr);
}

TEST(Settings, TextValuesAreParsedByFieldType) {
    Settings s;
    const auto set = [&](std::string_view name, std::string_view value) {
        return setSettingFromText(s, *findSettingField(name), value);
    };
    EXPECT_EQ(set("UndoSteps", "3"), "");
    EXPECT_EQ(s.UndoSteps, 3);
    EXPECT_NE(set("UndoSteps", "3x"), "");
    EXPECT_EQ(s.UndoSteps, 3);
    EXPECT_EQ(set("ShowInfoMessages", "N"), "");
    EXPECT_FALSE(s.ShowInfoMessages);
    EXPECT_NE(set("ShowInfoMessages", "y"), "");
    EXPECT_EQ(set("MainGridColor", "000080"), "");
    EXPECT_EQ(s.MainGridColor, 0x800000u);
    EXPECT_NE(set("MainGridColor", "00008"), "");
    EXPECT_EQ(set("ColorMode", "3"), "");
    EXPECT_EQ(s.ColorMode, ColorMode::FullColored);
    EXPECT_NE(set("ColorMode", "5"), "");
    EXPECT_EQ(set("SolidChar", "@"), "");
    EXPECT_EQ(s.SolidChar, "@");
    EXPECT_EQ(set("History", "/a/b.txt|/c.glg"), "");
    EXPECT_EQ(s.History, (std::vector<std::string>{"/a/b.txt", "/c.glg"}));
    EXPECT_EQ(set("History", ""), "");
    EXPECT_TRUE(s.History.empty());
}

TEST(Color, HexTextIsRedGreenBlueWithNonDigitsAsZero) {
    EXPECT_EQ(colorToHex(0x0000FF), "FF0000");
    EXPECT_EQ(colorToHex(rgb(0x12, 0xAB, 0x0C)), "12AB0C");
    EXPECT_EQ(hexToColor("ff0000"), 0x0000FFu);
    EXPECT_EQ(hexToColor("00g080"), rgb(0, 0x00, 0x80)); // "g" counts as 0
    EXPECT_EQ(hexToColor("1"), rgb(0x10, 0, 0));
}

} // namespace
} // namespace glyphora
