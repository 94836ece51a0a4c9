#include "color/color_commands.h"
#include "formats/document_fixture.h"
#include "formats/html_export_commands.h"

namespace glyphora {
namespace {

namespace fs = std::filesystem;

constexpr const char* kOptionsUnread =
    "message: ERROR: Couldn`t read HTML settings. Setting default values";
constexpr const char* kTooManyColors =
    "message: WARNING: More than 26 colors found. Couldn`t write correct code.";

struct HtmlExportCommands : test::DocumentTest {
    HtmlExportCommands() {
        editor.settings().ShowInfoMessages = false;
        editor.settings().BackupFiles = false;
        SetModeFullColored(editor);
    }
    void save(int code, const std::string& name, const std::string& options = "") {
        editor.document().SaveFormat = code;
        editor.document().SaveTargetName = (dir / name).string();
        ui.queueAnswer(options);
        saveDocument(editor);
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (int r = 0; r < editor.canvas().rowCount(); ++r)
            for (int c = 0; c < editor.canvas().colCount(); ++c)
                out.emplace_back(editor.canvas().text(c, r));
        return out;
    }
    bool has(const fs::path& file, const std::string& text) const {
        return test::readBytes(file).find(text) != std::string::npos;
    }
};

TEST_F(HtmlExportCommands, PagesLeaveTheDocumentAsItWas) {
    // Texts Replace All can store, the characters the pages escape, a cell whose colours
    // match, empty and blank cells, and cells that follow the main font colour.
    CharCanvas& canvas = editor.canvas();
    canvas.setSize(4, 2);
    canvas.clearTexts();
    const char* cells[] = {"&amp;", "&nbsp;", "<", "", " ", "&", "ab", "-"};
    for (int i = 0; i < 8; ++i)
        canvas.setText(i % 4, i / 4, cells[i]);
    canvas.removeAllOwnFonts();
    canvas.SetFontCell(2, 1, kWhite);
    canvas.SetColorCell(3, 1, rgb(1, 2, 3));
    canvas.SetColorCell(2, 1, kWhite);
    const std::vector<std::string> before = texts();
    const Color mainFont = canvas.defaultFontColor();

    for (const int code : {4, 5, 13, 14, 15}) {
        SCOPED_TRACE(code);
        std::string name = "p";
        name += std::to_string(code) + ".htm";
        save(code, name);
        EXPECT_TRUE(fs::exists(dir / name));
        EXPECT_EQ(editor.document().CurrentFileName, (dir / name).string());
        EXPECT_EQ(texts(), before);
        EXPECT_FALSE(canvas.hasOwnFont(0, 0));
        EXPECT_EQ(canvas.defaultFontColor(), mainFont);
    }
    EXPECT_EQ(editor.status().field(3), "Saving ... READY !");
    EXPECT_TRUE(has(dir / "p4.htm", "&amp;&nbsp;&lt;\r\n"));
    EXPECT_TRUE(has(dir / "p15.htm", "<td>&amp;&nbsp;&lt;&nbsp;</table>\r\n"));
    ui.queueAnswer("yes"); // overwrite
    save(4, "p4");
    EXPECT_EQ(editor.status().field(3),
              "WARNING: Backgroundcolors haven`t been saved in this format !!!");
}

TEST_F(HtmlExportCommands, OptionsComeFromTheCanvasFontAndTheFormKeepsTheBorder) {
    editor.canvas().setSize(2, 1);
    save(5, "a", "Liberation Mono 12 3 bold underline");
    EXPECT_TRUE(saw("html options: Courier New 6 0 -> Liberation Mono 12 3 bold underline"));
    EXPECT_TRUE(has(dir / "a.htm", "<table border=\"3\" cellspacing=\"0\" cellpadding=\"0\" "
                                   "style=\"font-family: Liberation Mono, monospace; font-size: "
                                   "12pt; font-weight: bold; text-decoration: underline\">"));
    EXPECT_EQ(editor.htmlOptions.tableBorder, 3);

    // The next form starts from the canvas font again, with the border kept.
    TextFont font = editor.canvas().font();
    font.size = 9;
    font.italic = true;
    editor.canvas().setFont(font);
    save(15, "b");
    EXPECT_TRUE(saw("html options: Courier New 9 3 italic -> Courier New 9 3 italic"));
    EXPECT_TRUE(has(dir / "b.htm", "font-size:9pt; alignment:left; font-style: italic}"));

    // Values that are no numbers in range give the default style, and the page is written.
    for (const char* unread : {"Courier New x 0", "Arial 31 0"}) {
        save(4, "c.htm", unread);
        EXPECT_TRUE(saw(kOptionsUnread)) << unread;
        EXPECT_TRUE(has(dir / "c.htm", "<span style=\"font-family: Courier New, monospace; "
                                       "font-size: 10pt\">"));
    }
    EXPECT_EQ(editor.htmlOptions.tableBorder, 3);
}

TEST_F(HtmlExportCommands, CssPagesCountRowByRowWarnOfTooManyColoursAndStopAtEscape) {
    CharCanvas& canvas = editor.canvas();
    canvas.setSize(27, 2);
    canvas.clearTexts();
    for (int c = 0; c < 27; ++c) {
        canvas.setText(c, 0, "x");
        canvas.SetFontCell(c, 0, rgb(c, 0, 0));
        canvas.SetColorCell(c, 0, rgb(c, 0, 0));
    }
    save(13, "fg");
    save(14, "bg");
    const auto& lines = ui.transcript();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), kTooManyColors), 2);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "status3: READING LINE ... 1"), 2);

    // Escape ends the background count before its first row: only cell (0, 0)'s colour has a
    // class, and every row is still written.
    ui.setEscapeDown(true);
    save(14, "early");
    const std::string bytes = test::readBytes(dir / "early.htm");
    EXPECT_NE(bytes.find("#A {background-color:#000000}//-->"), std::string::npos);
    EXPECT_NE(bytes.find("<td id=\"1A0000\">x<tr><td id=\"FFFFFF\">&nbsp;"), std::string::npos);
    EXPECT_EQ(bytes.substr(bytes.size() - 9), "</html>\r\n");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), kTooManyColors), 2);
}

