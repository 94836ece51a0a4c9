#include "edit/transform_commands.h"
#include "paint/picture_fixture.h"

namespace glyphora {
namespace {

using test::Rows;

using TransformCommands = test::PictureTest;

TEST_F(TransformCommands, MirrorsAskToFlipCharactersInTheSameUndoStep) {
    canvas({"/_", "ab", "xy"});
    answers({"yes"});
    EXPECT_EQ(run(FlipVertical, {0, 0, 1, 2}), (Rows{"xh", "gP", "\\~"})); // y -> h, a -> g
    EXPECT_TRUE(saw("confirm: Convert \"/\" <=> \"\\\" ? -> yes"));
    EXPECT_EQ(undone(), (Rows{"/_", "ab", "xy"}));
    answers({"no"});
    EXPECT_EQ(run(FlipVertical, {0, 0, 1, 2}), (Rows{"xy", "ab", "/_"}));
    canvas({"(r "});
    answers({"yes"});
    EXPECT_EQ(run(FlipHorizontal, {0, 0, 2, 0}), (Rows{" r)"}));
}

TEST_F(TransformCommands, FlipCharsReadsTheTableFileOrFallsBack) {
    test::writeBytes(dir / "mine.dat", "ab\r\nba\r\n");
    test::writeBytes(dir / "one.dat", "ab\r\n");
    editor.settings().FlipHorzDataFile = "mine.dat";
    canvas({"abc/"});
    EXPECT_EQ(run(FlipCharsHorz, {0, 0, 3, 0}), (Rows{"bac/"}));
    editor.settings().FlipHorzDataFile = "gone.dat"; // built-in horizontal table: b -> d
    EXPECT_EQ(run(FlipCharsHorz, {0, 0, 3, 0}), (Rows{"dac\\"}));
    EXPECT_EQ(message(), "ERROR: File: gone.dat. Using intern definition.");
    editor.settings().FlipVertDataFile = "one.dat"; // one line only: the same fallback
    EXPECT_EQ(run(FlipCharsVert, {0, 0, 3, 0}), (Rows{"qgc/"}));
    EXPECT_EQ(message(), "ERROR: File: one.dat. Using intern definition.");

    editor.settings().FlipVertDataFile = std::string(kInternTable);
    editor.StatusMessage("");
    EXPECT_EQ(run(FlipCharsVert, {0, 0, 3, 0}), (Rows{"dac\\"}));
    EXPECT_EQ(message(), ""); // silent
    EXPECT_EQ(undone(), (Rows{"qgc/"}));
}

TEST_F(TransformCommands, CropKeepsTheSelectionUncutAndRefusesOneCell) {
    canvas({"abcd", "efgh", "ijkl"});
    EXPECT_EQ(run(Crop, {1, 1, 1, 1}), (Rows{"abcd", "efgh", "ijkl"}));
    EXPECT_TRUE(saw("beep"));
    EXPECT_EQ(run(Crop, {1, 0, 2, 1}), (Rows{"bc", "fg"}));
    EXPECT_EQ(editor.canvas().widthField, "2");
    EXPECT_EQ(undone(), (Rows{"abcd", "efgh", "ijkl"}));

    // Not cut to the 500 cells other commands keep to.
    editor.canvas().setSize(700, 2);
    put(650, 1, "z");
    run(Crop, {0, 0, 699, 1});
    EXPECT_EQ(editor.canvas().colCount(), 700);
    EXPECT_EQ(row(1, 650, 1), "z");
}

TEST_F(TransformCommands, RowsAndColumnsAreDeletedInsertedAndCentred) {
    canvas({"abc", "def", "ghi"});
    EXPECT_EQ(run(DeleteSelectedRows, {1, 0, 1, 1}), (Rows{"ghi"}));
    EXPECT_EQ(run(DeleteSelectedCols, {0, 0, 2, 0}), (Rows{"@"})); // never below one column
    EXPECT_EQ(editor.canvas().widthField, "1");
    undone();
    EXPECT_EQ(undone(), (Rows{"abc", "def", "ghi"}));

    select(1, 1, 2, 2); // the cursor is the top-left cell
    InsertRowAtCursor(editor);
    InsertColAtCursor(editor);
    EXPECT_EQ(shown(), (Rows{"a@bc", "@@@@", "d@ef", "g@hi"}));
    EXPECT_EQ(editor.canvas().widthField, "4");
    EXPECT_EQ(undone(), (Rows{"abc", "@@@", "def", "ghi"}));

    canvas({"ab   ", "abcde"});
    EXPECT_EQ(run(CenterRows, {0, 0, 4, 1}), (Rows{"  ab ", "abcde"}));
}

TEST_F(TransformCommands, SetCanvasGrowsWithActiveBackgroundAndValidates) {
    canvas({"ab", "cd"});
    editor.ActiveBackColor = 0x336699;
    answers({"3 3"});
    SetCanvas(editor);
    EXPECT_TRUE(saw("size: Set Canvas: 2 2 -> 3 3"));
    EXPECT_EQ(shown(), (Rows{"ab ", "cd ", "   "}));
    EXPECT_EQ(editor.canvas().background(2, 2), 0x336699u);
    EXPECT_EQ(editor.canvas().widthField, "3");
    EXPECT_EQ(undone(), (Rows{"ab", "cd"}));

    const std::pair<const char*, const char*> bad[] = {
        {"x 3", "ERROR: No integer value."},
        {"3 2.5", "ERROR: No integer value."},
        {"100000 100000", "ERROR: Canvas size too large."},
        {"99999999999 1", "ERROR: Canvas size too large."}};
    for (const auto& [answer, error] : bad) {
        answers({answer});
        SetCanvas(editor);
        EXPECT_EQ(message(), error);
        EXPECT_EQ(shown(), (Rows{"ab", "cd"}));
        EXPECT_EQ(editor.canvas().widthField, "2");
    }
    EXPECT_EQ(count("beep"), 4);
    answers({"0 -4", "cancel"}); // below 1 gives 1
    SetCanvas(editor);
    SetCanvas(editor);
    EXPECT_EQ(shown(), (Rows{"a"}));
}

TEST_F(TransformCommands, NewCanvasStartsAPlainDocumentWithoutFile) {
    editor.setColorMode(ColorMode::FullColored);
    editor.canvas().SetColorCell(0, 0, 0x00FF00);
    editor.document().CurrentFileName = "/tmp/art.glf";
    editor.document().caption = "art.glf";
    answers({"3 2"});
    NewCanvas(editor);
    EXPECT_TRUE(saw("size: New Canvas: 80 50 -> 3 2"));
    EXPECT_EQ(shown(), (Rows{"   ", "   "}));
    EXPECT_EQ(editor.colorMode(), ColorMode::Plain);
    EXPECT_EQ(editor.canvas().background(0, 0), kWhite);
    EXPECT_EQ(editor.document().CurrentFileName, "-");
    EXPECT_EQ(editor.document().caption, "NoName");
    EXPECT_EQ(editor.canvas().widthField, "3");

    answers({"a b"});
    NewCanvas(editor);
    EXPECT_EQ(message(), "ERROR: No integer value.");
    EXPECT_FALSE(saw("beep"));
    EXPECT_EQ(shown(), (Rows{"   ", "   "}));
}

TEST_F(TransformCommands, ResizeResamplesAndRestoresFieldsOnBadInput) {
    canvas({"abcd", "efgh"});
    answers({"2 1"});
    ResizeCanvas(editor);
    EXPECT_TRUE(saw("size: Resize Canvas: 4 2 -> 2 1"));
    EXPECT_EQ(shown(), (Rows{"ac"}));
    EXPECT_EQ(editor.canvas().heightField, "1");

    editor.StatusMessage("");
    answers({"x 9"});
    ResizeCanvas(editor);
    EXPECT_TRUE(saw("beep"));
    EXPECT_EQ(message(), ""); // no message
    EXPECT_EQ(editor.canvas().widthField, "2");
    EXPECT_EQ(editor.canvas().heightField, "1");
    EXPECT_EQ(undone(), (Rows{"abcd", "efgh"}));
}

TEST_F(TransformCommands, RotatedSelectionTurnsClockwiseWithoutSnapshot) {
    canvas({"abc", "d@f", "ghi"});
    editor.canvas().setText(2, 1, "long");
    select(0, 0, 2, 1);
    const int before = editor.undoRing().count();
    // 3 wide, 2 high becomes 2 wide, 3 high; the first column is the bottom row.
    EXPECT_EQ(rotatedSelection(editor), (CellBlock{{"d", "a"}, {"", "b"}, {"l", "c"}}));
    EXPECT_EQ(editor.undoRing().count(), before);
    EXPECT_EQ(shown(), (Rows{"abc", "d@*", "ghi"})); // the canvas is not changed
}

} // namespace
} // namespace glyphora
