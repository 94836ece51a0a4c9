#include "color/color_modes.h"
#include "convert.h"

#include <gtest/gtest.h>
#include <sstream>

namespace glyphora {
namespace {

TEST(ConvertType, ComesFromTheFileNamesExtensionInAnyCase) {
    EXPECT_EQ(convertTypeCode("/art/Page.HTML"), 4);
    EXPECT_EQ(convertTypeCode("shot.Png"), 20);
    // Only the last extension of the file name counts.
    EXPECT_EQ(convertTypeCode("folder.glf/art"), 12);
    EXPECT_EQ(convertTypeCode("README"), 12);
}

TEST(BatchUi, AnswersOnlyWhatNeedsNoUserAndRecordsTheRest) {
    std::ostringstream err;
    BatchUi ui(err);
    EXPECT_EQ(ui.inputBox("Start ESCSequence:", "ANSI Code:", "\x1b[=3h"), "\x1b[=3h");
    EXPECT_EQ(ui.confirm(modeSwitchQuestion(ColorMode::Ansi), Buttons::YesNo), Answer::Yes);
    EXPECT_TRUE(ui.unansweredDialog().empty());
    // Messages pass, their lines on lines of their own, the bytes as UTF-8.
    ui.message("Caf\xE9\rnext");
    EXPECT_EQ(err.str(), "message: Caf\xC3\xA9\n  next\n");
    // Any other question is the user's: it is cancelled and remembered.
    EXPECT_EQ(ui.confirm("Replace ? ", Buttons::YesNoAbortAll), Answer::Abort);
    EXPECT_EQ(ui.unansweredDialog(), "confirm: Replace ? ");
    EXPECT_EQ(ui.chooseColor(kBlack), std::nullopt);
}

} // namespace
} // namespace glyphora
