#include "color/color_picture.h"
#include "edit/canvas_size_rules.h"
#include "edit/flip_tables.h"
#include "edit/transform_commands.h"
#include "edit/transforms.h"
#include "paint/picture_fixture.h"

namespace glyphora {
namespace {

using test::Rows;

using TransformCommands = test::PictureTest;

constexpr Color kRed = 0x0000FF;
constexpr Color kGreen = 0x00FF00;
constexpr Color kBlue = 0xFF0000;

TEST_F(TransformCommands, EachCommandReshapesTheCanvasInOneUndoStep) {
    struct Case {
        void (*command)(Editor&);
        Rows before;
        CellRect selection;
        const char* answer; // to the command's one question, if it asks
        Rows after;
    };
    const Rows abc{"abcd", "efgh", "ijkl"};
    const Case cases[] = {
        {FlipVertical, {"/_", "ab", "xy"}, {0, 0, 1, 2}, "yes", {"xh", "gP", "\\~"}}, // y -> h
        {FlipHorizontal, {"(r ", "abc"}, {1, 1, 2, 1}, "no", {"(r ", "acb"}},         // mirror only
        {Crop, abc, {1, 0, 2, 1}, nullptr, {"bc", "fg"}},
        {Crop, abc, {1, 1, 1, 1}, nullptr, abc}, // one cell: refused
        {DeleteSelectedRows, abc, {1, 0, 1, 1}, nullptr, {"ijkl"}},
        {DeleteSelectedCols, abc, {0, 0, 2, 0}, nullptr, {"d", "h", "l"}},
        {InsertRowAtCursor, abc, {1, 1, 2, 2}, nullptr, {"abcd", "@@@@", "efgh", "ijkl"}},
        {InsertColAtCursor, abc, {1, 1, 2, 2}, nullptr, {"a@bcd", "e@fgh", "i@jkl"}},
        {SetCanvas, {"ab", "cd"}, {}, "3 3", {"ab ", "cd ", "   "}},
        {NewCanvas, abc, {}, "3 1", {"   "}},
        // Resizing keeps the nearest characters; growing more than twofold, the last cells
        // take the last old column and row.
        {ResizeCanvas, {"abcdef", "ghijkl", "mnopqr", "stuvwx"}, {}, "3 2", {"ace", "moq"}},
        {ResizeCanvas, {"abc"}, {}, "7 3", {"aabbccc", "aabbccc", "aabbccc"}},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        canvas(c.before);
        if (c.answer)
            answers({c.answer});
        EXPECT_EQ(run(c.command, c.selection), c.after) << i;
        EXPECT_EQ(editor.canvas().widthField, std::to_string(c.after[0].size())) << i;
        EXPECT_EQ(undone(), c.before) << i;
    }
    EXPECT_TRUE(saw("confirm: Convert \"/\" <=> \"\\\" ? -> yes"));
    EXPECT_TRUE(saw("size: Set Canvas: 2 2 -> 3 3"));
    EXPECT_EQ(count("beep"), 1); // the refused crop
    EXPECT_EQ(ui.pendingAnswers(), 0u);
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

TEST_F(TransformCommands, ColoursStayWithTheirCellsAndNewCellsGetTheActiveBackground) {
    const auto layer = [&](ColorLayer which) { return test::colours(editor.canvas(), which); };
    canvas({"/b", "cd"});
    editor.canvas().SetColorCell(0, 0, kRed);
    answers({"yes"});
    run(FlipVertical, {0, 0, 1, 1}); // the mirror moves characters only
    EXPECT_EQ(layer(ColorLayer::Background), (Rows{"Rw", "ww"}));

    editor.canvas().setDefaultFontColor(kGreen);
    editor.ActiveBackColor = kBlue;
    answers({"3 3"});
    SetCanvas(editor); // new cells take the main font colour as their own
    EXPECT_EQ(layer(ColorLayer::Background), (Rows{"RwB", "wwB", "BBB"}));
    EXPECT_EQ(layer(ColorLayer::Foreground), (Rows{"ggG", "ggG", "GGG"}));

    // Cropping takes the colours along, every cell getting its own, and is not cut to 500.
    editor.canvas().SetFontCell(2, 1, kRed);
    run(Crop, {1, 0, 2, 1});
    EXPECT_EQ(layer(ColorLayer::Foreground), (Rows{"GG", "GR"}));
    EXPECT_EQ(layer(ColorLayer::Background), (Rows{"WB", "WB"}));
    editor.canvas().setSize(700, 2);
    put(650, 1, "z");
    run(Crop, {0, 0, 699, 1});
    EXPECT_EQ(row(1, 650, 1), "z");
}

TEST_F(TransformCommands, CentringPlacesHalfTheFreeCellsBeforeTheText) {
    // Inner empty cells become blanks; a row as wide as the selection stays; only the
    // rectangle changes; a long text leaves its row.
    canvas({"#abc      #", "#  x@y    #", "#@@@@@@@@@#", "#012345678#", "#*y       #"});
    editor.canvas().setText(1, 4, "long text");
    EXPECT_EQ(run(CenterRows, {1, 0, 9, 4}),
              (Rows{"#   abc   #", "#   x y   #", "#         #", "#012345678#", "#*y       #"}));
}

TEST_F(TransformCommands, SizeDialogsRefuseBadAnswersEachInItsOwnWay) {
    canvas({"ab", "cd"});
    const std::pair<const char*, const char*> bad[] = {
        {"3 2.5", "ERROR: No integer value."},
        {"100000 100000", "ERROR: Canvas size too large."},
        {"99999999999 1", "ERROR: Canvas size too large."}};
    for (const auto& [answer, error] : bad) {
        answers({answer});
        SetCanvas(editor);
        EXPECT_EQ(message(), error);
        EXPECT_EQ(shown(), (Rows{"ab", "cd"}));
        EXPECT_EQ(editor.canvas().widthField, "2"); // the fields are put back
    }
    EXPECT_EQ(count("beep"), 3);
    editor.StatusMessage("");
    answers({"x 9", "cancel"});
    ResizeCanvas(editor); // a beep without a message
    SetCanvas(editor);
    EXPECT_EQ(count("beep"), 4);
    EXPECT_EQ(message(), "");
    EXPECT_EQ(editor.canvas().widthField, "2");
    EXPECT_EQ(editor.undoRing().count(), 0);

    // A new canvas: no beep, and a good answer makes a plain document without a file.
    editor.setColorMode(ColorMode::FullColored);
    editor.canvas().SetColorCell(0, 0, kGreen);
    editor.document().CurrentFileName = "/tmp/art.glf";
    answers({"a b", "1 1"});
    NewCanvas(editor);
    EXPECT_EQ(message(), "ERROR: No integer value.");
    EXPECT_EQ(count("beep"), 4);
    NewCanvas(editor);
    EXPECT_EQ(editor.colorMode(), ColorMode::Plain);
    EXPECT_EQ(editor.canvas().background(0, 0), kWhite);
    EXPECT_EQ(editor.document().CurrentFileName, "-");
}

TEST(FlipTables, TheFirstCharacterDecidesTheLastEntryWinsAndTheFilesMatchTheBuiltIns) {
    // A cell goes by its first byte; "d" has no counterpart in the shorter second line.
    CharCanvas canvas = test::drawn({"ab@xcd"});
    canvas.setText(3, 0, "ax");
    FlipChars(canvas, {0, 0, 5, 0}, FlipTable{"aabd", "xyz"});
    EXPECT_EQ(test::picture(canvas), (test::Rows{"yz@ycd"}));

    test::TempDir dir;
    test::writeBytes(dir / "bin.dat", std::string("a\0\r\nb\x07\r\n", 7));
    EXPECT_FALSE(readFlipTable(dir / "bin.dat"));
    test::writeBytes(dir / "ctl.dat", "a\x07\r\n\x1B\x01\r\n"); // control bytes other than 0
    EXPECT_EQ(readFlipTable(dir / "ctl.dat"), (FlipTable{"a\x07", "\x1B\x01"}));

    const auto data = std::filesystem::path(GLYPHORA_SOURCE_DIR) / "data";
    EXPECT_EQ(readFlipTable(data / "charflip-h.dat"), builtInFlipTable(FlipDirection::Horizontal));
    EXPECT_EQ(readFlipTable(data / "charflip-v.dat"), builtInFlipTable(FlipDirection::Vertical));
}

TEST(CanvasSizeRules, TheOtherFieldFollowsWhenLockedAndBadValuesFallBack) {
    struct Case {
        const char* text;
        int initialThis, initialOther;
        bool locked;
        const char* edited;
        const char* other;
    };
    const Case cases[] = {
        {"40", 80, 50, true, "40", "25"}, {"120", 80, 50, false, "120", ""}, // unlocked: alone
        {"5", 4, 2, true, "5", "2"},      {"7", 4, 2, true, "7", "4"},   // halves go to the even
        {"abc", 80, 50, true, "80", ""},  {"0", 80, 50, true, "80", ""}, // bad: the initial
    };
    for (const Case& c : cases) {
        const SizeFields fields = editSizeField(c.text, c.initialThis, c.initialOther, c.locked);
        EXPECT_EQ(fields.edited, c.edited) << c.text;
        EXPECT_EQ(fields.other, c.other) << c.text;
    }
}

} // namespace
} // namespace glyphora
