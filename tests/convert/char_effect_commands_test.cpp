#include "convert/char_effect_commands.h"
#include "convert/char_palette.h"
#include "editor_fixture.h"

#include <filesystem>

namespace glyphora {
namespace {

struct CharEffectCommands : test::EditorTest {
    void SetUp() override {
        editor.canvas().setSize(6, 3);
        editor.canvas().clearTexts();
        for (int r = 0; r < 3; ++r)
            put(0, r, "      ");
    }
    void copyShipped(const char* name) {
        std::filesystem::copy_file(std::filesystem::path(GLYPHORA_SOURCE_DIR) / "data" / name,
                                   dir / name);
    }
    int undoSteps() const { return editor.undoRing().count(); }
};

TEST_F(CharEffectCommands, InvertUsesTheTableFileOrSaysWhyItFellBack) {
    put(0, 0, "A.");
    editor.setGridSelection({0, 0, 1, 0});
    editor.settings().InvertDataFile = "invert.dat";
    runMenu("&Effects > In&vert  selection");
    // No such file: the built-in pattern, with the error shown while the command ran.
    EXPECT_EQ(row(0, 0, 2), "]W");
    EXPECT_TRUE(saw("status3: ERROR: Couldn`t read invert file. Using intern pattern."));
    EXPECT_EQ(editor.status().field(3), "");

    copyShipped("invert.dat");
    put(0, 0, "A.");
    runMenu("&Effects > In&vert  selection");
    EXPECT_EQ(row(0, 0, 2), ")@");

    editor.settings().InvertDataFile = std::string(kInternTable);
    ui.setEscapeDown(true);
    runMenu("&Effects > In&vert  selection");
    EXPECT_EQ(row(0, 0, 2), ")@");
    EXPECT_EQ(editor.status().field(3), "BREAK");
    EXPECT_FALSE(editor.progress().view().visible);
}

TEST_F(CharEffectCommands, LineArtNeedsItsTableAndAsksAboutThinningFirst) {
    put(0, 1, "####");
    editor.settings().LineArtDataFile = "Lna.dat";
    const int before = undoSteps();
    runMenu("&Special > &pre-convert to lineart");
    EXPECT_TRUE(saw("beep"));
    EXPECT_EQ(editor.status().field(3), "ERROR: No LineArt INI found.");

    copyShipped("Lna.dat");
    ui.queueAnswer("abort");
    runMenu("&Special > &pre-convert to lineart");
    EXPECT_EQ(row(1), "####  ");
    EXPECT_EQ(undoSteps(), before);

    ui.queueAnswer("no");
    runMenu("&Special > &pre-convert to lineart");
    EXPECT_TRUE(saw("confirm: Should the program try to reduce the linewidth? -> no"));
    EXPECT_EQ(row(1), "____  ");
    EXPECT_EQ(undoSteps(), before + 1);

    // Thinning first: the corner of the L goes before the line art is chosen.
    put(0, 0, "###   ");
    put(0, 1, "#     ");
    ui.queueAnswer("yes");
    runMenu("&Special > &pre-convert to lineart");
    EXPECT_EQ(row(0), " __   ");
}

TEST_F(CharEffectCommands, LineArtTableThatCannotBeReadIsReportedDefect) {
    test::writeBytes(dir / "Lna.dat", std::string("-\r\n\0\0\0\r\n", 8));
    put(0, 1, "##");
    ui.queueAnswer("no");
    runMenu("&Special > &pre-convert to lineart");
    EXPECT_EQ(editor.status().field(3), "ERROR: LineArt INI defect.");
    EXPECT_EQ(row(1), "##    ");
    EXPECT_FALSE(editor.progress().view().visible);
}

TEST_F(CharEffectCommands, DotLinesAndRandomArtEachTakeOneUndoStep) {
    put(0, 0, "__/ AB");
    const int before = undoSteps();
    runMenu("&Special >      ' --> &make dot lines");
    EXPECT_EQ(row(0), ".-' AB");
    runMenu("&Special > &convert to random art > &all different char.");
    EXPECT_EQ(editor.canvas().text(3, 0), " ");
    runMenu("&Special > &convert to random art > &every character");
    EXPECT_EQ(editor.canvas().text(3, 0), " ");
    EXPECT_EQ(undoSteps(), before + 3);
}

TEST_F(CharEffectCommands, PaletteNeedsFourCharactersAndAnAcceptedSmallerCount) {
    put(0, 0, "#.# ..");
    runMenu("&Image > Set palette");
    EXPECT_TRUE(
        saw("message: More than three different characters are required for this operation."));

    put(0, 1, "ox:");
    const int before = undoSteps();
    ui.queueAnswer("cancel");
    runMenu("&Image > Set palette");
    ui.queueAnswer("5"); // the current count: nothing to reduce
    runMenu("&Image > Set palette");
    EXPECT_EQ(undoSteps(), before);
    EXPECT_EQ(row(0), "#.# ..");

    ui.queueAnswer("3 global bw");
    runMenu("&Image > Set palette");
    EXPECT_EQ(undoSteps(), before + 1);
    EXPECT_EQ(row(0), "# #   "); // black and white forced: "." and ":" go blank
    EXPECT_EQ(editor.status().field(3), "");
}

TEST_F(CharEffectCommands, BrightnessShiftsByTheSliderOrNotAtAll) {
    put(0, 0, "# .");
    ui.queueAnswer("cancel");
    runMenu("&Image > &Brightness");
    EXPECT_EQ(row(0), "# .   ");
    ui.queueAnswer("50");
    runMenu("&Image > &Brightness");
    EXPECT_EQ(row(0), "s     ");
    EXPECT_TRUE(saw("brightness: -> 50"));
}

} // namespace
} // namespace glyphora
