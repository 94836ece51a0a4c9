#include "app/editor.h"
#include "app/progress_panel.h"
#include "app/status.h"
#include "app/window_commands.h"
#include "canvas/canvas_commands.h"
#include "editor_fixture.h"
#include "platform/headless_ui.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

using EditorFixture = test::EditorTest;

std::array<int, 4> selectionFields(const Editor& editor) {
    const auto& s = editor.sel();
    return {s.SelLeft, s.SelTop, s.SelRight, s.SelBottom};
}

// The rest of the start state, the cell size included, shows in the CLI's dump.
TEST_F(EditorFixture, GreetsAndSizesCellsByTheMeasuredFontAndExpansion) {
    EXPECT_EQ(editor.status().field(3), " W E L C O M E ");
    EXPECT_EQ(row(10), welcomePicture()[10]);
    const CellMetrics& m = editor.canvas().metrics;
    editor.ApplyFontSize(10); // headless "A" at 10 points is 8 x 15
    editor.cellExpansionDisabled = true;
    editor.updateCellSize();
    EXPECT_EQ(m.colWidth, 8);
    editor.ApplyFontSize(1000);
    EXPECT_EQ(editor.canvas().font().size, 30);
    editor.ApplyFontSize(-3);
    EXPECT_EQ(editor.canvas().font().size, 2);
    EXPECT_FALSE(editor.canvas().hasOwnFont(0, 0));
    // Outside Plain mode every cell gets an own font.
    editor.setColorMode(ColorMode::FullColored);
    editor.updateCellSize();
    EXPECT_TRUE(editor.canvas().hasOwnFont(79, 49));
}

using Rang = EditorFixture;

// Switched-off undo taking no snapshot is the Undo commands' test.
TEST_F(Rang, SnapshotsUnlessSuspended) {
    editor.suspendSnapshots = true;
    editor.normalizeSelection();
    EXPECT_FALSE(std::filesystem::exists(dir / "Undo"));

    editor.suspendSnapshots = false;
    editor.setGridSelection({4, 6, 4, 6});
    editor.normalizeSelection();
    EXPECT_EQ(editor.undoRing().count(), 1);
    EXPECT_TRUE(std::filesystem::exists(dir / "Undo" / "~temp1231.dat"));
}

TEST_F(Rang, NormalisesCornersAndClampsTo500Cells) {
    editor.canvas().setSize(1000, 1000);
    editor.setGridSelection({600, 20, 100, 10}); // 501 wide: one too many
    editor.normalizeSelection();
    EXPECT_EQ(selectionFields(editor), (std::array{100, 10, 599, 20}));
    EXPECT_EQ(editor.status().field(3), "Selection out of range (x>499). Set x:=499");
    EXPECT_EQ(count("beep"), 1);

    editor.setGridSelection({0, 0, 499, 600});
    editor.normalizeSelection();
    EXPECT_EQ(selectionFields(editor), (std::array{0, 0, 499, 499})); // exactly 500 wide stays
    EXPECT_EQ(editor.status().field(3), "Selection out of range (y>499). Set y:=499");

    // The grid selection takes corners in any order and stays in the canvas.
    editor.setGridSelection({9, 7, 2, 3});
    EXPECT_EQ(editor.gridSelection(), (CellRect{2, 3, 9, 7}));
    EXPECT_EQ(editor.sel().CursorCol, 2);
    editor.setGridSelection({-5, 0, 1500, 1070});
    EXPECT_EQ(editor.gridSelection(), (CellRect{0, 0, 999, 999}));
}

// The CLI's dump shows them applied at once; here they read back.
TEST_F(EditorFixture, SettingsThatLiveElsewhereReadBack) {
    for (const auto& [name, value] : {std::pair{"FontSize", "12"}, std::pair{"ColorMode", "3"},
                                      std::pair{"MainGridColor", "000080"},
                                      std::pair{"ShowGrid", "N"}, std::pair{"UndoSteps", "3"}})
        EXPECT_EQ(editor.setSetting(name, value), "") << name;
    const Settings s = editor.currentSettings();
    EXPECT_EQ(s.FontSize, 12);
    EXPECT_EQ(s.ColorMode, ColorMode::FullColored);
    EXPECT_EQ(s.MainGridColor, 0x800000u);
    EXPECT_FALSE(s.ShowGrid);
    EXPECT_EQ(s.UndoSteps, 3);
}

