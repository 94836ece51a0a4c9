// The pre-block pages: "HTML colored" with font elements and "HTML colored (CSS)" with u
// elements whose ids name colour classes.
#include "formats/html_page.h"

namespace glyphora::html {

namespace {

constexpr const char* kDefaultStyle =
    R"(style="font-family: Courier New, monospace; font-size: 10pt")";
constexpr const char* kDefaultCssDeclarations =
    R"(style="font-family: Courier New; font-size: 10pt")";

// The font declarations both pre pages share.
std::string fontDeclarations(const HtmlOptions& options) {
    std::string text = "font-family: " + options.fontFamily +
                       ", monospace; font-size: " + std::to_string(options.fontSize) + "pt";
    if (options.bold)
        text += "; font-weight: bold";
    if (options.italic)
        text += "; font-style: italic";
    return text;
}

// How a colour run opens and closes: font elements with the colour, or u elements with the
// colour's class.
class RunTags {
public:
    RunTags(const HtmlPage& page, bool cssClasses) : page_(page), css_(cssClasses) {}

    void open(PageOut& out, Color color) const {
        if (!css_) {
            out << "<font color=\"#";
            out.hex(color);
            out << "\">";
            return;
        }
        out << "<u id=\"";
        if (const std::optional<char> letter = page_.classes.letterOf(color))
            out << *letter;
        else
            out.hex(color);
        out << "\">";
    }
    std::string_view close() const { return css_ ? "</u>" : "</font>"; }

private:
    const HtmlPage& page_;
    bool css_;
};

void writeStyleSheet(PageOut& out, const HtmlPage& page) {
    out.line(R"(<style type="text/css">)");
    out.line("<!--");
    out << "u {";
    if (page.options) {
        out << fontDeclarations(*page.options)
            << (page.options->underline ? "; text-decoration: underline"
                                        : "; text-decoration: none");
    } else {
        out << kDefaultCssDeclarations;
    }
    out << "}";
    out.endLine();
    const std::vector<ColorCount>& entries = page.classes.entries();
    for (std::size_t j = 0; j < page.classes.classCount(); ++j) {
        out << '#' << static_cast<char>('A' + j) << " {color:";
        out.hex(entries[j].color);
        out << "}";
        out.endLine();
    }
    out.line("//-->");
    out.line("</style>");
}

} // namespace

std::string styleAttribute(const std::optional<HtmlOptions>& options, bool monospaceDefault) {
    if (!options)
        return monospaceDefault ? kDefaultStyle : kDefaultCssDeclarations;
    std::string text = "style=\"" + fontDeclarations(*options);
    if (options->underline)
        text += "; text-decoration: underline";
    return text + "\"";
}

void writePrePage(const CharCanvas& canvas, const HtmlPage& page, bool cssClasses,
                  Progress& progress, PageOut& out) {
    writeHead(out, page.title);
    // The CSS page's text colour is its most frequent one, whose runs need no element.
    const Color mainFont =
        cssClasses ? page.classes.mostFrequent().value_or(page.mainFont) : page.mainFont;
    const RunTags tags(page, cssClasses);
    Color last = canvas.foreground(0, 0);
    if (cssClasses) {
        writeStyleSheet(out, page);
        writeBodyLine(out, mainFont, page.mainBack);
        out.line(" <pre><span>");
        tags.open(out, last);
        out.endLine();
    } else {
        writeBodyLine(out, mainFont, page.mainBack);
        out << " <pre><span " << styleAttribute(page.options, true) << ">";
        tags.open(out, last);
    }

    // Only the last cell written says whether a run is left open.
    bool open = false;
    const int rows = canvas.rowCount();
    for (int r = 0; r < rows; ++r) {
        showRow(progress, r, rows);
        const int end = lastWrittenColumn(canvas, r, true);
        for (int c = 0; c <= end; ++c) {
            const std::string_view cell = canvas.text(c, r);
            const std::string_view text = isBlank(cell) ? kBlank : escaped(cell);
            open = false;
            const Color color = canvas.foreground(c, r);
            // A blank is written in the colour that is open.
            if (color != last && text != kBlank) {
                if (color == mainFont) {
                    out << tags.close();
                } else {
                    if (last != mainFont)
                        out << tags.close();
                    tags.open(out, color);
                    open = true;
                }
                last = color;
            }
            out.cellText(text);
        }
        out.endLine();
        if (!out.rowDone())
            return;
    }
    if (open)
        out.line(tags.close());
    out.line("</span></pre>");
    writeFooter(out);
}

} // namespace glyphora::html
