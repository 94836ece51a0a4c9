#include "formats/html_export.h"
#include "formats/recording_progress.h"
#include "paint/canvas_picture.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

constexpr Color kRed = rgb(0xFF, 0, 0);
constexpr Color kBlue = rgb(0, 0, 0xFF);

const std::string kHeadStart =
    "<html>\r\n<head>\r\n"
    "<meta HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=iso-8859-1\">\r\n"
    "<meta NAME=\"GENERATOR\" CONTENT=\"Glyphora 4.1 BETA (Orvel)\">\r\n";
const std::string kHead = kHeadStart + "<title>T.HTM</title>\r\n</head>\r\n";
const std::string kBody = "<body text=\"#000000\" bgcolor=\"#FFFFFF\">\r\n";
const std::string kFooter = "<p align=\"center\"><font color=\"#0080C0\" size=\"1\">(Created with "
                            "Glyphora 4.1)</font></p>\r\n</body>\r\n</html>\r\n";
const std::string kStyle =
    "style=\"font-family: Courier New, monospace; font-size: 10pt; font-weight: bold\"";

// A canvas of one-byte texts ("@" an empty cell) with every cell's own text and background
// colour given by letters: k black, w white, r red, b blue.
CharCanvas canvasOf(const test::Rows& texts, const test::Rows& fgs, const test::Rows& bgs) {
    const auto colour = [](char letter) {
        return letter == 'k' ? kBlack : letter == 'w' ? kWhite : letter == 'r' ? kRed : kBlue;
    };
    CharCanvas canvas = test::drawn(texts);
    for (int r = 0; r < canvas.rowCount(); ++r) {
        for (int c = 0; c < canvas.colCount(); ++c) {
            canvas.SetFontCell(c, r, colour(fgs[r][c]));
            canvas.SetColorCell(c, r, colour(bgs[r][c]));
        }
    }
    return canvas;
}

// An escaped letter, an empty cell, a blank, a background run and a cell whose colours match.
CharCanvas sample() {
    return canvasOf({"a<@", "x y"}, {"krk", "krb"}, {"www", "bbb"});
}

HtmlPage pageFor(HtmlFlavour flavour, const CharCanvas& canvas, bool withOptions = true) {
    HtmlPage page;
    page.title = "T.HTM";
    if (withOptions)
        page.options = HtmlOptions{"Courier New", 10, 1, true, false, false};
    if (flavour == HtmlFlavour::CssColored)
        page.classes = countTextColors(canvas);
    if (flavour == HtmlFlavour::CssTable)
        page.classes = countBackgroundColors(canvas);
    return page;
}

std::string encode(HtmlFlavour flavour, const CharCanvas& canvas, const HtmlPage& page) {
    test::RecordingProgress progress;
    return encodeHtml(flavour, canvas, page, progress);
}

