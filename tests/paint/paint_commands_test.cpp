#include "color/color_commands.h"
#include "paint/manual_paint_commands.h"
#include "paint/paint_commands.h"
#include "paint/picture_fixture.h"

namespace glyphora {
namespace {

using test::Rows;

const std::string kNoChange = "No change, Floodfill old and new string are identically .";
const std::string kReadError = "ERROR: Couldn`t read file.";

struct PaintCommands : test::PictureTest {
    void pattern(const std::string& name, const std::string& bytes) {
        std::filesystem::create_directories(dir / "pattern");
        test::writeBytes(dir / "pattern" / name, bytes);
    }
    // Opens the panel in a mode, picks the file and fills.
    Rows fill(void (*open)(Editor&), const std::string& name) {
        open(editor);
        SelectPatternFile(editor, name);
        PatternFill(editor);
        return shown();
    }
};

TEST_F(PaintCommands, ShapesTakeTheFirstCharacterOfTheirBoxAndUndoInOneStep) {
    canvas({"     ", "     ", "     "});
    Settings& s = editor.settings();
    s.SolidChar = "#x";
    EXPECT_EQ(run(PaintRectangle, {1, 0, 3, 2}), (Rows{" ### ", " # # ", " ### "}));
    s.SolidChar = ""; // paints empty texts
    EXPECT_EQ(run(PaintHorzLine, {0, 1, 4, 1}), (Rows{" ### ", "@@@@@", " ### "}));
    EXPECT_EQ(undone(), (Rows{" ### ", " # # ", " ### "}));
    canvas({"     ", "     ", "     "});
    s.RectHorzChar = "=";
    s.RectCornerChar = "*";
    s.LineVertChar = "!";
    s.LineHorzChar = "~";
    EXPECT_EQ(run(LineArtRectangle, {0, 0, 4, 2}), (Rows{"*===*", "!   !", "*===*"}));
    run(LineArtHorz, {1, 1, 3, 1});
    EXPECT_EQ(run(LineArtVert, {2, 0, 2, 2}), (Rows{"*=!=*", "!~!~!", "*=!=*"}));
    EXPECT_EQ(run(LineArtRectangle, {1, 1, 1, 1}), (Rows{"*=!=*", "!*!~!", "*=!=*"})); // a corner
}

TEST_F(PaintCommands, DiagonalsUseTheirBoxesAndDotModeBeepsForFlatOnes) {
    editor.settings().DiagRiseChar = "R";
    editor.settings().DiagFallChar = "F"; // dot mode draws with its own characters
    editor.settings().DiagHorzChar = "H";
    canvas({"        ", "        "});
    run(LineArtRising, {0, 0, 3, 1});
    EXPECT_EQ(run(LineArtFalling, {4, 0, 7, 1}), (Rows{"  HRFH  ", "HR    FH"}));
    ToggleDotMode(editor);
    EXPECT_TRUE(dotModeChecked(editor));
    canvas({"        ", "        "});
    EXPECT_EQ(run(LineArtFalling, {0, 0, 7, 1}), (Rows{"`-._    ", "    `-._"}));
    canvas({"  ", "  ", "  ", "  "});
    run(LineArtFalling, {0, 0, 1, 3}); // steep: no beep
    EXPECT_EQ(count("beep"), 1);
}

TEST_F(PaintCommands, FloodfillStartsAtTheCursorCell) {
    canvas({"ab ", "a@b", "bab"});
    editor.canvas().SetColorCell(0, 1, 0x112233);
    editor.settings().SolidChar = "xyz";
    // The cursor is the selection's top-left cell; the empty neighbour becomes " "; the "a"
    // touching the area only at a corner stays; colours stay.
    EXPECT_EQ(run(Floodfill, {0, 0, 2, 1}), (Rows{"xb ", "x b", "bab"}));
    EXPECT_EQ(editor.canvas().background(0, 1), 0x112233u);
    EXPECT_EQ(run(Floodfill, {0, 0, 0, 0}), (Rows{"xb ", "x b", "bab"}));
    EXPECT_EQ(message(), kNoChange);
    canvas({"@@a", "@aa"}); // an empty box fills with blanks and keeps the blank
    editor.settings().SolidChar = "";
    EXPECT_EQ(run(Floodfill, {2, 0, 2, 0}), (Rows{"@  ", "   "}));
    EXPECT_EQ(editor.settings().SolidChar, " ");
    EXPECT_EQ(undone(), (Rows{"@@a", "@aa"}));
}

TEST_F(PaintCommands, PatternPanelListsThePatternFolderAndPreviewsTheSelection) {
    pattern("b.pat", "/\\\r\n\\/\r\n");
    pattern("a.pat", "a\x01\r\n");
    FillWithPattern(editor);
    const PatternPanel& panel = editor.paintState().patternPanel;
    EXPECT_EQ(panel.files(), (Rows{"a.pat", "b.pat"}));
    EXPECT_TRUE(SelectPatternFile(editor, "a.pat"));
    EXPECT_EQ(panel.preview(), (Rows{"a\x01"}));
    EXPECT_FALSE(SelectPatternFile(editor, "c.pat"));
    SelectPatternFile(editor, 7); // outside the list: no selection, no preview
    EXPECT_TRUE(panel.selected() == -1 && panel.preview().empty());
    ClosePatternPanel(editor);
    EXPECT_FALSE(patternPanelVisible(editor));
}

TEST_F(PaintCommands, FillTilesTheAreaOrTheBackgroundAnchoredAtTheCanvasOrigin) {
    pattern("p.pat", "12\r\n345\r\n"); // each row repeats its own line
    canvas({"  # ", "  # ", "### ", "    "});
    select(0, 0, 0, 0);
    EXPECT_EQ(fill(FillWithPattern, "p.pat"), (Rows{"12# ", "34# ", "### ", "    "}));
    EXPECT_FALSE(patternPanelVisible(editor));
    EXPECT_EQ(undone(), (Rows{"  # ", "  # ", "### ", "    "}));
    select(3, 3, 3, 3); // the same cells always get the same pattern characters
    EXPECT_EQ(fill(FillWithPattern, "p.pat"), (Rows{"  #2", "  #3", "###2", "3453"}));

    // Full blocks are characters like any other: only the area around the cursor is tiled.
    // The empty cell bordering the area becomes " ".
    canvas({"\xDB\xDB-", "@-\xDB", "\xDB- "});
    select(1, 0, 1, 0);
    EXPECT_EQ(fill(FillWithPattern, "p.pat"), (Rows{"12-", " -\xDB", "\xDB- "}));
    EXPECT_EQ(count("beep"), 0);

    // Background mode: every cell holding the background text; empty cells count as " ".
    canvas({"@ c", "c@ "});
    EXPECT_EQ(fill(FillBackgroundWithPattern, "p.pat"), (Rows{"12c", "c45"}));
    EXPECT_EQ(undone(), (Rows{"@ c", "c@ "}));
    // Empty cells are not "c" and stay empty.
    editor.settings().PatternBackgroundChar = std::string(1, 'c');
    EXPECT_EQ(fill(FillBackgroundWithPattern, "p.pat"), (Rows{"@ 1", "3@ "}));
}

TEST_F(PaintCommands, AnUnreadablePatternChangesNoCellAndAGapEndsTheTiling) {
    pattern("empty.pat", "");
    pattern("binary.pat", std::string("\x01\x02\x00", 3));
    pattern("gap.pat", "ab\r\n\r\ncd\r\n");
    const Rows start{"@@-", "@@-", "---"};
    canvas(start);
    for (const char* name : {"none.pat", "empty.pat", "binary.pat"})
        EXPECT_EQ(fill(FillWithPattern, name), start) << name;
    EXPECT_EQ(fill(FillBackgroundWithPattern, "binary.pat"), start);
    EXPECT_EQ(count("beep"), 4);
    EXPECT_EQ(message(), kReadError);
    EXPECT_FALSE(patternPanelVisible(editor));
    EXPECT_EQ(ui.cursor(), AppCursor::Normal);
    // The rows before an empty line stay filled.
    EXPECT_EQ(fill(FillBackgroundWithPattern, "gap.pat"), (Rows{"ab-", "  -", "---"}));
    EXPECT_EQ(count("beep"), 5);
}

// Plain, then FontColored, then FullColored: each switch acts while its item is enabled.
TEST_F(PaintCommands, ManualPaintPaintsTheSwitchedOnPartsTheModeAllowsWithoutASnapshot) {
    canvas({"@@@", "@@@"});
    editor.settings().ShowInfoMessages = false;
    EXPECT_FALSE(ShiftMouseMovePaint(editor, 1, 1)); // every switch off
    ManualPaintFont(editor);
    ManualPaintBack(editor);
    EXPECT_FALSE(manualPaintFontActive(editor)); // Plain: both items disabled
    EXPECT_FALSE(ShiftMouseMovePaint(editor, 0, 0));
    ManualPaintChar(editor); // the character switch works in every mode
    EXPECT_TRUE(ShiftMouseMovePaint(editor, 2, 1));
    EXPECT_FALSE(editor.canvas().hasOwnFont(2, 1));

    SetModeFontColored(editor);
    editor.ActiveFontColor = 0x0000FF;
    editor.ActiveBackColor = 0x00FF00;
    EXPECT_FALSE(manualPaintBackActive(editor));
    EXPECT_TRUE(isManualPaintBackChecked(editor)); // the check mark stays
    editor.settings().SolidChar = "=x";
    ShiftMouseMovePaint(editor, 1, 1);
    EXPECT_EQ(editor.canvas().foreground(1, 1), 0x0000FFu);
    EXPECT_FALSE(editor.canvas().hasOwnBrush(1, 1));

    SetModeFullColored(editor);
    EXPECT_TRUE(ShiftMouseMovePaint(editor, 0, 0));
    EXPECT_EQ(editor.canvas().background(0, 0), 0x00FF00u);
    EXPECT_FALSE(ShiftMouseMovePaint(editor, 3, 0)); // beside the canvas: nothing
    EXPECT_FALSE(ShiftMouseMovePaint(editor, -1, 0));
    EXPECT_EQ(shown(), (Rows{"=@@", "@=#"}));
    editor.settings().SolidChar = ""; // paints the empty text
    ShiftMouseMovePaint(editor, 0, 0);
    EXPECT_EQ(editor.canvas().text(0, 0), "");
    EXPECT_EQ(editor.undoRing().count(), 0);
    ManualPaintChar(editor);
    EXPECT_FALSE(isManualPaintCharChecked(editor));
}

} // namespace
} // namespace glyphora
