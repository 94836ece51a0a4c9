#include "formats/document_fixture.h"
#include "formats/html_export.h"
#include "formats/html_import.h"
#include "formats/html_import_commands.h"
#include "formats/recording_progress.h"
#include "platform/text_file.h"

namespace glyphora {
namespace {

namespace fs = std::filesystem;

constexpr Color kRed = 0x0000FF;

std::string rowText(const CharCanvas& canvas, int row) {
    std::string text;
    for (int c = 0; c < canvas.colCount(); ++c)
        text += canvas.text(c, row);
    return text;
}

struct PageCase {
    const char* name;
    std::string page;
    int cols;
    int rows;
    std::vector<std::string> text; // the first rows
};

TEST(HtmlImport, PreformattedBlocksBecomeRowsOfCells) {
    const std::vector<PageCase> cases = {
        {"one block", "<html><pre>ab\ncd</pre></html>", 2, 3, {"ab", "cd", "  "}},
        {"entities", "<PRE>&lt;&gt;&quot;&amp;&nbsp;&#9617;|</PRE>", 7, 2, {"<>\"&  |"}},
        {"tabs, CRs and br dropped", "<pre>a\tb\r\n<br>c</pre>", 2, 3, {"ab", "c "}},
        {"two blocks two rows apart", "<xmp>a</xmp>x<listing>b</listing>", 1, 4, {"a", " ", "b"}},
        {"a block with attributes does not count", "<pre class=x>ab</pre>", 1, 1, {" "}},
        {"unterminated block keeps its last line", "<plaintext>x\nyz", 2, 3, {"x ", "yz"}},
        {"entity cut at eleven bytes", "<pre>&abcdefghijklmn</pre>", 5, 2, {" klmn"}},
        {"tag to the end of the page", "<pre>ab<font", 2, 2, {"ab"}},
    };
    for (const PageCase& c : cases) {
        SCOPED_TRACE(c.name);
        CharCanvas canvas(3, 3);
        importHtml(c.page, canvas);
        EXPECT_EQ(std::pair(canvas.colCount(), canvas.rowCount()), std::pair(c.cols, c.rows));
        for (std::size_t r = 0; r < c.text.size(); ++r)
            EXPECT_EQ(rowText(canvas, static_cast<int>(r)).substr(0, c.text[r].size()), c.text[r]);
    }
}

TEST(HtmlImport, BodyAndFontTagsGiveColoursAndTheFirstFont) {
    CharCanvas canvas;
    const HtmlImportResult result =
        importHtml("<BODY TEXT=\"#00ff00\" BGCOLOR=\"#000080\"><PRE>a<FONT COLOR=\"#FF0000\">b"
                   "<span style=\"font-family: Liberation Mono ;font-size: 12pt\">c</font>d"
                   "<font face=\"Other\" color=\"#zz0000\">e</PRE>",
                   canvas);
    EXPECT_TRUE(result.blockFound);
    EXPECT_EQ(canvas.defaultColor(), rgb(0, 0, 0x80));
    EXPECT_EQ(canvas.defaultFontColor(), rgb(0, 0xFF, 0));
    EXPECT_EQ(result.background, rgb(0, 0, 0x80));
    EXPECT_EQ(rowText(canvas, 0), "abcde");
    const std::vector<Color> expected = {rgb(0, 0xFF, 0), kRed, kRed, rgb(0, 0xFF, 0),
                                         rgb(0, 0xFF, 0)}; // bad digits keep the colour
    for (int c = 0; c < 5; ++c) {
        EXPECT_TRUE(canvas.hasOwnFont(c, 0)) << c;
        EXPECT_EQ(canvas.foreground(c, 0), expected[static_cast<std::size_t>(c)]) << c;
    }
    EXPECT_EQ(result.fontFamily, "liberation mono");
    EXPECT_EQ(result.fontSize, "12");
}

TEST(HtmlImport, TheAreaLimitEndsTheImportWithoutAllocatingBeyondIt) {
    CharCanvas canvas;
    // A line longer than 1001 characters, and a page of endless line feeds.
    EXPECT_EQ(importHtml("<pre>" + std::string(100000, 'x') + "</pre>", canvas).end,
              HtmlImportResult::End::TooLarge);
    EXPECT_EQ(canvas.colCount(), kHtmlImportMaxColumn + 2);
    EXPECT_EQ(importHtml("<pre>" + std::string(5000, '\n'), canvas).end,
              HtmlImportResult::End::TooLarge);
    EXPECT_EQ(canvas.rowCount(), kHtmlImportMaxRow + 1);
    // Escape stops between bytes; what was read stays.
    int polls = 0;
    const HtmlImportResult stopped =
        importHtml("<pre>abcdef</pre>", canvas, {[&] { return ++polls > 3; }, nullptr});
    EXPECT_EQ(stopped.end, HtmlImportResult::End::Break);
    EXPECT_EQ(rowText(canvas, 0), "abc");
}

using HtmlOpen = test::DocumentTest;

TEST_F(HtmlOpen, TheChoiceInterpretsThePageOrShowsItsSource) {
    test::writeBytes(dir / "Page.HTML", "<body text=\"#0000FF\"><pre>hi\n<font color=\"#ff0000\">"
                                        "x</font></pre>");
    ui.queueAnswer(""); // the preset: interpret
    open(dir / "Page.HTML");
    EXPECT_TRUE(saw("choice: Open HTML -> 1"));
    EXPECT_EQ(editor.colorMode(), ColorMode::FontColored);
    EXPECT_EQ(row(0, 0, 2), "hi");
    EXPECT_EQ(editor.canvas().foreground(0, 1), kRed);
    EXPECT_EQ(editor.ActiveFontColor, rgb(0, 0, 0xFF));
    EXPECT_EQ(editor.document().CurrentFileName, (dir / "gl_Page.HTML").string());
    EXPECT_EQ(editor.document().CurrentFormat, 4);
    EXPECT_EQ(editor.document().ReopenList.front(), (dir / "Page.HTML").string());
    EXPECT_EQ(editor.status().field(3), "READING LINE ... R E A D Y");

    ui.queueAnswer("2"); // the source, as text, leaving the colours
    ui.queueAnswer("yes");
    open(dir / "Page.HTML");
    EXPECT_EQ(row(0, 0, 6), "<body ");
    EXPECT_EQ(editor.document().CurrentFormat, 12);
    EXPECT_EQ(editor.document().caption, "Page.HTML");

    ui.queueAnswer("cancel"); // nothing happens
    open(dir / "Page.HTML");
    EXPECT_EQ(row(0, 0, 6), "<body ");
}

TEST_F(HtmlOpen, PagesWithoutBlocksOrWithBadFontsSayWhy) {
    put(0, 0, "old");
    test::writeBytes(dir / "none.htm", "<p>no art</p>");
    ImportHtml(editor); // no file chosen
    EXPECT_EQ(row(0, 0, 3), "old");
    ui.answerNextFileDialog((dir / "none.htm").string());
    ImportHtml(editor);
    EXPECT_TRUE(saw("message: Couldn`t import file (correct), because no <pre></pre> tag was "
                    "found."));
    EXPECT_EQ(editor.canvas().colCount(), 1);

    test::writeBytes(dir / "bad.htm", "<pre><span style=\"font-size:big\">a</span></pre>");
    ui.answerNextFileDialog((dir / "bad.htm").string());
    ImportHtml(editor);
    EXPECT_EQ(editor.status().field(3), "ERROR: Couldn`t complete request.");
    EXPECT_EQ(editor.document().CurrentFileName, "-"); // "&Save" cannot overwrite anything
    EXPECT_EQ(row(0, 0, 1), "a");

    ui.queueAnswer("");
    open(dir / "missing.htm");
    EXPECT_TRUE(saw("message: Couldn`t read file."));
}

TEST(HtmlImport, AColouredPageWrittenAsHtmlColoredReadsBack) {
    CharCanvas source(6, 3);
    source.clearTexts();
    const std::string rows[] = {"a<b&c\"", "  x y ", "\xE9!    "};
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 6; ++c) {
            source.setText(c, r, std::string(1, rows[r][static_cast<std::size_t>(c)]));
            source.SetFontCell(c, r, rgb(40 * c, 100 * (r % 2), 255 - 30 * c));
        }
    }
    HtmlPage page;
    page.mainFont = rgb(1, 2, 3);
    page.mainBack = rgb(250, 240, 230);
    test::RecordingProgress progress;
    const std::string html = encodeHtml(HtmlFlavour::Colored, source, page, progress);
    CharCanvas back;
    const HtmlImportResult result = importHtml(html, back);
    EXPECT_EQ(back.defaultColor(), page.mainBack);
    EXPECT_EQ(back.defaultFontColor(), page.mainFont);
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 6; ++c) {
            if (source.text(c, r) == " ")
                continue;
            EXPECT_EQ(back.text(c, r), source.text(c, r)) << c << "," << r;
            EXPECT_EQ(back.foreground(c, r), source.foreground(c, r)) << c << "," << r;
        }
    }
    EXPECT_TRUE(result.blockFound);
}

TEST(HtmlImport, EveryCorpusPageReads) {
    const fs::path corpus = fs::path(GLYPHORA_SOURCE_DIR) / ".." / "shared" / "corpus" / "html";
    std::error_code ec;
    if (!fs::is_directory(corpus, ec))
        GTEST_SKIP() << "no corpus at " << corpus;
    int withArt = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(corpus)) {
        std::string page;
        if (!entry.is_regular_file() || entry.path().extension() != ".html" ||
            !readFileBytes(entry.path(), page))
            continue;
        CharCanvas canvas;
        const HtmlImportResult result = importHtml(page, canvas);
        const bool hasPre =
            page.find("<PRE>") != std::string::npos || page.find("<pre>") != std::string::npos;
        EXPECT_EQ(result.blockFound, hasPre) << entry.path();
        withArt += hasPre && canvas.colCount() > 10;
    }
    EXPECT_GT(withArt, 3);
}

} // namespace
} // namespace glyphora
