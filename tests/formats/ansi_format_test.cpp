#include "color/ansi_palette.h"
#include "color/color_modes.h"
#include "formats/ansi_format.h"
#include "formats/recording_progress.h"
#include "paint/canvas_picture.h"
#include "platform/text_file.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

namespace fs = std::filesystem;

constexpr Color kLightRed = kAnsiPalette[9].color;
constexpr Color kBlue = kAnsiPalette[4].color;
const std::string kStart = std::string(kAnsiStartPreset) + "[0;37;40m";

std::string esc(std::string_view sequence) {
    std::string bytes(1, '\x1b');
    bytes += sequence;
    return bytes;
}

// The texts of a row's cells, trailing blanks cut.
std::string rowText(const CharCanvas& canvas, int row) {
    std::string text;
    for (int c = 0; c < canvas.colCount(); ++c)
        text += canvas.text(c, row);
    return text.substr(0, text.find_last_not_of(' ') + 1);
}

// A 128-byte record: character data of the given width, comment lines, a font name.
std::string sauce(int width, int comments, std::string_view font) {
    std::string record = "SAUCE00" + std::string(121, '\0');
    record[94] = 1;
    record[96] = static_cast<char>(width & 0xFF);
    record[97] = static_cast<char>(width >> 8);
    record[104] = static_cast<char>(comments);
    record.replace(106, font.size(), font);
    return record;
}

// ---- Writing -----------------------------------------------------------------------

// "A" in the defaults, "B" light red on black, "C" light red on blue.
CharCanvas threeCells() {
    CharCanvas canvas = test::drawn({"ABC"});
    applyColorModeEntry(canvas, ColorMode::Ansi);
    canvas.SetFontCell(1, 0, kLightRed);
    canvas.SetFontCell(2, 0, kLightRed);
    canvas.SetColorCell(2, 0, kBlue);
    return canvas;
}

TEST(AnsiWrite, ColourSequencesOnlyInAnsiModeAndOnlyWhereTheStateChanges) {
    test::RecordingProgress progress;
    CharCanvas canvas = threeCells();
    EXPECT_EQ(encodeAnsi(canvas, ColorMode::Ansi, kAnsiStartPreset, progress),
              kStart + "A" + esc("[1;31;40mB") + esc("[1;31;44mC") + "\r\n");
    for (const ColorMode mode : {ColorMode::Plain, ColorMode::FontColored, ColorMode::FullColored})
        EXPECT_EQ(encodeAnsi(canvas, mode, kAnsiStartPreset, progress), kStart + "ABC\r\n");

    // The state carries over to the next row; a colour one step off the palette is grey.
    canvas.setSize(3, 2);
    canvas.setText(0, 1, "D");
    canvas.SetFontCell(0, 1, kLightRed);
    canvas.SetColorCell(0, 1, kBlue);
    canvas.setText(1, 1, "E");
    canvas.SetFontCell(1, 1, rgb(0xA1, 0, 0));
    canvas.SetColorCell(1, 1, kAnsiPalette[9].color); // no bright backgrounds
    EXPECT_EQ(encodeAnsi(canvas, ColorMode::Ansi, "", progress), "[0;37;40mA" + esc("[1;31;40mB") +
                                                                     esc("[1;31;44mC") + "\r\nD" +
                                                                     esc("[0;37;40mE") + " \r\n");
    EXPECT_EQ(canvas.text(2, 1), " "); // the empty cell now holds its blank
}

TEST(AnsiWrite, AColouredCanvasReadsBackWithItsCharactersAndColours) {
    // 90 columns, of which rows are written up to column 79 only: an 80th written would wrap
    // the screen and shift every later row.
    test::RecordingProgress progress;
    CharCanvas source(90, 4);
    applyColorModeEntry(source, ColorMode::Ansi);
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 90; ++c) {
            source.setText(c, r, std::string(1, static_cast<char>('!' + (c + r) % 90)));
            source.SetFontCell(c, r,
                               kAnsiPalette[static_cast<std::size_t>((c / 3 + r) % 16)].color);
            source.SetColorCell(c, r, kAnsiPalette[static_cast<std::size_t>((c / 5) % 8)].color);
        }
    }
    CharCanvas back;
    const std::string bytes = encodeAnsi(source, ColorMode::Ansi, kAnsiStartPreset, progress);
    EXPECT_EQ(readAnsi(bytes, back).status, AnsiReadStatus::Complete);
    ASSERT_EQ(back.rowCount(), 4);
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < kAnsiWrittenColumns; ++c) {
            ASSERT_EQ(back.text(c, r), source.text(c, r)) << c << "," << r;
            ASSERT_EQ(back.foreground(c, r), source.foreground(c, r)) << c << "," << r;
            ASSERT_EQ(back.background(c, r), source.background(c, r)) << c << "," << r;
        }
        EXPECT_EQ(back.text(kAnsiWrittenColumns, r), " ");
    }
}