TEST(HtmlExport, EachFlavourWritesItsPageByteForByte) {
    struct Case {
        HtmlFlavour flavour;
        std::string bytes;
    };
    const Case cases[] = {
        {HtmlFlavour::Colored,
         kHead + kBody + " <pre><span " + kStyle +
             "><font color=\"#000000\">a<font color=\"#FF0000\">&lt;\r\n"
             "</font>x <font color=\"#0000FF\">y\r\n</font>\r\n</span></pre>\r\n" +
             kFooter},
        {HtmlFlavour::Table,
         kHead +
             "  <style type=\"text/css\"><!--\r\n"
             "td { font-family: Courier New, monospace; font-size: 10pt; font-weight: bold; "
             "alignment:left}\r\n//--></style>\r\n" +
             kBody + "<table border=\"1\" cellspacing=\"0\" cellpadding=\"0\" " + kStyle +
             ">\r\n<tr>\r\n"
             "<td bgcolor=\"#FFFFFF\"><font color=\"#000000\">a</font></td>\r\n"
             "<td bgcolor=\"#FFFFFF\"><font color=\"#FF0000\">&lt;</font></td>\r\n"
             "<td bgcolor=\"#FFFFFF\">&nbsp;</td>\r\n<tr>\r\n"
             "<td bgcolor=\"#0000FF\"><font color=\"#000000\">x</font></td>\r\n"
             "<td bgcolor=\"#0000FF\">&nbsp;</td>\r\n"
             "<td bgcolor=\"#0000FF\"><font color=\"#0000FF\">y</font></td>\r\n</table>\r\n" +
             kFooter},
        // Black and red count 3 each (the first cell's colour starts at 1), blue 2.
        {HtmlFlavour::CssColored,
         kHead +
             "<style type=\"text/css\">\r\n<!--\r\n"
             "u {font-family: Courier New, monospace; font-size: 10pt; font-weight: bold; "
             "text-decoration: none}\r\n"
             "#A {color:000000}\r\n#B {color:FF0000}\r\n#C {color:0000FF}\r\n"
             "//-->\r\n</style>\r\n" +
             kBody +
             " <pre><span>\r\n<u id=\"A\">\r\na<u id=\"B\">&lt;\r\n</u>x <u id=\"C\">y\r\n"
             "</u>\r\n</span></pre>\r\n" +
             kFooter},
        // Blue backgrounds outnumber white ones: blue is the table's own colour.
        {HtmlFlavour::CssTable,
         kHeadStart +
             "<style type=\"text/css\">\r\n<!--\r\n"
             "td { font-family: Courier New, monospace; font-size: 10pt; font-weight: "
             "bold; alignment:left}\r\n"
             "#A {background-color:#0000FF}#B {background-color:#FFFFFF}//-->\r\n"
             "</style>\r\n<title>T.HTM</title>\r\n</head>\r\n<body bgcolor=\"#000000\">\r\n"
             "<table border=\"1\" cellspacing=\"0\" cellpadding=\"0\" bgcolor=\"#0000FF\" " +
             kStyle +
             ">\r\n<tr><td id=\"B\">a<td id=\"B\">&lt;<td id=\"B\">&nbsp;<tr><td>x<td>&nbsp;<td>y"
             "</table>\r\n" +
             kFooter},
        {HtmlFlavour::IeTable,
         kHeadStart +
             "<style type=\"text/css\">\r\n<!--\r\n"
             "td { font-family: Courier New, monospace; font-size:10pt; alignment:left; "
             "font-weight: bold}\r\n"
             "#A {background-color:#FFFFFF}#B {background-color:#0000FF}\r\n"
             "u { text-decoration:none }\r\n"
             "#FA {color:#000000}#FB {color:#FF0000}#FC {color:#0000FF}//-->\r\n"
             "</style>\r\n<title>T.HTM</title>\r\n</head>\r\n<body bgcolor=\"#000000\">\r\n"
             "<table border=\"0\" cellspacing=\"0\" cellpadding=\"0\" id=\"A\" "
             "style=\"color: rgb(0,0,0)\"><tr>\r\n"
             "<td>a<u id=\"FB\">&lt;&nbsp;</table>\r\n"
             "<table border=\"0\" cellspacing=\"0\" cellpadding=\"0\" id=\"B\" "
             "style=\"color: rgb(0,0,0)\"><tr>\r\n"
             "<td>x&nbsp;<u id=\"FC\">-</table>\r\n" +
             kFooter},
    };
    const CharCanvas canvas = sample();
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.flavour));
        EXPECT_EQ(encode(c.flavour, canvas, pageFor(c.flavour, canvas)), c.bytes);
    }
}

TEST(HtmlExport, UnreadableOptionsGiveEachPageItsDefaultStyle) {
    const CharCanvas canvas = canvasOf({"a"}, {"k"}, {"w"});
    const auto contains = [&](HtmlFlavour flavour, const std::string& text) {
        return encode(flavour, canvas, pageFor(flavour, canvas, false)).find(text) !=
               std::string::npos;
    };
    // The pre pages name a monospace fallback, the CSS table's style does not.
    EXPECT_TRUE(contains(HtmlFlavour::Table, "<table border=\"0\" cellspacing=\"0\" "
                                             "cellpadding=\"0\" style=\"font-family: Courier New, "
                                             "monospace; font-size: 10pt\">\r\n"));
    EXPECT_TRUE(contains(HtmlFlavour::CssTable, "td { font-family: Courier New; font-size: 10pt; "
                                                "alignment:left}\r\n"));
}

// The rows of the pre page, between its opening line and its closing.
std::string preRows(const CharCanvas& canvas, HtmlFlavour flavour = HtmlFlavour::Colored) {
    const std::string bytes = encode(flavour, canvas, pageFor(flavour, canvas));
    const std::size_t start = bytes.find("<pre><span");
    const std::size_t end = bytes.find("</span></pre>");
    return bytes.substr(start, end - start);
}

TEST(HtmlExport, PrePagesDropBlankRowEndsAndOpenNoTagForBlanks) {
    // Two letters and blanks, a row of blanks, a blank between two colours.
    const test::Rows white{"wwww", "wwww", "wwww"};
    const CharCanvas canvas = canvasOf({"ab @", " @ @", "c d "}, {"kkrk", "kkrk", "rkbr"}, white);
    EXPECT_EQ(preRows(canvas), "<pre><span " + kStyle +
                                   "><font color=\"#000000\">ab\r\n\r\n<font color=\"#FF0000\">c "
                                   "</font><font color=\"#0000FF\">d\r\n</font>\r\n");

    // One colour, the main one: only the opening carries a tag.
    const CharCanvas plain = canvasOf({"ab"}, {"kk"}, {"ww"});
    EXPECT_EQ(preRows(plain), "<pre><span " + kStyle + "><font color=\"#000000\">ab\r\n");
}

