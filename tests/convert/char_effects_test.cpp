#include "canvas/text_conversion.h"
#include "convert/char_effects.h"
#include "formats/recording_progress.h"
#include "platform/text_file.h"
#include "test_support.h"

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

std::filesystem::path dataFile(const char* name) {
    return std::filesystem::path(GLYPHORA_SOURCE_DIR) / "data" / name;
}

TEST(InvertPattern, BuiltInSwapsOppositesMirrorsPrintablesAndMarksTheRest) {
    EXPECT_EQ(invertedBuiltIn("A"), "]");
    EXPECT_EQ(invertedBuiltIn("#"), " ");
    EXPECT_EQ(invertedBuiltIn(" "), "#");
    EXPECT_EQ(invertedBuiltIn(""), "#");
    EXPECT_EQ(invertedBuiltIn("{"), "#"); // 158 - 123
    EXPECT_EQ(invertedBuiltIn("\xE9"), "8");
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
    EXPECT_EQ(invertedByTable(table, "\xE9"), "Z");
    table.lines[1] = "!!"; // too short for a replacement
    EXPECT_EQ(invertedByTable(table, "!"), "");
    table.lines.resize(10);
    EXPECT_EQ(invertedByTable(table, "~"), ""); // its line is missing
}

TEST(InvertCells, WorksOnTheRectangleAndStopsAtEscapeKeepingTheWorkDone) {
    CharCanvas canvas = canvasOf({"AAAA", "AAAA", "AAAA"});
    RecordingProgress progress;
    EXPECT_EQ(invertCells(canvas, {1, 0, 2, 1}, nullptr, progress), EffectRun::Completed);
    EXPECT_EQ(GridToText(canvas), (TextLines{"A]]A", "A]]A", "AAAA"}));
    EXPECT_EQ(progress.calls.front(), "pos 0/1 Analysing ... / Step 1 of 1");

    EscapeAfter escape(3);
    EXPECT_EQ(invertCells(canvas, {0, 0, 3, 2}, nullptr, escape), EffectRun::Aborted);
    EXPECT_EQ(GridToText(canvas), (TextLines{"]AAA", "A]]A", "AAAA"}));
}

TEST(LineWidth, OnlyCellsWithACrossAndAnUpDownNeighbourGo) {
    RecordingProgress progress;
    // The corner of an L (a neighbour to the right and one below) goes; the cells after it
    // are judged with it gone, so the runs left stay.
    CharCanvas corner = canvasOf({"###", "#", "#"});
    reduceLineWidth(corner, progress);
    EXPECT_EQ(GridToText(corner), (TextLines{" ##", "#  ", "#  "}));
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

    // A record cut short by the end of the file is no record.
    EXPECT_TRUE(parseLineArtTable({"x", "   ", "***  _"}).records.empty());
}

TEST(LineArtPreconversion, MatchingCellsChangeInPlaceAndOthersKeepTheirCharacter) {
    const LineArtTable table = parseLineArtTable({"-", "   ", "***  _", "   ", //
                                                  "-", "***", "***  O", "***"});
    RecordingProgress progress;
    CharCanvas canvas = canvasOf({"", " #####", "", "#", "###", "###", "###"});
    EXPECT_EQ(preconvertLineArt(canvas, table, progress), EffectRun::Completed);
    EXPECT_EQ(GridToText(canvas),
              (TextLines{"      ", " #___#", "      ", "#     ", "###   ", "#O#   ", "###   "}));

    // A record that blanks a cell changes what the cells after it see: the start of the run
    // matches " ** " and each next cell then finds a blank to its left.
    const LineArtTable eraser = parseLineArtTable({"-", "   ", " **   ", "   "});
    CharCanvas run = canvasOf({"####"});
    preconvertLineArt(run, eraser, progress);
    EXPECT_EQ(GridToText(run), (TextLines{"   #"}));

    EscapeAfter escape(0);
    CharCanvas untouched = canvasOf({"###"});
    EXPECT_EQ(preconvertLineArt(untouched, table, escape), EffectRun::Aborted);
    EXPECT_EQ(GridToText(untouched), (TextLines{"###"}));
}

TEST(LineArtPreconversion, ShippedTableTurnsShapesIntoLineArt) {
    const std::optional<std::vector<std::string>> lines =
        readDataFileLines(dataFile("Lna.dat"), 1 << 20);
    ASSERT_TRUE(lines);
    const LineArtTable table = parseLineArtTable(*lines);
    RecordingProgress progress;
    CharCanvas filled = canvasOf({"#####", "#####", "#####", "#####"});
    preconvertLineArt(filled, table, progress);
    EXPECT_EQ(GridToText(filled), (TextLines{".___.", "|###|", "|###|", "|___|"}));
}

TEST(DotLines, RulesRewriteLineArtInOrder) {
    RecordingProgress progress;
    CharCanvas canvas = canvasOf({"__/", "|", "", "a\\_", "", "\\__"});
    makeDotLines(canvas, progress);
    EXPECT_EQ(GridToText(canvas), (TextLines{".-'", ":  ", "   ", "a`.", "   ", "`-."}));
    // A "|" with a "/" below-left: ";" over "!".
    CharCanvas post = canvasOf({" |", "/"});
    makeDotLines(post, progress);
    EXPECT_EQ(GridToText(post), (TextLines{" ;", "! "}));
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
    EXPECT_EQ(distinct.text(3, 1), distinct.text(0, 0));
    EXPECT_EQ(distinct.text(4, 0), distinct.text(1, 0));
    EXPECT_EQ(distinct.text(3, 0), " ");
    EXPECT_EQ(distinct.text(4, 1), "AB");
}

} // namespace
} // namespace glyphora