// ---- Reading -----------------------------------------------------------------------

struct ReadCase {
    const char* name;
    std::string bytes;
    int rows;
    // A cell to look at: its text, foreground and background.
    int col;
    int row;
    std::string text;
    Color fg = kAnsiStartGrey;
    Color bg = kBlack;
};

TEST(AnsiRead, TheScreenEmulationDrawsCellsAndColours) {
    const std::vector<ReadCase> cases = {
        {"bold then colour", esc("[1;31mX"), 1, 0, 0, "X", kLightRed},
        {"lone reset", esc("[0mX"), 1, 0, 0, "X", kAnsiResetGrey},
        {"reset after a colour darkens it", esc("[1m") + esc("[32;0;45mX"), 1, 0, 0, "X",
         kAnsiPalette[2].color, kAnsiPalette[5].color},
        {"full block", esc("[31;44m\xDBY"), 1, 0, 0, " ", kAnsiPalette[1].color,
         kAnsiPalette[1].color},
        {"position", esc("[10;5HZ"), 10, 4, 9, "Z"},
        {"wrap after 79", std::string(80, '.') + "W", 2, 0, 1, "W"},
        {"right stops at 79", esc("[200CR"), 1, 79, 0, "R"},
        {"left and up stop at 0", "\r\n" + esc("[5A") + esc("[9DL"), 1, 0, 0, "L"},
        {"save and restore", "ab" + esc("[s") + "\r\n\r\n" + esc("[uc"), 1, 2, 0, "c"},
        {"erase to end of line", esc("[44m") + esc("[5C") + esc("[K") + "\r\n", 1, 79, 0, " ",
         kAnsiStartGrey, kBlue},
        {"clear screen", "junk" + esc("[31m") + esc("[2J"), 0, 0, 0, " "},
        // Lone CR goes down and keeps the column; a lone LF is a whole line end.
        {"lone CR", "A\rB", 2, 1, 1, "B"},
        {"lone LF", "A\nB\n", 2, 0, 1, "B"},
        {"last line dropped when empty", "AB\r\n" + esc("[5C"), 1, 0, 0, "A"},
        // Extended colours map to the nearest palette colour and leave no parameter behind.
        {"256 colours", esc("[38;5;31;48;5;226mX"), 1, 0, 0, "X", kAnsiPalette[6].color,
         kAnsiPalette[3].color},
        {"nearest tie takes the lower index", esc("[38;2;40;40;40mX"), 1, 0, 0, "X", kBlack},
        {"extended parameters are no foreground", esc("[38;5;31;0mX"), 1, 0, 0, "X",
         kAnsiResetGrey},
        // Sequences not understood are skipped whole.
        {"private modes", esc("[?7h") + esc("[=3h") + esc("[>5C") + esc("[?25lA"), 1, 0, 0, "A"},
        {"string with BEL", esc("]0;title\x07") + "A", 1, 0, 0, "A"},
        // Bounds: values cap at 255, parameters beyond the 30th are dropped.
        {"huge value", esc("[99999999999999999999BX"), 256, 0, 255, "X"},
        {"control byte inside a sequence", esc("[3") + "\x07" + "1mX", 1, 0, 0, "X",
         kAnsiPalette[1].color},
        {"31st parameter dropped", esc("[" + std::string(60, ';') + "31mX"), 1, 0, 0, "X",
         kAnsiResetGrey},
        // Cut short or broken off: no effect, the rest is art.
        {"ESC at the end", "A\x1b", 1, 0, 0, "A"},
        {"sequence broken by art", esc("[3\xB0"), 1, 0, 0, "\xB0"},
    };
    for (const ReadCase& c : cases) {
        CharCanvas canvas(3, 3);
        const AnsiReadResult result = readAnsi(c.bytes, canvas);
        EXPECT_EQ(result.status, AnsiReadStatus::Complete) << c.name;
        EXPECT_EQ(canvas.colCount(), 80) << c.name;
        EXPECT_EQ(canvas.rowCount(), std::max(c.rows, 1)) << c.name;
        EXPECT_EQ(canvas.text(c.col, c.row), c.text) << c.name;
        EXPECT_EQ(canvas.foreground(c.col, c.row), c.fg) << c.name;
        EXPECT_EQ(canvas.background(c.col, c.row), c.bg) << c.name;
        EXPECT_TRUE(canvas.hasOwnFont(c.col, c.row) && canvas.hasOwnBrush(c.col, c.row)) << c.name;
    }
}

