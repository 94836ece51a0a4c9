#include "edit/transform_commands.h"
#include "paint/picture_fixture.h"

namespace glyphora {
namespace {

using test::Rows;

using TransformCommands = test::PictureTest;

constexpr Color kRed = 0x0000FF;
constexpr Color kGreen = 0x00FF00;

TEST_F(TransformCommands, MirrorsAskToFlipCharactersInTheSameUndoStepAndLeaveTheColours) {
    canvas({"/_", "ab", "xy"});
    editor.canvas().SetColorCell(0, 0, kRed);
    answers({"yes"});
    EXPECT_EQ(run(FlipVertical, {0, 0, 1, 2}), (Rows{"xh", "gP", "\\~"})); // y -> h, a -> g
    EXPECT_TRUE(saw("confirm: Convert \"/\" <=> \"\\\" ? -> yes"));
    EXPECT_EQ(editor.canvas().background(0, 0), kRed);
    EXPECT_FALSE(editor.canvas().hasOwnBrush(0, 2));
    EXPECT_EQ(undone(), (Rows{"/_", "ab", "xy"}));
    answers({"no"});
    EXPECT_EQ(run(FlipVertical, {0, 0, 1, 2}), (Rows{"xy", "ab", "/_"}));
    canvas({"(r ", "abc"});
    answers({"yes"});
    EXPECT_EQ(run(FlipHorizontal, {0, 0, 2, 0}), (Rows{" r)", "abc"}));
    answers({"no"});
    EXPECT_EQ(run(FlipHorizontal, {1, 1, 2, 1}), (Rows{" r)", "acb"}));
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

TEST_F(TransformCommands, CropKeepsTheSelectionUncutWithItsColoursAndRefusesOneCell) {
    canvas({"abcd", "efgh", "ijkl"});
    editor.canvas().SetFontCell(2, 1, kRed);
    EXPECT_EQ(run(Crop, {1, 1, 1, 1}), (Rows{"abcd", "efgh", "ijkl"}));
    EXPECT_TRUE(saw("beep"));
    EXPECT_EQ(run(Crop, {1, 0, 2, 1}), (Rows{"bc", "fg"}));
    EXPECT_EQ(editor.canvas().foreground(1, 1), kRed);
    // Every cell gets colours of its own.
    EXPECT_TRUE(editor.canvas().hasOwnFont(0, 0) && editor.canvas().hasOwnBrush(0, 0));
    EXPECT_EQ(editor.canvas().background(0, 0), kWhite);
    EXPECT_EQ(undone(), (Rows{"abcd", "efgh", "ijkl"}));
    // Not cut to the 500 cells other commands keep to.
    editor.canvas().setSize(700, 2);
    put(650, 1, "z");
    run(Crop, {0, 0, 699, 1});
    EXPECT_EQ(row(1, 650, 1), "z");
}

TEST_F(TransformCommands, RowsAndColumnsAreDeletedInsertedAndCentred) {
    canvas({"abc", "def", "ghi"});
    EXPECT_EQ(run(DeleteSelectedRows, {1, 0, 1, 1}), (Rows{"ghi"}));
    EXPECT_EQ(run(DeleteSelectedCols, {0, 0, 1, 0}), (Rows{"i"}));
    undone();
    EXPECT_EQ(undone(), (Rows{"abc", "def", "ghi"}));
    select(1, 1, 2, 2); // the cursor is the top-left cell
    InsertRowAtCursor(editor);
    InsertColAtCursor(editor);
    EXPECT_EQ(shown(), (Rows{"a@bc", "@@@@", "d@ef", "g@hi"}));
    EXPECT_EQ(editor.canvas().widthField, "4");
    EXPECT_EQ(undone(), (Rows{"abc", "@@@", "def", "ghi"}));

    // Centring places half the free cells before; inner empty cells become blanks; a row as
    // wide as the selection stays; only the rectangle changes; a long text leaves its row.
    canvas({"#abc      #", "#  x@y    #", "#@@@@@@@@@#", "#012345678#", "#*y       #"});
    editor.canvas().setText(1, 4, "long text");
    EXPECT_EQ(run(CenterRows, {1, 0, 9, 4}),
              (Rows{"#   abc   #", "#   x y   #", "#         #", "#012345678#", "#*y       #"}));
}

TEST_F(TransformCommands, CanvasSizeDialogsCheckTheirAnswers) {
    canvas({"ab", "cd"});
    editor.canvas().setDefaultFontColor(kRed);
    editor.canvas().SetColorCell(1, 1, kGreen);
    editor.ActiveBackColor = 0x336699;
    answers({"3 3"});
    SetCanvas(editor);
    EXPECT_TRUE(saw("size: Set Canvas: 2 2 -> 3 3"));
    EXPECT_EQ(shown(), (Rows{"ab ", "cd ", "   "}));
    // New cells take the active background and the default font colour as their own.
    EXPECT_EQ(editor.canvas().background(0, 2), 0x336699u);
    EXPECT_TRUE(editor.canvas().hasOwnFont(2, 2));
    EXPECT_EQ(editor.canvas().background(1, 1), kGreen);
    EXPECT_FALSE(editor.canvas().hasOwnBrush(0, 0));
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

TEST_F(TransformCommands, ResizeKeepsTheNearestCharactersAndRestoresTheFieldsOnBadInput) {
    const std::pair<Rows, std::pair<const char*, Rows>> cases[] = {
        {{"abcdef", "ghijkl", "mnopqr", "stuvwx"}, {"3 2", {"ace", "moq"}}},
        // Growing more than twofold: the last cells take the last old column and row.
        {{"ab", "cd"}, {"5 1", {"aabbb"}}}, // sources 0, 0, 1, 1, 2 -> 1
        {{"abc"}, {"7 3", {"aabbccc", "aabbccc", "aabbccc"}}},
    };
    for (const auto& [before, resize] : cases) {
        canvas(before);
        answers({resize.first});
        ResizeCanvas(editor);
        EXPECT_EQ(shown(), resize.second) << resize.first;
    }
    editor.StatusMessage("");
    answers({"x 9"});
    ResizeCanvas(editor);
    EXPECT_TRUE(saw("beep"));
    EXPECT_EQ(message(), ""); // no message
    EXPECT_EQ(editor.canvas().widthField, "7");
    EXPECT_EQ(undone(), (Rows{"abc"}));
}

TEST_F(TransformCommands, NewCanvasStartsAPlainDocumentWithoutFile) {
    editor.setColorMode(ColorMode::FullColored);
    editor.canvas().SetColorCell(0, 0, 0x00FF00);
    editor.document().CurrentFileName = "/tmp/art.glf";
    answers({"3 2", "a b"});
    NewCanvas(editor);
    EXPECT_EQ(shown(), (Rows{"   ", "   "}));
    EXPECT_EQ(editor.colorMode(), ColorMode::Plain);
    EXPECT_EQ(editor.canvas().background(0, 0), kWhite);
    EXPECT_EQ(editor.document().CurrentFileName, "-");
    NewCanvas(editor);
    EXPECT_EQ(message(), "ERROR: No integer value.");
    EXPECT_FALSE(saw("beep"));
    EXPECT_EQ(shown(), (Rows{"   ", "   "}));
}

} // namespace
} // namespace glyphora
