#include "platform/headless_ui.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

TEST(HeadlessUi, AnswersAreTakenInOrderAndRecorded) {
    HeadlessUi ui;
    ui.queueAnswer("yes");
    ui.queueAnswer("#");
    ui.queueAnswer("cancel");
    EXPECT_EQ(ui.confirm("File exists. Overwrite ?", Buttons::YesNo), Answer::Yes);
    EXPECT_EQ(ui.inputBox("Search ...", "Character:", ""), std::optional<std::string>("#"));
    EXPECT_EQ(ui.inputBox("Search ...", "Character:", ""), std::nullopt);
    EXPECT_EQ(ui.transcript(), (std::vector<std::string>{
                                   "confirm: File exists. Overwrite ? -> yes",
                                   "input: Search ... / Character: -> #",
                                   "input: Search ... / Character: -> cancel",
                               }));
    EXPECT_TRUE(ui.unansweredDialog().empty());
}

TEST(HeadlessUi, AMissingAnswerCancelsAndIsRememberedAndConfirmGivesOnlyTheButtonsOffered) {
    HeadlessUi ui;
    EXPECT_EQ(ui.confirm("Replace ? ", Buttons::YesNoAbortAll), Answer::Abort);
    EXPECT_EQ(ui.unansweredDialog(), "confirm: Replace ? ");
    EXPECT_EQ(ui.chooseColor(0xFF), std::nullopt);
    EXPECT_EQ(ui.unansweredDialog(), "confirm: Replace ? "); // the first one is kept

    ui.queueAnswer("all");
    EXPECT_EQ(ui.confirm("q", Buttons::YesNo), Answer::No);
    ui.queueAnswer("ALL");
    EXPECT_EQ(ui.confirm("q", Buttons::YesNoAbortAll), Answer::All);
}

TEST(HeadlessUi, FontAnswersCarryNameSizeStyleAndColour) {
    HeadlessUi ui;
    TextFont preset;
    preset.size = 9;
    ui.queueAnswer("Liberation Mono 12 bold 0000FF");
    const std::optional<TextFont> font = ui.chooseFont(preset);
    ASSERT_TRUE(font);
    EXPECT_EQ(font->name, "Liberation Mono");
    EXPECT_EQ(font->size, 12);
    EXPECT_TRUE(font->bold);
    EXPECT_EQ(font->color, 0xFF0000u); // RRGGBB 0000FF is blue

    ui.queueAnswer("");
    EXPECT_EQ(ui.chooseFont(preset), preset); // OK with the dialog's own values
    ui.queueAnswer("NoSize bold");
    EXPECT_EQ(ui.chooseFont(preset), std::nullopt);
}

} // namespace
} // namespace glyphora