using WindowCommands = test::EditorTest;

// What closing asks and tidies is the close query's; exit follows its answer.
TEST_F(WindowCommands, ExitFollowsTheCloseQuestionThePaintbarShowsTheColourBarRefreshTidies) {
    ui.queueAnswer("no");
    ExitProgram(editor);
    EXPECT_FALSE(editor.quitRequested);
    ui.queueAnswer("yes");
    ExitProgram(editor);
    EXPECT_TRUE(editor.quitRequested);

    TogglePaintbar(editor);
    EXPECT_TRUE(editor.settings().ShowPaintbar);
    EXPECT_FALSE(editor.colorState().colorBarShown); // Plain mode: no colour bar
    TogglePaintbar(editor);
    editor.setColorMode(ColorMode::FullColored);
    TogglePaintbar(editor);
    EXPECT_TRUE(editor.colorState().colorBarShown);

    // Refreshing clears a leftover progress panel.
    editor.progress().showBar("Converting ...", true, "Step 1 of 3");
    editor.progress().startBarAnimation(4);
    editor.canvas().setSize(12, 7);
    RefreshWindow(editor);
    EXPECT_FALSE(editor.progress().view().visible);
    EXPECT_FALSE(editor.progress().view().animated);
    EXPECT_EQ(editor.canvas().widthField, "12");
    EXPECT_EQ(ui.cursor(), AppCursor::Normal);
}

struct CanvasCommands : test::EditorTest {
    void writeCommand(const std::string& text) {
        editor.normalizeSelection();
        editor.canvas().setText(editor.sel().SelLeft, editor.sel().SelTop, text);
    }
};

TEST_F(CanvasCommands, UndoWalksBackThroughTheRingThenRefuses) {
    editor.settings().UndoSteps = 3;
    for (int i = 1; i <= 5; ++i)
        writeCommand(std::to_string(i));
    editor.scrollTo(10, 20);
    editor.canvas().setSize(3, 3); // undo restores the size the snapshot had

    Undo(editor);
    EXPECT_EQ(editor.canvas().text(0, 0), "4");
    EXPECT_EQ(editor.canvas().colCount(), 80);
    EXPECT_EQ(editor.canvas().widthField, "80");
    EXPECT_EQ(ui.scrollPosition(), (std::pair<int, int>{10, 20})); // scroll position restored
    Undo(editor);
    Undo(editor);
    EXPECT_EQ(editor.canvas().text(0, 0), "2");
    Undo(editor);
    EXPECT_EQ(editor.canvas().text(0, 0), "2");
    EXPECT_EQ(editor.status().field(3), " No undo possible.");
    EXPECT_EQ(ui.cursor(), AppCursor::Normal);
}

TEST_F(CanvasCommands, UndoSwitchedOffDoesNothingAndKeepsTheRing) {
    const std::string before(editor.canvas().text(0, 0));
    writeCommand("a");
    ToggleUndo(editor);
    EXPECT_FALSE(editor.settings().EnableUndo);
    writeCommand("b"); // no snapshot while off
    Undo(editor);
    EXPECT_EQ(editor.canvas().text(0, 0), "b");
    ToggleUndo(editor);
    Undo(editor);
    EXPECT_EQ(editor.canvas().text(0, 0), before); // the snapshot taken before "a"
    EXPECT_EQ(editor.undoRing().count(), 0);
}