TEST(AnsiRead, TheMetadataRecordEndsTheArtAndMayWidenTheScreen) {
    CharCanvas canvas;
    const std::string comment = "COMNT" + std::string(64, 'c');
    // With and without the comment block; the record is never drawn.
    for (const std::string& tail :
         {"\x1a" + sauce(80, 0, "IBM VGA"), "\x1a" + comment + sauce(0, 1, ""), sauce(80, 0, "")}) {
        readAnsi("A\x1a"
                 "B\r\n" +
                     tail,
                 canvas);
        EXPECT_EQ(canvas.rowCount(), 1);
        EXPECT_EQ(rowText(canvas, 0), "A\x1a"
                                      "B");
        EXPECT_EQ(canvas.colCount(), 80);
    }
    // 132 columns: no wrap before them, and the erase reaches them.
    AnsiReadResult wide = readAnsi(
        std::string(100, 'w') + esc("[44m") + esc("[K") + "\r\n\x1a" + sauce(132, 0, ""), canvas);
    EXPECT_EQ(wide.width, 132);
    EXPECT_EQ(canvas.colCount(), 132);
    EXPECT_EQ(rowText(canvas, 0), std::string(100, 'w'));
    EXPECT_EQ(canvas.background(131, 0), kBlue);
    // Forged widths that do not fit the limit keep 80 columns.
    EXPECT_EQ(readAnsi("x\x1a" + sauce(0xFFFF, 0, ""), canvas, 80 * 25 * 10).width, 80);
    // A record too short to be one is art. (Comment counts the file cannot hold: the input
    // bounds test.)
    readAnsi("ok\r\nSAUCE00", canvas);
    EXPECT_EQ(rowText(canvas, 1), "SAUCE00");
}

TEST(AnsiRead, Utf8ArtIsReadInTheDosCharacterSet) {
    CharCanvas canvas;
    const std::string art = esc("[31m") + "\xE2\x96\x88\xE2\x96\x91\xC3\xA9\xE2\x82\xAC\r\n";
    EXPECT_TRUE(readAnsi(art, canvas).decodedUtf8);
    EXPECT_EQ(rowText(canvas, 0), " \xB0\x82?");
    EXPECT_EQ(canvas.background(0, 0), kAnsiPalette[1].color); // the block, filled
    // With a record naming an IBM font, or with bytes that are not UTF-8, bytes stay bytes.
    EXPECT_FALSE(readAnsi(art + "\x1a" + sauce(80, 0, "IBM VGA"), canvas).decodedUtf8);
    EXPECT_EQ(canvas.text(0, 0), "\xE2");
    EXPECT_FALSE(readAnsi("\xB0\xDB\r\n", canvas).decodedUtf8);
    EXPECT_EQ(canvas.text(0, 0), "\xB0");
    EXPECT_EQ(canvas.background(1, 0), kAnsiStartGrey);
    EXPECT_TRUE(readAnsi("\xC3\xA9\r\n\x1a" + sauce(80, 0, "Amiga"), canvas).decodedUtf8);
}

TEST(AnsiRead, AScreenBeyondTheLimitFailsAndKeepsTheArtDrawnSoFar) {
    CharCanvas canvas;
    constexpr long long kLimit = 80 * 30;
    std::string lines;
    for (int i = 0; i < 40; ++i)
        lines += "line\r\n";
    EXPECT_EQ(readAnsi(lines, canvas, kLimit).status, AnsiReadStatus::TooTall);
    EXPECT_EQ(rowText(canvas, 29), "line");
    // Exactly at the limit is fine.
    EXPECT_EQ(readAnsi(lines.substr(0, 30 * 6), canvas, kLimit).status, AnsiReadStatus::Complete);
}

TEST(AnsiRead, ArbitraryBytesNeverCrash) {
    CharCanvas canvas;
    std::string noise;
    unsigned state = 12345;
    for (int i = 0; i < 200000; ++i) {
        state = state * 1103515245u + 12345u;
        const char pick = "\x1b[;0123456789mHJABCDsuK\r\n\xdb?=]\x07\\"[(state >> 16) % 31];
        noise += (state >> 8) % 7 == 0 ? static_cast<char>(state >> 24) : pick;
    }
    const AnsiReadResult result = readAnsi(noise, canvas, 80 * 2000);
    EXPECT_GE(canvas.rowCount(), 1);
    EXPECT_LE(static_cast<long long>(canvas.rowCount()) * canvas.colCount(), 80 * 2000);
    EXPECT_EQ(canvas.colCount(), result.width);
}

TEST(AnsiRead, EveryCorpusFileReads) {
    const fs::path corpus = fs::path(GLYPHORA_SOURCE_DIR) / ".." / "shared" / "corpus" / "ans";
    std::error_code ec;
    if (!fs::is_directory(corpus, ec))
        GTEST_SKIP() << "no corpus at " << corpus;
    int files = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(corpus)) {
        if (!entry.is_regular_file())
            continue;
        std::string bytes;
        ASSERT_TRUE(readFileBytes(entry.path(), bytes)) << entry.path();
        CharCanvas canvas;
        const AnsiReadResult result = readAnsi(bytes, canvas);
        EXPECT_EQ(result.status, AnsiReadStatus::Complete) << entry.path();
        EXPECT_GE(canvas.colCount(), 80) << entry.path();
        ++files;
    }
    EXPECT_GT(files, 0);
}

} // namespace
} // namespace glyphora
