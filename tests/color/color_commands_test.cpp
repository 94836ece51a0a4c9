#include "color/cell_color_commands.h"
#include "color/color_commands.h"
#include "color/color_transform_commands.h"
#include "editor_fixture.h"

namespace glyphora {
namespace {

constexpr Color kRed = 0x0000FF;
constexpr Color kGreen = 0x00FF00;
constexpr Color kBlue = 0xFF0000;

struct ColorCommands : test::EditorTest {
    void SetUp() override {
        editor.canvas().setSize(4, 3);
        editor.canvas().clearTexts();
    }
    // The last dialog of the transcript, leaving out status bar updates.
    std::string lastLine() const {
        for (auto it = ui.transcript().rbegin(); it != ui.transcript().rend(); ++it) {
            if (it->rfind("status", 0) != 0)
                return *it;
        }
        return {};
    }
};

TEST_F(ColorCommands, ModeSwitchAsksWhileInfoMessagesAreOnAndNoChangesNothing) {
    editor.settings().ShowPaintbar = true;
    SetModeFullColored(editor); // asks nothing
    EXPECT_EQ(ui.unansweredDialog(), "");
    EXPECT_TRUE(editor.colorState().colorBarShown);
    editor.canvas().SetFontCell(0, 0, kRed);
    editor.canvas().SetColorCell(0, 0, kGreen);
    editor.ActiveFontColor = kBlue;

    ui.queueAnswer("no");
    SetModePlain(editor);
    EXPECT_EQ(lastLine(), "confirm: This will delete all colors. Continue? -> no");
    EXPECT_EQ(editor.colorMode(), ColorMode::FullColored);
    EXPECT_EQ(editor.canvas().foreground(0, 0), kRed);
    EXPECT_EQ(editor.ActiveFontColor, kBlue);

    ui.queueAnswer("yes");
    SetModeFontColored(editor);
    EXPECT_EQ(lastLine(), "confirm: This will delete all backgroundcolors. Continue? -> yes");
    EXPECT_FALSE(editor.canvas().hasOwnBrush(0, 0));
    SetModeFontColored(editor); // the mode already checked: nothing asked, nothing cleared
    EXPECT_EQ(editor.canvas().foreground(0, 0), kRed);

    editor.settings().ShowInfoMessages = false; // nothing asked either
    SetModePlain(editor);
    EXPECT_FALSE(editor.canvas().hasOwnFont(0, 0));
    EXPECT_EQ(editor.status().field(2), "Font color=#000000,   Backgroundcolor=#FFFFFF");
    EXPECT_EQ(ui.unansweredDialog(), "");
    EXPECT_FALSE(editor.colorState().colorBarShown);
}

TEST_F(ColorCommands, ActiveColoursFromDialogsTheBarAndTheSampleBox) {
    SetModeFullColored(editor);
    ui.queueAnswer("FF0000");
    SetActiveFontColorDialog(editor);
    EXPECT_EQ(editor.ActiveFontColor, kRed);
    ui.queueAnswer("cancel");
    SetActiveBackColorDialog(editor);
    EXPECT_EQ(lastLine(), "color: FF0000 -> cancel"); // the dialog holds what it last showed

    ColorBarClick(editor, ColorLayer::Foreground, 25, 5); // Windows swatch 1: red
    ColorBarClick(editor, ColorLayer::Background, 319, 23);
    EXPECT_EQ(editor.status().field(2), "Font color=#FF0000,   Backgroundcolor=#FFFFFF");
    ui.queueAnswer("00FF00"); // FullColored: the sample box asks for both colours
    ui.queueAnswer("0000FF");
    SampleBoxClick(editor);
    EXPECT_EQ(editor.status().field(2), "Font color=#00FF00,   Backgroundcolor=#0000FF");

    // Ansi mode starts light grey on black and picks with the ANSI chooser, but replacing
    // a colour uses the standard one.
    ui.queueAnswer("yes");
    SetModeAnsi(editor);
    ui.queueAnswer("FF5050");
    SetActiveFontColorDialog(editor);
    EXPECT_EQ(lastLine(), "ansi color: fg A0A8A0 -> FF5050");
    ui.queueAnswer(""); // the preset
    SetMainBackColorDialog(editor);
    EXPECT_EQ(lastLine(), "ansi color: bg 000000 -> 000000");
    ui.queueAnswer("cancel");
    ReplaceColorSelFg(editor);
    EXPECT_EQ(lastLine(), "color: 0000FF -> cancel");

    editor.settings().ShowInfoMessages = false;
    SetModePlain(editor);
    SampleBoxClick(editor); // Plain: asks nothing
    EXPECT_EQ(ui.unansweredDialog(), "");
}

TEST_F(ColorCommands, MainColoursAndThePaintBarInFontColoredMode) {
    ui.queueAnswer("yes");
    SetModeFontColored(editor);
    ui.queueAnswer("FF0000");
    SetMainFontColorDialog(editor);
    EXPECT_EQ(editor.canvas().defaultFontColor(), kRed);
    EXPECT_EQ(editor.status().field(3), "Main font color: #FF0000");

    // FontColored: the last normalised selection gets the new main background as its own.
    editor.setGridSelection({1, 1, 2, 2});
    editor.rang();
    editor.setGridSelection({0, 0, 0, 0}); // not normalised again
    ui.queueAnswer("00FF00");
    SetMainBackColorDialog(editor);
    EXPECT_TRUE(editor.canvas().hasOwnBrush(2, 2));
    EXPECT_FALSE(editor.canvas().hasOwnBrush(0, 0));
    EXPECT_EQ(editor.ActiveBackColor, kGreen);
    editor.canvas().SetColorCell(0, 0, kBlue);
    SetMainBackToCell(editor);
    EXPECT_EQ(editor.canvas().defaultColor(), kBlue);
    EXPECT_EQ(editor.status().field(3), "Main background color: #0000FF");

    // Paint bar buttons of items the mode disables refuse.
    editor.ActiveFontColor = kRed;
    FloodfillFontButton(editor);
    EXPECT_EQ(editor.canvas().foreground(3, 2), kRed);
    for (auto button : {ColorSelectionBackButton, FloodfillBackButton, ReplaceCharColorBackButton,
                        ResetSelectionBackButton}) {
        editor.status().Timer1Tick();
        editor.ActiveBackColor = kRed;
        button(editor);
        EXPECT_EQ(editor.status().field(3), "Wrong Colormode.");
        EXPECT_TRUE(editor.canvas().hasOwnBrush(0, 0)); // neither reset nor recoloured
        EXPECT_EQ(editor.canvas().background(0, 0), kBlue);
    }
    EXPECT_EQ(ui.cursor(), AppCursor::Normal);
}

TEST_F(ColorCommands, CellCommandsAndFillsWorkOnTheSelectionWithoutUndo) {
    SetModeFullColored(editor);
    editor.ActiveFontColor = kRed;
    editor.ActiveBackColor = kBlue;
    const int snapshots = editor.undoRing().count();
    editor.setGridSelection({3, 2, 1, 1});
    ColorSelectionFg(editor);
    ColorSelectionBg(editor);
    EXPECT_EQ(editor.canvas().foreground(1, 1), kRed);
    EXPECT_EQ(editor.canvas().background(3, 2), kBlue);
    EXPECT_EQ(editor.canvas().background(0, 0), kWhite);
    ResetSelectionColorFg(editor);
    EXPECT_FALSE(editor.canvas().hasOwnFont(2, 2));
    EXPECT_TRUE(editor.canvas().hasOwnBrush(2, 2));
    EXPECT_EQ(editor.undoRing().count(), snapshots);

    // Replacing by text asks for it; "Sel" stays in the selection, "All" does not.
    put(0, 0, "a");
    put(3, 2, "a");
    editor.ActiveBackColor = kGreen;
    editor.setGridSelection({0, 0, 1, 1});
    ui.queueAnswer("a");
    ReplaceCharColorSelBg(editor);
    EXPECT_EQ(lastLine(), "input: Search ... / Character: -> a");
    EXPECT_EQ(editor.canvas().background(0, 0), kGreen);
    EXPECT_EQ(editor.canvas().background(3, 2), kBlue);
    ui.queueAnswer("a");
    ReplaceCharColorAllBg(editor);
    EXPECT_EQ(editor.canvas().background(3, 2), kGreen);
    ui.queueAnswer("00FF00"); // replacing by colour asks for the old one
    editor.ActiveBackColor = kRed;
    ReplaceColorSelBg(editor);
    EXPECT_EQ(editor.canvas().background(0, 0), kRed);
    EXPECT_EQ(editor.canvas().background(3, 2), kGreen);

    editor.ActiveFontColor = kBlack; // the cells' colour already
    editor.setGridSelection({0, 0, 0, 0});
    FillByCharFg(editor);
    EXPECT_EQ(editor.status().field(3), "No change, Floodfill old and new color are identically .");

    editor.ActiveBackColor = kRed;
    editor.setGridSelection({1, 1, 3, 2}); // the background version starts at the top-left
    FillByColorBg(editor);
    EXPECT_EQ(editor.canvas().background(2, 1), kRed); // the blue area, not the green end
    EXPECT_EQ(editor.canvas().background(3, 2), kGreen);
}

TEST_F(ColorCommands, FindMainColourReportsAndStopsOnEscape) {
    SetModeFullColored(editor);
    put(0, 0, "x");
    put(1, 1, "y");
    editor.canvas().SetFontCell(1, 1, kRed);
    FindMainColor(editor);
    EXPECT_EQ(editor.canvas().defaultFontColor(), kRed);
    EXPECT_EQ(editor.status().field(3), "Main font color: #FF0000");
    EXPECT_TRUE(saw("status3: READING LINE ... 2"));
    EXPECT_EQ(editor.undoRing().count(), 0);

    editor.canvas().setSize(4, 5);
    ui.setEscapeDown(true);
    FindMainColor(editor);
    EXPECT_EQ(editor.status().field(3), "BREAK ! Main(?) font color: #000000");
}

TEST_F(ColorCommands, BrightnessAnswersAreReportedOrApplied) {
    SetModeFullColored(editor);
    ui.queueAnswer("+300");
    BrightnessFg(editor);
    EXPECT_EQ(ui.transcript().back(), "status3: ERROR: Value out of range.");
    EXPECT_EQ(lastLine(), "beep");
    const std::size_t lines = ui.transcript().size();
    ui.queueAnswer("0");
    BrightnessBg(editor);
    EXPECT_EQ(ui.transcript().size(), lines + 1); // only the box: no beep, no message
    ui.queueAnswer("-255");
    BrightnessBg(editor);
    EXPECT_EQ(editor.canvas().background(1, 1), kBlack);
    EXPECT_EQ(lastLine(), "input: Brightness / Value: (-255 <-> 255) -> -255");
}

} // namespace
} // namespace glyphora
