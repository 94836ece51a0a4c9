#include "edit/canvas_size_rules.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

TEST(CanvasSizeRules, TheOtherFieldFollowsOnlyWhenLocked) {
    const SizeFields f = editSizeField("40", 80, 50, true);
    EXPECT_EQ(f.edited, "40");
    EXPECT_EQ(f.other, "25");
    EXPECT_EQ(editSizeField("3", 4, 2, true).other, "2"); // 1.5 rounds to 2
    EXPECT_EQ(editSizeField("5", 4, 2, true).other, "2"); // 2.5 rounds to 2
    EXPECT_EQ(editSizeField("7", 4, 2, true).other, "4"); // 3.5 rounds to 4
    const SizeFields unlocked = editSizeField("120", 80, 50, false);
    EXPECT_EQ(unlocked.edited, "120");
    EXPECT_EQ(unlocked.other, ""); // left alone
}

TEST(CanvasSizeRules, BadValuesFallBackToTheInitialValue) {
    EXPECT_EQ(editSizeField("abc", 80, 50, true).edited, "80");
    EXPECT_EQ(editSizeField("abc", 80, 50, true).other, ""); // the other field is left alone
    EXPECT_EQ(editSizeField("0", 80, 50, true).edited, "80");
    EXPECT_EQ(editSizeField("-4", 80, 50, false).edited, "80");
    EXPECT_EQ(editSizeField("", 80, 50, false).edited, "80");
    EXPECT_EQ(editSizeField("12.5", 80, 50, false).edited, "80");
}

} // namespace
} // namespace glyphora