TEST_F(CanvasCommands, FontDialogAppliesAClampedFontAndKeepsCellColours) {
    editor.canvas().SetFontCell(1, 1, 0x0000FF);
    ui.queueAnswer("Liberation Mono 40 italic 00FF00");
    ChooseFont(editor);
    const TextFont& font = editor.canvas().font();
    EXPECT_EQ(font.name, "Liberation Mono");
    EXPECT_EQ(font.size, 30);
    EXPECT_TRUE(font.italic);
    EXPECT_EQ(font.color, 0x00FF00u);
    EXPECT_EQ(editor.canvas().foreground(1, 1), 0x0000FFu);
    // Cells that followed the default show the new colour, as do cells the canvas grows.
    EXPECT_EQ(editor.canvas().foreground(0, 0), 0x00FF00u);
    editor.canvas().setSize(editor.canvas().colCount() + 1, editor.canvas().rowCount());
    EXPECT_EQ(editor.canvas().foreground(editor.canvas().colCount() - 1, 0), 0x00FF00u);
    EXPECT_EQ(editor.canvas().metrics.colWidth, 24 + 2);

    ui.queueAnswer("cancel");
    ChooseFont(editor);
    EXPECT_EQ(editor.canvas().font().size, 30);
}

TEST_F(CanvasCommands, RefreshFontPinsEveryCellToItsPresentColour) {
    editor.canvas().SetFontCell(2, 0, 0x00FFFF);
    RefreshFont(editor);
    editor.canvas().setDefaultFontColor(0x123456);
    EXPECT_EQ(editor.canvas().foreground(0, 0), kBlack);
    EXPECT_EQ(editor.canvas().foreground(2, 0), 0x00FFFFu);
}

int litCount(const ProgressView& view) {
    int n = 0;
    for (int i = 0; i < ProgressView::kSegments; ++i)
        n += view.segmentOn(i);
    return n;
}

TEST(StatusArea, MessagesClearOnTheTimerAndProgressSegmentsFollowTheRoundedPosition) {
    HeadlessUi ui;
    StatusBar status(ui);
    status.StatusMessage("first");
    EXPECT_TRUE(ui.timerEnabled(TimerId::Status));
    EXPECT_EQ(ui.timerInterval(TimerId::Status), 5000);
    status.StatusMessage("second"); // replaces the text, does not restart the timer
    EXPECT_EQ(status.field(3), "second");

    status.statusTimerTick();
    EXPECT_EQ(status.field(3), "");
    EXPECT_FALSE(status.timerEnabled());
    EXPECT_FALSE(ui.timerEnabled(TimerId::Status));
    EXPECT_EQ(ui.transcript(),
              (std::vector<std::string>{"status3: first", "status3: second", "status3: "}));

    ProgressPanel panel(ui);
    panel.showBar("Saving ...", true, "Step 1 of 3");
    EXPECT_TRUE(panel.view().visible && panel.view().abortable);
    EXPECT_EQ(litCount(panel.view()), 0);
    // Position, then the lit count: round(50 / 100 * 20) = 10 lights 0..10; smaller positions
    // switch nothing off.
    for (const auto& [position, lit] :
         {std::pair{0, 1}, std::pair{50, 11}, std::pair{5, 11}, std::pair{100, 20}}) {
        panel.setBarPosition(position, 100, "Converting ...", "Step 2 of 3");
        EXPECT_EQ(litCount(panel.view()), lit) << position;
    }
    EXPECT_EQ(panel.view().caption, "Converting ...");
    EXPECT_EQ(panel.view().step, "Step 2 of 3");

    panel.showBar("Again", false, "");
    EXPECT_EQ(litCount(panel.view()), 0);
    EXPECT_FALSE(panel.view().abortable);
    panel.setBarPosition(1, 8, "Again", ""); // 2.5 rounds to 2: segments 0..2
    EXPECT_EQ(litCount(panel.view()), 3);
    panel.setBarPosition(-7, 8, "Again", "");
    panel.setBarPosition(5000, 8, "Again", ""); // beyond the bar: only the 20 exist
    EXPECT_EQ(litCount(panel.view()), 20);
    panel.showBar("Converting ...", false, "Step 1 of 3");
    panel.setBarPosition(0, 0, "Converting ...", "Step 1 of 3"); // no work at all counts as done
    EXPECT_EQ(litCount(panel.view()), 20);
    panel.hideBar();
    EXPECT_FALSE(panel.view().visible);
}

} // namespace
} // namespace glyphora
