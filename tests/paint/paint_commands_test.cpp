#include "paint/paint_commands.h"
#include "paint/picture_fixture.h"

namespace glyphora {
namespace {

using test::Rows;

const std::string kNoChange = "No change, Floodfill old and new string are identically .";

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

TEST_F(PaintCommands, SolidShapesUseTheFirstCharacterAndAreUndoneInOneStep) {
    canvas({"     ", "     ", "     "});
    editor.settings().SolidChar = "#x";
    EXPECT_EQ(run(PaintRectangle, {1, 0, 3, 2}), (Rows{" ### ", " # # ", " ### "}));
    EXPECT_EQ(run(PaintFallingLine, {0, 0, 4, 2}), (Rows{"#### ", " ### ", " ####"}));
    EXPECT_EQ(undone(), (Rows{" ### ", " # # ", " ### "}));
    editor.settings().SolidChar = ""; // paints empty texts
    EXPECT_EQ(run(PaintHorzLine, {0, 1, 4, 1}), (Rows{" ### ", "@@@@@", " ### "}));
}

TEST_F(PaintCommands, LineArtUsesItsOwnBoxes) {
    canvas({"     ", "     ", "     "});
    editor.settings().RectHorzChar = "=";
    editor.settings().RectCornerChar = "*";
    editor.settings().LineVertChar = "!";
    editor.settings().LineHorzChar = "~";
    EXPECT_EQ(run(LineArtRectangle, {0, 0, 4, 2}), (Rows{"*===*", "!   !", "*===*"}));
    run(LineArtHorz, {1, 1, 3, 1});
    EXPECT_EQ(run(LineArtVert, {2, 0, 2, 2}), (Rows{"*=!=*", "!~!~!", "*=!=*"}));
}

TEST_F(PaintCommands, DotModeTogglesBeepsForFlatLinesAndKeepsTheBoxes) {
    ToggleDotMode(editor);
    EXPECT_TRUE(dotModeChecked(editor));
    Settings& s = editor.settings();
    s.DiagFallChar = "F";
    s.DiagRiseChar = "R";
    s.DiagHorzChar = "H";
    canvas({"        ", "        "});
    EXPECT_EQ(run(LineArtFalling, {0, 0, 7, 1}), (Rows{"`-._    ", "    `-._"}));
    EXPECT_EQ(count("beep"), 1);
    canvas({"  ", "  ", "  ", "  "});
    run(LineArtFalling, {0, 0, 1, 3});
    EXPECT_EQ(count("beep"), 1); // steep: no beep
    EXPECT_EQ(s.DiagFallChar, "F");

    ToggleDotMode(editor);
    canvas({"        ", "        "});
    EXPECT_EQ(run(LineArtRising, {0, 0, 7, 1}), (Rows{"    HHHR", "HHHR    "}));
}

TEST_F(PaintCommands, FloodfillStartsAtTheCursorCell) {
    canvas({"ab ", "a@b", "bbb"});
    editor.settings().SolidChar = "xyz";
    // The cursor is the selection's top-left cell; the empty neighbour becomes " ".
    EXPECT_EQ(run(Floodfill, {0, 0, 2, 1}), (Rows{"xb ", "x b", "bbb"}));
    EXPECT_EQ(run(Floodfill, {0, 0, 0, 0}), (Rows{"xb ", "x b", "bbb"}));
    EXPECT_EQ(message(), kNoChange);

    // An empty box fills with blanks and keeps the blank.
    canvas({"@@a", "@aa"});
    editor.settings().SolidChar = "";
    EXPECT_EQ(run(Floodfill, {2, 0, 2, 0}), (Rows{"@  ", "   "}));
    EXPECT_EQ(editor.settings().SolidChar, " ");
    EXPECT_EQ(undone(), (Rows{"@@a", "@aa"}));
}

TEST_F(PaintCommands, PatternPanelListsThePatternFolderAndPreviewsTheSelection) {
    pattern("b.pat", "/\\\r\n\\/\r\n");
    pattern("a.pat", "ab\r\n");
    FillWithPattern(editor);
    ASSERT_TRUE(patternPanelVisible(editor));
    const PatternPanel& panel = editor.paintState().patternPanel;
    EXPECT_EQ(panel.mode(), PatternFillMode::Area);
    EXPECT_EQ(panel.files(), (Rows{"a.pat", "b.pat"}));
    EXPECT_EQ(panel.selected(), -1);
    SelectPatternFile(editor, 1);
    EXPECT_EQ(panel.preview(), (Rows{"/\\", "\\/"}));
    EXPECT_TRUE(SelectPatternFile(editor, "a.pat"));
    EXPECT_EQ(panel.preview(), (Rows{"ab"}));
    EXPECT_FALSE(SelectPatternFile(editor, "c.pat"));
    SelectPatternFile(editor, 7);
    EXPECT_EQ(panel.selected(), -1);
    EXPECT_TRUE(panel.preview().empty());
    ClosePatternPanel(editor);
    EXPECT_FALSE(patternPanelVisible(editor));
    FillBackgroundWithPattern(editor);
    EXPECT_EQ(panel.mode(), PatternFillMode::Background);
}

TEST_F(PaintCommands, AreaModeTilesTheFloodAreaAnchoredAtTheCanvasOrigin) {
    pattern("p.pat", "12\r\n34\r\n");
    canvas({"  # ", "  # ", "### ", "    "});
    select(0, 0, 0, 0);
    editor.settings().SolidChar = "o";
    EXPECT_EQ(fill(FillWithPattern, "p.pat"), (Rows{"12# ", "34# ", "### ", "    "}));
    EXPECT_FALSE(patternPanelVisible(editor));
    EXPECT_EQ(editor.settings().SolidChar, "o");
    EXPECT_EQ(undone(), (Rows{"  # ", "  # ", "### ", "    "}));
    // The same cells always get the same pattern characters, wherever the area starts.
    select(3, 3, 3, 3);
    EXPECT_EQ(fill(FillWithPattern, "p.pat"), (Rows{"  #2", "  #4", "###2", "3434"}));

    // Started on a marker cell: "no change", yet every marker is tiled.
    canvas({"\xDB\xDB-", "--\xDB"});
    select(0, 0, 0, 0);
    EXPECT_EQ(fill(FillWithPattern, "p.pat"), (Rows{"12-", "--3"}));
    EXPECT_EQ(message(), kNoChange);
}

TEST_F(PaintCommands, BackgroundModeFillsEveryBackgroundCell) {
    pattern("p.pat", "ab\r\n");
    canvas({"@ c", "c@ "});
    // Empty cells count as " ".
    EXPECT_EQ(fill(FillBackgroundWithPattern, "p.pat"), (Rows{"abc", "cba"}));
    EXPECT_EQ(undone(), (Rows{"@ c", "c@ "}));
    editor.settings().PatternBackgroundChar = "c"; // empty cells are not "c" and stay empty
    EXPECT_EQ(fill(FillBackgroundWithPattern, "p.pat"), (Rows{"@ a", "a@ "}));
}

TEST_F(PaintCommands, PatternFillErrorsReportAndStillCloseThePanel) {
    pattern("empty.pat", "");
    pattern("gap.pat", "ab\r\n\r\ncd\r\n");
    pattern("binary.pat", std::string("\x01\x02\x00", 3));
    canvas({"   ", "   ", "   "});
    fill(FillBackgroundWithPattern, "none.pat"); // nothing selected
    EXPECT_EQ(message(), "ERROR: Couldn`t read file.");
    EXPECT_EQ(count("beep"), 1);
    EXPECT_FALSE(patternPanelVisible(editor));
    fill(FillBackgroundWithPattern, "empty.pat");
    EXPECT_EQ(fill(FillBackgroundWithPattern, "binary.pat"), (Rows{"   ", "   ", "   "}));
    EXPECT_EQ(count("beep"), 3);
    // The rows before an empty line stay filled.
    EXPECT_EQ(fill(FillBackgroundWithPattern, "gap.pat"), (Rows{"aba", "   ", "   "}));
    EXPECT_EQ(count("beep"), 4);

    // The file vanished after it was selected.
    FillBackgroundWithPattern(editor);
    SelectPatternFile(editor, "gap.pat");
    std::filesystem::remove(dir / "pattern" / "gap.pat");
    PatternFill(editor);
    EXPECT_EQ(count("beep"), 5);
    EXPECT_EQ(ui.cursor(), AppCursor::Normal);
}

} // namespace
} // namespace glyphora
