#include "app/editor.h"
#include "canvas/canvas_commands.h"
#include "edit/transform_commands.h"
#include "paint/canvas_picture.h"
#include "platform/headless_ui.h"
#include "test_support.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace glyphora {
namespace {

using test::picture;
using Rows = std::vector<std::string>;

struct TransformCommands : ::testing::Test {
    test::TempDir dir;
    HeadlessUi ui;
    Editor editor{ui, dir.path(), "456"};

    void canvas(const Rows& rows) {
        test::draw(editor.canvas(), rows);
        editor.canvas().updateSizeFields();
    }
    void select(int left, int top, int right, int bottom) {
        editor.setGridSelection({left, top, right, bottom});
    }
    Rows shown() const { return picture(editor.canvas()); }
    bool said(const std::string& line) const {
        return std::find(ui.transcript().begin(), ui.transcript().end(), line) !=
               ui.transcript().end();
    }
};

TEST_F(TransformCommands, FlipVerticalWithYesFlipsCharactersInOneUndoStep) {
    canvas({"/_", "ab", "xy"});
    select(0, 0, 1, 2);
    ui.queueAnswer("yes");
    FlipVertical(editor);
    EXPECT_TRUE(said("confirm: Convert \"/\" <=> \"\\\" ? -> yes"));
    EXPECT_EQ(shown(), (Rows{"xh", "gP", "\\~"})); // y -> h, a -> g, b -> P
    grid2Togrid1(editor);
    EXPECT_EQ(shown(), (Rows{"/_", "ab", "xy"}));

    ui.queueAnswer("no");
    FlipVertical(editor);
    EXPECT_EQ(shown(), (Rows{"xy", "ab", "/_"}));
    EXPECT_EQ(ui.cursor(), AppCursor::Normal);
}

TEST_F(TransformCommands, FlipHorizontalKeepsColoursInPlace) {
    editor.setColorMode(ColorMode::FullColored);
    canvas({"(r "});
    editor.canvas().SetFontCell(1, 0, 0x0000FF);
    editor.canvas().SetColorCell(0, 0, 0x00FF00);
    select(0, 0, 2, 0);
    ui.queueAnswer("yes");
    FlipHorizontal(editor);
    EXPECT_EQ(shown(), (Rows{" r)"}));
    EXPECT_EQ(editor.canvas().foreground(1, 0), 0x0000FFu);
    EXPECT_EQ(editor.canvas().background(0, 0), 0x00FF00u);
}

TEST_F(TransformCommands, FlipCharsReadsTheTableFileOrFallsBack) {
    test::writeBytes(dir / "mine.dat", "ab\r\nba\r\n");
    editor.settings().FlipHorzDataFile = "mine.dat";
    canvas({"abc/"});
    select(0, 0, 3, 0);
    FlipCharsHorz(editor);
    EXPECT_EQ(shown(), (Rows{"bac/"}));

    editor.settings().FlipHorzDataFile = "gone.dat";
    FlipCharsHorz(editor);
    EXPECT_EQ(editor.status().field(3), "ERROR: File: gone.dat. Using intern definition.");
    EXPECT_EQ(shown(), (Rows{"dac\\"})); // built-in horizontal table: b -> d

    // One line only, or binary: the same fallback.
    test::writeBytes(dir / "one.dat", "ab\r\n");
    editor.settings().FlipVertDataFile = "one.dat";
    editor.StatusMessage("");
    FlipCharsVert(editor);
    EXPECT_EQ(editor.status().field(3), "ERROR: File: one.dat. Using intern definition.");
    EXPECT_EQ(shown(), (Rows{"qgc/"})); // built-in vertical table

    editor.settings().FlipVertDataFile = std::string(kInternTable);
    editor.StatusMessage("");
    FlipCharsVert(editor);
    EXPECT_EQ(editor.status().field(3), ""); // silent
    EXPECT_EQ(shown(), (Rows{"dac\\"}));
    grid2Togrid1(editor);
    EXPECT_EQ(shown(), (Rows{"qgc/"}));
}

TEST_F(TransformCommands, ShippedTablesAreFoundBesideTheProgram) {
    const auto data = std::filesystem::path(GLYPHORA_SOURCE_DIR) / "data";
    std::filesystem::copy_file(data / "charflip-h.dat", dir / "charflip-h.dat");
    const Settings defaults = defaultSettings(dir.path());
    EXPECT_EQ(defaults.FlipHorzDataFile, "charflip-h.dat");
    EXPECT_EQ(defaults.FlipVertDataFile, kInternTable);
    editor.settings().FlipHorzDataFile = defaults.FlipHorzDataFile;
    canvas({"<K"});
    select(0, 0, 1, 0);
    FlipCharsHorz(editor);
    EXPECT_EQ(shown(), (Rows{">X"}));
    EXPECT_EQ(editor.status().field(3).rfind("ERROR", 0), std::string::npos);
}

TEST_F(TransformCommands, CropKeepsTheSelectionAndRefusesOneCell) {
    canvas({"abcd", "efgh", "ijkl"});
    select(1, 1, 1, 1);
    Crop(editor);
    EXPECT_TRUE(said("beep"));
    EXPECT_EQ(editor.canvas().colCount(), 4);

    select(1, 0, 2, 1);
    Crop(editor);
    EXPECT_EQ(shown(), (Rows{"bc", "fg"}));
    EXPECT_EQ(editor.canvas().widthField, "2");
    EXPECT_EQ(editor.canvas().heightField, "2");
    grid2Togrid1(editor);
    EXPECT_EQ(shown(), (Rows{"abcd", "efgh", "ijkl"}));
}

TEST_F(TransformCommands, CropIsNotCutTo500) {
    editor.canvas().setSize(700, 2);
    editor.canvas().clearTexts();
    editor.canvas().setText(650, 1, "z");
    select(0, 0, 699, 1);
    Crop(editor);
    EXPECT_EQ(editor.canvas().colCount(), 700);
    EXPECT_EQ(editor.canvas().text(650, 1), "z");
}

TEST_F(TransformCommands, CenterTheRowsOfTheSelection) {
    canvas({"abc       ", "0123456789"});
    select(0, 0, 9, 1);
    CenterRows(editor);
    EXPECT_EQ(shown(), (Rows{"    abc   ", "0123456789"}));
}

TEST_F(TransformCommands, DeleteAndInsertRowsAndColumns) {
    canvas({"abc", "def", "ghi"});
    select(1, 0, 1, 1);
    DeleteSelectedRows(editor);
    EXPECT_EQ(shown(), (Rows{"ghi"}));
    EXPECT_EQ(editor.canvas().heightField, "1");
    select(0, 0, 2, 0);
    DeleteSelectedCols(editor);
    EXPECT_EQ(editor.canvas().colCount(), 1); // never below one column
    grid2Togrid1(editor);
    grid2Togrid1(editor);
    EXPECT_EQ(shown(), (Rows{"abc", "def", "ghi"}));

    select(1, 1, 2, 2); // the cursor is the top-left cell
    InsertRowAtCursor(editor);
    InsertColAtCursor(editor);
    EXPECT_EQ(shown(), (Rows{"a@bc", "@@@@", "d@ef", "g@hi"}));
    EXPECT_EQ(editor.canvas().widthField, "4");
    grid2Togrid1(editor);
    EXPECT_EQ(shown(), (Rows{"abc", "@@@", "def", "ghi"}));
}

TEST_F(TransformCommands, SetCanvasGrowsWithActiveBackgroundAndValidates) {
    canvas({"ab", "cd"});
    editor.ActiveBackColor = 0x336699;
    ui.queueAnswer("3 3");
    SetCanvas(editor);
    EXPECT_TRUE(said("size: Set Canvas: 2 2 -> 3 3"));
    EXPECT_EQ(shown(), (Rows{"ab ", "cd ", "   "}));
    EXPECT_EQ(editor.canvas().background(2, 2), 0x336699u);
    EXPECT_EQ(editor.canvas().widthField, "3");
    grid2Togrid1(editor);
    EXPECT_EQ(editor.canvas().colCount(), 2); // undo restores the smaller size

    for (const char* bad : {"x 3", "3 2.5", "3 +"}) {
        ui.queueAnswer(bad);
        SetCanvas(editor);
        EXPECT_EQ(editor.status().field(3), "ERROR: No integer value.");
        EXPECT_EQ(editor.canvas().colCount(), 2);
        EXPECT_EQ(editor.canvas().widthField, "2");
    }
    for (const char* huge : {"100000 100000", "99999999999 1"}) {
        ui.queueAnswer(huge);
        SetCanvas(editor);
        EXPECT_EQ(editor.status().field(3), "ERROR: Canvas size too large.");
        EXPECT_EQ(editor.canvas().rowCount(), 2);
    }

    ui.queueAnswer("0 -4"); // below 1 gives 1
    SetCanvas(editor);
    EXPECT_EQ(shown(), (Rows{"a"}));
    ui.queueAnswer("cancel");
    SetCanvas(editor);
    EXPECT_EQ(shown(), (Rows{"a"}));
}

TEST_F(TransformCommands, NewCanvasStartsAPlainDocumentWithoutFile) {
    editor.setColorMode(ColorMode::FullColored);
    editor.canvas().SetColorCell(0, 0, 0x00FF00);
    editor.document().CurrentFileName = "/tmp/art.glf";
    editor.document().caption = "art.glf";
    ui.queueAnswer("3 2");
    NewCanvas(editor);
    EXPECT_TRUE(said("size: New Canvas: 80 50 -> 3 2"));
    EXPECT_EQ(shown(), (Rows{"   ", "   "}));
    EXPECT_EQ(editor.colorMode(), ColorMode::Plain);
    EXPECT_EQ(editor.canvas().background(0, 0), kWhite);
    EXPECT_EQ(editor.document().CurrentFileName, "-");
    EXPECT_EQ(editor.document().caption, "NoName");
    EXPECT_EQ(editor.canvas().widthField, "3");

    ui.queueAnswer("4 4");
    NewCanvas(editor);
    EXPECT_EQ(shown(), (Rows{"   @", "   @", "@@@@", "@@@@"})); // grown cells are empty

    ui.queueAnswer("a b");
    NewCanvas(editor);
    EXPECT_EQ(editor.status().field(3), "ERROR: No integer value.");
    EXPECT_EQ(editor.canvas().colCount(), 4);
    grid2Togrid1(editor);
    EXPECT_EQ(shown(), (Rows{"   ", "   "}));
}

TEST_F(TransformCommands, ResizeResamplesAndRestoresFieldsOnBadInput) {
    canvas({"abcd", "efgh"});
    ui.queueAnswer("2 1");
    ResizeCanvas(editor);
    EXPECT_TRUE(said("size: Resize Canvas: 4 2 -> 2 1"));
    EXPECT_EQ(shown(), (Rows{"ac"}));
    EXPECT_EQ(editor.canvas().heightField, "1");

    ui.queueAnswer("x 9");
    ResizeCanvas(editor);
    EXPECT_TRUE(said("beep"));
    EXPECT_EQ(editor.canvas().widthField, "2");
    EXPECT_EQ(editor.canvas().heightField, "1");
    EXPECT_EQ(shown(), (Rows{"ac"}));
    grid2Togrid1(editor);
    EXPECT_EQ(shown(), (Rows{"abcd", "efgh"}));
}

TEST_F(TransformCommands, RotatedSelectionTakesNoSnapshot) {
    canvas({"abc", "def"});
    select(0, 0, 2, 1);
    const int before = editor.undoRing().count();
    EXPECT_EQ(rotatedSelection(editor), (CellBlock{{"d", "a"}, {"e", "b"}, {"f", "c"}}));
    EXPECT_EQ(editor.undoRing().count(), before);
}

} // namespace
} // namespace glyphora
