#include "canvas/undo.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

namespace fs = std::filesystem;

struct UndoRingTest : ::testing::Test {
    test::TempDir dir;
    UndoRing ring{dir / "Undo", "407"};
    CharCanvas canvas{1, 1};

    // A command: snapshot, then change the one cell.
    void command(const std::string& text, int steps) {
        ring.takeSnapshot(canvas, steps);
        canvas.setText(0, 0, text);
    }
};

TEST_F(UndoRingTest, UndoRestoresSizeAndEveryByteButNoDamagedSnapshotAndKeepsColoursInPlace) {
    EXPECT_FALSE(ring.undo(canvas, 10)); // nothing taken
    std::string everyByte;
    for (int b = 0; b < 256; ++b)
        everyByte += static_cast<char>(b);
    const std::string texts[] = {std::string(1, '\0'), "\a", "\r\n", everyByte, "", "h"};
    canvas.setSize(3, 2);
    for (int i = 0; i < 6; ++i)
        canvas.setText(i % 3, i / 3, texts[i]);
    canvas.SetColorCell(1, 1, 0x00FF00);
    ASSERT_TRUE(ring.takeSnapshot(canvas, 10));
    canvas.setSize(6, 5); // as "Set canvas" enlarging it
    canvas.setText(1, 1, "new");
    canvas.SetFontCell(0, 0, 0x0000FF); // a colour-only change after the snapshot

    // A damaged, cut or missing snapshot is refused without a change; 8192 x 8192 cells
    // claimed by a file of a few bytes are not allocated.
    const std::string good = test::readBytes(ring.snapshotPath(1));
    const std::string huge = good.substr(0, 8) + std::string("\0\x20\0\0\0\x20\0\0", 8);
    std::string wrongSignature = good;
    wrongSignature[0] = 'X';
    for (const std::string& bad : {good.substr(0, good.size() - 1), good + "x",
                                   huge + good.substr(16), wrongSignature, std::string()}) {
        test::writeBytes(ring.snapshotPath(1), bad);
        EXPECT_FALSE(ring.undo(canvas, 10)) << bad.size();
        EXPECT_EQ(canvas.colCount(), 6);
        EXPECT_EQ(canvas.text(1, 1), "new");
    }
    fs::remove(ring.snapshotPath(1));
    EXPECT_FALSE(ring.undo(canvas, 10));

    test::writeBytes(ring.snapshotPath(1), good);
    ASSERT_TRUE(ring.undo(canvas, 10));
    ASSERT_EQ(canvas.colCount(), 3);
    ASSERT_EQ(canvas.rowCount(), 2);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(canvas.text(i % 3, i / 3), texts[i]) << i;
    EXPECT_EQ(canvas.foreground(0, 0), 0x0000FFu);
    EXPECT_EQ(canvas.background(1, 1), 0x00FF00u);
}

TEST_F(UndoRingTest, NoOldSlotIsReadBackAfterAnUnwritableSnapshotOrAChangedRingSize) {
    canvas.setText(0, 0, "1");
    command("2", 2);
    command("3", 2);
    // The next snapshot would reuse slot 1, whose file holds the state "1".
    fs::remove(ring.snapshotPath(1));
    fs::create_directory(ring.snapshotPath(1)); // cannot be written as a file
    EXPECT_FALSE(ring.takeSnapshot(canvas, 2));
    ASSERT_TRUE(ring.undo(canvas, 2));
    EXPECT_EQ(canvas.text(0, 0), "2");

    // A changed ring size starts a fresh ring.
    for (int i = 1; i <= 5; ++i)
        command(std::to_string(i), 10);
    command("6", 3); // the steps lowered while running
    EXPECT_FALSE(fs::exists(ring.snapshotPath(5)));
    ASSERT_TRUE(ring.undo(canvas, 3));
    EXPECT_EQ(canvas.text(0, 0), "5");
    EXPECT_FALSE(ring.undo(canvas, 3)); // no slot of the old ring is read back
    command("7", 3);
    EXPECT_FALSE(ring.undo(canvas, 4)); // raised: nothing from before either
    EXPECT_EQ(canvas.text(0, 0), "7");
}

} // namespace
} // namespace glyphora
