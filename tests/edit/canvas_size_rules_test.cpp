#include "edit/canvas_size_rules.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

TEST(CanvasSizeRules, TheOtherFieldFollowsWhenLockedAndBadValuesFallBack) {
    struct Case {
        const char* text;
        int initialThis, initialOther;
        bool locked;
        const char* edited;
        const char* other;
    };
    const Case cases[] = {
        {"40", 80, 50, true, "40", "25"}, {"120", 80, 50, false, "120", ""}, // unlocked: alone
        {"3", 4, 2, true, "3", "2"},      {"5", 4, 2, true, "5", "2"},     // halves go to the even
        {"7", 4, 2, true, "7", "4"},      {"abc", 80, 50, true, "80", ""}, // bad: the initial
        {"0", 80, 50, true, "80", ""},    {"12.5", 80, 50, false, "80", ""},
    };
    for (const Case& c : cases) {
        const SizeFields fields = editSizeField(c.text, c.initialThis, c.initialOther, c.locked);
        EXPECT_EQ(fields.edited, c.edited) << c.text;
        EXPECT_EQ(fields.other, c.other) << c.text;
    }
}

} // namespace
} // namespace glyphora
