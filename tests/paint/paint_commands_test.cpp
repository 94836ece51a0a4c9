#include "app/editor.h"
#include "canvas/canvas_commands.h"
#include "paint/canvas_picture.h"
#include "paint/paint_commands.h"
#include "platform/headless_ui.h"
#include "test_support.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace glyphora {
namespace {

using test::picture;
using Rows = std::vector<std::string>;

struct PaintCommands : ::testing::Test {
    test::TempDir dir;
    HeadlessUi ui;
    Editor editor{ui, dir.path(), "123"};

    void canvas(const Rows& rows) { test::draw(editor.canvas(), rows); }
    void select(int left, int top, int right, int bottom) {
        editor.setGridSelection({left, top, right, bottom});
    }
    Rows shown() const { return picture(editor.canvas()); }
    long beeps() const {
        return std::count(ui.transcript().begin(), ui.transcript().end(), "beep");
    }
    void pattern(const std::string& name, const std::string& bytes) {
        std::filesystem::create_directories(dir / "pattern");
        test::writeBytes(dir / "pattern" / name, bytes);
    }
};

TEST_F(PaintCommands, SolidShapesUseTheFirstCharacterAndAreUndoneInOneStep) {
    canvas({"     ", "     ", "     "});
    editor.settings().SolidChar = "#x";
    select(1, 0, 3, 2);
    PaintRectangle(editor);
    EXPECT_EQ(shown(), (Rows{" ### ", " # # ", " ### "}));
    select(0, 0, 4, 2);
    PaintFallingLine(editor);
    EXPECT_EQ(shown(), (Rows{"#### ", " ### ", " ####"}));
    grid2Togrid1(editor);
    EXPECT_EQ(shown(), (Rows{" ### ", " # # ", " ### "}));
    grid2Togrid1(editor);
    EXPECT_EQ(shown(), (Rows{"     ", "     ", "     "}));
}

TEST_F(PaintCommands, EveryShapeOnOneCellPaintsThatCell) {
    for (auto command : {PaintHorzLine, PaintVertLine, PaintFallingLine, PaintRisingLine,
                         PaintRectangle, PaintFilledRectangle, PaintCircle}) {
        canvas({"   ", "   "});
        select(2, 1, 2, 1);
        command(editor);
        EXPECT_EQ(shown(), (Rows{"   ", "  #"}));
        EXPECT_EQ(editor.status().field(3), "Selection set to 1x1");
    }
}

TEST_F(PaintCommands, EmptySolidCharPaintsEmptyTextAndColoursStay) {
    editor.setColorMode(ColorMode::FullColored);
    canvas({"abc"});
    editor.canvas().SetFontCell(1, 0, 0x0000FF);
    editor.canvas().SetColorCell(1, 0, 0x00FF00);
    editor.settings().SolidChar = "";
    select(0, 0, 2, 0);
    PaintHorzLine(editor);
    EXPECT_EQ(shown(), (Rows{"@@@"}));
    EXPECT_EQ(editor.canvas().foreground(1, 0), 0x0000FFu);
    EXPECT_EQ(editor.canvas().background(1, 0), 0x00FF00u);
}

TEST_F(PaintCommands, AWideSelectionIsCutTo500Columns) {
    editor.canvas().setSize(600, 2);
    editor.canvas().clearTexts();
    select(0, 0, 599, 1);
    PaintFilledRectangle(editor);
    EXPECT_EQ(editor.canvas().text(499, 1), "#");
    EXPECT_EQ(editor.canvas().text(500, 0), "");
    EXPECT_EQ(editor.status().field(3), "Selection out of range (x>499). Set x:=499");
}

TEST_F(PaintCommands, LineArtUsesItsOwnBoxes) {
    canvas({"     ", "     ", "     "});
    editor.settings().RectHorzChar = "=";
    editor.settings().RectCornerChar = "*";
    editor.settings().LineVertChar = "!";
    select(0, 0, 4, 2);
    LineArtRectangle(editor);
    EXPECT_EQ(shown(), (Rows{"*===*", "!   !", "*===*"}));
    editor.settings().LineHorzChar = "~";
    select(1, 1, 3, 1);
    LineArtHorz(editor);
    select(2, 0, 2, 2);
    LineArtVert(editor);
    EXPECT_EQ(shown(), (Rows{"*=!=*", "!~!~!", "*=!=*"}));
}

TEST_F(PaintCommands, DotModeTogglesBeepsForFlatLinesAndKeepsTheBoxes) {
    EXPECT_FALSE(dotModeChecked(editor));
    ToggleDotMode(editor);
    EXPECT_TRUE(dotModeChecked(editor));
    Settings& s = editor.settings();
    s.DiagFallChar = "F";
    s.DiagRiseChar = "R";
    s.DiagHorzChar = "H";
    s.DiagVertChar = "V";

    canvas({"        ", "        "});
    select(0, 0, 7, 1);
    LineArtFalling(editor);
    EXPECT_EQ(shown(), (Rows{"`-._    ", "    `-._"}));
    EXPECT_EQ(beeps(), 1);

    canvas({"  ", "  ", "  ", "  "});
    select(0, 0, 1, 3);
    LineArtFalling(editor);
    EXPECT_EQ(shown(), (Rows{"! ", ": ", " !", " :"}));
    EXPECT_EQ(beeps(), 1); // steep: no beep

    EXPECT_EQ(s.DiagFallChar, "F");
    EXPECT_EQ(s.DiagRiseChar, "R");
    EXPECT_EQ(s.DiagHorzChar, "H");
    EXPECT_EQ(s.DiagVertChar, "V");

    ToggleDotMode(editor);
    canvas({"        ", "        "});
    select(0, 0, 7, 1);
    LineArtRising(editor);
    EXPECT_EQ(shown(), (Rows{"    HHHR", "HHHR    "}));
    grid2Togrid1(editor);
    EXPECT_EQ(shown(), (Rows{"        ", "        "}));
}

TEST_F(PaintCommands, FloodfillStartsAtTheCursorCell) {
    canvas({"ab ", "a@b", "bbb"});
    select(0, 0, 2, 1); // the cursor is the selection's top-left cell
    editor.settings().SolidChar = "xyz";
    Floodfill(editor);
    EXPECT_EQ(shown(), (Rows{"xb ", "x b", "bbb"})); // the empty neighbour became " "
    EXPECT_EQ(ui.cursor(), AppCursor::Normal);

    select(1, 0, 1, 0);
    editor.settings().SolidChar = "x";
    canvas({"xx", "xx"});
    Floodfill(editor);
    EXPECT_EQ(editor.status().field(3),
              "No change, Floodfill old and new string are identically .");
    EXPECT_EQ(shown(), (Rows{"xx", "xx"}));
}

TEST_F(PaintCommands, FloodfillWithAnEmptyBoxFillsWithBlanksAndRemembersIt) {
    canvas({"@@a", "@aa"});
    editor.settings().SolidChar = "";
    select(2, 0, 2, 0);
    Floodfill(editor);
    EXPECT_EQ(editor.settings().SolidChar, " ");
    EXPECT_EQ(shown(), (Rows{"@  ", "   "}));
    grid2Togrid1(editor);
    EXPECT_EQ(shown(), (Rows{"@@a", "@aa"}));
}

TEST_F(PaintCommands, PatternPanelListsThePatternFolderAndPreviewsTheSelection) {
    pattern("b.pat", "/\\\r\n\\/\r\n");
    pattern("a.pat", "ab\r\n");
    FillWithPattern(editor);
    ASSERT_TRUE(patternPanelVisible(editor));
    const PatternPanel& panel = editor.paintState().patternPanel;
    EXPECT_EQ(panel.mode(), PatternFillMode::Area);
    EXPECT_EQ(panel.files(), (std::vector<std::string>{"a.pat", "b.pat"}));
    EXPECT_EQ(panel.selected(), -1);
    SelectPatternFile(editor, 1);
    EXPECT_EQ(panel.preview(), (std::vector<std::string>{"/\\", "\\/"}));
    EXPECT_TRUE(SelectPatternFile(editor, "a.pat"));
    EXPECT_EQ(panel.preview(), (std::vector<std::string>{"ab"}));
    EXPECT_FALSE(SelectPatternFile(editor, "c.pat"));
    SelectPatternFile(editor, 7);
    EXPECT_EQ(panel.selected(), -1);
    EXPECT_TRUE(panel.preview().empty());
    ClosePatternPanel(editor);
    EXPECT_FALSE(patternPanelVisible(editor));

    FillBackgroundWithPattern(editor);
    EXPECT_EQ(editor.paintState().patternPanel.mode(), PatternFillMode::Background);
    EXPECT_TRUE(patternPanelVisible(editor));
}

TEST_F(PaintCommands, AreaModeTilesTheFloodAreaAnchoredAtTheCanvasOrigin) {
    pattern("p.pat", "12\r\n34\r\n");
    canvas({"  # ", "  # ", "### ", "    "});
    select(0, 0, 0, 0);
    editor.settings().SolidChar = "o";
    FillWithPattern(editor);
    SelectPatternFile(editor, "p.pat");
    PatternFill(editor);
    EXPECT_EQ(shown(), (Rows{"12# ", "34# ", "### ", "    "}));
    EXPECT_FALSE(patternPanelVisible(editor));
    EXPECT_EQ(editor.settings().SolidChar, "o");
    EXPECT_EQ(editor.settings().PatternBackgroundChar, " ");
    grid2Togrid1(editor);
    EXPECT_EQ(shown(), (Rows{"  # ", "  # ", "### ", "    "}));

    // The same cells always get the same pattern characters, wherever the area starts.
    select(3, 3, 3, 3);
    FillWithPattern(editor);
    SelectPatternFile(editor, "p.pat");
    PatternFill(editor);
    EXPECT_EQ(shown(), (Rows{"  #2", "  #4", "###2", "3434"}));
}

TEST_F(PaintCommands, AreaModeOnAMarkerCellStillTilesEveryMarker) {
    pattern("p.pat", "xy\r\n");
    canvas({"\xDB\xDB-", "--\xDB"});
    select(0, 0, 0, 0);
    FillWithPattern(editor);
    SelectPatternFile(editor, "p.pat");
    PatternFill(editor);
    EXPECT_EQ(editor.status().field(3),
              "No change, Floodfill old and new string are identically .");
    EXPECT_EQ(shown(), (Rows{"xy-", "--x"}));
}

TEST_F(PaintCommands, BackgroundModeFillsEveryBackgroundCell) {
    pattern("p.pat", "ab\r\n");
    canvas({"@ c", "c@ "});
    FillBackgroundWithPattern(editor);
    SelectPatternFile(editor, "p.pat");
    PatternFill(editor);
    EXPECT_EQ(shown(), (Rows{"abc", "cba"})); // empty cells count as " "
    grid2Togrid1(editor);
    EXPECT_EQ(shown(), (Rows{"@ c", "c@ "}));

    editor.settings().PatternBackgroundChar = "c";
    FillBackgroundWithPattern(editor);
    SelectPatternFile(editor, "p.pat");
    PatternFill(editor);
    EXPECT_EQ(shown(), (Rows{"@ a", "a@ "})); // empty cells are not "c" and stay empty
}

TEST_F(PaintCommands, PatternFillErrorsReportAndStillCloseThePanel) {
    const std::string kError = "ERROR: Couldn`t read file.";
    pattern("empty.pat", "");
    pattern("gap.pat", "ab\r\n\r\ncd\r\n");
    pattern("binary.pat", std::string("\x01\x02\x00", 3));
    canvas({"   ", "   ", "   "});

    FillBackgroundWithPattern(editor); // nothing selected
    PatternFill(editor);
    EXPECT_EQ(editor.status().field(3), kError);
    EXPECT_EQ(beeps(), 1);
    EXPECT_FALSE(patternPanelVisible(editor));

    for (const char* name : {"empty.pat", "binary.pat"}) {
        FillBackgroundWithPattern(editor);
        SelectPatternFile(editor, std::string(name));
        PatternFill(editor);
        EXPECT_EQ(shown(), (Rows{"   ", "   ", "   "}));
    }
    EXPECT_EQ(beeps(), 3);

    FillBackgroundWithPattern(editor);
    SelectPatternFile(editor, "gap.pat");
    PatternFill(editor);
    EXPECT_EQ(shown(), (Rows{"aba", "   ", "   "})); // rows before the empty line stay filled
    EXPECT_EQ(beeps(), 4);

    // The file vanished after it was selected.
    FillBackgroundWithPattern(editor);
    SelectPatternFile(editor, "gap.pat");
    std::filesystem::remove(dir / "pattern" / "gap.pat");
    PatternFill(editor);
    EXPECT_EQ(beeps(), 5);
    EXPECT_EQ(ui.cursor(), AppCursor::Normal);
}

TEST_F(PaintCommands, PatternFillOnAOneCellCanvas) {
    pattern("p.pat", "#-\r\n");
    editor.canvas().setSize(1, 1);
    editor.canvas().clearTexts();
    select(0, 0, 0, 0);
    FillWithPattern(editor);
    SelectPatternFile(editor, "p.pat");
    PatternFill(editor);
    EXPECT_EQ(shown(), (Rows{"#"}));
}

} // namespace
} // namespace glyphora