TEST(HtmlExport, ColoursBeyondTheTwentySixLettersAreWrittenAsHexIds) {
    // 30 text colours and backgrounds, the later ones rarer.
    CharCanvas canvas(30, 2);
    for (int c = 0; c < 30; ++c) {
        for (int r = 0; r < 2; ++r) {
            const Color color = rgb(c, c < 4 ? 1 : 2, 0);
            canvas.setText(c, r, r == 0 || c < 26 ? "x" : "");
            canvas.SetFontCell(c, r, color);
            canvas.SetColorCell(c, r, color);
        }
    }
    const ColorTable fonts = countTextColors(canvas);
    EXPECT_TRUE(fonts.hasMoreColorsThanLetters());
    // Each colour counts 1 more than its cells; equal counts keep the order they were found in.
    EXPECT_EQ(fonts.entries()[0].count, 3);
    EXPECT_EQ(fonts.letterOf(rgb(26, 2, 0)), std::nullopt);

    const std::string css =
        encode(HtmlFlavour::CssColored, canvas, pageFor(HtmlFlavour::CssColored, canvas));
    EXPECT_NE(css.find("#Z {color:190200}\r\n//-->"), std::string::npos);
    EXPECT_NE(css.find("<u id=\"1A0200\">x"), std::string::npos);
    const std::string table =
        encode(HtmlFlavour::CssTable, canvas, pageFor(HtmlFlavour::CssTable, canvas));
    EXPECT_NE(table.find("#Z {background-color:#190200}//-->"), std::string::npos);
    EXPECT_NE(table.find("<td id=\"1D0200\">x<tr>"), std::string::npos);

    // A full table: the last entry takes each new colour's place.
    ColorTable full;
    for (Color c = 0; c < 300; ++c)
        full.add(c);
    EXPECT_EQ(full.entries().size(), ColorTable::kMaxEntries);
    EXPECT_EQ(full.entries().back().color, 299u);
    EXPECT_EQ(full.entries().back().count, 2 + 44);
}

TEST(HtmlExport, RowTablesWriteBlanksStartingARunAsText) {
    // A blank on its own background opens a run: it is "&nbsp;" by the writing pass, so its
    // own text colour is given. A cell whose colours match is written as "-".
    const CharCanvas canvas = canvasOf({"a b"}, {"krw"}, {"wbw"});
    const std::string bytes =
        encode(HtmlFlavour::IeTable, canvas, pageFor(HtmlFlavour::IeTable, canvas));
    EXPECT_NE(bytes.find("id=\"A\" style=\"color: rgb(0,0,0)\"><tr>\r\n"
                         "<td>a<td id=\"B\"><u id=\"FB\">&nbsp;<td><u id=\"FC\">-</table>\r\n"),
              std::string::npos);
}

TEST(HtmlExport, Cp437GlyphsBecomeCharacterReferences) {
    const CharCanvas canvas = canvasOf({"\xB0\xDB"}, {"kr"}, {"ww"});
    for (const HtmlFlavour flavour :
         {HtmlFlavour::Colored, HtmlFlavour::Table, HtmlFlavour::CssColored, HtmlFlavour::CssTable,
          HtmlFlavour::IeTable}) {
        SCOPED_TRACE(static_cast<int>(flavour));
        HtmlPage page = pageFor(flavour, canvas);
        EXPECT_NE(encode(flavour, canvas, page).find("\xB0"), std::string::npos);
        page.cp437Glyphs = true;
        const std::string bytes = encode(flavour, canvas, page);
        EXPECT_NE(bytes.find("&#9617;"), std::string::npos);
        EXPECT_NE(bytes.find("&#9608;"), std::string::npos);
        EXPECT_EQ(bytes.find('\xB0'), std::string::npos);
    }
    EXPECT_EQ(browserPageBytes({"a\xB0", "<b>"}, true),
              "<HTML><PRE>a&#9617;\r\n<b></HTML></PRE>\r\n");
    EXPECT_EQ(htmlTitle("/art/cat.htm"), "CAT.HTM");
}

TEST(HtmlExport, LargePagesWrittenInPiecesEqualTheEncodedPage) {
    test::TempDir dir;
    CharCanvas canvas(300, 400);
    for (int r = 0; r < canvas.rowCount(); ++r) {
        for (int c = 0; c < canvas.colCount(); ++c) {
            canvas.setText(c, r, (c + r) % 7 ? "#" : "&");
            canvas.SetFontCell(c, r, static_cast<Color>(c * 977 + r));
        }
    }
    const HtmlPage page = pageFor(HtmlFlavour::Table, canvas);
    test::RecordingProgress progress;
    ASSERT_TRUE(writeHtml(dir / "big.htm", HtmlFlavour::Table, canvas, page, progress));
    EXPECT_EQ(test::readBytes(dir / "big.htm"), encode(HtmlFlavour::Table, canvas, page));
    EXPECT_EQ(progress.calls.back(), "hide");
}

} // namespace
} // namespace glyphora
