#include "canvas/undo.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

using test::TempDir;

TEST(UndoRing, SnapshotFilesAreNamedByTagAndSlot) {
    TempDir dir;
    UndoRing ring(dir / "Undo", "407");
    CharCanvas canvas(2, 1);
    canvas.setText(0, 0, "a");
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(ring.takeSnapshot(canvas, 10));
    EXPECT_EQ(ring.snapshotPath(3).filename(), "~temp4073.dat");
    EXPECT_EQ(test::readBytes(dir / "Undo" / "~temp4073.dat"), std::string("a\x07\x07\r\n"));
    EXPECT_EQ(ring.slot(), 3);
    EXPECT_EQ(ring.count(), 3);
}

TEST(UndoRing, RingOfThreeUndoesTheLastThreeCommandsOnly) {
    TempDir dir;
    UndoRing ring(dir.path(), "001");
    CharCanvas canvas(1, 1);
    for (int command = 1; command <= 5; ++command) {
        ring.takeSnapshot(canvas, 3);
        canvas.setText(0, 0, std::to_string(command));
    }
    ASSERT_TRUE(ring.undo(canvas, 3));
    EXPECT_EQ(canvas.text(0, 0), "4");
    ASSERT_TRUE(ring.undo(canvas, 3));
    EXPECT_EQ(canvas.text(0, 0), "3");
    ASSERT_TRUE(ring.undo(canvas, 3));
    EXPECT_EQ(canvas.text(0, 0), "2");
    EXPECT_FALSE(ring.undo(canvas, 3));
    EXPECT_EQ(canvas.text(0, 0), "2");
    EXPECT_EQ(ring.count(), 0);
}

TEST(UndoRing, UndoRestoresTheSizeAndKeepsColoursInPlace) {
    TempDir dir;
    UndoRing ring(dir.path(), "123");
    CharCanvas canvas(2, 2);
    canvas.setText(0, 0, "x");
    canvas.SetColorCell(1, 1, 0x00FF00);
    ring.takeSnapshot(canvas, 10);

    canvas.setSize(6, 5); // as "Set canvas" enlarging it
    canvas.setText(4, 4, "new");
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

TEST(UndoRing, MissingSlotFileMeansNothingToUndo) {
    TempDir dir;
    UndoRing ring(dir.path(), "555");
    CharCanvas canvas(1, 1);
    EXPECT_FALSE(ring.undo(canvas, 10)); // nothing taken yet
    ring.takeSnapshot(canvas, 10);
    std::filesystem::remove(ring.snapshotPath(1));
    canvas.setText(0, 0, "q");
    EXPECT_FALSE(ring.undo(canvas, 10));
    EXPECT_EQ(canvas.text(0, 0), "q");
}

TEST(UndoRing, AnUnwritableSnapshotIsAbandonedWithoutExposingAnOldOne) {
    TempDir dir;
    UndoRing ring(dir / "Undo", "900");
    CharCanvas canvas(1, 1);
    canvas.setText(0, 0, "1");
    ASSERT_TRUE(ring.takeSnapshot(canvas, 2));
    canvas.setText(0, 0, "2");
    ASSERT_TRUE(ring.takeSnapshot(canvas, 2));
    // The next snapshot would reuse slot 1, whose file holds the state "1".
    std::filesystem::remove(ring.snapshotPath(1));
    std::filesystem::create_directory(ring.snapshotPath(1)); // cannot be written as a file
    canvas.setText(0, 0, "3");
    EXPECT_FALSE(ring.takeSnapshot(canvas, 2));
    EXPECT_EQ(ring.slot(), 2);
    EXPECT_EQ(ring.count(), 2);
    ASSERT_TRUE(ring.undo(canvas, 2));
    EXPECT_EQ(canvas.text(0, 0), "2");
}

TEST(UndoRing, ShrinkingTheRingWrapsWithinTheNewSize) {
    TempDir dir;
    UndoRing ring(dir.path(), "111");
    CharCanvas canvas(1, 1);
    for (int i = 0; i < 5; ++i)
        ring.takeSnapshot(canvas, 10);
    ring.takeSnapshot(canvas, 3);
    EXPECT_EQ(ring.slot(), 1);
    EXPECT_EQ(ring.count(), 3);
}

TEST(UndoRing, DeletingSnapshotsRemovesEveryDatFileOfAnyInstance) {
    TempDir dir;
    UndoRing ring(dir.path(), "222");
    CharCanvas canvas(1, 1);
    ring.takeSnapshot(canvas, 10);
    test::writeBytes(dir / "~temp3331.dat", "other instance");
    test::writeBytes(dir / "keep.txt", "not a snapshot");
    ring.deleteAllSnapshotFiles();
    EXPECT_FALSE(std::filesystem::exists(dir / "~temp2221.dat"));
    EXPECT_FALSE(std::filesystem::exists(dir / "~temp3331.dat"));
    EXPECT_TRUE(std::filesystem::exists(dir / "keep.txt"));
}

} // namespace
} // namespace glyphora
