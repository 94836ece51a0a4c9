// The table pages: "HTML table" with colours on every cell, "HTML table (CSS)" with
// background classes, and "HTML table (IE)" with one table per row.
#include "formats/html_page.h"

namespace glyphora::html {

namespace {

constexpr std::string_view kStylePrefix = "style=\"";
constexpr std::string_view kCellSpacing = R"(" cellspacing="0" cellpadding="0" )";
constexpr std::string_view kBlackBody = R"(<body bgcolor="#000000">)";
constexpr const char* kRowTableStart = R"(<table border="0" cellspacing="0" cellpadding="0" )";

// The bare declarations of a style attribute.
std::string_view declarationsOf(std::string_view style) {
    return style.substr(kStylePrefix.size(), style.size() - kStylePrefix.size() - 1);
}

void writeTableStart(PageOut& out, const std::optional<HtmlOptions>& options) {
    out << "<table border=\"";
    out.decimal(options ? options->tableBorder : 0);
    out << kCellSpacing;
}

void writeTitleAndBody(PageOut& out, const HtmlPage& page) {
    out.line("</style>");
    out << "<title>" << page.title << "</title>";
    out.endLine();
    out.line("</head>");
    out.line(kBlackBody);
}

// id="X" for a colour with a class letter, else the attribute for the bare colour.
void writeColorAttribute(PageOut& out, std::optional<char> letter, std::string_view bareAttribute,
                         Color color) {
    if (letter) {
        out << "id=\"" << *letter << '"';
        return;
    }
    out << bareAttribute << "=\"#";
    out.hex(color);
    out << '"';
}

// The first 26 different colours of the whole canvas, row by row.
template <typename ColorOf> ColorTable firstColors(const CharCanvas& canvas, ColorOf colorOf) {
    ColorTable table;
    for (int r = 0; r < canvas.rowCount(); ++r) {
        for (int c = 0; c < canvas.colCount(); ++c) {
            const Color color = colorOf(c, r);
            if (!table.letterOf(color)) {
                table.add(color);
                if (table.entries().size() == ColorTable::kClassLetters)
                    return table;
            }
        }
    }
    return table;
}

// One cell of a row table as the row's two passes see it.
struct RowCell {
    std::string_view text;
    Color fg = kBlack;
    Color bg = kBlack;
};

// The first pass over a row: its cells' texts as the writing pass sees them (a blank that
// starts a background run is "&nbsp;" by then, and counts as text there), and the colours
// most of its runs have.
struct RowSurvey {
    std::optional<Color> font;
    Color back = kBlack;
};
RowSurvey surveyRow(std::vector<RowCell>& cells) {
    ColorTable backs;
    ColorTable fonts;
    std::optional<Color> pb;
    std::optional<Color> pf;
    for (RowCell& cell : cells) {
        if (cell.fg == cell.bg)
            cell.text = "-";
        if (cell.bg != pb) {
            if (cell.text != kBlank) {
                backs.add(cell.bg);
                fonts.add(cell.fg);
            } else {
                cell.text = kNbsp;
                backs.add(cell.bg);
            }
            pb = cell.bg;
            pf = cell.fg;
        } else if (cell.text != kBlank && cell.fg != pf) {
            fonts.add(cell.fg);
            pf = cell.fg;
        }
    }
    return {fonts.mostFrequent(), backs.mostFrequent().value_or(kBlack)};
}

} // namespace

void writeCellTablePage(const CharCanvas& canvas, const HtmlPage& page, Progress& progress,
                        PageOut& out) {
    const std::string style = styleAttribute(page.options, true);
    writeHead(out, page.title);
    out.line(R"(  <style type="text/css"><!--)");
    out << "td { " << declarationsOf(style) << "; alignment:left}";
    out.endLine();
    out.line("//--></style>");
    writeBodyLine(out, page.mainFont, page.mainBack);
    writeTableStart(out, page.options);
    out << style << ">";
    out.endLine();
    const int rows = canvas.rowCount();
    for (int r = 0; r < rows; ++r) {
        showRow(progress, r, rows);
        out.line("<tr>");
        for (int c = 0; c < canvas.colCount(); ++c) {
            const std::string_view cell = canvas.text(c, r);
            out << "<td bgcolor=\"#";
            out.hex(canvas.background(c, r));
            if (isBlank(cell)) {
                out << "\">&nbsp;</td>";
            } else {
                out << "\"><font color=\"#";
                out.hex(canvas.foreground(c, r));
                out << "\">";
                out.cellText(escaped(cell));
                out << "</font></td>";
            }
            out.endLine();
        }
        if (!out.rowDone())
            return;
    }
    out.line("</table>");
    writeFooter(out);
}

