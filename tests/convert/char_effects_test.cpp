#include "canvas/text_conversion.h"
#include "convert/char_effects.h"
#include "formats/recording_progress.h"
#include "platform/text_file.h"
#include "test_support.h"

#include <bit>
#include <gtest/gtest.h>

namespace glyphora {
namespace {

using test::RecordingProgress;

// A progress panel on which Escape is found pressed from the given poll on.
struct EscapeAfter : RecordingProgress {
    int pollsLeft;
    explicit EscapeAfter(int polls) : pollsLeft(polls) {}
    bool escapePressed() override { return pollsLeft-- <= 0; }
};

CharCanvas canvasOf(const TextLines& lines) {
    CharCanvas canvas;
    TextToGrid(lines, canvas);
    return canvas;
}

TextLines linesOf(CharCanvas& canvas) {
    return GridToText(canvas);
}

std::filesystem::path dataFile(const char* name) {
    return std::filesystem::path(GLYPHORA_SOURCE_DIR) / "data" / name;
}

TEST(InvertPattern, BuiltInSwapsOppositesMirrorsPrintablesAndMarksTheRest) {
    EXPECT_EQ(invertedBuiltIn("A"), "]");
    EXPECT_EQ(invertedBuiltIn("]"), "A");
    EXPECT_EQ(invertedBuiltIn("!"), "}");
    EXPECT_EQ(invertedBuiltIn("#"), " ");
    EXPECT_EQ(invertedBuiltIn(" "), "#");
    EXPECT_EQ(invertedBuiltIn(""), "#");
    EXPECT_EQ(invertedBuiltIn("{"), "#"); // 158 - 123
    for (const auto& [a, b] : {std::pair{".", "W"},
                               {",", "M"},
                               {"_", "G"},
                               {"~", "X"},
                               {":", "H"},
                               {";", "R"},
                               {"/", "Q"},
                               {"\\", "O"},
                               {"|", "Y"}}) {
        EXPECT_EQ(invertedBuiltIn(a), b);
        EXPECT_EQ(invertedBuiltIn(b), a);
    }
    EXPECT_EQ(invertedBuiltIn("\xE9"), "8");
    EXPECT_EQ(invertedBuiltIn("\t"), "8");
    // Longer texts go by their first character, but the opposites need the whole text.
    EXPECT_EQ(invertedBuiltIn("WW"), std::string(1, static_cast<char>(158 - 'W')));
}

TEST(InvertPattern, TableTakesTheThirdCharacterOfTheCharactersLine) {
    InvertTable table;
    for (int code = 32; code <= 126; ++code)
        table.lines.push_back(std::string(1, static_cast<char>(code)) + " " +
                              static_cast<char>(code == 'A' ? 'v' : '.'));
    table.lines[30 - 1] = "= Z"; // "=": what control characters and bytes above 126 use
    EXPECT_EQ(invertedByTable(table, "A"), "v");
    EXPECT_EQ(invertedByTable(table, "B"), ".");
    EXPECT_EQ(invertedByTable(table, ""), ".");
    EXPECT_EQ(invertedByTable(table, "\x07"), "Z");
    EXPECT_EQ(invertedByTable(table, "\xE9"), "Z");
    table.lines[1] = "!!"; // too short for a replacement
    EXPECT_EQ(invertedByTable(table, "!"), "");
    table.lines.resize(10);
    EXPECT_EQ(invertedByTable(table, "~"), ""); // its line is missing
}

TEST(InvertPattern, ShippedTableMirrorsTheBrightnessRampAndUndoesItself) {
    const std::optional<InvertTable> table = readInvertTable(dataFile("invert.dat"));
    ASSERT_TRUE(table);
    ASSERT_EQ(table->lines.size(), 95u);
    EXPECT_EQ(invertedByTable(*table, " "), "#");
    EXPECT_EQ(invertedByTable(*table, "."), "@");
    for (int code = 32; code <= 126; ++code) {
        const std::string ch(1, static_cast<char>(code));
        const std::string inverted = invertedByTable(*table, ch);
        ASSERT_EQ(inverted.size(), 1u) << ch;
        EXPECT_EQ(invertedByTable(*table, inverted), ch);
    }
    EXPECT_FALSE(readInvertTable(dataFile("no-such.dat")));
}

TEST(InvertCells, WorksOnTheRectangleAndStopsAtEscapeKeepingTheWorkDone) {
    CharCanvas canvas = canvasOf({"AAAA", "AAAA", "AAAA"});
    RecordingProgress progress;
    EXPECT_EQ(invertCells(canvas, {1, 0, 2, 1}, nullptr, progress), EffectRun::Completed);
    EXPECT_EQ(linesOf(canvas), (TextLines{"A]]A", "A]]A", "AAAA"}));
    EXPECT_EQ(progress.calls.front(), "pos 0/1 Analysing ... / Step 1 of 1");

    EscapeAfter escape(3);
    EXPECT_EQ(invertCells(canvas, {0, 0, 3, 2}, nullptr, escape), EffectRun::Aborted);
    EXPECT_EQ(linesOf(canvas), (TextLines{"]AAA", "A]]A", "AAAA"}));
}

TEST(LineWidth, SingleRunsStayAndCellsWithACrossAndAnUpDownNeighbourGo) {
    RecordingProgress progress;
    CharCanvas runs = canvasOf({"#####  #", "       #", "       #"});
    reduceLineWidth(runs, progress);
    EXPECT_EQ(linesOf(runs), (TextLines{"#####  #", "       #", "       #"}));

    // The corner of an L (a neighbour to the right and one below) goes; the cells after it
    // are judged with it gone.
    CharCanvas corner = canvasOf({"###", "#", "#"});
    reduceLineWidth(corner, progress);
    EXPECT_EQ(linesOf(corner), (TextLines{" ##", "#  ", "#  "}));

    // A filled block thins from the top left, judged on the canvas as it changes.
    CharCanvas block = canvasOf({"###", "###", "###"});
    reduceLineWidth(block, progress);
    EXPECT_EQ(linesOf(block), (TextLines{"  #", "  #", "## "}));
    EXPECT_EQ(progress.calls.back(), "pos 3/3 Line width reduction ... / Analysing ...");
}

TEST(LineArtTable, RecordsEndAtEndOrTheFileAndShortRowsMatchNothing) {
    const LineArtTable table = parseLineArtTable({
        "first",  "   ", "***  _",  "   ", //
        "second", "   ", "***  =",  "   ", // a later record for the same mask loses
        "third",  " * ", " *",      " * ", // the middle row lacks its replacement
        "fourth", "*  ", " *   \\", "  ",  // a trimmed row
        "END",    " * ", " *   |",  " * ", // after the end
    });
    ASSERT_EQ(table.records.size(), 4u);
    EXPECT_EQ(table.records[0].mask, "   ***   ");
    EXPECT_EQ(table.records[0].replacement, '_');
    EXPECT_TRUE(table.records[2].mask.empty());
    EXPECT_TRUE(table.records[3].mask.empty());
    EXPECT_EQ(table.firstMatch[0b000111000], '_');
    EXPECT_EQ(table.firstMatch[0b010010010], -1);
    EXPECT_EQ(table.firstMatch[0b100010000], -1);

    // A record cut short by the end of the file is no record.
    EXPECT_TRUE(parseLineArtTable({"x", "   ", "***  _"}).records.empty());
}

TEST(LineArtPreconversion, MatchingCellsChangeInPlaceAndOthersKeepTheirCharacter) {
    const LineArtTable table = parseLineArtTable({"-", "   ", "***  _", "   ", //
                                                  "-", "***", "***  O", "***"});
    RecordingProgress progress;
    CharCanvas canvas = canvasOf({"", " #####", "", "#", "###", "###", "###"});
    EXPECT_EQ(preconvertLineArt(canvas, table, progress), EffectRun::Completed);
    EXPECT_EQ(linesOf(canvas),
              (TextLines{"      ", " #___#", "      ", "#     ", "###   ", "#O#   ", "###   "}));

    // A record that blanks a cell changes what the cells after it see: the start of the run
    // matches " ** " and each next cell then finds a blank to its left.
    const LineArtTable eraser = parseLineArtTable({"-", "   ", " **   ", "   "});
    CharCanvas run = canvasOf({"####"});
    preconvertLineArt(run, eraser, progress);
    EXPECT_EQ(linesOf(run), (TextLines{"   #"}));

    EscapeAfter escape(0);
    CharCanvas untouched = canvasOf({"###"});
    EXPECT_EQ(preconvertLineArt(untouched, table, escape), EffectRun::Aborted);
    EXPECT_EQ(linesOf(untouched), (TextLines{"###"}));
}

TEST(LineArtPreconversion, ShippedTableTurnsShapesIntoLineArt) {
    const std::optional<std::vector<std::string>> lines =
        readDataFileLines(dataFile("Lna.dat"), 1 << 20);
    ASSERT_TRUE(lines);
    const LineArtTable table = parseLineArtTable(*lines);
    // Every thin stroke's neighbourhood has a record; the inside of a shape has none.
    for (int mask = 0; mask < 512; ++mask) {
        if (!(mask & 0b000010000))
            continue;
        const int neighbours = std::popcount(static_cast<unsigned>(mask)) - 1;
        if (neighbours <= 4) {
            EXPECT_GE(table.firstMatch[static_cast<std::size_t>(mask)], 0) << mask;
        }
    }
    EXPECT_EQ(table.firstMatch[0b111111111], -1);
    RecordingProgress progress;
    CharCanvas box = canvasOf({"######", "#    #", "######"});
    preconvertLineArt(box, table, progress);
    EXPECT_EQ(linesOf(box), (TextLines{".____.", "|    |", "|____|"}));

    CharCanvas filled = canvasOf({"#####", "#####", "#####", "#####"});
    preconvertLineArt(filled, table, progress);
    EXPECT_EQ(linesOf(filled), (TextLines{".___.", "|###|", "|###|", "|___|"}));

    CharCanvas slopes = canvasOf({"#   #", " # # ", "  #  "});
    preconvertLineArt(slopes, table, progress);
    EXPECT_EQ(linesOf(slopes), (TextLines{"\\   /", " \\ / ", "  V  "}));
}

TEST(DotLines, RulesRewriteLineArtInOrder) {
    RecordingProgress progress;
    CharCanvas canvas = canvasOf({"__/", "|", "", "a\\_", "", "\\__"});
    makeDotLines(canvas, progress);
    EXPECT_EQ(linesOf(canvas), (TextLines{".-'", ":  ", "   ", "a`.", "   ", "`-."}));

    CharCanvas steps = canvasOf({"x_/", " /", "|", "", " \\", "  |", "", "\\", "|"});
    makeDotLines(steps, progress);
    EXPECT_EQ(linesOf(steps),
              (TextLines{"x.'", ".' ", ":  ", "   ", " `.", "  :", "   ", "!  ", ":  "}));
    // A "|" with a "/" below-left: ";" over "!".
    CharCanvas post = canvasOf({" |", "/"});
    makeDotLines(post, progress);
    EXPECT_EQ(linesOf(post), (TextLines{" ;", "! "}));
    EXPECT_EQ(progress.calls.back(), "pos 1/1 Converting characters ... / Step 1 of 2");
}

TEST(RandomArt, EveryCellOrEveryDistinctCharacterGetsAPrintable) {
    std::mt19937 random(42);
    for (int i = 0; i < 2000; ++i) {
        const char ch = randomPrintable(random);
        ASSERT_GE(ch, ' ');
        ASSERT_LE(ch, '~');
    }
    CharCanvas every = canvasOf({"AB C", ""});
    randomArtEvery(every, random);
    EXPECT_EQ(every.text(2, 0), " ");
    EXPECT_EQ(every.text(0, 1), "");
    EXPECT_EQ(every.text(0, 0).size(), 1u);

    CharCanvas distinct = canvasOf({"ABA B", "BAAA"});
    distinct.setText(4, 1, "AB"); // a longer text is no single character and stays
    randomArtDistinct(distinct, random);
    const std::string_view a = distinct.text(0, 0);
    const std::string_view b = distinct.text(1, 0);
    for (const auto& [x, y] : {std::pair{2, 0}, {1, 1}, {2, 1}, {3, 1}})
        EXPECT_EQ(distinct.text(x, y), a);
    EXPECT_EQ(distinct.text(4, 0), b);
    EXPECT_EQ(distinct.text(3, 0), " ");
    EXPECT_EQ(distinct.text(4, 1), "AB");

    // The draws follow first occurrence: the same seed gives the same replacements.
    std::mt19937 again(7), replay(7);
    CharCanvas one = canvasOf({"xyx"});
    randomArtDistinct(one, again);
    EXPECT_EQ(one.text(0, 0), std::string(1, randomPrintable(replay)));
    EXPECT_EQ(one.text(1, 0), std::string(1, randomPrintable(replay)));
}

} // namespace
} // namespace glyphora
