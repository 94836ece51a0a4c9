#include "canvas/canvas_commands.h"
#include "color/ansi_palette.h"
#include "color/cell_color_commands.h"
#include "color/color_bar.h"
#include "color/color_commands.h"
#include "color/color_modes.h"
#include "color/color_picture.h"
#include "color/color_transform_commands.h"
#include "editor_fixture.h"

namespace glyphora {
namespace {

constexpr Color kRed = 0x0000FF;
constexpr Color kGreen = 0x00FF00;
constexpr Color kBlue = 0xFF0000;
constexpr ColorLayer kFg = ColorLayer::Foreground;
constexpr ColorLayer kBg = ColorLayer::Background;
using test::Rows;

struct ColorCommands : test::EditorTest {
    void SetUp() override {
        editor.canvas().setSize(4, 3);
        editor.canvas().clearTexts();
    }
    test::Rows layer(ColorLayer which) const { return test::colours(editor.canvas(), which); }
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
    EXPECT_TRUE(saw("confirm: This will delete all colors. Continue? -> no"));
    EXPECT_EQ(editor.colorMode(), ColorMode::FullColored);
    EXPECT_EQ(editor.canvas().foreground(0, 0), kRed);
    EXPECT_EQ(editor.ActiveFontColor, kBlue);

    ui.queueAnswer("yes");
    SetModeFontColored(editor);
    EXPECT_TRUE(saw("confirm: This will delete all backgroundcolors. Continue? -> yes"));
    EXPECT_FALSE(editor.canvas().hasOwnBrush(0, 0));
    SetModeFontColored(editor); // the mode already checked: nothing asked, nothing cleared
    EXPECT_EQ(editor.canvas().foreground(0, 0), kRed);

