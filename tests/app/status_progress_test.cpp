#include "app/progress_panel.h"
#include "app/status.h"
#include "platform/headless_ui.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

TEST(StatusBar, AMessageStartsTheClearingTimerWhichARunningOneKeeps) {
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
}

int litCount(const ProgressView& view) {
    int n = 0;
    for (int i = 0; i < ProgressView::kSegments; ++i)
        n += view.segmentOn(i);
    return n;
}

TEST(ProgressPanel, SegmentsFollowRoundedPositionAndNeverGoOut) {
    HeadlessUi ui;
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
