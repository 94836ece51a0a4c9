#include "app/editor.h"
#include "app/window_commands.h"
#include "editor_fixture.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

using WindowCommands = test::EditorTest;

// What closing asks and tidies is the close query's; exit follows its answer.
TEST_F(WindowCommands, ExitFollowsTheCloseQuestion) {
    ui.queueAnswer("no");
    ExitProgram(editor);
    EXPECT_FALSE(editor.quitRequested);
    ui.queueAnswer("yes");
    ExitProgram(editor);
    EXPECT_TRUE(editor.quitRequested);
}

TEST_F(WindowCommands, ThePaintbarBringsTheColourBarOutsidePlainMode) {
    TogglePaintbar(editor);
    EXPECT_TRUE(editor.settings().ShowPaintbar);
    EXPECT_FALSE(editor.colorState().colorBarShown); // Plain mode: no colour bar
    TogglePaintbar(editor);
    editor.setColorMode(ColorMode::FullColored);
    TogglePaintbar(editor);
    EXPECT_TRUE(editor.colorState().colorBarShown);
}

TEST_F(WindowCommands, RefreshClearsALeftoverProgressPanel) {
    editor.progress().showBar("Converting ...", true, "Step 1 of 3");
    editor.progress().startBarAnimation(4);
    editor.canvas().setSize(12, 7);
    RefreshWindow(editor);
    EXPECT_FALSE(editor.progress().view().visible);
    EXPECT_FALSE(editor.progress().view().animated);
    EXPECT_EQ(editor.canvas().widthField, "12");
    EXPECT_EQ(ui.cursor(), AppCursor::Normal);
}

} // namespace
} // namespace glyphora
