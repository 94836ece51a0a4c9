#pragma once

// The pieces every HTML page shares, for the units that write them.

#include "canvas/char_canvas.h"
#include "formats/html_export.h"
#include "platform/progress.h"

#include <functional>
#include <string>
#include <string_view>

namespace glyphora::html {

inline constexpr const char* kSaving = "Saving ...";
inline constexpr const char* kOneStep = "Step 1 of 1";
inline constexpr std::string_view kLineEnd = "\r\n";
inline constexpr std::string_view kBlank = " ";
inline constexpr std::string_view kNbsp = "&nbsp;";

// Collects a page and hands it on in pieces; once the receiver fails, nothing more is taken.
// Without a receiver it keeps the whole page.
class PageOut {
public:
    using Receiver = std::function<bool(std::string_view)>;
    PageOut() = default;
    explicit PageOut(Receiver receiver) : receiver_(std::move(receiver)) {}

    PageOut& operator<<(std::string_view text) {
        buffer_ += text;
        return *this;
    }
    PageOut& operator<<(char ch) {
        buffer_ += ch;
        return *this;
    }
    void line(std::string_view text) {
        buffer_ += text;
        buffer_ += kLineEnd;
    }
    void endLine() { buffer_ += kLineEnd; }
    // "#" is not included.
    void hex(Color color);
    void decimal(long long value);
    // A cell's text as the page shows it (see HtmlPage::cp437Glyphs).
    void cellText(std::string_view text);
    void setCp437Glyphs(bool on) { cp437_ = on; }

    // Between rows: hands the collected text on once there is enough of it. False once the
    // receiver failed.
    bool rowDone();
    bool finish();
    // The whole page, when there is no receiver.
    std::string release() { return std::move(buffer_); }

private:
    bool handOn();

    Receiver receiver_;
    std::string buffer_;
    bool cp437_ = false;
    bool failed_ = false;
};

// The whole text "<", ">", the double quote or "&" as its entity; any other text as it is.
std::string_view escaped(std::string_view text);
// A text the page writes as a blank: empty, or one space.
inline bool isBlank(std::string_view text) {
    return text.empty() || text == kBlank;
}
// The last column of the row whose text is not empty (blank = false) or not blank (blank =
// true); -1 when there is none. Cells beyond it are not written.
int lastWrittenColumn(const CharCanvas& canvas, int row, bool blankEnds);

// "<html>", "<head>" and the two meta lines.
void writeHeadStart(PageOut& out);
// The four head lines, the title and "</head>".
void writeHead(PageOut& out, std::string_view title);
// "<body text=... bgcolor=...>".
void writeBodyLine(PageOut& out, Color font, Color back);
// The credit line, "</body>" and "</html>".
void writeFooter(PageOut& out);

void showRow(Progress& progress, int row, int rows);

// The style attribute of the page font: style="font-family: ...", with the options' weight,
// slant and underline. Without options the default one, with or without the generic
// monospace family.
std::string styleAttribute(const std::optional<HtmlOptions>& options, bool monospaceDefault);

// The page writers of each flavour.
void writePrePage(const CharCanvas& canvas, const HtmlPage& page, bool cssClasses,
                  Progress& progress, PageOut& out);
void writeCellTablePage(const CharCanvas& canvas, const HtmlPage& page, Progress& progress,
                        PageOut& out);
void writeCssTablePage(const CharCanvas& canvas, const HtmlPage& page, Progress& progress,
                       PageOut& out);
void writeRowTablesPage(const CharCanvas& canvas, const HtmlPage& page, Progress& progress,
                        PageOut& out);

} // namespace glyphora::html
