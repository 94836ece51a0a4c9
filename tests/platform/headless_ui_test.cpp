#include "platform/headless_ui.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

TEST(HeadlessUi, DialogsTakeAnswersInOrderWithinTheirButtonsAndRememberAMissingOne) {
    HeadlessUi ui;
    for (const char* answer : {"all", "ALL", "cancel"})
        ui.queueAnswer(answer);
    EXPECT_EQ(ui.confirm("q", Buttons::YesNo), Answer::No); // only the buttons offered
    EXPECT_EQ(ui.confirm("q", Buttons::YesNoAbortAll), Answer::All);
    EXPECT_EQ(ui.inputBox("Search ...", "Character:", ""), std::nullopt);
    EXPECT_EQ(ui.transcript().back(), "input: Search ... / Character: -> cancel");
    EXPECT_TRUE(ui.unansweredDialog().empty());
    // Nothing left: the dialog is cancelled (Abort where offered) and the first one kept.
    EXPECT_EQ(ui.confirm("Replace ? ", Buttons::YesNoAbortAll), Answer::Abort);
    EXPECT_EQ(ui.chooseColor(0xFF), std::nullopt);
    EXPECT_EQ(ui.unansweredDialog(), "confirm: Replace ? ");
}

TEST(HeadlessUi, FontAnswersCarryStyleAndAnRrggbbColour) {
    HeadlessUi ui;
    TextFont preset;
    preset.size = 9;
    for (const char* answer : {"Liberation Mono 12 bold 0000FF", "", "NoSize bold"})
        ui.queueAnswer(answer);
    const std::optional<TextFont> font = ui.chooseFont(preset);
    ASSERT_TRUE(font);
    EXPECT_TRUE(font->bold && !font->italic);
    EXPECT_EQ(font->color, 0xFF0000u);        // RRGGBB 0000FF is blue
    EXPECT_EQ(ui.chooseFont(preset), preset); // OK with the dialog's own values
    EXPECT_EQ(ui.chooseFont(preset), std::nullopt);
}

} // namespace
} // namespace glyphora