void writeCssTablePage(const CharCanvas& canvas, const HtmlPage& page, Progress& progress,
                       PageOut& out) {
    const std::string style = styleAttribute(page.options, false);
    const ColorTable& classes = page.classes;
    const Color main = classes.mostFrequent().value_or(page.mainBack);
    writeHeadStart(out);
    out.line(R"(<style type="text/css">)");
    out.line("<!--");
    out << "td { " << declarationsOf(style) << "; alignment:left}";
    out.endLine();
    for (std::size_t n = 0; n < classes.classCount(); ++n) {
        out << '#' << static_cast<char>('A' + n) << " {background-color:#";
        out.hex(classes.entries()[n].color);
        out << '}';
    }
    out.line("//-->");
    writeTitleAndBody(out, page);
    writeTableStart(out, page.options);
    out << "bgcolor=\"#";
    out.hex(main);
    out << "\" " << style << ">";
    out.endLine();
    // The whole table body is one line.
    const int rows = canvas.rowCount();
    for (int r = 0; r < rows; ++r) {
        showRow(progress, r, rows);
        out << "<tr>";
        for (int c = 0; c < canvas.colCount(); ++c) {
            const std::string_view cell = canvas.text(c, r);
            const Color back = canvas.background(c, r);
            if (back == main) {
                out << "<td>";
            } else {
                out << "<td id=\"";
                if (const std::optional<char> letter = classes.letterOf(back))
                    out << *letter;
                else
                    out.hex(back);
                out << "\">";
            }
            out.cellText(isBlank(cell) ? kNbsp : escaped(cell));
        }
        if (!out.rowDone())
            return;
    }
    out.line("</table>");
    writeFooter(out);
}

void writeRowTablesPage(const CharCanvas& canvas, const HtmlPage& page, Progress& progress,
                        PageOut& out) {
    const HtmlOptions options = page.options.value_or(HtmlOptions{});
    const ColorTable backs =
        firstColors(canvas, [&canvas](int c, int r) { return canvas.background(c, r); });
    const ColorTable fonts =
        firstColors(canvas, [&canvas](int c, int r) { return canvas.foreground(c, r); });

    writeHeadStart(out);
    out.line(R"(<style type="text/css">)");
    out.line("<!--");
    out << "td { font-family: " << options.fontFamily << ", monospace; font-size:";
    out.decimal(options.fontSize);
    out << "pt; alignment:left";
    if (options.bold)
        out << "; font-weight: bold";
    if (options.italic)
        out << "; font-style: italic";
    if (options.underline)
        out << "; text-decoration: underline";
    out << '}';
    out.endLine();
    for (std::size_t n = 0; n < backs.entries().size(); ++n) {
        out << '#' << static_cast<char>('A' + n) << " {background-color:#";
        out.hex(backs.entries()[n].color);
        out << '}';
    }
    out.endLine();
    out.line("u { text-decoration:none }");
    for (std::size_t n = 0; n < fonts.entries().size(); ++n) {
        out << "#F" << static_cast<char>('A' + n) << " {color:#";
        out.hex(fonts.entries()[n].color);
        out << '}';
    }
    out.line("//-->");
    writeTitleAndBody(out, page);

    std::vector<RowCell> cells(static_cast<std::size_t>(canvas.colCount()));
    const auto backAttribute = [&](Color bg) {
        writeColorAttribute(out, backs.letterOf(bg), "bgcolor", bg);
    };
    const auto fontElement = [&](Color fg) {
        out << '<';
        if (const std::optional<char> letter = fonts.letterOf(fg))
            out << "u id=\"F" << *letter << '"';
        else
            writeColorAttribute(out, std::nullopt, "font color", fg);
        out << '>';
    };
    const int rows = canvas.rowCount();
    for (int r = 0; r < rows; ++r) {
        showRow(progress, r, rows);
        for (int c = 0; c < canvas.colCount(); ++c) {
            const std::string_view text = canvas.text(c, r);
            cells[static_cast<std::size_t>(c)] = {text.empty() ? kBlank : escaped(text),
                                                  canvas.foreground(c, r), canvas.background(c, r)};
        }
        const RowSurvey survey = surveyRow(cells);
        const Color rowFont = survey.font.value_or(kBlack);
        out << kRowTableStart;
        backAttribute(survey.back);
        out << " style=\"color: rgb(";
        out.decimal(redOf(rowFont));
        out << ',';
        out.decimal(greenOf(rowFont));
        out << ',';
        out.decimal(blueOf(rowFont));
        out << ")\"><tr>";
        out.endLine();

        std::optional<Color> pb;
        std::optional<Color> pf;
        for (const RowCell& cell : cells) {
            const bool blank = cell.text == kBlank;
            const std::string_view text = blank ? kNbsp : cell.text;
            if (cell.bg != pb) {
                out << "<td";
                if (cell.bg != survey.back) {
                    out << ' ';
                    backAttribute(cell.bg);
                }
                out << '>';
                if (cell.fg != survey.font && !blank)
                    fontElement(cell.fg);
                pb = cell.bg;
                pf = cell.fg;
            } else if (cell.fg != pf && !blank) {
                fontElement(cell.fg);
                pf = cell.fg;
            }
            out.cellText(text);
        }
        out.line("</table>");
        if (!out.rowDone())
            return;
    }
    writeFooter(out);
}

} // namespace glyphora::html