    editor.settings().ShowInfoMessages = false; // nothing asked either
    SetModePlain(editor);
    EXPECT_FALSE(editor.canvas().hasOwnFont(0, 0));
    EXPECT_EQ(ui.unansweredDialog(), "");
    EXPECT_FALSE(editor.colorState().colorBarShown);
}

TEST_F(ColorCommands, TheAnsiModeBringsTheDosGlyphsAndLeavingItTakesThemAway) {
    editor.settings().ShowInfoMessages = false;
    SetModeAnsi(editor);
    EXPECT_EQ(editor.glyphSet(), CharSet::Cp437);
    ToggleCp437Glyphs(editor); // by hand, within the mode
    EXPECT_EQ(editor.glyphSet(), CharSet::Windows1252);
    ToggleCp437Glyphs(editor);
    SetModeFullColored(editor);
    EXPECT_EQ(editor.glyphSet(), CharSet::Windows1252);
    ToggleCp437Glyphs(editor); // and outside it, kept while the mode stays away from Ansi
    SetModePlain(editor);
    EXPECT_EQ(editor.glyphSet(), CharSet::Cp437);
}

TEST_F(ColorCommands, ActiveColoursFromDialogsTheBarAndTheSampleBox) {
    SetModeFullColored(editor);
    ui.queueAnswer("FF0000");
    SetActiveFontColorDialog(editor);
    EXPECT_EQ(editor.ActiveFontColor, kRed);
    ui.queueAnswer("cancel");
    SetActiveBackColorDialog(editor);
    EXPECT_TRUE(saw("color: FF0000 -> cancel")); // the dialog holds what it last showed

    ColorBarClick(editor, ColorLayer::Foreground, 319, 23); // the last pixel: white
    ColorBarClick(editor, ColorLayer::Background, 25, 5);   // Windows swatch 1: red
    EXPECT_EQ(editor.status().field(2), "Font color=#FFFFFF,   Backgroundcolor=#FF0000");
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
    EXPECT_TRUE(saw("ansi color: fg A0A8A0 -> FF5050"));
    ui.queueAnswer("cancel");
    ReplaceColorSelFg(editor);
    EXPECT_TRUE(saw("color: 0000FF -> cancel"));

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
    editor.normalizeSelection();
    editor.setGridSelection({0, 0, 0, 0}); // not normalised again
    ui.queueAnswer("00FF00");
    SetMainBackColorDialog(editor);
    EXPECT_EQ(layer(kBg), (Rows{"gggg", "gGGg", "gGGg"}));
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
        editor.status().statusTimerTick();
        editor.ActiveBackColor = kRed;
        button(editor);
        EXPECT_EQ(editor.status().field(3), "Wrong Colormode.");
        EXPECT_EQ(layer(kBg)[0][0], 'B'); // neither reset nor recoloured
    }
    EXPECT_EQ(ui.cursor(), AppCursor::Normal);
}

TEST_F(ColorCommands, CellCommandsAndFillsWorkOnTheSelectionWithoutUndo) {
    SetModeFullColored(editor);
    editor.ActiveFontColor = kRed;
    editor.ActiveBackColor = kBlue;
    editor.setGridSelection({3, 2, 1, 1});
    ColorSelectionFg(editor);
    ColorSelectionBg(editor);
    ResetSelectionColorFg(editor);
    EXPECT_EQ(layer(kFg), (Rows{"kkkk", "kkkk", "kkkk"}));
    EXPECT_EQ(layer(kBg), (Rows{"wwww", "wBBB", "wBBB"}));
    EXPECT_EQ(editor.undoRing().count(), 0);

    // Replacing by text asks for it; "Sel" stays in the selection, "All" does not.
    put(0, 0, "a");
    put(3, 2, "a");
    editor.ActiveBackColor = kGreen;
    editor.setGridSelection({0, 0, 1, 1});
    ui.queueAnswer("a");
    ReplaceCharColorSelBg(editor);
    EXPECT_TRUE(saw("input: Search ... / Character: -> a"));
    ui.queueAnswer("a");
    ReplaceCharColorAllBg(editor);
    EXPECT_EQ(layer(kBg), (Rows{"Gwww", "wBBB", "wBBG"}));
    ui.queueAnswer("00FF00"); // replacing by colour asks for the old one
    editor.ActiveBackColor = kRed;
    ReplaceColorSelBg(editor);
    EXPECT_EQ(layer(kBg), (Rows{"Rwww", "wBBB", "wBBG"}));

    editor.ActiveFontColor = kBlack; // the cells' colour already
    editor.setGridSelection({0, 0, 0, 0});
    FillByCharFg(editor);
    EXPECT_EQ(editor.status().field(3), "No change, Floodfill old and new color are identically .");

    editor.ActiveBackColor = kRed;
    editor.setGridSelection({1, 1, 3, 2}); // the background version starts at the top-left
    FillByColorBg(editor);
    EXPECT_EQ(layer(kBg), (Rows{"Rwww", "wRRR", "wRRG"})); // the blue area only
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
    EXPECT_TRUE(saw("beep"));
    ui.queueAnswer("-255");
    BrightnessBg(editor);
    EXPECT_EQ(editor.canvas().background(1, 1), kBlack);
    EXPECT_TRUE(saw("input: Brightness / Value: (-255 <-> 255) -> -255"));
}

TEST(ColorModes, EnteringAModeClearsWhatItCannotHoldAndEnablesItsTools) {
    // Per mode: own font kept, own brush kept, the defaults afterwards, whether the font and
    // the background tools are enabled.
    struct Row {
        ColorMode mode;
        bool font;
        bool brush;
        Color defaultFont;
        Color defaultBack;
        bool fontTools;
        bool backTools;
    };
    for (const Row& row : {Row{ColorMode::Plain, false, false, kBlack, kWhite, false, false},
                           Row{ColorMode::FontColored, true, false, kBlack, kWhite, true, false},
                           Row{ColorMode::FullColored, true, true, 0x123456, 0x654321, true, true},
                           Row{ColorMode::Ansi, false, false, 0xA0A8A0, kBlack, true, true}}) {
        CharCanvas canvas(2, 1);
        canvas.SetFontCell(0, 0, 0x0000FF);
        canvas.SetColorCell(0, 0, 0x00FF00);
        canvas.setDefaultFontColor(0x123456);
        canvas.setDefaultColor(0x654321);
        applyColorModeEntry(canvas, row.mode);
        const int m = static_cast<int>(row.mode);
        EXPECT_EQ(canvas.hasOwnFont(0, 0), row.font) << m;
        EXPECT_EQ(canvas.hasOwnBrush(0, 0), row.brush) << m;
        EXPECT_EQ(canvas.foreground(1, 0), row.defaultFont) << m;
        EXPECT_EQ(canvas.background(1, 0), row.defaultBack) << m;
        for (const bool on : {colorSpecialEnabled(row.mode), fontColorToolsEnabled(row.mode),
                              mainColorsEnabled(row.mode)})
            EXPECT_EQ(on, row.fontTools) << m;
        for (const bool on : {backgroundSpecialEnabled(row.mode), backColorToolsEnabled(row.mode)})
            EXPECT_EQ(on, row.backTools) << m;
    }
    EXPECT_EQ(modeSwitchQuestion(ColorMode::Ansi),
              "This will delete all RGB colors (WARNING: ANSI can only save 80cols.) . Continue?");
}

TEST(ColorBar, StripsPerModeAndTheAnsiBackgroundFill) {
    // Without the paint bar the colour bar stays as it was (outside Plain).
    EXPECT_FALSE(colorBarShownAfterUpdate(ColorMode::FontColored, false, false));
    EXPECT_TRUE(colorBarShownAfterUpdate(ColorMode::FullColored, false, true));

    const ColorPanelImage font = ColorPanel(ColorMode::FontColored);
    EXPECT_FALSE(font.background.visible);
    EXPECT_EQ(font.foreground.pixel(19, 23), 0x000000u);
    EXPECT_EQ(font.foreground.pixel(320, 5), std::nullopt);
    EXPECT_EQ(pickStripColor(font.background, 10, 3), std::nullopt); // hidden strip

    const ColorPanelImage ansi = ColorPanel(ColorMode::Ansi);
    EXPECT_EQ(ansi.foreground.pixel(15 * 20 + 19, 0), kAnsiPalette[15].color);
    EXPECT_EQ(ansi.background.pixel(139, 0), kAnsiPalette[6].color); // last pixel of cyan
    for (int x = 140; x < kStripWidth; ++x)
        ASSERT_EQ(pickStripColor(ansi.background, x, 3), 0xA0A8A0u) << x;
}

} // namespace
} // namespace glyphora