TEST_F(HtmlExportCommands, MenuItemsAndTheBrowserExportWriteWithoutNamingTheDocument) {
    editor.canvas().setSize(3, 1);
    editor.canvas().clearTexts();
    put(0, 0, "a\xB0");
    // No save has named a target yet: a save dialog asks for one.
    ui.queueAnswer("cancel");
    ExportCssTable(editor);
    EXPECT_TRUE(saw("save: HTML|*.htm -> cancel"));
    ui.queueAnswer((dir / "menu").string());
    ui.queueAnswer("");
    ExportRowTables(editor);
    EXPECT_TRUE(fs::exists(dir / "menu.htm"));
    EXPECT_EQ(editor.status().field(3), "Saving ... READY !");
    ui.queueAnswer("yes"); // overwrite
    ui.queueAnswer("");
    ExportCssColoredText(editor);
    EXPECT_TRUE(has(dir / "menu.htm", "u {font-family"));
    EXPECT_EQ(editor.document().CurrentFileName, "-");
    EXPECT_EQ(editor.document().caption, "NoName.txt");

    const fs::path page = dir / "~temp.htm";
    ExportToBrowser(editor);
    EXPECT_EQ(test::readBytes(page), "<HTML><PRE>a\xB0 </HTML></PRE>\r\n");
    EXPECT_TRUE(saw("shell open: " + page.string()));
    EXPECT_EQ(row(0), "a\xB0");
    editor.setGlyphSet(CharSet::Cp437);
    ExportToBrowser(editor);
    EXPECT_EQ(test::readBytes(page), "<HTML><PRE>a&#9617; </HTML></PRE>\r\n");

    fs::remove(page);
    fs::create_directory(page);
    ExportToBrowser(editor);
    EXPECT_EQ(ui.transcript().back(), "beep");
}

} // namespace
} // namespace glyphora
