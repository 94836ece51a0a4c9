#include "test_support.h"
#include "textfx/figlet.h"

#include <gtest/gtest.h>
#include <map>

namespace glyphora {
namespace {

namespace fs = std::filesystem;

// A font of the given header whose glyphs are three lines of "?" unless given.
FigletFont fontOf(const std::string& header, const std::map<char, std::vector<std::string>>& glyphs,
                  const std::vector<std::string>& comments = {"a test font"}) {
    std::vector<std::string> lines{header};
    lines.insert(lines.end(), comments.begin(), comments.end());
    for (int code = 32; code <= 126; ++code) {
        const auto it = glyphs.find(static_cast<char>(code));
        const std::vector<std::string> glyph =
            it != glyphs.end() ? it->second : std::vector<std::string>{"??@", "??@", "??@@"};
        lines.insert(lines.end(), glyph.begin(), glyph.end());
    }
    return FigletFont(std::move(lines));
}

FigletPanel panelWith(FigletFont font) {
    FigletPanel panel;
    panel.setFont(std::move(font));
    panel.reset();
    return panel;
}

std::vector<std::string> shown(const FigletPanel& panel) {
    return panel.rowsText(panel.wholeGrid());
}

TEST(FigletHeader, HeightAndWidthFieldsFallBackWhenMissingOrNoNumbers) {
    const FigletFont full({"flf2a$ 6 5 16 15 11"});
    EXPECT_EQ(full.height(), 6);
    EXPECT_EQ(full.maxWidth(), 16);
    const FigletFont shortHeader({"flf2a$ 6"});
    EXPECT_FALSE(shortHeader.height());
    EXPECT_FALSE(shortHeader.maxWidth());
    // A field is ended by a blank: the width of "flf2a$ 8 6 14" has none.
    const FigletFont noBlankAfterWidth({"flf2a$ 8 6 14"});
    EXPECT_EQ(noBlankAfterWidth.height(), 8);
    EXPECT_FALSE(noBlankAfterWidth.maxWidth());
    EXPECT_FALSE(FigletFont(std::vector<std::string>{}).height());
}

TEST(FigletRendering, GlyphFillsTheRowsFromTheBottomAndThePenTakesItsWidestLine) {
    FigletPanel panel =
        panelWith(fontOf("flf2a$ 4 3 9 0 1 ",
                         {{'A', {" /\\ @", "/--\\$@", "$$$$$$@@"}}, {'b', {"|@", "|)@", "$@@"}}}));
    EXPECT_EQ(panel.grid().colCount(), 9);
    EXPECT_TRUE(panel.type('A'));
    EXPECT_EQ(panel.pen(), 4);
    EXPECT_EQ(panel.grid().colCount(), 5);
    EXPECT_TRUE(panel.type('b'));
    EXPECT_EQ(panel.pen(), 6);
    EXPECT_EQ(shown(panel), (std::vector<std::string>{"", " /\\ |", "/--\\|)", ""}));
    // Hard blanks and end marks leave cells empty, trailing ones do not widen the glyph.
    EXPECT_EQ(panel.grid().at(4, 1), '|');
    EXPECT_EQ(panel.grid().at(5, 1), FigletGrid::kEmpty);
    EXPECT_EQ(panel.grid().at(3, 1), ' ');
    EXPECT_EQ(panel.grid().at(0, 3), FigletGrid::kEmpty);
    EXPECT_TRUE(panel.typing().empty());
}

TEST(FigletRendering, SpaceMovesThreeColumnsAndOtherKeysOrMissingGlyphsDoNothing) {
    FigletPanel panel = panelWith(fontOf("flf2a$ 3 2 9 0 1 ", {{' ', {"$$$$$$$@", "$@", "$@@"}}}));
    EXPECT_TRUE(panel.type(' '));
    EXPECT_EQ(panel.pen(), 3);
    EXPECT_FALSE(panel.type(127));
    EXPECT_FALSE(panel.type(0xE9));
    EXPECT_EQ(panel.pen(), 3);

    FigletPanel empty;
    EXPECT_FALSE(empty.type(' '));
    EXPECT_EQ(empty.pen(), 0);

    // A font holding glyphs only up to "!" has none for "A".
    FigletPanel few = panelWith(FigletFont({"flf2a$ 1 1 3 0 0 ", "$@@", "!@@"}));
    EXPECT_TRUE(few.type('!'));
    EXPECT_FALSE(few.type('A'));
    EXPECT_EQ(shown(few), (std::vector<std::string>{"!"}));
}

TEST(FigletRendering, TallGlyphsLoseTheirTopAndCommentsWithEndMarksShiftGlyphs) {
    FigletPanel tall = panelWith(fontOf("flf2a$ 2 1 5 0 1 ", {{'T', {"1@", "2@", "3@@"}}}));
    tall.type('T');
    EXPECT_EQ(shown(tall), (std::vector<std::string>{"2", "3"}));

    // "@@" in a comment counts as the end of the space glyph, so every glyph moves up by one:
    // typing "!" draws the font's space.
    FigletPanel shifted =
        panelWith(fontOf("flf2a$ 3 2 5 0 1 ", {{' ', {"s@", "s@", "s@@"}}}, {"mail me: a@@b"}));
    shifted.type('!');
    EXPECT_EQ(shown(shifted), (std::vector<std::string>{"s", "s", "s"}));
}

TEST(FigletPanelState, ResetEmptiesEveryCellAndCopyTakesTheSelectionOrAll) {
    FigletPanel panel = panelWith(fontOf("flf2a$ 3 2 4 0 1 ", {}));
    for (const char ch : std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZ"))
        panel.type(ch);
    EXPECT_EQ(panel.grid().colCount(), 53);
    bool whole = false;
    panel.setSelection({50, 0, 80, 9}); // held to the grid
    EXPECT_EQ(panel.copyRect(whole), (CellRect{50, 0, 52, 2}));

    panel.reset();
    EXPECT_EQ(panel.grid().colCount(), 4);
    // Cells beyond the narrowed grid are emptied too, so a wide glyph never uncovers old ones.
    EXPECT_EQ(panel.grid().at(40, 1), FigletGrid::kEmpty);
    EXPECT_EQ(shown(panel), (std::vector<std::string>{"", "", ""}));
}

// The fonts of the figlet package and of the shared corpus: each loads, renders without a
// crash and draws something; the corpus's standard font gives its known rendering.
TEST(FigletRealFonts, EveryInstalledAndCorpusFontRendersHelloWorld) {
    const fs::path corpus = fs::path(GLYPHORA_SOURCE_DIR) / ".." / "shared" / "corpus" / "flf";
    std::vector<fs::path> fonts;
    for (const fs::path& dir : {fs::path("/usr/share/figlet"), corpus, corpus / "tlf-extra",
                                fs::path(GLYPHORA_SOURCE_DIR) / "data" / "Fonts"}) {
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(dir, ec))
            if (entry.path().extension() == ".flf" || entry.path().extension() == ".tlf")
                fonts.push_back(entry.path());
    }
    ASSERT_FALSE(fonts.empty());
    for (const fs::path& path : fonts) {
        SCOPED_TRACE(path.string());
        std::optional<FigletFont> font = FigletFont::load(path);
        ASSERT_TRUE(font);
        // A font of one line per glyph may end its glyphs with a single "@" (term.flf): with
        // no line holding "@@" there is no glyph to find.
        const bool hasGlyphs = font->glyphEnd('!').has_value();
        FigletPanel panel = panelWith(std::move(*font));
        for (const char ch : std::string("Hello, World!"))
            panel.type(static_cast<unsigned char>(ch));
        bool drawn = false;
        for (const std::string& row : shown(panel))
            drawn = drawn || row.find_first_not_of(' ') != std::string::npos;
        EXPECT_EQ(drawn, hasGlyphs);
        EXPECT_EQ(panel.pen() > 10, hasGlyphs);
    }

    const fs::path standard = corpus / "standard.flf";
    if (!fs::exists(standard))
        GTEST_SKIP() << "no corpus";
    FigletPanel panel = panelWith(*FigletFont::load(standard));
    for (const char ch : std::string("Hi 42"))
        panel.type(ch);
    EXPECT_EQ(shown(panel), (std::vector<std::string>{
                                "  _   _   _      _  _     ____",
                                " | | | | (_)    | || |   |___ \\",
                                " | |_| | | |    | || |_    __) |",
                                " |  _  | | |    |__   _|  / __/",
                                " |_| |_| |_|       |_|   |_____|",
                                "",
                            }));
}

TEST(FigletFontFile, UnreadableOrBinaryFilesAreNoFont) {
    test::TempDir dir;
    EXPECT_FALSE(FigletFont::load(dir / "missing.flf"));
    test::writeBytes(dir / "binary.flf", std::string("flf2a$ 1 1 1 0 0 \0\0", 19));
    EXPECT_FALSE(FigletFont::load(dir / "binary.flf"));
    test::writeBytes(dir / "crlf.flf", "flf2a$ 1 1 2 0 0 \r\n$@@\r\nx@@\r\n");
    const std::optional<FigletFont> font = FigletFont::load(dir / "crlf.flf");
    ASSERT_TRUE(font);
    EXPECT_EQ(font->glyphEnd('!'), 2u);
}

} // namespace
} // namespace glyphora
