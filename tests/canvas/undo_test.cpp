#include "canvas/undo.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

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

TEST_F(UndoRingTest, SnapshotFilesAreNamedByTagAndSlotAndHoldTheGridText) {
    canvas.setSize(2, 1);
    canvas.setText(0, 0, "a");
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(ring.takeSnapshot(canvas, 10));
    EXPECT_EQ(ring.snapshotPath(3), dir / "Undo" / "~temp4073.dat");
    EXPECT_EQ(test::readBytes(ring.snapshotPath(3)), "a\a\a\r\n");
    EXPECT_EQ(ring.slot(), 3);
    EXPECT_EQ(ring.count(), 3);
}

TEST_F(UndoRingTest, RingOfThreeUndoesTheLastThreeCommandsOnly) {
    for (int i = 1; i <= 5; ++i)
        command(std::to_string(i), 3);
    for (const char* expected : {"4", "3", "2"}) {
        ASSERT_TRUE(ring.undo(canvas, 3));
        EXPECT_EQ(canvas.text(0, 0), expected);
    }
    EXPECT_FALSE(ring.undo(canvas, 3));
    EXPECT_EQ(canvas.text(0, 0), "2");
    EXPECT_EQ(ring.count(), 0);
}

TEST_F(UndoRingTest, UndoRestoresTheSizeAndKeepsColoursInPlace) {
    canvas.setSize(2, 2);
    canvas.setText(0, 0, "x");
    canvas.SetColorCell(1, 1, 0x00FF00);
    ring.takeSnapshot(canvas, 10);

    canvas.setSize(6, 5); // as "Set canvas" enlarging it
    canvas.setText(1, 1, "new");
    canvas.setText(0, 0, "y");
    canvas.SetFontCell(0, 0, 0x0000FF); // a colour-only change after the snapshot

    ASSERT_TRUE(ring.undo(canvas, 10));
    EXPECT_EQ(canvas.colCount(), 2);
    EXPECT_EQ(canvas.rowCount(), 2);
    EXPECT_EQ(canvas.text(0, 0), "x");
    EXPECT_EQ(canvas.text(1, 1), "");
    EXPECT_EQ(canvas.foreground(0, 0), 0x0000FFu);
    EXPECT_EQ(canvas.background(1, 1), 0x00FF00u);
}

TEST_F(UndoRingTest, NothingTakenOrAMissingSlotFileMeansNothingToUndo) {
    EXPECT_FALSE(ring.undo(canvas, 10));
    command("q", 10);
    std::filesystem::remove(ring.snapshotPath(1));
    EXPECT_FALSE(ring.undo(canvas, 10));
    EXPECT_EQ(canvas.text(0, 0), "q");
}

TEST_F(UndoRingTest, AnUnwritableSnapshotIsAbandonedWithoutExposingAnOldOne) {
    canvas.setText(0, 0, "1");
    command("2", 2);
    command("3", 2);
    // The next snapshot would reuse slot 1, whose file holds the state "1".
    std::filesystem::remove(ring.snapshotPath(1));
    std::filesystem::create_directory(ring.snapshotPath(1)); // cannot be written as a file
    EXPECT_FALSE(ring.takeSnapshot(canvas, 2));
    EXPECT_EQ(ring.slot(), 2);
    EXPECT_EQ(ring.count(), 2);
    ASSERT_TRUE(ring.undo(canvas, 2));
    EXPECT_EQ(canvas.text(0, 0), "2");
}

TEST_F(UndoRingTest, ShrinkingTheRingWrapsWithinTheNewSize) {
    for (int i = 0; i < 5; ++i)
        ring.takeSnapshot(canvas, 10);
    ring.takeSnapshot(canvas, 3);
    EXPECT_EQ(ring.slot(), 1);
    EXPECT_EQ(ring.count(), 3);
}

TEST_F(UndoRingTest, DeletingSnapshotsRemovesEveryDatFileOfAnyInstance) {
    ring.takeSnapshot(canvas, 10);
    test::writeBytes(dir / "Undo" / "~temp3331.dat", "other instance");
    test::writeBytes(dir / "Undo" / "keep.txt", "not a snapshot");
    ring.deleteAllSnapshotFiles();
    EXPECT_FALSE(std::filesystem::exists(ring.snapshotPath(1)));
    EXPECT_FALSE(std::filesystem::exists(dir / "Undo" / "~temp3331.dat"));
    EXPECT_TRUE(std::filesystem::exists(dir / "Undo" / "keep.txt"));
}

} // namespace
} // namespace glyphora
